// The payment printouts as page models: which accounts and positions each list takes, on which
// line an amount lands, the sums and closing lines, the declaration and the receipt.
#include "payments/payment_printouts.h"
#include "support/page_boxes.h"

#include <QtTest>

using namespace vexa;
using testy::WPolu;

namespace {

Lista ListaEur() {
    Lista l;
    l.id = 1;
    l.nr = " 7/2027 ";
    l.miesiacrok = "03/2027";
    l.zp = "Z";
    l.skrotpkw = "PKW X";
    l.rodzaj = "ZN";
    l.walutarach = "EUR ";
    l.kursrach = 3.5;
    l.walutazaliczki = "USD";
    l.kurszaliczki = 3.9876;
    l.tabelazaliczki = "12/A/NBP/2027";
    return l;
}

Pozycja Poz(const QString& nazwisko, double r1, const QString& f1, double r2 = 0,
              const QString& f2 = "N") {
    Pozycja p;
    p.nazwisko = nazwisko;
    p.imie = "JAN";
    p.pesel = "80010112340";
    p.rachunek1 = r1;
    p.rachunek1bz = r1;
    p.rachunek1czywaluta = f1;
    p.orachunek1 = nazwisko + " WŁAŚCICIEL1";
    p.brachunek1 = "BANK1";
    p.nrachunek1 = "11 1111";
    p.bic1 = " BIC1XXX ";
    p.rachunek2 = r2;
    p.rachunek2czywaluta = f2;
    p.orachunek2 = nazwisko + " WŁAŚCICIEL2";
    p.brachunek2 = "BANK2";
    p.nrachunek2 = "22 2222";
    p.bic2 = "BIC2";
    return p;
}

DaneWydrukuListy Dane(QList<Pozycja> p) {
    DaneWydrukuListy d;
    d.lista = ListaEur();
    d.pozycje = std::move(p);
    d.sfinansista = "SZEF";
    return d;
}

QStringList Teksty(const Raport& r) {
    QStringList t;
    for (const StronaRaportu& s : r.strony)
        t << s.tresci();
    return t;
}

// The line (top in mm) of the first text equal to `t`; -1 when there is none.
double Wiersz(const Raport& r, const QString& t) {
    for (const StronaRaportu& s : r.strony)
        for (const Tekst& x : s.teksty)
            if (x.tresc == t) return x.pole.y();
    return -1;
}

} // namespace

class PaymentPrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    void accountsQualifyByAmountAndExactFlag();
    void currencyListSumsRoundedEquivalents();
    void cashListsAndNotCollectedTransfers();
    void kindLinesAndTitles();
    void declarationAndReceipt();
};

void PaymentPrintoutsTest::accountsQualifyByAmountAndExactFlag() {
    const QDate dzis(2027, 4, 2);
    const DaneWydrukuListy d = Dane({Poz("ADAMSKI", 100, "N", 50, "T"),
                                     Poz("BORSUK", 10, "N", 20, "N"),
                                     Poz("CICHY", 30, "X", 40, "n"),
                                     Poz("DUDA", 0, "N", -5, "T")});
    const Raport pln = WykazPrzelewow(d, false, dzis);
    QCOMPARE(pln.tytulZadania, QString("ZESTAWIENIE PRZELEWÓW (VEXA-F)"));
    QVERIFY(pln.poziomo);
    const QStringList t = Teksty(pln);
    // ADAMSKI: 100,00 on the line of account 1, nothing on account 2's; both accounts shown.
    QCOMPARE(Wiersz(pln, "100,00"), Wiersz(pln, "ADAMSKI WŁAŚCICIEL1"));
    QVERIFY(!t.contains("50,00"));
    QVERIFY(t.contains("ADAMSKI WŁAŚCICIEL2") && t.contains("BIC1XXX") && t.contains("22 2222"));
    // BORSUK: both amounts, each on its own line.
    QCOMPARE(Wiersz(pln, "10,00"), Wiersz(pln, "BORSUK WŁAŚCICIEL1"));
    QCOMPARE(Wiersz(pln, "20,00"), Wiersz(pln, "BORSUK WŁAŚCICIEL2"));
    QVERIFY(Wiersz(pln, "20,00") > Wiersz(pln, "10,00"));
    // CICHY (flags X and n) and DUDA (no amount above 0) are not printed, nor counted.
    QVERIFY(!t.contains("CICHY JAN") && !t.contains("DUDA JAN"));
    QVERIFY(t.contains("2") && !t.contains("3"));
    QVERIFY(t.contains("OGÓŁEM przelewy: 130,00 PLN"));
    QVERIFY(!t.contains("EUR")); // no currency label on the PLN list

    const Raport wal = WykazPrzelewow(d, true, dzis);
    const QStringList w = Teksty(wal);
    QCOMPARE(Wiersz(wal, "50,00"), Wiersz(wal, "ADAMSKI WŁAŚCICIEL2"));
    QVERIFY(!w.contains("100,00") && !w.contains("BORSUK JAN"));
    QCOMPARE(Wiersz(wal, "EUR "), Wiersz(wal, "50,00"));
    QVERIFY(w.contains("OGÓŁEM przelewy: 50,00 EUR, 175,00 PLN"));
}

