#include "lists/ui/list_header_panel.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"
#include "data/numbers.h"
#include "data/validators.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace vexa {

namespace {

QLabel* podpis(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

ListHeaderPanel::ListHeaderPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnaglowek"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(8, 6, 8, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);

    m_status = new QComboBox(this);
    m_status->setObjectName(QStringLiteral("elistastatus"));
    m_status->addItems({QStringLiteral("LISTA OTWARTA"), QStringLiteral("LISTA ZAMKNIĘTA")});
    connect(m_status, &QComboBox::activated, this, guarded([this](int index) {
                if (!m_lista) return;
                m_lista->status = index == 1 ? QStringLiteral("Z") : QStringLiteral("O");
                emit zmieniono();
            }));
    m_pola.insert(QStringLiteral("status"), m_status);
    m_pokaz << [this] { m_status->setCurrentIndex(m_lista->status == QLatin1String("Z")); };

    m_data = new QLineEdit(this);
    m_data->setObjectName(QStringLiteral("eldatawykonania"));
    m_data->setInputMask(QStringLiteral("00/00/0000;_"));
    m_data->setFixedWidth(100);
    connect(m_data, &QLineEdit::textEdited, this, guarded([this](const QString& t) {
                if (!m_lista) return;
                // A date that is incomplete or impossible counts as no date.
                m_lista->datawykonania = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
                emit zmieniono();
            }));
    m_pola.insert(QStringLiteral("datawykonania"), m_data);
    m_pokaz << [this] {
        m_data->setText(m_lista->datawykonania.isValid() ? DataKrotka(m_lista->datawykonania)
                                                         : QString());
    };

    // Column 1: the list and the approving officer.
    g->addWidget(podpis(QStringLiteral("STATUS:"), this), 0, 0);
    g->addWidget(m_status, 0, 1);
    g->addWidget(podpis(QStringLiteral("DATA WYKONANIA:"), this), 1, 0);
    g->addWidget(m_data, 1, 1, Qt::AlignLeft);
    g->addWidget(podpis(QStringLiteral("OPIS LISTY:"), this), 2, 0);
    g->addWidget(tekst("nr", &Lista::nr), 2, 1);
    g->addWidget(podpis(QStringLiteral("ZATWIERDZAJĄCY:"), this), 3, 0);
    g->addWidget(tekst("dowodca1", &Lista::dowodca1), 3, 1);
    g->addWidget(tekst("dowodca2", &Lista::dowodca2), 4, 1);
    g->addWidget(podpis(QStringLiteral("STOPIEŃ, IMIĘ\nI NAZWISKO:"), this), 5, 0);
    g->addWidget(tekst("dowodca3", &Lista::dowodca3), 5, 1);

    // Column 2: the signatories.
    // Two-line captions leave the signatories' names room to show whole.
    g->addWidget(podpis(QStringLiteral("ZG. ETATOWA:"), this), 0, 2);
    g->addWidget(tekst("zgodnoscetatowa", &Lista::zgodnoscetatowa), 0, 3);
    g->addWidget(podpis(QStringLiteral("WYKONAŁ:"), this), 1, 2);
    g->addWidget(tekst("wykonal", &Lista::wykonal), 1, 3);
    g->addWidget(podpis(QStringLiteral("SPRAWDZIŁ:"), this), 2, 2);
    g->addWidget(tekst("finansista", &Lista::finansista), 2, 3);

    // Column 3: currencies and rates.
    g->addWidget(podpis(QStringLiteral("WALUTA KASY:"), this), 0, 4);
    g->addWidget(tekst("walutazaliczki", &Lista::walutazaliczki, 3), 0, 5);
    g->addWidget(podpis(QStringLiteral("TABELA WALUTY:"), this), 1, 4);
    g->addWidget(tekst("tabelazaliczki", &Lista::tabelazaliczki), 1, 5);
    g->addWidget(podpis(QStringLiteral("KURS KASY:"), this), 2, 4);
    g->addWidget(liczba("kurszaliczki", &Lista::kurszaliczki, u"#0.000000"), 2, 5);
    g->addWidget(podpis(QStringLiteral("WALUTA RACHUNKÓW:"), this), 3, 4);
    g->addWidget(tekst("walutarach", &Lista::walutarach, 3), 3, 5);
    g->addWidget(podpis(QStringLiteral("KURS RACHUNKÓW:"), this), 4, 4);
    g->addWidget(liczba("kursrach", &Lista::kursrach, u"#0.000000"), 4, 5);

    // Column 4: base pay, MON increase and the tax panel.
    g->addWidget(podpis(QStringLiteral("NAJNIŻSZE\nUPOSAŻENIE:"), this), 0, 6);
    g->addWidget(liczba("uposazenie", &Lista::uposazenie, u"#0.00"), 0, 7);
    g->addWidget(podpis(QStringLiteral("ZWIĘKSZENIE\nNALEŻN. MON:"), this), 1, 6);
    g->addWidget(liczba("zwnaleznmon", &Lista::zwnaleznmon, u"#0.00"), 1, 7);
    m_podatek = new QFrame(this);
    m_podatek->setObjectName(QStringLiteral("ppodatek"));
    auto* tax = new QGridLayout(m_podatek);
    tax->setContentsMargins(0, 0, 0, 0);
    tax->setVerticalSpacing(3);
    tax->addWidget(podpis(QStringLiteral("KURS PODATEK:"), m_podatek), 0, 0);
    tax->addWidget(liczba("podatek_kurs", &Lista::podatek_kurs, u"#0.000000"), 0, 1);
    tax->addWidget(podpis(QStringLiteral("DIETA:"), m_podatek), 1, 0);
    auto* diet = new QHBoxLayout;
    diet->addWidget(liczba("podatek_dieta", &Lista::podatek_dieta, u"#0.00"));
    m_lpodatek = new QLabel(m_podatek);
    m_lpodatek->setObjectName(QStringLiteral("lpodatek"));
    diet->addWidget(m_lpodatek);
    tax->addLayout(diet, 1, 1);
    tax->addWidget(podpis(QStringLiteral("TABELA KURSU:"), m_podatek), 2, 0);
    QLineEdit* table = tekst("podatek_kurs_tabela", &Lista::podatek_kurs_tabela);
    table->setFixedWidth(150);
    tax->addWidget(table, 2, 1, Qt::AlignLeft);
    g->addWidget(m_podatek, 2, 6, 3, 2);
    m_pokaz << [this] {
        m_podatek->setVisible(m_lista->czy_podatek == QLatin1String("T"));
        m_lpodatek->setText(m_lista->walutazaliczki);
    };

    // Column 5: the totals.
    const struct {
        const char* field;
        const char* caption;
    } totals[] = {{"razem", "RAZEM:"},
                  {"zaliczka", "KASA [PLN]:"},
                  {"zaliczkawaluta", "KASA [WALUTA]:"},
                  {"rachunek", "RACHUNEK:"},
                  {"skladkizus", "SKŁADKI ZUS:"},
                  {"innezmniejszenia", "ZALICZKI:"}};
    int row = 0;
    for (const auto& t : totals) {
        g->addWidget(podpis(QString::fromUtf8(t.caption), this), row, 9);
        g->addWidget(suma(t.field), row, 10);
        ++row;
    }
    for (const char* pole : {"zgodnoscetatowa", "wykonal", "finansista"})
        findChild<QLineEdit*>(QStringLiteral("el") + QLatin1String(pole))->setMinimumWidth(150);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 2);
    g->setColumnStretch(8, 1);
}

