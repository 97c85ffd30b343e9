// The printed lists as page models: hidden zero positions with consecutive ordinals and totals
// over every position, the open-ended date, the remarks line, the tax switch, currency
// accounts with their PLN equivalents, the closing line and the banknote block.
#include "data/codepage.h"
#include "data/validators.h"
#include "lists/list_repository.h"
#include "lists/list_printout.h"
#include "lists/list_printout_parts.h"
#include "support/distinct_amounts.h"
#include "support/page_boxes.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;
using testy::WPolu;

namespace {

Lista lista(const QString& typ = "P") {
    Lista l;
    l.id = 1;
    l.typ = typ;
    l.zp = "Z";
    l.status = "O";
    l.nr = " 5/2027 ";
    l.miesiacrok = "03/2027";
    l.skrotpkw = "PKW";
    l.walutazaliczki = "USD";
    l.walutarach = "USD ";
    l.kurszaliczki = 3.9876;
    l.kursrach = 3.1234;
    l.dowodca1 = "DOWÓDCA";
    l.dowodca2 = "PKW";
    l.dowodca3 = "płk A. B.";
    return l;
}

Pozycja pozycja(const QString& nazwisko, double razem) {
    Pozycja p;
    p.nazwisko = nazwisko;
    p.imie = "JAN";
    p.pesel = "80010112340";
    p.razem = p.dowyplaty = p.rachunek = p.rachunek1 = razem;
    p.rachunek1czywaluta = p.rachunek2czywaluta = "N";
    p.datanabycia = QDate(2026, 1, 1);
    p.datautraty = DATA_BEZ_KONCA;
    return p;
}

// A position whose every money column holds its own amount (the n-th from `od`), both accounts
// in PLN; the small labels beside three amounts: 12 (% of PKW), 7 (% for doctors), 5 days off.
Pozycja rozna(const QString& nazwisko, const QString& imie, int od) {
    Pozycja p = pozycja(nazwisko, 0);
    p.imie = imie;
    testy::RozneKwoty(p, od);
    p.zwnaleznpkwproc = 12;
    p.zwnaleznlekarzproc = 7;
    p.dni_wolne_u = 2;
    p.dni_wolne_w = 3;
    return p;
}

// A money column of a layout: its caption, its field, the small label printed beside the
// amount on a position's row, and whether the totals line has its sum.
struct Pole {
    const char* naglowek;
    double Pozycja::*pole;
    const char* mala = "";
    bool suma = true;
};

QList<Pole> polaUkladu(const QString& uklad) {
    // The columns both four-line layouts share.
    const QList<Pole> naleznosci{{"Należn. zagr.", &Pozycja::naleznosc},
                                 {"Zwiększ. MON", &Pozycja::zwnaleznmon},
                                 {"Zwiększ. PKW", &Pozycja::zwnaleznpkw, "12"},
                                 {"Dod.woj. 10%", &Pozycja::dodatekwojenny},
                                 {"Dod.woj. 20%", &Pozycja::dodatekwojenny2},
                                 {"Dod.woj. 30%", &Pozycja::dodatekwojenny3},
                                 {"Zw. lekarz", &Pozycja::zwnaleznlekarz, "7"},
                                 {"Wyr. / Potr.", &Pozycja::wyrownanie},
                                 {"RAZEM", &Pozycja::razem},
                                 {"Do wypłaty", &Pozycja::dowyplaty},
                                 {"Rachunek", &Pozycja::rachunek},
                                 {"Rachunek 1", &Pozycja::rachunek1, "", false},
                                 {"Rachunek 2", &Pozycja::rachunek2, "", false},
                                 {"Kasa USD", &Pozycja::zaliczkawaluta},
                                 {"Kasa PLN", &Pozycja::zaliczkapln}};
    if (uklad == "TRLista")
        return naleznosci + QList<Pole>{
                                {"Dod.rozm.", &Pozycja::rozm},
                                {"Zal. w. nal.", &Pozycja::innezmniejszenia},
                                {"Zmn. urlop", &Pozycja::zmniejszenie_urlop, "5"},
                                {"Podst.opod.", &Pozycja::podatek_podstawa_opodatkowania},
                                {"ZUS/Inne", &Pozycja::skladkizus},
                                {"Komornik", &Pozycja::innezwiekszenia},
                                {"Podatek (18%)", &Pozycja::podatek_zaliczka}};
    if (uklad == "TRLista3")
        return naleznosci + QList<Pole>{{"Dod.za rozm.", &Pozycja::rozm},
                                        {"Ekw.śr.higieny", &Pozycja::srhigieny},
                                        {"Zmniejszenia", &Pozycja::innezwiekszenia},
                                        {"ZUS/Zajęcia", &Pozycja::skladkizus},
                                        {"Zaliczki", &Pozycja::innezmniejszenia},
                                        {"Podst.opod.", &Pozycja::podstawapod},
                                        {"Zaliczka US", &Pozycja::zaliczkaus},
                                        {"NFZ 7.75%", &Pozycja::nfz1},
                                        {"NFZ 1.25%", &Pozycja::nfz2}};
    QList<Pole> d{{"Należność", &Pozycja::razem}, {"Potrącenia", &Pozycja::innezwiekszenia}};
    if (uklad == "TRLista2pod") d << Pole{"Zal. podatek", &Pozycja::podatek_zaliczka};
    return d << Pole{"Rachunek", &Pozycja::rachunek} << Pole{"Kasa USD", &Pozycja::zaliczkawaluta}
             << Pole{"Kasa PLN", &Pozycja::zaliczkapln};
}

DaneWydrukuListy dane(const Lista& l, const QList<Pozycja>& p) {
    DaneWydrukuListy d;
    d.lista = l;
    d.pozycje = p;
    d.nominaly = {100, 20};
    d.sfinansista = "SZEF FINANSÓW";
    return d;
}

// Every text of the report, page after page.
QStringList wszystko(const Raport& r) {
    QStringList out;
    for (const StronaRaportu& s : r.strony)
        out << s.tresci();
    return out;
}

const Tekst* znajdz(const Raport& r, const QString& poczatek) {
    for (const StronaRaportu& s : r.strony)
        if (const Tekst* t = s.znajdz(poczatek)) return t;
    return nullptr;
}

} // namespace

class ListPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void layoutByKind();
    void everyAmountInItsBox_data();
    void everyAmountInItsBox();
    void zeroPositionsHiddenOrdinalsConsecutiveTotalsOverAll();
    void datesRemarksAndArrivals();
    void taxSwitch();
    void currencyAccountsAndTheirSums();
    void closingLineAndBanknotes();
    void taxPerPersonListNumbersEveryPosition();
    void positionsBySurnameOrNisWithPolishLetters();
};

void ListPrintoutTest::layoutByKind() {
    Lista l = lista("P");
    QCOMPARE(UkladListy(l), "TRLista");
    l.typ = "U";
    QCOMPARE(UkladListy(l), "TRLista3");
    l.typ = "D";
    QCOMPARE(UkladListy(l), "TRLista2");
    l.czy_podatek = "T";
    QCOMPARE(UkladListy(l), "TRLista2pod");
    l.typ = "X";
    QCOMPARE(UkladListy(l), QString());
    QCOMPARE(WydrukListy(dane(l, {pozycja("A", 1)}), {}).iloscStron(), 0);
}

void ListPrintoutTest::everyAmountInItsBox_data() {
    QTest::addColumn<QString>("typ");
    QTest::addColumn<QString>("podatek");
    QTest::addColumn<QString>("uklad");
    QTest::newRow("P") << "P" << "T" << "TRLista";
    QTest::newRow("U") << "U" << "N" << "TRLista3";
    QTest::newRow("D") << "D" << "N" << "TRLista2";
    QTest::newRow("D with tax") << "D" << "T" << "TRLista2pod";
}