void PaymentPrintoutsTest::currencyListSumsRoundedEquivalents() {
    // 1 000 in currency at 3.5; account 1's equivalent from its unrounded amount 600.004:
    // 2 100,01 + 1 400,00 PLN (600,00 would give 3 500,00).
    Pozycja a1 = Poz("A", 600, "T");
    a1.rachunek1bz = 600.004;
    DaneWydrukuListy d = Dane({a1, Poz("B", 0, "N", 400, "T")});
    const Raport r = WykazPrzelewow(d, true, QDate(2027, 4, 2));
    QVERIFY(Teksty(r).contains("OGÓŁEM przelewy: 1 000,00 EUR, 3 500,01 PLN"));
    QCOMPARE(WPolu(r, "Kwota", "OGÓŁEM"), QString("1 000,00"));
    QCOMPARE(WPolu(r, "Kwota", "A JAN"), QString("EUR  600,00"));
    // Each equivalent is rounded to the grosz before it is summed: 2 x 0,335 gives 0,68, not
    // 0,67; account 1 takes its unrounded amount.
    d.lista.kursrach = 1;
    Pozycja a = Poz("A", 0.34, "T"), b = Poz("B", 0.34, "T");
    a.rachunek1bz = b.rachunek1bz = 0.335;
    d.pozycje = {a, b};
    QCOMPARE(LiniaPrzelewow(d.lista, true, 0.68, 0.68), QString("OGÓŁEM przelewy: 0,68 EUR, 0,68 PLN"));
    QVERIFY(Teksty(WykazPrzelewow(d, true, QDate(2027, 4, 2)))
                .contains("OGÓŁEM przelewy: 0,68 EUR, 0,68 PLN"));
    // No qualifying position: title, header and zero sums all the same.
    d.pozycje = {Poz("C", 5, "N")};
    const Raport pusty = WykazPrzelewow(d, true, QDate(2027, 4, 2));
    QCOMPARE(pusty.iloscStron(), 1);
    const QStringList t = Teksty(pusty);
    QVERIFY(t.contains("Numer rachunku") && t.contains("OGÓŁEM") && t.contains("0,00"));
    QVERIFY(t.contains("OGÓŁEM przelewy: 0,00 EUR, 0,00 PLN") && t.contains("Strona: 1 z 1"));
}

