// Printouts that never cut a digit: texts shrink and then break to fit their boxes, every
// printout built from data at the edge has no text wider than its box, column layouts stay
// within the page, the closing blocks keep together without a lone column header, printed PLN
// equivalents round halves to even, and each printout's grand total reads back from its PDF.
#include "lists/list_printout.h"
#include "lists/list_printout_parts.h"
#include "payments/payment_printouts.h"
#include "lists/person_dues.h"
#include "persons/person_printouts.h"
#include "pit/pit11_printout.h"
#include "printouts/report_painter.h"
#include "printouts/text_fit.h"
#include "stats/statistics.h"

#include "data/error.h"
#include "data/validators.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

namespace {

constexpr double MAKS = 9999999.99;
const QDate DZIS(2027, 4, 5);

// A text of exactly `n` characters: the pattern repeated.
QString dlugi(int n, const QString& wzor = QStringLiteral("ŻÓŁWIŃSKI-MAŁECKA ")) {
    QString t;
    while (t.size() < n)
        t += wzor;
    return t.left(n).trimmed().leftJustified(n, u'W');
}

// The longest unit name the settings take (the payer's name holds 100 characters).
const QString JEDNOSTKA = dlugi(100, QStringLiteral("JEDNOSTKA WOJSKOWA NR 4321 "));

Lista listaBrzegowa(const QString& typ, bool podatek) {
    Lista l;
    l.id = 1;
    l.typ = typ;
    l.zp = "P";
    l.rodzaj = "SH";
    l.status = "Z";
    l.czy_podatek = podatek ? "T" : "N";
    l.nr = "9999/2027";
    l.miesiacrok = "03/2027";
    l.skrotpkw = dlugi(20, "PKW KOSOWO ");
    l.skrotpododdzial = dlugi(20, "PODODDZIAŁ ");
    l.dowodca1 = dlugi(40, "DOWÓDCA ");
    l.dowodca2 = dlugi(40, "PKW ");
    l.dowodca3 = dlugi(40, "płk dypl. ");
    l.zgodnoscetatowa = dlugi(40, "kpt. ");
    l.wykonal = dlugi(40, "st. chor. ");
    l.finansista = dlugi(40, "mjr ");
    l.dodatekwojenny = 100.5;
    l.dodatekwojenny2 = 75.25;
    l.dodatekwojenny3 = 33.75;
    l.walutazaliczki = "USD";
    l.walutarach = "USD";
    l.kurszaliczki = 4.123456;
    l.kursrach = 4.123456;
    l.tabelazaliczki = "999/A/NBP/2027";
    l.podatek_kurs = 4.123456;
    l.podatek_dieta = 999.99;
    return l;
}

// Every amount at 9 999 999,99, both accounts held in currency, names (surname and first name)
// of 40 characters; the other texts at lengths a clerk meets (a post of 25, a holder of 30).
Pozycja pozycjaBrzegowa(int i) {
    Pozycja p;
    p.nazwisko = dlugi(29) + QString::number(i % 10);
    p.imie = dlugi(10, "MAKSYMILIAN");
    p.imieojca = dlugi(12, "BARTŁOMIEJ ");
    p.pesel = "80010112340";
    p.ste = dlugi(14, "st. chor. szt.");
    p.nis = dlugi(17, "12345678901234567");
    p.stanowisko = dlugi(25, "KIEROWCA-OPERATOR ");
    p.uwagi = dlugi(60, "UWAGI ");
    p.datanabycia = QDate(2027, 3, 1);
    p.datautraty = QDate(2027, 3, 31);
    p.rozkazprzybyl = "999/2027";
    p.rozkazubyl = "998/2027";
    p.mnoznik = 1.25;
    p.zwnaleznlekarzproc = 100;
    p.zwnaleznpkwproc = 100;
    p.dni_wolne_u = 15;
    p.dni_wolne_w = 16;
    p.iloscdni = p.iloscdniwojna = p.iloscdniwojna2 = p.iloscdniwojna3 = p.iloscdnirozm = 31;
    for (double* v : {&p.naleznosc,
                      &p.zwnaleznlekarz,
                      &p.zwnaleznmon,
                      &p.zwnaleznpkw,
                      &p.dodatekwojenny,
                      &p.dodatekwojenny2,
                      &p.dodatekwojenny3,
                      &p.rozm,
                      &p.zmniejszenie_urlop,
                      &p.razem,
                      &p.dowyplaty,
                      &p.wyrownanie,
                      &p.innezmniejszenia,
                      &p.innezwiekszenia,
                      &p.skladkizus,
                      &p.srhigieny,
                      &p.podatek_podstawa_opodatkowania,
                      &p.podatek_zaliczka,
                      &p.zaliczkawaluta,
                      &p.zaliczkapln,
                      &p.rachunek,
                      &p.rachunek1,
                      &p.rachunek1bz,
                      &p.rachunek2,
                      &p.podstawapod,
                      &p.zaliczkaus,
                      &p.nfz1,
                      &p.nfz2})
        *v = MAKS;
    p.rachunek1czywaluta = p.rachunek2czywaluta = "T";
    p.nrachunek1 = p.nrachunek2 = "PL61 1090 1014 0000 0712 1981 2874";
    p.orachunek1 = p.orachunek2 = dlugi(30, "POSIADACZ RACHUNKU ");
    p.brachunek1 = p.brachunek2 = dlugi(25, "BANK POLSKA KASA OPIEKI ");
    p.bic1 = p.bic2 = "PKOPPLPWXXX";
    p.niepobranewkasie = i % 2 ? "W" : "N";
    return p;
}

DaneWydrukuListy daneBrzegowe(const QString& typ, bool podatek, int pozycji = 3) {
    DaneWydrukuListy d;
    d.lista = listaBrzegowa(typ, podatek);
    for (int i = 0; i < pozycji; ++i)
        d.pozycje << pozycjaBrzegowa(i);
    d.nominaly = {100000, 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 0.01};
    d.sfinansista = dlugi(40, "SPR. POD WZGLĘDEM FORMALNYM ");
    return d;
}

Osoba osobaBrzegowa(int i) {
    const Pozycja p = pozycjaBrzegowa(i);
    Osoba o;
    o.id = i + 1;
    o.zp = "Z";
    o.pesel = p.pesel;
    o.nazwisko = p.nazwisko;
    o.imie = p.imie;
    o.imieojca = p.imieojca;
    o.ste = p.ste;
    o.nis = p.nis;
    o.stanowisko = p.stanowisko;
    o.datanabycia = p.datanabycia;
    o.datautraty = DATA_BEZ_KONCA;
    o.rachunek1 = o.rachunek2 = p.nrachunek1;
    o.orachunek1 = o.orachunek2 = p.orachunek1;
    o.brachunek1 = o.brachunek2 = p.brachunek1;
    o.bic1 = o.bic2 = p.bic1;
    o.rachunek1czywaluta = "N";
    o.rachunek2czywaluta = "T";
    o.rachunek2kwota = MAKS;
    o.zaliczka = MAKS;
    o.nridpkw = "1234567";
    o.skrotpkw = dlugi(20, "PKW KOSOWO ");
    o.skrotpododdzialu = dlugi(20, "PODODDZIAŁ ");
    o.rozkazprzybyl = o.rozkazubyl = "999/2027";
    return o;
}

FormularzPit11 pitBrzegowy() {
    FormularzPit11 f;
    f.id = 1;
    f.rok = "2026";
    f.nip = "5261040828";
    f.platnik = JEDNOSTKA;
    f.regon = "01234567890123";
    f.op_imie = dlugi(20, "MAKSYMILIAN ");
    f.op_nazwisko = dlugi(30);
    f.os_pesel = "80010112340";
    f.os_nazwisko = dlugi(30);
    f.os_imie = dlugi(10, "MAKSYMILIAN");
    f.os_data_ur = "1980-01-01";
    for (QString* t : {&f.os_kraj, &f.os_woj, &f.os_powiat, &f.os_gmina, &f.os_ulica, &f.os_miejsc,
                       &f.os_poczta})
        *t = dlugi(40, "WARMIŃSKO-MAZURSKIE ");
    f.os_nr_domu = "1234A";
    f.os_nr_lok = "123";
    f.os_kod = "02-092";
    f.us_nazwa = dlugi(60, "PIERWSZY URZĄD SKARBOWY ");
    f.us_kod_is = "1471";
    f.kw_przychod = f.kw_koszty = f.kw_dochod = f.kw_dochod_zw = f.kw_podatek = MAKS;
    f.korekta = "T";
    f.wyjasnienie = "T";
    f.wyjasnienie_text = dlugi(1500, "Korekta wynika z błędnie wykazanej kwoty przychodu. ");
    return f;
}

PozycjaOsoby naleznoscBrzegowa(int i) {
    PozycjaOsoby x;
    x.p = pozycjaBrzegowa(i);
    x.miesiacrok = "03/2027";
    x.skrotpkw = dlugi(20, "PKW KOSOWO ");
    x.walutazaliczki = "USD";
    x.rodzaj = "SH";
    x.typ = i % 2 ? "P" : "D";
    x.datawykonania = QDate(2027, 3, 31);
    x.woj1 = 100.5;
    x.woj2 = 75.25;
    x.woj3 = 33.75;
    return x;
}

Statystyka statystykaBrzegowa() {
    Statystyka s;
    s.listy = s.zolnierzy = s.pracownikow = s.pelne = s.dodatkowe = 99999;
    for (double& v : s.sumy)
        v = 99999999999.99;
    return s;
}

// Every printout, built from the edge data, by name.
QList<QPair<QString, Raport>> wszystkieWydruki() {
    QList<QPair<QString, Raport>> w;
    const OpcjeWydrukuListy o{true, DZIS};
    w << qMakePair(QStringLiteral("lista P"), WydrukListy(daneBrzegowe("P", true), o));
    w << qMakePair(QStringLiteral("lista U"), WydrukListy(daneBrzegowe("U", true), o));
    w << qMakePair(QStringLiteral("lista D"), WydrukListy(daneBrzegowe("D", false), o));
    w << qMakePair(QStringLiteral("lista D z podatkiem"), WydrukListy(daneBrzegowe("D", true), o));
    const DaneWydrukuListy pln = [] {
        DaneWydrukuListy d = daneBrzegowe("P", true);
        for (Pozycja& p : d.pozycje)
            p.rachunek1czywaluta = p.rachunek2czywaluta = "N";
        return d;
    }();
    w << qMakePair(QStringLiteral("przelewy PLN"), WykazPrzelewow(pln, false, DZIS));
    w << qMakePair(QStringLiteral("przelewy walutowe"),
                   WykazPrzelewow(daneBrzegowe("P", true), true, DZIS));
    w << qMakePair(QStringLiteral("niepobrane"),
                   WykazPrzelewowNiepobranych(daneBrzegowe("P", true, 4), DZIS));
    w << qMakePair(QStringLiteral("kasa"), ListaKasy(daneBrzegowe("P", true, 4), false, DZIS));
    w << qMakePair(QStringLiteral("kasa uproszczona"),
                   ListaKasy(daneBrzegowe("P", true, 4), true, DZIS));
    QList<Osoba> osoby;
    for (int i = 0; i < 3; ++i)
        osoby << osobaBrzegowa(i);
    w << qMakePair(QStringLiteral("deklaracja"),
                   DeklaracjaWyplatyWKasie(osoby, {JEDNOSTKA, JEDNOSTKA}, "USD", DZIS));
    w << qMakePair(QStringLiteral("pokwitowanie"),
                   Pokwitowanie(osoby[0], {JEDNOSTKA, JEDNOSTKA}, "USD", DZIS));
    w << qMakePair(QStringLiteral("kartoteka"),
                   Kartoteka(osoby, OpcjeKartoteki{}, {JEDNOSTKA, JEDNOSTKA}, DZIS));
    w << qMakePair(QStringLiteral("należności osoby"),
                   NaleznosciDlaOsoby({naleznoscBrzegowa(0), naleznoscBrzegowa(1)}, DZIS));
    w << qMakePair(QStringLiteral("statystyka"),
                   WydrukStatystyki(statystykaBrzegowa(), {100.5, 75.25, 33.75}, "USD", DZIS));
    w << qMakePair(QStringLiteral("PIT-11"), RaportPit11(WydrukPit11::Calosc, {pitBrzegowy()}));
    w << qMakePair(QStringLiteral("ORD-ZU"), RaportPit11(WydrukPit11::OrdZu, {pitBrzegowy()}));
    return w;
}

// The text of a PDF as pdftotext reads it (empty when the tool is missing).
QString tekstPdf(const Raport& r, const QString& plik) {
    ZapiszPdf(r, plik);
    QProcess p;
    p.start("pdftotext", {"-layout", plik, "-"});
    if (!p.waitForStarted() || !p.waitForFinished(60000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class PrintoutFitTest : public QObject {
    Q_OBJECT
private slots:
    void textsShrinkThenBreakBetweenNumbers();
    void checkFindsTextsThatAreCut();
    void everyPrintoutFitsWithEdgeData();
    void columnLayoutsStayWithinThePage();
    void closingBlocksKeepTogetherAndNoHeaderStandsAlone();
    void equivalentsRoundHalvesToEven_data();
    void equivalentsRoundHalvesToEven();
    void listsAndTransfersPrintTheSameEquivalent();
    void grandTotalsReadBackFromThePdf();
};

void PrintoutFitTest::textsShrinkThenBreakBetweenNumbers() {
    // Wider at a larger size, in proportion; bold wider than plain.
    const double w65 = SzerokoscTekstu("30 000,00(93 702,00)USD", {6.5, true});
    QVERIFY(w65 > 30 && w65 < 36);
    QVERIFY(SzerokoscTekstu("30 000,00(93 702,00)USD", {6.5}) < w65);
    QVERIFY(qAbs(SzerokoscTekstu("30 000,00(93 702,00)USD", {13, true}) - 2 * w65) < 0.3);

    // Fitting: unchanged when it fits.
    Tekst t{QRectF(0, 0, 40, 3.2), "30 000,00(93 702,00)USD", {6.5, true}};
    QCOMPARE(DopasowanyTekst(t).czcionka.punkty, 6.5);
    QCOMPARE(DopasowanyTekst(t).tresc, t.tresc);
    // Smaller until it fits, in the box of 28.8 mm of the account totals.
    t.pole.setWidth(28.8);
    QVERIFY(!MiesciSie(t));
    Tekst d = DopasowanyTekst(t);
    QVERIFY(MiesciSie(d));
    QCOMPARE(d.tresc, t.tresc);
    QVERIFY(d.czcionka.punkty < 6.5 && d.czcionka.punkty >= 5.5);
    QVERIFY(d.czcionka.pogrubiona);
    // Too wide even at 5 pt: one line high, it stays cut (the check reports it) ...
    t.tresc = "99 999 999,94(412 345 599,75)USD";
    t.pole.setWidth(24);
    d = DopasowanyTekst(t);
    QCOMPARE(d.czcionka.punkty, NAJMNIEJSZA_CZCIONKA);
    QVERIFY(!MiesciSie(d));
    // ... two lines high, it breaks before the parenthesis, never inside a number.
    t.pole.setHeight(6.4);
    d = DopasowanyTekst(t);
    QVERIFY(MiesciSie(d));
    QCOMPARE(d.tresc, "99 999 999,94\n(412 345 599,75)USD");
    QVERIFY(d.czcionka.punkty >= NAJMNIEJSZA_CZCIONKA);
    // Words break at blanks; a blank between digits does not.
    Tekst s{QRectF(0, 0, 30, 7), "WYPŁATA 1 234 567,89 PLN DLA ŻOŁNIERZA", {8}};
    d = DopasowanyTekst(s);
    QVERIFY(MiesciSie(d));
    QVERIFY(d.tresc.contains(u'\n'));
    QVERIFY(d.tresc.contains("1 234 567,89"));
    // A text that may break (drawn from the box's top) breaks first, between numbers, at its
    // own size; a short one stays on the top line as it is.
    Tekst zw{QRectF(0, 0, 28.8, 6.4), "31 000,50(96 826,96)USD", {6.5, true}};
    zw.zawijaj = true;
    d = DopasowanyTekst(zw);
    QCOMPARE(d.tresc, "31 000,50\n(96 826,96)USD");
    QCOMPARE(d.czcionka.punkty, 6.5);
    zw.tresc = "100,50(313,00)USD";
    QCOMPARE(DopasowanyTekst(zw).tresc, zw.tresc);
    // A long paragraph shrinks until its lines fit the box's height.
    Tekst z{QRectF(0, 0, 40, 14), dlugi(200, "Korekta kwoty przychodu. "), {10}};
    z.zawijaj = true;
    QVERIFY(!MiesciSie(z));
    d = DopasowanyTekst(z);
    QVERIFY(MiesciSie(d));
    QVERIFY(d.zawijaj);
    QVERIFY(d.czcionka.punkty < 10);
}

void PrintoutFitTest::checkFindsTextsThatAreCut() {
    Raport r;
    r.strony << StronaRaportu{};
    StronaRaportu& s = r.strony[0];
    s.teksty << Tekst{QRectF(10, 10, 40, 4), "mieści się", {7}};
    s.teksty << Tekst{QRectF(10, 20, -2, 4), "XXXXXXXX", {6.5}};               // no width left
    s.teksty << Tekst{QRectF(280, 30, 20, 4), "Kasa PLN", {6}};                // past the page
    s.teksty << Tekst{QRectF(10, 40, 11.6, 3), "100000,00 1000000,00", {6.5}}; // one line
    s.teksty << Tekst{QRectF(10, 50, 10, 4), QString(), {6.5}};                // nothing to cut
    const QStringList bledy = TekstyNieMieszczaceSie(r);
    QCOMPARE(bledy.size(), 3);
    QVERIFY(bledy[0].contains("XXXXXXXX"));
    QVERIFY(bledy[1].contains("Kasa PLN"));
    QVERIFY(bledy[2].startsWith("strona 1: «100000,00 1000000,00»"));
}

void PrintoutFitTest::everyPrintoutFitsWithEdgeData() {
    const auto wydruki = wszystkieWydruki();
    QCOMPARE(wydruki.size(), 16);
    QStringList bledy;
    for (const auto& [nazwa, r] : wydruki) {
        QVERIFY2(r.iloscStron() > 0, qPrintable(nazwa));
        for (const QString& b : TekstyNieMieszczaceSie(r))
            bledy << nazwa + QStringLiteral(", ") + b;
    }
    for (const QString& b : bledy)
        qWarning().noquote() << b;
    QVERIFY2(bledy.isEmpty(), "texts cut, listed above");
}

void PrintoutFitTest::columnLayoutsStayWithinThePage() {
    using namespace wydruk_listy;
    // A layout wider than the printable width is refused, both kinds.
    QVERIFY_THROWS_EXCEPTION(VexaError, kolumny({100, 100, 78}, 277));
    QCOMPARE(kolumny({100, 100, 77}, 277).last().w, 77.0);
    QVERIFY_THROWS_EXCEPTION(VexaError,
                             kolumnyDoKonca({8, 55, 50, 24, 24, 24, 22, 24, 24, 24}, 277));
    QVERIFY_THROWS_EXCEPTION(VexaError, kolumnyDoKonca({100, 100, 62.5}, 277));
    QCOMPARE(kolumnyDoKonca({100, 100, 62}, 277).last().w, 15.0);

    // The 'D' list with tax: every header box on the page, "Podpis" last and wide enough for
    // the crosses of a position without cash.
    DaneWydrukuListy d = daneBrzegowe("D", true, 2);
    d.pozycje[1].zaliczkawaluta = 0;
    const Raport r = WydrukListy(d, {true, DZIS});
    const StronaRaportu& s = r.strony[0];
    const Tekst* podpis = s.znajdz("Podpis");
    QVERIFY(podpis);
    QVERIFY(podpis->pole.width() >= kNajwezszaKolumna);
    QCOMPARE(podpis->pole.right(), 297.0 - 10);
    const Tekst* kasa = s.znajdz("Kasa PLN");
    QVERIFY(kasa && kasa->pole.right() <= podpis->pole.left() + 1e-9);
    const Tekst* krzyzyki = s.znajdz("XXXXXXXX");
    QVERIFY(krzyzyki);
    QVERIFY(podpis->pole.left() <= krzyzyki->pole.left() &&
            krzyzyki->pole.right() <= podpis->pole.right());
    QVERIFY(MiesciSie(*krzyzyki));
    QCOMPARE(s.tresci().count("XXXXXXXX"), 1);
    // The tax advance stands under its own header, between "Potrącenia" and "Rachunek".
    const Tekst* zal = s.znajdz("Zal. podatek");
    QVERIFY(zal && s.znajdz("Potrącenia")->pole.right() <= zal->pole.left() + 1e-9 &&
            zal->pole.right() <= s.znajdz("Rachunek")->pole.left() + 1e-9);
}

void PrintoutFitTest::closingBlocksKeepTogetherAndNoHeaderStandsAlone() {
    // Lists of 40 to 75 positions end at every point of a page: the closing blocks (totals,
    // signatures, cash payment with banknotes) always share one page, and every page with the
    // column header has a position under it.
    for (int n = 40; n <= 75; ++n) {
        DaneWydrukuListy d = daneBrzegowe("D", false, n);
        for (int i = 0; i < n; ++i)
            d.pozycje[i].nazwisko = QStringLiteral("NAZWISKO%1").arg(i + 1, 3, 10, QChar(u'0'));
        const Raport r = WydrukListy(d, {true, DZIS});
        QVERIFY(r.iloscStron() >= 2);
        int strona = -1;
        for (const QString& t :
             {QStringLiteral("OGÓŁEM:"), QStringLiteral("Wykonał:"),
              QStringLiteral("Wypłaciłem kwotę USD:"), QStringLiteral("Suma kontrolna:")}) {
            int gdzie = -1;
            for (int s = 0; s < r.iloscStron(); ++s)
                if (r.strony[s].znajdz(t)) gdzie = s;
            QVERIFY2(gdzie >= 0, qPrintable(t));
            if (strona < 0) strona = gdzie;
            QVERIFY2(gdzie == strona, qPrintable(QStringLiteral("%1 pozycji: %2").arg(n).arg(t)));
        }
        QCOMPARE(strona, r.iloscStron() - 1);
        int wierszy = 0;
        for (int s = 0; s < r.iloscStron(); ++s) {
            const StronaRaportu& p = r.strony[s];
            int naStronie = 0;
            for (const Tekst& t : p.teksty)
                if (t.tresc.startsWith("NAZWISKO")) ++naStronie;
            if (p.znajdz("Lp."))
                QVERIFY2(naStronie > 0,
                         qPrintable(QStringLiteral("%1 pozycji, strona %2").arg(n).arg(s + 1)));
            // Every band inside the page, above the footer.
            for (const Tekst& t : p.teksty)
                QVERIFY(t.pole.bottom() <= 210 - 10 + 1e-9);
            wierszy += naStronie;
        }
        QCOMPARE(wierszy, n); // the row moved along is not lost nor doubled
    }
}

void PrintoutFitTest::equivalentsRoundHalvesToEven_data() {
    QTest::addColumn<double>("kwota");
    QTest::addColumn<double>("kurs");
    QTest::addColumn<double>("pln");
    QTest::newRow("tie to even down") << 100.50 << 4.25 << 427.12;   // 427,125
    QTest::newRow("tie to even up") << 100.70 << 4.25 << 427.98;     // 427,975
    QTest::newRow("tie .5 grosz up") << 0.03 << 0.5 << 0.02;         // 0,015
    QTest::newRow("tie .5 grosz down") << 0.05 << 0.5 << 0.02;       // 0,025
    QTest::newRow("just above tie") << 100.50 << 4.250001 << 427.13; // 427,1251005
    QTest::newRow("just below tie") << 100.50 << 4.249999 << 427.12; // 427,1248995
    // Doubles stored just below a grosz: 0,29 is 0,28999… and 1,005 is 1,00499…; the stored
    // decimals are 0,29 and 1,005.
    QTest::newRow("0,29 x 100") << 0.29 << 100.0 << 29.0;
    QTest::newRow("1,005 x 1 (tie, even)") << 1.005 << 1.0 << 1.0;
    QTest::newRow("1,015 x 1 (tie, even)") << 1.015 << 1.0 << 1.02;
    QTest::newRow("unrounded share") << 33.333333333333336 << 3.1234 << 104.11; // 104,1133…
    QTest::newRow("paper example") << 100.0 << 3.1234 << 312.34;
    QTest::newRow("30 000 USD") << 30000.0 << 3.1234 << 93702.0;
    QTest::newRow("edge") << MAKS << 4.123456 << 41234559.96; // 41 234 559,9587…
    QTest::newRow("negative tie") << -100.50 << 4.25 << -427.12;
    QTest::newRow("zero") << 0.0 << 4.25 << 0.0;
}

void PrintoutFitTest::equivalentsRoundHalvesToEven() {
    QFETCH(double, kwota);
    QFETCH(double, kurs);
    QFETCH(double, pln);
    QCOMPARE(RownowartoscPln(kwota, kurs), pln);
}

void PrintoutFitTest::listsAndTransfersPrintTheSameEquivalent() {
    QVERIFY_THROWS_EXCEPTION(VexaError, RownowartoscPln(1e300, 1e10));
    QVERIFY_THROWS_EXCEPTION(VexaError, RownowartoscPln(qQNaN(), 1));
    // One position, account 1 (100,50, unrounded 100,50) and account 2 (100,70) in currency at
    // 4,25: 427,125 prints 427,12 and 427,975 prints 427,98, on the list and the transfers.
    DaneWydrukuListy d = daneBrzegowe("P", true, 1);
    d.lista.kursrach = 4.25;
    Pozycja& p = d.pozycje[0];
    p.rachunek1 = p.rachunek1bz = 100.50;
    p.rachunek2 = 100.70;
    const Raport lista = WydrukListy(d, {true, DZIS});
    const StronaRaportu& s = lista.strony[0];
    const Tekst* r1 = s.znajdz("Rachunek 1");
    const Tekst* r2 = s.znajdz("Rachunek 2");
    QVERIFY(r1 && r2);
    // The position's lines under their headers; the totals under them in the summary.
    QStringList podRachunkiem;
    for (const Tekst& t : s.teksty)
        if (t.pole.left() >= r1->pole.left() && t.pole.right() <= r1->pole.right() + 1e-9 &&
            t.pole.top() > r2->pole.bottom())
            podRachunkiem << t.tresc;
    QVERIFY2(podRachunkiem.contains("100,50 (427,12)"), qPrintable(podRachunkiem.join('|')));
    QVERIFY(podRachunkiem.contains("100,70 (427,98)"));
    QVERIFY(podRachunkiem.contains("201,20(855,10)USD"));
    const Raport walutowe = WykazPrzelewow(d, true, DZIS);
    QVERIFY(walutowe.strony.last().znajdz("OGÓŁEM przelewy: 201,20 USD, 855,10 PLN"));
}

void PrintoutFitTest::grandTotalsReadBackFromThePdf() {
    QTemporaryDir dir;
    // Distinct amounts, so that a total cannot be some other column's.
    DaneWydrukuListy d = daneBrzegowe("P", true, 2);
    d.lista.kursrach = 3.1234;
    for (int i = 0; i < 2; ++i) {
        Pozycja& p = d.pozycje[i];
        p.dowyplaty = 1000.11 * (i + 1);
        p.rachunek = 700.22 * (i + 1);
        p.zaliczkawaluta = 15000.33 * (i + 1);
        p.zaliczkapln = 300.44 * (i + 1);
        p.razem = 2000.55 * (i + 1);
        p.podatek_zaliczka = 11.66 * (i + 1);
        p.innezwiekszenia = 22.77 * (i + 1);
        p.rachunek1 = p.rachunek1bz = 15000;
        p.rachunek2 = 15000;
        p.niepobranewkasie = "W";
    }
    d.pozycje[1].niepobranewkasie = "N";
    const OpcjeWydrukuListy o{true, DZIS};
    struct Przypadek {
        QString nazwa;
        Raport r;
        QStringList sumy;
    };
    DaneWydrukuListy pln = d;
    for (Pozycja& p : pln.pozycje) {
        p.rachunek1czywaluta = p.rachunek2czywaluta = "N";
        p.rachunek1 = 123.45;
        p.rachunek2 = 0;
    }
    QList<Osoba> osoby{osobaBrzegowa(0)};
    osoby[0].zaliczka = 150.5;
    Statystyka st;
    st.listy = 2;
    st.sumy[14] = 4321.09;
    FormularzPit11 pit = pitBrzegowy();
    pit.kw_podatek = 1234.56;
    DaneWydrukuListy dd = d;
    dd.lista.typ = "D";
    const QList<Przypadek> przypadki{
        {"lista P",
         WydrukListy(d, o),
         {"OGÓŁEM lista 3 000,33 PLN, z tego: 2 100,66 PLN, 45 000,99 USD, tj. 901,32 PLN",
          "60 000,00", "(187 404,00)USD"}},
        {"lista U",
         WydrukListy(
             [&] {
                 auto x = d;
                 x.lista.typ = "U";
                 return x;
             }(),
             o),
         {"OGÓŁEM lista 3 000,33 PLN, z tego: 2 100,66 PLN, 45 000,99 USD, tj. 901,32 PLN"}},
        {"lista D", WydrukListy(dd, o), {"6 001,65", "2 100,66", "45 000,99", "901,32"}},
        {"lista D z podatkiem",
         WydrukListy(
             [&] {
                 auto x = dd;
                 x.lista.czy_podatek = "T";
                 return x;
             }(),
             o),
         {"6 001,65", "68,31", "34,98", "2 100,66"}},
        {"przelewy PLN", WykazPrzelewow(pln, false, DZIS), {"OGÓŁEM przelewy: 246,90 PLN"}},
        {"przelewy walutowe",
         WykazPrzelewow(d, true, DZIS),
         {"OGÓŁEM przelewy: 60 000,00 USD, 187 404,00 PLN"}},
        {"niepobrane", WykazPrzelewowNiepobranych(d, DZIS), {"600,88"}},
        {"kasa", ListaKasy(d, false, DZIS), {"15 000,33", "300,44"}},
        {"kasa uproszczona", ListaKasy(d, true, DZIS), {"15 000,33", "300,44"}},
        {"pokwitowanie",
         Pokwitowanie(osoby[0], {"JW", "PKW"}, "USD", DZIS),
         {"Kwituję odbiór kwoty 150,5 USD"}},
        {"należności osoby",
         NaleznosciDlaOsoby(
             [&] {
                 QList<PozycjaOsoby> x{naleznoscBrzegowa(0), naleznoscBrzegowa(1)};
                 x[0].p.dowyplaty = 1000.11;
                 x[1].p.dowyplaty = 2000.22;
                 return x;
             }(),
             DZIS),
         {"3 000,33"}},
        {"statystyka", WydrukStatystyki(st, {10, 20, 30}, "USD", DZIS), {"4321,09"}},
        {"PIT-11", RaportPit11(WydrukPit11::Calosc, {pit}), {"1 234,56"}},
    };
    for (const Przypadek& c : przypadki) {
        const QString tekst = tekstPdf(c.r, dir.filePath(c.nazwa + ".pdf"));
        if (tekst.isEmpty()) QSKIP("pdftotext is not installed");
        for (const QString& s : c.sumy)
            QVERIFY2(tekst.contains(s), qPrintable(c.nazwa + ": " + s + "\n" + tekst.right(3000)));
    }
}

QTEST_MAIN(PrintoutFitTest)
#include "printout_fit_test.moc"