// Every money column of every layout holds its own amount, so a column printed under another
// caption, or a total that misses a position or adds another column, fails: each amount is read
// in the box under its caption on its position's row, each total on the totals' row, which adds
// the hidden zero position too.
void ListPrintoutTest::everyAmountInItsBox() {
    QFETCH(QString, typ);
    QFETCH(QString, podatek);
    QFETCH(QString, uklad);
    Lista l = lista(typ);
    l.czy_podatek = podatek;
    l.dodatekwojenny = 10;
    l.dodatekwojenny2 = 20;
    l.dodatekwojenny3 = 30;
    QCOMPARE(UkladListy(l), uklad);
    const Pozycja a = rozna("ADAMSKA", "ANNA", 1), b = rozna("BORSUK", "EWA", 101);
    Pozycja zero = rozna("ZEROWY", "JAN", 201);
    zero.razem = 0;
    const Raport r = WydrukListy(dane(l, {a, zero, b}), {false, QDate(2027, 3, 5)});
    QCOMPARE(r.iloscStron(), 1);
    QVERIFY(!r.strony[0].tresci().contains("ZEROWY JAN"));
    for (const Pole& x : polaUkladu(uklad)) {
        for (const Pozycja& p : {a, b}) {
            const QString w = (QString(x.mala) + " " + wydruk_listy::kwota(p.*x.pole)).trimmed();
            QCOMPARE(x.naglowek + QString(": ") + WPolu(r, x.naglowek, p.nazwisko + " " + p.imie),
                     x.naglowek + QString(": ") + w);
        }
        const QString suma = x.suma ? wydruk_listy::kwota(a.*x.pole + b.*x.pole + zero.*x.pole)
                                    : QString();
        if (x.suma || uklad == "TRLista3")
            QCOMPARE(x.naglowek + QString(": ") + WPolu(r, x.naglowek, "Kurs USD: 3,987600"),
                     x.naglowek + QString(": ") + suma);
    }
}

void ListPrintoutTest::zeroPositionsHiddenOrdinalsConsecutiveTotalsOverAll() {
    // RAZEM on both sides of the boundary: 0 hidden, one grosz printed.
    const QList<Pozycja> p = {pozycja("ADAMSKI", 100), pozycja("BORSUK", -20),
                              pozycja("CEBULA", 0), pozycja("DUDEK", 50.5),
                              pozycja("EFEKT", 0.01)};
    for (const char* typ : {"P", "D"}) {
        const Raport hidden = WydrukListy(dane(lista(typ), p), {false, QDate(2027, 3, 5)});
        const QStringList t = wszystko(hidden);
        QVERIFY(!t.contains("BORSUK JAN") && !t.contains("CEBULA JAN"));
        // The ordinals: 1 and 2 over the printed ones.
        QCOMPARE(WPolu(hidden, "Lp.", "ADAMSKI JAN"), QString("1"));
        QCOMPARE(WPolu(hidden, "Lp.", "DUDEK JAN"), QString("2"));
        QCOMPARE(WPolu(hidden, "Lp.", "EFEKT JAN"), QString("3"));
        // The total of RAZEM covers every position: 100 − 20 + 0 + 50.5 + 0.01.
        QCOMPARE(WPolu(hidden, typ == QString("P") ? "RAZEM" : "Należność", "Kurs USD: 3,987600"),
                 QString("130,51"));

        const QStringList all = wszystko(WydrukListy(dane(lista(typ), p), {true, {}}));
        for (const char* n : {"ADAMSKI JAN", "BORSUK JAN", "CEBULA JAN", "DUDEK JAN", "EFEKT JAN"})
            QVERIFY(all.contains(n));
        QCOMPARE(WPolu(WydrukListy(dane(lista(typ), p), {true, {}}), "Lp.", "DUDEK JAN"),
                 QString("4"));
    }
}

void ListPrintoutTest::datesRemarksAndArrivals() {
    Lista l = lista();
    Pozycja p = pozycja("ADAMSKI", 100);
    p.datanabycia = QDate(2027, 3, 3);
    p.datautraty = QDate(2027, 3, 20);
    p.rozkazprzybyl = "12/2027";
    p.rozkazubyl = "40/2027";
    p.uwagi = "PRZENIESIONY";
    const QList<DzienWolny> wolne = {
        DzienWolny{p.pesel, "U", QDate(2027, 2, 25), QDate(2027, 3, 4), "7/2027"}};
    QCOMPARE(UwagiPozycji(l, p, wolne),
             "Przybył rozkaz nr 12/2027 Ubył rozkaz nr 40/2027 PRZENIESIONY U:1-4/7/2027");
    // Departure only, no remarks, no days off: nothing else.
    p.datanabycia = QDate(2026, 1, 1);
    p.uwagi.clear();
    QCOMPARE(UwagiPozycji(l, p, {}), "Ubył rozkaz nr 40/2027");
    p.datautraty = DATA_BEZ_KONCA;
    QCOMPARE(UwagiPozycji(l, p, {}), QString());

    DaneWydrukuListy d = dane(l, {p});
    const QStringList t = wszystko(WydrukListy(d, {true, QDate(2027, 3, 5)}));
    QVERIFY(t.contains(" - "));
    QVERIFY(t.contains("01/01/2026"));
    QVERIFY(t.contains("LISTA NR 5/2027 WYPŁAT NALEŻNOŚCI ZAGRANICZNYCH ZA MIESIĄC 03/2027"));
    QVERIFY(t.contains("ŻOŁNIERZE PKW"));
    QVERIFY(t.contains("LISTA \"OTWARTA\""));
    QVERIFY(t.contains("\"ZATWIERDZAM\""));
    QVERIFY(t.contains("DOWÓDCA PKW"));
    QVERIFY(t.contains("Data: 05/03/2027"));
    QVERIFY(t.contains("Strona: 1 z 1"));
}

