#include "persons/ui/person_pit_page.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/validators.h"
#include "persons/person_views.h"
#include "persons/ui/tax_office_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame#posobapit { background: #ffffff; border: 1px solid #8a99ab; border-radius: 6px; }
QLabel[caption="true"] { color: #1f3a5f; font-weight: bold; font-size: 8pt; }
QLabel[sectionTitle="true"] { color: #1f3a5f; font-weight: bold; border-bottom: 1px solid #8a99ab;
  padding: 2px 0; }
)";

// The look-up list shows code and post office; the code is what completes the field.
constexpr int kRolaKodu = Qt::UserRole + 1;
constexpr int kRolaWiersza = Qt::UserRole + 2;

// The text fields of the page and the person's fields they edit.
struct PolePit {
    const char* nazwa;
    QString Osoba::*pole;
    int maks;
};

const PolePit kPola[] = {
    {"eus_ulica", &Osoba::us_ulica, 0},       {"eus_kod", &Osoba::us_kod, 0},
    {"eus_kod_is", &Osoba::us_kod_is, 4},     {"eus_nip", &Osoba::us_nip, 10},
    {"eadr_kod", &Osoba::adr_kod, 6},         {"eadr_poczta", &Osoba::adr_poczta, 0},
    {"eadr_gmina", &Osoba::adr_gmina, 0},     {"eadr_powiat", &Osoba::adr_powiat, 0},
    {"eadr_woj", &Osoba::adr_woj, 0},         {"eadr_kraj", &Osoba::adr_kraj, 0},
    {"eadr_miejsc", &Osoba::adr_miejsc, 0},   {"eadr_ulica", &Osoba::adr_ulica, 0},
    {"eadr_nr_domu", &Osoba::adr_nr_domu, 0}, {"eadr_nr_lok", &Osoba::adr_nr_lok, 0},
};

QLabel* etykieta(const QString& napis, QWidget* parent) {
    auto* l = new QLabel(napis, parent);
    l->setProperty("caption", true);
    return l;
}

QLabel* sekcja(const QString& napis, QWidget* parent) {
    auto* l = new QLabel(napis, parent);
    l->setProperty("sectionTitle", true);
    return l;
}

} // namespace

