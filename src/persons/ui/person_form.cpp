#include "persons/ui/person_form.h"

#include "ui/action_guard.h"
#include "ui/app_context.h"
#include "ui/ui_helpers.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/validators.h"
#include "unit/banks.h"
#include "persons/dictionaries.h"
#include "persons/ui/grade_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace vexa {

namespace {

// Amounts are typed with digits, blanks between groups and at most two decimals.
const char* const kWzorKwoty = "[0-9 ]*([.,][0-9]{0,2})?";
// Account numbers are typed into the grouped form NN NNNN NNNN NNNN NNNN NNNN NNNN.
const char* const kMaskaRachunku = "99 9999 9999 9999 9999 9999 9999;_";
const char* const kMaskaDaty = "99.99.9999;_";

QString kwota(double v) {
    return formatujLiczbe(v, u"0.00", u',');
}

void koloruj(QLineEdit* e) {
    e->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; }").arg(KolorCyfr(e->text()).name()));
}

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

// An account typed into the mask reads as its digits and separators; a blank one is empty.
QString rachunekZPola(const QLineEdit* e) {
    const QString t = e->text().trimmed();
    return BezSpacji(t).isEmpty() ? QString() : t;
}

} // namespace

PersonForm::PersonForm(AppContext& ctx, QWidget* parent) : QWidget(parent), m_ctx(ctx) {
    m_stopnie = new GradeDialog(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(budujOsobe());
    layout->addWidget(budujStanowisko());
    layout->addWidget(budujRachunki());

    connect(pole("epesel"), &QLineEdit::textEdited, this, guarded(this, &PersonForm::pesel));
    connect(pole("erachunek1"), &QLineEdit::textEdited, this, guarded([this] { rachunek(1); }));
    connect(pole("erachunek2"), &QLineEdit::textEdited, this, guarded([this] { rachunek(2); }));
    connect(pole("erachunek2kwota"), &QLineEdit::textEdited, this,
            guarded(this, &PersonForm::kwotaDrugiego));
}

QLineEdit* PersonForm::dodajPole(const QString& nazwa, int maks, bool wielkie) {
    auto* e = new QLineEdit(this);
    e->setObjectName(nazwa);
    if (maks > 0) e->setMaxLength(maks);
    if (wielkie) WielkieLitery(e);
    m_pola.insert(nazwa, e);
    return e;
}

QLineEdit* PersonForm::dodajKwote(const QString& nazwa) {
    QLineEdit* e = dodajPole(nazwa, 0, false);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(110);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kWzorKwoty)), e));
    connect(e, &QLineEdit::editingFinished, e,
            guarded([e] { e->setText(kwota(ParsujKwote(e->text()))); }));
    return e;
}

QComboBox* PersonForm::dodajListe(const QString& nazwa,
                                  const QList<QPair<QString, QVariant>>& pozycje) {
    auto* c = new QComboBox(this);
    c->setObjectName(nazwa);
    for (const auto& [napis, wartosc] : pozycje)
        c->addItem(napis, wartosc);
    return c;
}

QWidget* PersonForm::budujOsobe() {
    auto* w = new QWidget(this);
    m_akt = dodajListe(QStringLiteral("eakt"), {{QStringLiteral("OSOBA AKTYWNA"), "T"},
                                                {QStringLiteral("OSOBA NIEAKTYWNA"), "N"}});
    m_pododdzial = dodajListe(QStringLiteral("epododdzial"), {});
    m_pododdzial->setMinimumWidth(220);
    m_plec = dodajListe(QStringLiteral("eplec"),
                        {{QStringLiteral("KOBIETA"), "K"}, {QStringLiteral("MĘŻCZYZNA"), "M"}});
    m_zp = new QLabel(w);
    m_zp->setObjectName(QStringLiteral("lzp"));
    m_zp->setAlignment(Qt::AlignCenter);
    m_dopisany = new QLabel(w);
    m_dopisany->setObjectName(QStringLiteral("ldatadopisania"));
    auto* peselRow = new QHBoxLayout;
    peselRow->addWidget(dodajPole(QStringLiteral("epesel"), 11, false));
    peselRow->addWidget(m_zp);

    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(5);
    int r = 0;
    g->addWidget(sekcja(QStringLiteral("DANE OSOBY"), w), r++, 0, 1, 2);
    auto wiersz = [&](const QString& napis, QWidget* pole) {
        g->addWidget(etykieta(napis, w), r, 0);
        g->addWidget(pole, r++, 1);
    };
    wiersz(QStringLiteral("STATUS:"), m_akt);
    wiersz(QStringLiteral("PODODDZIAŁ:"), m_pododdzial);
    wiersz(QStringLiteral("IDENTYFIKATOR\nMACIERZYSTEJ JW:"),
           dodajPole(QStringLiteral("enrid"), 7, true));
    g->addWidget(etykieta(QStringLiteral("PESEL:"), w), r, 0);
    g->addLayout(peselRow, r++, 1);
    wiersz(QStringLiteral("PŁEĆ:"), m_plec);
    wiersz(QStringLiteral("NAZWISKO:"), dodajPole(QStringLiteral("enazwisko"), 0, true));
    wiersz(QStringLiteral("IMIĘ:"), dodajPole(QStringLiteral("eimie"), 0, true));
    wiersz(QStringLiteral("IMIĘ OJCA:"), dodajPole(QStringLiteral("eimieojca"), 0, true));
    wiersz(QStringLiteral("DOPISANY:"), m_dopisany);
    g->setRowStretch(r, 1);
    return w;
}