void PaymentPrintoutsTest::cashListsAndNotCollectedTransfers() {
    Pozycja wyplacony = Poz("WYPŁACONY", 0, "N"), niepobrany = Poz("NIEPOBRANY", 0, "N"),
            pusty = Poz("PUSTY", 0, "N"), zerowy = Poz("ZEROWY", 0, "N");
    wyplacony.niepobranewkasie = "W";
    wyplacony.zaliczkawaluta = 200;
    wyplacony.zaliczkapln = 10.5;
    niepobrany.niepobranewkasie = "N";
    niepobrany.zaliczkapln = 123.45;
    niepobrany.zaliczkawaluta = 30;
    pusty.zaliczkapln = 99;
    wyplacony.ste = "KPR.";
    zerowy.niepobranewkasie = "N"; // no PLN advance: nothing to transfer
    const DaneWydrukuListy d = Dane({wyplacony, niepobrany, pusty, zerowy});
    const QDate dzis(2027, 4, 2);

    const QStringList np = Teksty(WykazPrzelewowNiepobranych(d, dzis));
    QVERIFY(np.contains("NIEPOBRANY JAN"));
    QVERIFY(!np.contains("WYPŁACONY JAN") && !np.contains("PUSTY JAN") && !np.contains("ZEROWY JAN"));
    QVERIFY(np.contains("123,45"));
    QVERIFY(!np.filter("OGÓŁEM przelewy").size()); // no closing line

    for (bool uproszczona : {false, true}) {
        const Raport k = ListaKasy(d, uproszczona, dzis);
        QCOMPARE(k.tytulZadania, QString("LISTA NALEŻNOŚCI (VEXA-F)"));
        QCOMPARE(k.poziomo, !uproszczona);
        const QStringList t = Teksty(k);
        QVERIFY(t.contains("WYPŁACONY JAN"));
        QVERIFY(!t.contains("NIEPOBRANY JAN") && !t.contains("PUSTY JAN"));
        QVERIFY(t.contains("NALEŻNOŚCI WYPŁACONE W KASIE Z LISTY NR 7/2027 ZA MIESIĄC 03/2027"));
        // Each amount under its column; the totals are those of the printed rows only.
        QCOMPARE(WPolu(k, "Kasa USD", "WYPŁACONY JAN"), QString("200,00"));
        QCOMPARE(WPolu(k, "Kasa PLN", "WYPŁACONY JAN"), QString("10,50"));
        QCOMPARE(WPolu(k, "Lp.", "WYPŁACONY JAN"), QString("1"));
        QCOMPARE(WPolu(k, "Stopień etatowy", "WYPŁACONY JAN"), QString("KPR."));
        QCOMPARE(WPolu(k, "PESEL", "WYPŁACONY JAN"), QString("80010112340"));
        QCOMPARE(t.count("200,00"), 2);
        QCOMPARE(t.count("10,50"), 2);
        QVERIFY(!t.contains("123,45") && !t.contains("99,00"));
        QCOMPARE(t.contains("Podpis"), uproszczona);
        QCOMPARE(t.contains("\"ZATWIERDZAM\""), !uproszczona);
        QCOMPARE(t.contains("Wypłaciłem kwotę USD:"), uproszczona);
        QCOMPARE(t.contains("Za zgodność z etatem:"), !uproszczona);
        if (uproszczona) {
            QVERIFY(t.contains("PKW X"));
            QVERIFY(t.contains("Kurs USD: 3,987600") && t.contains("Kurs EUR: 3,500000"));
            QVERIFY(t.contains("Tabela kursu waluty: 12/A/NBP/2027"));
            QVERIFY(t.filter("Data: ").isEmpty());
        }
    }
}