QLineEdit* ListHeaderPanel::tekst(const char* field, QString Lista::*member, int maxLength) {
    auto* e = new QLineEdit(this);
    const QString name = QString::fromLatin1(field);
    e->setObjectName((name == QLatin1String("nr") ? QStringLiteral("e") : QStringLiteral("el")) +
                     name);
    if (maxLength > 0) {
        e->setMaxLength(maxLength);
        e->setFixedWidth(60);
        WielkieLitery(e);
    }
    // Typed text goes into the row (read from the edit, which may have upper-cased it).
    connect(e, &QLineEdit::textEdited, this, guarded([this, e, member] {
                if (!m_lista) return;
                m_lista->*member = e->text();
                emit zmieniono();
            }));
    m_pola.insert(name, e);
    m_pokaz << [this, e, member] { e->setText(m_lista->*member); };
    return e;
}

QLineEdit* ListHeaderPanel::liczba(const char* field, double Lista::*member,
                                   const char16_t* format) {
    auto* e = new QLineEdit(this);
    const QString name = QString::fromLatin1(field);
    e->setObjectName((name == QLatin1String("nr") ? QStringLiteral("e") : QStringLiteral("el")) +
                     name);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(110);
    static const QRegularExpression number(QStringLiteral("-?[0-9 ]{0,12}([.,][0-9]{0,6})?"));
    e->setValidator(new QRegularExpressionValidator(number, e));
    connect(e, &QLineEdit::textEdited, this, guarded([this, member](const QString& t) {
                if (!m_lista) return;
                m_lista->*member = ParsujKwote(t); // a text that is not a number counts as 0
                emit zmieniono();
            }));
    m_pola.insert(name, e);
    m_pokaz <<
        [this, e, member, format] { e->setText(formatujLiczbe(m_lista->*member, format, u',')); };
    return e;
}

QLineEdit* ListHeaderPanel::suma(const char* field) {
    auto* e = new QLineEdit(this);
    const QString name = QString::fromLatin1(field);
    e->setObjectName(QStringLiteral("esuma") + name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(120);
    e->setProperty("totalField", true);
    m_sumy << [this, e, name] {
        for (const auto& c : Lista::kolumny())
            if (c.name == name) e->setText(Kwota00Przecinek(c.get(*m_lista).toDouble()));
    };
    return e;
}

void ListHeaderPanel::ustaw(Lista* lista) {
    m_lista = lista;
    pokaz();
}

void ListHeaderPanel::pokaz() {
    if (!m_lista) return;
    for (const auto& f : m_pokaz)
        f();
    odswiezSumy();
}

void ListHeaderPanel::odswiezSumy() {
    if (!m_lista) return;
    for (const auto& f : m_sumy)
        f();
}

void ListHeaderPanel::fokus(const QString& field) {
    if (QWidget* w = m_pola.value(field)) {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    }
}

} // namespace vexa