PersonPitPage::PersonPitPage(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    setStyleSheet(QString::fromUtf8(kStyl));
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("posobapit"));
    auto* tytul = new QLabel(QStringLiteral("DANE DO PIT-11"), m_panel);
    tytul->setProperty("pageTitle", true);

    m_urzad = new QComboBox(m_panel);
    m_urzad->setObjectName(QStringLiteral("eus_nazwa"));
    m_urzad->setMinimumWidth(420);
    m_urzad->setMaxVisibleItems(20);
    connect(m_urzad, &QComboBox::activated, this, guarded(this, &PersonPitPage::wybranoUrzad));
    for (const PolePit& p : kPola)
        dodajPole(QString::fromLatin1(p.nazwa), p.maks);
    pole("eus_nip")->setFixedWidth(120);
    pole("eus_kod_is")->setFixedWidth(70);
    pole("eadr_kod")->setFixedWidth(80);
    pole("eadr_kod")->setPlaceholderText(QStringLiteral("00-000"));

    m_kodyModel = new QStandardItemModel(this);
    m_completer = new QCompleter(m_kodyModel, this);
    m_completer->setObjectName(QStringLiteral("kody"));
    m_completer->setCompletionRole(kRolaKodu);
    m_completer->setModelSorting(QCompleter::CaseSensitivelySortedModel);
    m_completer->setMaxVisibleItems(15);
    m_completer->popup()->setMinimumWidth(360);
    pole("eadr_kod")->setCompleter(m_completer);
    connect(pole("eadr_kod"), &QLineEdit::textEdited, this,
            guarded(this, &PersonPitPage::wpisanoKod));
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            guarded(this, &PersonPitPage::wybranoKod));

    auto* dopisz = new QPushButton(QStringLiteral("DOPISZ URZĄD SKARBOWY"), m_panel);
    dopisz->setObjectName(QStringLiteral("SpeedButton67"));
    dopisz->setFocusPolicy(Qt::TabFocus);
    connect(dopisz, &QPushButton::clicked, this, guarded(this, &PersonPitPage::dopiszUrzad));
    auto* powrotB = new QPushButton(QStringLiteral("POWRÓT DO DANYCH OSOBOWYCH"), m_panel);
    powrotB->setObjectName(QStringLiteral("SpeedButton56"));
    powrotB->setFocusPolicy(Qt::TabFocus);
    powrotB->setMinimumHeight(34);
    connect(powrotB, &QPushButton::clicked, this, guarded(this, &PersonPitPage::powrot));

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(5);
    int r = 0;
    auto wiersz = [&](const QString& napis, QWidget* w) {
        g->addWidget(etykieta(napis, m_panel), r, 0);
        g->addWidget(w, r++, 1);
    };
    g->addWidget(sekcja(QStringLiteral("DANE URZĘDU SKARBOWEGO:"), m_panel), r++, 0, 1, 2);
    wiersz(QStringLiteral("NAZWA:"), m_urzad);
    wiersz(QStringLiteral("ADRES:"), pole("eus_ulica"));
    wiersz(QString(), pole("eus_kod"));
    auto* kodIs = new QHBoxLayout;
    kodIs->addWidget(pole("eus_kod_is"));
    kodIs->addStretch();
    kodIs->addWidget(dopisz);
    g->addWidget(etykieta(QStringLiteral("KOD IS:"), m_panel), r, 0);
    g->addLayout(kodIs, r++, 1);
    g->addWidget(sekcja(QStringLiteral("INNE DANE:"), m_panel), r++, 0, 1, 2);
    wiersz(QStringLiteral("NIP:"), pole("eus_nip"));
    g->addWidget(sekcja(QStringLiteral("ADRES ZAMIESZKANIA PODATNIKA:"), m_panel), r++, 0, 1, 2);
    const QPair<const char*, const char*> adres[] = {
        {"KOD POCZTOWY:", "eadr_kod"},   {"POCZTA:", "eadr_poczta"},   {"GMINA:", "eadr_gmina"},
        {"POWIAT:", "eadr_powiat"},      {"WOJEWÓDZTWO:", "eadr_woj"}, {"KRAJ:", "eadr_kraj"},
        {"MIEJSCOWOŚĆ:", "eadr_miejsc"}, {"ULICA:", "eadr_ulica"},     {"NR DOMU:", "eadr_nr_domu"},
        {"NR LOKALU:", "eadr_nr_lok"},
    };
    for (const auto& [napis, nazwa] : adres) {
        QLineEdit* e = pole(QString::fromLatin1(nazwa));
        g->addWidget(etykieta(QString::fromUtf8(napis), m_panel), r, 0);
        g->addWidget(e, r++, 1,
                     e->maximumWidth() < QWIDGETSIZE_MAX ? Qt::AlignLeft : Qt::Alignment());
    }
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(powrotB);

    auto* wnetrze = new QVBoxLayout;
    wnetrze->setContentsMargins(16, 6, 16, 0);
    wnetrze->setSpacing(10);
    wnetrze->addLayout(g);
    wnetrze->addLayout(przyciski);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(1, 1, 1, 12);
    layout->addWidget(tytul);
    layout->addLayout(wnetrze);
    m_panel->ensurePolished();
    m_panel->setFixedSize(m_panel->sizeHint().expandedTo(QSize(620, 0)));

    m_dialog = new TaxOfficeDialog(ctx.messages, this);
}

QLineEdit* PersonPitPage::dodajPole(const QString& nazwa, int maks) {
    auto* e = new QLineEdit(m_panel);
    e->setObjectName(nazwa);
    if (maks > 0) e->setMaxLength(maks);
    WielkieLitery(e);
    m_pola.insert(nazwa, e);
    return e;
}

void PersonPitPage::otworz(Osoba* osoba) {
    if (!osoba) return;
    m_osoba = osoba;
    wczytajUrzedy(osoba->us_nazwa);
    wczytajKody();
    pokaz(*osoba);
    m_ctx.nav->pokazStrone(QStringLiteral("edosobapit"));
    CentrujPanel(m_panel);
    m_urzad->setFocus();
}