void ListPrintoutTest::taxSwitch() {
    Pozycja p = pozycja("ADAMSKI", 100);
    p.podatek_zaliczka = 17.5;
    Lista l = lista();
    l.czy_podatek = "N";
    Raport r = WydrukListy(dane(l, {p}), {true, {}});
    QStringList t = wszystko(r);
    QVERIFY(!t.contains("Podst.opod.") && !t.contains("Podatek (18%)"));
    // The value is there but white, invisible on paper.
    const Tekst* tax = nullptr;
    for (const Tekst& x : r.strony[0].teksty)
        if (x.tresc == "17,50" && !tax) tax = &x;
    QVERIFY(tax);
    QCOMPARE(tax->kolor, QColor(Qt::white));
    QCOMPARE(znajdz(r, "Podatek kurs:")->kolor, QColor(233, 233, 233));

    l.czy_podatek = "T";
    r = WydrukListy(dane(l, {p}), {true, {}});
    t = wszystko(r);
    QVERIFY(t.contains("Podst.opod.") && t.contains("Podatek (18%)"));
    QCOMPARE(znajdz(r, "17,50")->kolor, QColor(Qt::black));
    QCOMPARE(znajdz(r, "Podatek kurs:")->kolor, QColor(Qt::black));
}

void ListPrintoutTest::currencyAccountsAndTheirSums() {
    Pozycja p = pozycja("ADAMSKI", 100);
    p.rachunek1czywaluta = "T";
    // The equivalent comes from the unrounded amount: 100.004 x 3.1234 = 312.35 (100.00 would
    // give 312.34).
    p.rachunek1 = 100;
    p.rachunek1bz = 100.004;
    Pozycja q = pozycja("BORSUK", 40);
    const Raport r = WydrukListy(dane(lista(), {p, q}), {true, {}});
    QCOMPARE(WPolu(r, "Rachunek 1", "ADAMSKI JAN"), QString("USD  100,00 (312,35)"));
    QCOMPARE(WPolu(r, "Rachunek 1", "BORSUK JAN"), QString("40,00"));
    // With currency accounts: PLN sums of both accounts, then the currency and its equivalent.
    QCOMPARE(WPolu(r, "Rachunek 1", "Kurs USD: 3,987600"), QString("40,00 PLN"));
    QCOMPARE(WPolu(r, "Rachunek 2", "Kurs USD: 3,987600"), QString("100,00(312,35)USD "));

    // Without currency accounts the two lines are the PLN sums of account 1 and 2.
    Pozycja a = pozycja("A", 10), b = pozycja("B", 5);
    b.rachunek2 = 7;
    const Raport pln = WydrukListy(dane(lista(), {a, b}), {true, {}});
    QCOMPARE(WPolu(pln, "Rachunek 1", "Kurs USD: 3,987600"), QString("15,00"));
    QCOMPARE(WPolu(pln, "Rachunek 2", "Kurs USD: 3,987600"), QString("7,00"));
}