QWidget* PersonForm::budujStanowisko() {
    auto* w = new QWidget(this);
    m_ste = new QLabel(w);
    m_ste->setObjectName(QStringLiteral("lste"));
    m_ste->setMinimumWidth(130);
    m_ste->setFrameShape(QFrame::StyledPanel);
    auto* wybierz = new QPushButton(QStringLiteral("WYBIERZ"), w);
    wybierz->setObjectName(QStringLiteral("SpeedButton58"));
    connect(wybierz, &QPushButton::clicked, this, guarded(this, &PersonForm::wybierzStopien));
    auto* steRow = new QHBoxLayout;
    steRow->addWidget(m_ste, 1);
    steRow->addWidget(wybierz);

    for (const char* nazwa : {"edatanabycia", "edatautraty"}) {
        QLineEdit* e = dodajPole(QString::fromLatin1(nazwa), 0, false);
        e->setInputMask(QString::fromLatin1(kMaskaDaty));
        e->setFixedWidth(100);
    }
    m_lekarz = dodajListe(QStringLiteral("ezwnaleznlekarzproc"), {{QStringLiteral("BRAK"), 0},
                                                                  {QStringLiteral("150 %"), 150},
                                                                  {QStringLiteral("250 %"), 250}});
    m_waluta = new QLabel(w);
    m_waluta->setObjectName(QStringLiteral("lwalutazaliczki"));
    auto* pokwitowanie = new QPushButton(QStringLiteral("DRUKUJ\nPOKWIT."), w);
    pokwitowanie->setObjectName(QStringLiteral("SpeedButton11"));
    pokwitowanie->setEnabled(false); // until the editor page has somewhere to print
    m_pokwitowanie = pokwitowanie;
    auto* zaliczkaRow = new QHBoxLayout;
    zaliczkaRow->addWidget(dodajKwote(QStringLiteral("ezaliczka")));
    zaliczkaRow->addWidget(m_waluta);
    zaliczkaRow->addStretch();
    zaliczkaRow->addWidget(pokwitowanie);
    dodajKwote(QStringLiteral("epodatek"))->hide();
    m_zwsi = new QCheckBox(QStringLiteral("Wysłany do ZWSI RON"), w);
    m_zwsi->setObjectName(QStringLiteral("DBCheckBox1"));

    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(5);
    int r = 0;
    g->addWidget(sekcja(QStringLiteral("STANOWISKO I UPRAWNIENIA"), w), r++, 0, 1, 2);
    auto wiersz = [&](const QString& napis, QWidget* pole) {
        g->addWidget(etykieta(napis, w), r, 0);
        g->addWidget(pole, r++, 1);
    };
    g->addWidget(etykieta(QStringLiteral("STOPIEŃ\nETATOWY:"), w), r, 0);
    g->addLayout(steRow, r++, 1);
    wiersz(QStringLiteral("NR IDENT.\nSTANOWISKA:"), dodajPole(QStringLiteral("enis"), 17, true));
    wiersz(QStringLiteral("STANOWISKO:"), dodajPole(QStringLiteral("estanowisko"), 0, true));
    wiersz(QStringLiteral("DATA NABYCIA\nUPRAWNIEŃ:"), pole("edatanabycia"));
    wiersz(QStringLiteral("ROZKAZ:"), dodajPole(QStringLiteral("erozkazprzybyl"), 0, true));
    wiersz(QStringLiteral("DATA UTRATY\nUPRAWNIEŃ:"), pole("edatautraty"));
    wiersz(QStringLiteral("ROZKAZ:"), dodajPole(QStringLiteral("erozkazubyl"), 0, true));
    wiersz(QStringLiteral("ZW. NALEŻN.\nZAGR. LEKARZ:"), m_lekarz);
    g->addWidget(etykieta(QStringLiteral("ZAL. NA POCZET\nNALEŻN. ZAGR:"), w), r, 0);
    g->addLayout(zaliczkaRow, r++, 1);
    g->addWidget(m_zwsi, r++, 1);
    g->setRowStretch(r, 1);
    return w;
}