void PaymentPrintoutsTest::kindLinesAndTitles() {
    QCOMPARE(OpisRodzajuPrzelewow("SH", true), QString("DODATEK ZA ŚRODKI HIGIENY"));
    QCOMPARE(OpisRodzajuPrzelewow("SH", false), QString());
    QCOMPARE(OpisRodzajuPrzelewow("ZK", false), QString("ZALICZKA NA POCZET NALEŻNOŚCI"));
    QCOMPARE(OpisRodzajuPrzelewow("NN", true), QString("NIEPODJĘTE NALEŻNOŚCI PRZEKAZANE NA RACHUNEK"));
    QCOMPARE(OpisRodzajuPrzelewow("zn", true), QString());
    QCOMPARE(OpisRodzajuPrzelewow("JN", true), QString());
    const DaneWydrukuListy d = Dane({});
    QVERIFY(Teksty(WykazPrzelewow(d, false, QDate(2027, 4, 2)))
                .contains("WYKAZ PRZELEWÓW ZŁOTÓWKOWYCH NA RACHUNKI DLA LISTY NALEŻNOŚCI NR "
                          "7/2027 ZA MIESIĄC 03/2027"));
    QVERIFY(Teksty(WykazPrzelewow(d, true, QDate(2027, 4, 2)))
                .contains("ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJENNY"));
    QVERIFY(Teksty(WykazPrzelewowNiepobranych(d, QDate(2027, 4, 2)))
                .contains("WYKAZ PRZELEWÓW DLA NALEŻNOŚCI NIEPOBRANYCH W KASIE - LISTA "
                          "NALEŻNOŚCI NR 7/2027 ZA MIESIĄC 03/2027"));
}

void PaymentPrintoutsTest::declarationAndReceipt() {
    vexa::Osoba a, bez, c;
    a.ste = "KPR.";
    a.nazwisko = "ADAMSKI";
    a.imie = "JAN";
    a.pesel = "80010112340";
    a.rachunek1 = "60 1020 1026 0000 0422 7020 1111";
    bez.nazwisko = "BEZPESELU";
    c.nazwisko = "CEGŁA";
    c.imie = "EWA";
    c.pesel = "81020212345";
    const Raport d = DeklaracjaWyplatyWKasie({a, bez, c}, {"JW 1234", "PKW"}, "USD",
                                             QDate(2027, 4, 2));
    QCOMPARE(d.tytulZadania, QString("KARTOTEKA OSOBOWA (VEXA-F)"));
    QVERIFY(!d.poziomo);
    const QStringList t = Teksty(d);
    QVERIFY(t.contains("KPR. ADAMSKI JAN") && t.contains("CEGŁA EWA"));
    QVERIFY(t.filter("BEZPESELU").isEmpty());
    QCOMPARE(Wiersz(d, "2"), Wiersz(d, "CEGŁA EWA")); // numbered without the gap
    QVERIFY(t.contains("60 1020 1026 0000 0422 7020 1111") && t.contains("w USD"));
    QVERIFY(t.contains("DEKLARACJA WYPŁATY NALEŻNOŚCI ZAGRANICZNEJ") && t.contains("JW 1234"));
    QVERIFY(t.contains("Data: 02/04/2027") && t.contains("Strona: 1 z 1"));

    QCOMPARE(TekstPokwitowania(200, "USD"),
             QString("Kwituję odbiór kwoty 200 USD na poczet przysługującej mi należności "
                     "zagranicznej."));
    QCOMPARE(TekstPokwitowania(150.5, "USD").mid(21, 9), QString("150,5 USD"));
    a.zaliczka = 150.5;
    a.stanowisko = "KIEROWCA";
    const Raport p = Pokwitowanie(a, {"JW 1234", "PKW"}, "USD", QDate(2027, 4, 2));
    QCOMPARE(p.iloscStron(), 1);
    QVERIFY(!p.poziomo);
    const QStringList tp = Teksty(p);
    QVERIFY(tp.contains("KPR. JAN ADAMSKI") && tp.contains("PESEL: 80010112340"));
    QVERIFY(tp.contains("POKWITOWANIE") && tp.contains(QString(76, '.')));
    QVERIFY(tp.contains("(data i podpis)") && tp.contains("zagranicznych."));
    QVERIFY(tp.filter("Strona").isEmpty());
    QVERIFY(tp.contains("Wydrukowano z aplikacji VEXA-F, www.vexa-f.pl"));
}

QTEST_GUILESS_MAIN(PaymentPrintoutsTest)
#include "payment_printouts_test.moc"