void ListPrintoutTest::closingLineAndBanknotes() {
    Lista l = lista("U");
    Pozycja p = pozycja("ADAMSKI", 1000);
    p.dowyplaty = 1234.5;
    p.rachunek = 1000;
    p.zaliczkawaluta = 150;
    p.zaliczkapln = 598.14;
    Pozycja q = pozycja("BORSUK", 0);
    q.zaliczkawaluta = 45; // hidden, but its banknotes still count
    QCOMPARE(LiniaZamykajaca(l, 1234.5, 1000, 150, 598.14),
             "OGÓŁEM lista 1 234,50 PLN, z tego: 1 000,00 PLN, 150,00 USD, tj. 598,14 PLN");
    const Raport r = WydrukListy(dane(l, {p, q}), {false, {}});
    const QStringList t = wszystko(r);
    QVERIFY(t.contains("OGÓŁEM lista 1 234,50 PLN, z tego: 1 000,00 PLN, 195,00 USD, tj. "
                       "598,14 PLN"));
    QVERIFY(t.contains("Wypłaciłem kwotę USD:"));
    QVERIFY(t.contains("SZEF FINANSÓW"));
    // 150 + 45: one 100 and two 20 from the first, two 20 from the second; 5 left unprinted.
    const int at = t.indexOf("Nominał:");
    QVERIFY(at >= 0);
    QCOMPARE(t.mid(at + 1, 2), (QStringList{"100,00", "20,00"}));
    const int ile = t.indexOf("Ilość banknotów:");
    QCOMPARE(t.mid(ile + 1, 2), (QStringList{"1", "4"}));
    const int suma = t.indexOf("Suma kontrolna:");
    QCOMPARE(t.mid(suma + 1, 2), (QStringList{"100,00", "80,00"}));
}

void ListPrintoutTest::taxPerPersonListNumbersEveryPosition() {
    Pozycja a = pozycja("ADAMSKI", 100);
    a.rachunek1czywaluta = "T";
    a.uwagi = "ZWROT";
    a.nfz1 = 7.75;
    const Pozycja zero = pozycja("BORSUK", 0);
    const Pozycja c = pozycja("CEBULA", 30);
    const Raport r = WydrukListy(dane(lista("U"), {a, zero, c}), {false, {}});
    const QStringList t = wszystko(r);
    QVERIFY(t.contains("NFZ 7.75%") && t.contains("Zaliczka US") && t.contains("Ekw.śr.higieny"));
    // The counter counts the hidden position too: 1 and 3.
    QVERIFY(t.contains("1") && t.contains("3") && !t.contains("2"));
    QVERIFY(!t.contains("BORSUK JAN"));
    QVERIFY(t.contains("XXXXXXXX"));
    QVERIFY(t.contains("ZWROT"));
    QVERIFY(t.contains("USD ")); // the label of the currency account, no PLN equivalent
    QVERIFY(!t.join('|').contains("(312,34)"));
    QVERIFY(!t.contains("Podatek kurs: 0,000000"));
}

// The printed order, read from the ordinals: by surname then first name in Polish order (L, Ł,
// S, Ś), or by NIS.
void ListPrintoutTest::positionsBySurnameOrNisWithPolishLetters() {
    TestDb t;
    Database& db = t.db();
    ListRepository repo(db);
    Lista l = lista("P");
    l.id = 0;
    const int id = repo.dopiszListe(l);
    const QList<QStringList> osoby{{"ŚWIĘCH", "ADAM", "A3"},
                                   {"SZCZEPAN", "BOGDAN", "A1"},
                                   {"ŁUKASZ", "CEZARY", "A4"},
                                   {"LIS", "DAWID", "A2"},
                                   {"LIS", "ADAM", "A5"}};
    for (const QStringList& o : osoby) {
        Pozycja p = pozycja(o[0], 100);
        p.imie = o[1];
        p.nis = o[2];
        p.idlisty = id;
        repo.dopiszPozycje(p);
    }
    auto kolejnosc = [&](KolejnoscPozycji k) {
        const Raport r = WydrukListy(DaneListyDoWydruku(db, id, k), {true, {}});
        QStringList w(osoby.size());
        for (const QStringList& o : osoby) {
            const int lp = WPolu(r, "Lp.", o[0] + " " + o[1]).toInt();
            if (lp >= 1 && lp <= w.size()) w[lp - 1] = o[0] + " " + o[1];
        }
        return w;
    };
    QCOMPARE(kolejnosc(KolejnoscPozycji::Nazwisko),
             (QStringList{"LIS ADAM", "LIS DAWID", "ŁUKASZ CEZARY", "SZCZEPAN BOGDAN",
                          "ŚWIĘCH ADAM"}));
    QCOMPARE(kolejnosc(KolejnoscPozycji::Nis),
             (QStringList{"SZCZEPAN BOGDAN", "LIS DAWID", "ŚWIĘCH ADAM", "ŁUKASZ CEZARY",
                          "LIS ADAM"}));
}

QTEST_GUILESS_MAIN(ListPrintoutTest)
#include "list_printout_test.moc"