QWidget* PersonForm::budujRachunki() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(5);
    int r = 0;
    for (int k = 1; k <= 2; ++k) {
        const QString n = QString::number(k);
        g->addWidget(sekcja(k == 1 ? QStringLiteral("GŁÓWNY RACHUNEK:")
                                   : QStringLiteral("DODATKOWY RACHUNEK:"),
                            w),
                     r++, 0, 1, 2);
        QLineEdit* konto = dodajPole(QStringLiteral("erachunek") + n, 0, false);
        konto->setInputMask(QString::fromLatin1(kMaskaRachunku));
        konto->setMinimumWidth(290);
        auto* waluta = new QCheckBox(QStringLiteral("w walucie obcej"), w);
        waluta->setObjectName(QStringLiteral("erachunek") + n + QStringLiteral("czywaluta"));
        waluta->setEnabled(false);
        waluta->hide();
        (k == 1 ? m_waluta1 : m_waluta2) = waluta;
        const struct {
            const char* napis;
            QString nazwa;
        } pola[] = {{"NR KONTA:", konto->objectName()},
                    {"BANK:", QStringLiteral("ebrachunek") + n},
                    {"POSIADACZ:", QStringLiteral("eorachunek") + n},
                    {"KOD BIC:", QStringLiteral("ebic") + n}};
        for (const auto& p : pola) {
            QLineEdit* e = pole(p.nazwa);
            if (!e) e = dodajPole(p.nazwa, 35, true);
            g->addWidget(etykieta(QString::fromUtf8(p.napis), w), r, 0);
            g->addWidget(e, r++, 1);
        }
    }
    g->addWidget(etykieta(QStringLiteral("DEKLAROW.\nKWOTA:"), w), r, 0);
    g->addWidget(dodajKwote(QStringLiteral("erachunek2kwota")), r++, 1, Qt::AlignLeft);
    g->setRowStretch(r, 1);
    return w;
}

void PersonForm::ustawListe(QComboBox* lista, const QVariant& wartosc, const QString& napis) {
    int i = lista->findData(wartosc);
    // A value the list does not offer is shown as it is, so saving keeps it.
    if (i < 0 && !napis.isEmpty()) {
        lista->addItem(napis, wartosc);
        i = lista->count() - 1;
    }
    lista->setCurrentIndex(i);
}

void PersonForm::pokaz(const Osoba& o) {
    m_pododdzial->clear();
    QString waluta;
    try {
        for (const PozycjaSlownika& p : PozycjeSlownika(m_ctx.db, Slownik::Pododdzialy))
            m_pododdzial->addItem(p.nazwa, p.skrot);
        waluta = Odczyt(m_ctx.db, "WALUTAZALICZKI");
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
    }
    m_waluta->setText(waluta);
    ustawListe(m_akt, o.akt, o.akt);
    ustawListe(m_pododdzial, o.skrotpododdzialu, o.skrotpododdzialu);
    ustawListe(m_plec, o.plec, QString());
    ustawListe(m_lekarz, o.zwnaleznlekarzproc,
               QString::number(o.zwnaleznlekarzproc) + QStringLiteral(" %"));
    const QList<QPair<const char*, QString>> teksty = {
        {"enrid", o.nrid},
        {"epesel", o.pesel},
        {"enazwisko", o.nazwisko},
        {"eimie", o.imie},
        {"eimieojca", o.imieojca},
        {"enis", o.nis},
        {"estanowisko", o.stanowisko},
        {"edatanabycia", o.datanabycia.isValid() ? DataNaTekst(o.datanabycia) : QString()},
        {"edatautraty", o.datautraty.isValid() ? DataNaTekst(o.datautraty) : QString()},
        {"erozkazprzybyl", o.rozkazprzybyl},
        {"erozkazubyl", o.rozkazubyl},
        {"erachunek1", o.rachunek1},
        {"ebrachunek1", o.brachunek1},
        {"eorachunek1", o.orachunek1},
        {"ebic1", o.bic1},
        {"erachunek2", o.rachunek2},
        {"ebrachunek2", o.brachunek2},
        {"eorachunek2", o.orachunek2},
        {"ebic2", o.bic2},
        {"erachunek2kwota", kwota(o.rachunek2kwota)},
        {"ezaliczka", kwota(o.zaliczka)},
        {"epodatek", kwota(o.podatekproc)},
    };
    for (const auto& [nazwa, tekst] : teksty) {
        QLineEdit* e = pole(QString::fromLatin1(nazwa));
        e->setText(tekst);
        e->setCursorPosition(0);
    }
    m_pokazaneKwoty.clear();
    for (const char* nazwa : {"erachunek2kwota", "ezaliczka", "epodatek"})
        m_pokazaneKwoty.insert(QString::fromLatin1(nazwa), pole(QString::fromLatin1(nazwa))->text());
    for (const char* nazwa : {"epesel", "erachunek1", "erachunek2"})
        koloruj(pole(QString::fromLatin1(nazwa)));
    m_stopien = o.ste;
    m_ste->setText(o.ste);
    m_zp->setText(o.zp == QLatin1String("P") ? QStringLiteral("PRACOWNIK")
                                             : QStringLiteral("ŻOŁNIERZ"));
    m_zp->setProperty("zp", o.zp);
    m_dopisany->setText(o.datadopisania.isValid() ? DataKrotka(o.datadopisania) : QString());
    m_waluta1->setChecked(o.rachunek1czywaluta == QLatin1String("T"));
    m_waluta2->setChecked(o.rachunek2czywaluta == QLatin1String("T"));
    m_zwsi->setChecked(o.exportzwsi == QLatin1String("T"));
}

