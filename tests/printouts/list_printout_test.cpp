// The printed lists as page models: hidden zero positions with consecutive ordinals and totals
// over every position, the open-ended date, the remarks line, the tax switch, currency
// accounts with their PLN equivalents, the closing line and the banknote block.
#include "data/codepage.h"
#include "data/validators.h"
#include "lists/list_printout.h"

#include <QtTest>

using namespace vexa;

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
    void zeroPositionsHiddenOrdinalsConsecutiveTotalsOverAll();
    void datesRemarksAndArrivals();
    void taxSwitch();
    void currencyAccountsAndTheirSums();
    void closingLineAndBanknotes();
    void taxPerPersonListNumbersEveryPosition();
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

void ListPrintoutTest::zeroPositionsHiddenOrdinalsConsecutiveTotalsOverAll() {
    const QList<Pozycja> p = {pozycja("ADAMSKI", 100), pozycja("BORSUK", -20),
                              pozycja("CEBULA", 0), pozycja("DUDEK", 50.5)};
    for (const char* typ : {"P", "D"}) {
        const Raport hidden = WydrukListy(dane(lista(typ), p), {false, QDate(2027, 3, 5)});
        const QStringList t = wszystko(hidden);
        QVERIFY2(t.contains("ADAMSKI JAN") && t.contains("DUDEK JAN"), qPrintable(typ));
        QVERIFY(!t.contains("BORSUK JAN") && !t.contains("CEBULA JAN"));
        // The ordinals: 1 and 2 over the printed ones.
        QVERIFY(t.contains("1") && t.contains("2"));
        QVERIFY(!t.contains("3") && !t.contains("4"));
        // The total of RAZEM covers every position: 100 − 20 + 0 + 50.5.
        QVERIFY2(t.contains("130,50"), qPrintable(t.join('|')));

        const QStringList all = wszystko(WydrukListy(dane(lista(typ), p), {true, {}}));
        for (const char* n : {"ADAMSKI JAN", "BORSUK JAN", "CEBULA JAN", "DUDEK JAN"})
            QVERIFY(all.contains(n));
        QVERIFY(all.contains("4"));
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
    p.rachunek1 = p.rachunek1bz = 100;
    Pozycja q = pozycja("BORSUK", 40);
    const Raport r = WydrukListy(dane(lista(), {p, q}), {true, {}});
    const QStringList t = wszystko(r);
    QVERIFY2(t.contains("100,00 (312,34)"), qPrintable(t.join('|')));
    QVERIFY(t.contains("USD ")); // the small label, as stored
    // With currency accounts: PLN sums of both accounts, then the currency and its equivalent.
    QVERIFY(t.contains("40,00 PLN"));
    QVERIFY(t.contains("100,00(312,34)USD "));

    // Without currency accounts the two lines are the PLN sums of account 1 and 2.
    Pozycja a = pozycja("A", 10), b = pozycja("B", 5);
    b.rachunek2 = 7;
    const QStringList pln = wszystko(WydrukListy(dane(lista(), {a, b}), {true, {}}));
    QVERIFY(pln.contains("15,00") && pln.contains("7,00"));
    QVERIFY(!pln.contains("15,00 PLN")); // no unit labels without currency accounts
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

QTEST_GUILESS_MAIN(ListPrintoutTest)
#include "list_printout_test.moc"