void PersonPitPage::wczytajUrzedy(const QString& wybrany) {
    try {
        m_urzedy = UrzedySkarbowe(m_ctx.db);
    } catch (const VexaError& e) {
        m_urzedy.clear();
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    m_urzad->clear();
    for (const UrzadSkarbowy& u : m_urzedy)
        m_urzad->addItem(u.nazwa);
    int i = m_urzad->findText(wybrany, Qt::MatchExactly);
    // An office the list no longer has stays the person's as it is.
    if (i < 0 && !wybrany.isEmpty()) {
        m_urzad->addItem(wybrany);
        i = m_urzad->count() - 1;
    }
    m_urzad->setCurrentIndex(i);
}

void PersonPitPage::wczytajKody() {
    // Read once, when there are codes to read: the table is filled once and then only read.
    if (!m_kody.isEmpty()) return;
    try {
        m_kody = KodyPocztowe(m_ctx.db);
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return;
    }
    m_kodyModel->clear();
    for (int i = 0; i < m_kody.size(); ++i) {
        const KodPocztowy& k = m_kody.at(i);
        auto* item = new QStandardItem(k.kod + QStringLiteral("   ") + k.poczta);
        item->setData(k.kod, kRolaKodu);
        item->setData(i, kRolaWiersza);
        m_kodyModel->appendRow(item);
    }
}

void PersonPitPage::pokaz(const Osoba& o, const QLineEdit* pomin) {
    for (const PolePit& p : kPola) {
        QLineEdit* e = pole(QString::fromLatin1(p.nazwa));
        if (e == pomin) continue;
        e->setText(o.*p.pole);
        e->setCursorPosition(0);
    }
}

void PersonPitPage::zbierz(Osoba& o) const {
    o.us_nazwa = m_urzad->currentIndex() >= 0 ? m_urzad->currentText() : QString();
    for (const PolePit& p : kPola)
        o.*p.pole = pole(QString::fromLatin1(p.nazwa))->text();
}

void PersonPitPage::wybranoUrzad(int index) {
    if (index < 0 || index >= m_urzedy.size()) return;
    Osoba o;
    WybierzUrzad(o, m_urzedy.at(index));
    pole("eus_ulica")->setText(o.us_ulica);
    pole("eus_kod")->setText(o.us_kod);
    pole("eus_kod_is")->setText(o.us_kod_is);
}

void PersonPitPage::wpisanoKod(const QString& tekst) {
    Osoba o;
    zbierz(o);
    try {
        WpiszKodPocztowy(m_ctx.db, o, tekst);
    } catch (const VexaError&) {
        return; // a look-up that fails leaves the address as it is; typing goes on
    }
    pokaz(o, pole("eadr_kod"));
}

void PersonPitPage::wybranoKod(const QModelIndex& index) {
    const int row = index.data(kRolaWiersza).toInt();
    if (row < 0 || row >= m_kody.size()) return;
    Osoba o;
    zbierz(o);
    WybierzKodPocztowy(o, m_kody.at(row));
    pokaz(o);
}

void PersonPitPage::dopiszUrzad() {
    m_dialog->przygotuj();
    if (m_dialog->exec() != QDialog::Accepted) return;
    const QString wybrany = m_urzad->currentIndex() >= 0 ? m_urzad->currentText() : QString();
    try {
        DopiszUrzad(m_ctx.db, m_dialog->urzad());
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    wczytajUrzedy(wybrany);
}

void PersonPitPage::powrot() {
    if (!m_osoba) return;
    m_urzad->setFocus();
    const QString nip = pole("eus_nip")->text();
    if (!nip.isEmpty() && !CzyNip(nip)) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA,
                                 QStringLiteral("Proszę wprowadzić poprawny NIP..."));
        pole("eus_nip")->setFocus();
        return;
    }
    zbierz(*m_osoba);
    m_ctx.nav->pokazStrone(QStringLiteral("edosoba"));
}

void PersonPitPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CentrujPanel(m_panel);
}

} // namespace vexa