void PersonForm::zbierz(Osoba& o) const {
    auto tekst = [this](const char* nazwa) { return pole(QString::fromLatin1(nazwa))->text(); };
    o.akt = m_akt->currentData().toString();
    o.skrotpododdzialu = m_pododdzial->currentData().toString();
    if (m_plec->currentIndex() >= 0) o.plec = m_plec->currentData().toString();
    o.nrid = tekst("enrid");
    o.pesel = tekst("epesel");
    o.nazwisko = tekst("enazwisko");
    o.imie = tekst("eimie");
    o.imieojca = tekst("eimieojca");
    o.ste = m_stopien;
    o.nis = tekst("enis");
    o.stanowisko = tekst("estanowisko");
    o.rozkazprzybyl = tekst("erozkazprzybyl");
    o.rozkazubyl = tekst("erozkazubyl");
    o.rachunek1 = rachunekZPola(pole("erachunek1"));
    o.brachunek1 = tekst("ebrachunek1");
    o.orachunek1 = tekst("eorachunek1");
    o.bic1 = tekst("ebic1");
    o.rachunek2 = rachunekZPola(pole("erachunek2"));
    o.brachunek2 = tekst("ebrachunek2");
    o.orachunek2 = tekst("eorachunek2");
    o.bic2 = tekst("ebic2");
    // The amounts are shown to the grosz; one the user did not change keeps its stored value,
    // which may have more decimals (from a person file), instead of being rounded on every
    // save. An emptied field counts as 0.
    auto kwotaPola = [&](const char* nazwa, double& cel) {
        const QString t = tekst(nazwa);
        if (t != m_pokazaneKwoty.value(QString::fromLatin1(nazwa))) cel = ParsujKwote(t);
    };
    kwotaPola("erachunek2kwota", o.rachunek2kwota);
    kwotaPola("ezaliczka", o.zaliczka);
    kwotaPola("epodatek", o.podatekproc);
    if (m_lekarz->currentIndex() >= 0) o.zwnaleznlekarzproc = m_lekarz->currentData().toInt();
    o.rachunek1czywaluta = m_waluta1->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
    o.rachunek2czywaluta = m_waluta2->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
    o.exportzwsi = m_zwsi->isChecked() ? QStringLiteral("T") : QStringLiteral("N");
}

TekstyDat PersonForm::daty() const {
    return {pole("edatanabycia")->text(), pole("edatautraty")->text()};
}

void PersonForm::wybierzStopien() {
    if (m_stopnie->exec() != QDialog::Accepted || m_stopnie->wybranyStopien().isEmpty()) return;
    m_stopien = m_stopnie->wybranyStopien();
    m_ste->setText(m_stopien);
}

void PersonForm::pesel(const QString& tekst) {
    koloruj(pole("epesel"));
    if (tekst.size() > 9 && tekst.at(9).isDigit())
        ustawListe(m_plec, tekst.at(9).digitValue() % 2 == 1 ? "M" : "K", QString());
}

void PersonForm::rachunek(int ktory) {
    const QString n = QString::number(ktory);
    QLineEdit* konto = pole(QStringLiteral("erachunek") + n);
    QLineEdit* bank = pole(QStringLiteral("ebrachunek") + n);
    koloruj(konto);
    try {
        const QString nazwa = BankDlaRachunku(m_ctx.db, konto->text(), bank->text());
        if (nazwa != bank->text()) bank->setText(nazwa);
    } catch (const VexaError&) {
        // A look-up that fails leaves the bank as it is; typing goes on.
    }
}

void PersonForm::kwotaDrugiego() {
    if (rachunekZPola(pole("erachunek2")).isEmpty()) pole("erachunek2kwota")->setText(kwota(0));
}

} // namespace vexa
