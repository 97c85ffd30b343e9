#include "calculation_fixtures.h"
#include "data/error.h"

#include <QtTest>

using namespace vexa;
using namespace vexa::testy;

// Tax, the cash desk and the banks, the editor marks, and the short calculation.
class CalculationPayoutTest : public QObject {
    Q_OBJECT
private slots:
    void tax_data();
    void tax();
    void cashDeskAndBank();
    void accountSplitAndShortfall_data();
    void accountSplitAndShortfall();
    void marksAndCaptions();
    void ratesThatCannotDivideAreRefused();
    void shortCalculation();
    void shortCalculationOfAdvances_data();
    void shortCalculationOfAdvances();
};

void CalculationPayoutTest::tax_data() {
    QTest::addColumn<QString>("czyPodatek");
    QTest::addColumn<double>("stawka");
    QTest::addColumn<double>("dieta");
    QTest::addColumn<double>("wyrownanie");
    QTest::addColumn<double>("zwolniona");
    QTest::addColumn<double>("podstawa");
    QTest::addColumn<double>("zaliczka");
    QTest::addColumn<double>("dowyplaty");
    // Allowance 6000 for 31 days; diet 30 at 4.50: 30 × 0.3 × 4.5 = 40.50 a day, × 31 = 1255.50.
    // Base (6000 − 1255.50) / 100 = 47.445 → 47.45 → 4745.
    // 18 %: 4745 × 0.18 / 100 = 8.541 → 8.54 → 854; 6000 − 854 = 5146
    QTest::newRow("rate 0 means 18 %")
        << "T" << 0.0 << 30.0 << 0.0 << 1255.5 << 4745.0 << 854.0 << 5146.0;
    // 32 %: 4745 × 0.32 / 100 = 15.184 → 15.18 → 1518; 6000 − 1518 = 4482
    QTest::newRow("rate 32 %") << "T" << 32.0 << 30.0 << 0.0 << 1255.5 << 4745.0 << 1518.0
                               << 4482.0;
    // The settlement is paid but not taxed: base as above, 6500 − 854 = 5646
    QTest::newRow("settlement outside the base")
        << "T" << 0.0 << 30.0 << 500.0 << 1255.5 << 4745.0 << 854.0 << 5646.0;
    // Diet 200: 270 a day, × 31 = 8370; (6000 − 8370) / 100 = −23.70 → −2370;
    // −2370 × 0.18 / 100 = −4.266 → −4.27 → −427; 6000 + 427 = 6427
    QTest::newRow("negative base raises the amount")
        << "T" << 0.0 << 200.0 << 0.0 << 8370.0 << -2370.0 << -427.0 << 6427.0;
    QTest::newRow("list without tax") << "N" << 32.0 << 30.0 << 0.0 << 0.0 << 0.0 << 0.0 << 6000.0;
}

void CalculationPayoutTest::tax() {
    QFETCH(QString, czyPodatek);
    QFETCH(double, stawka);
    QFETCH(double, dieta);
    QFETCH(double, wyrownanie);
    QFETCH(double, zwolniona);
    QFETCH(double, podstawa);
    QFETCH(double, zaliczka);
    QFETCH(double, dowyplaty);
    Lista l = lista();
    l.czy_podatek = czyPodatek;
    l.podatekproc = stawka;
    l.podatek_dieta = dieta;
    l.podatek_kurs = 4.5;
    Pozycja p = pozycja();
    p.wyrownanie = wyrownanie;
    p.podatek_zaliczka = 99; // leftovers of an earlier calculation
    przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.podatek_kwota_zwolniona, zwolniona);
    QCOMPARE(p.podatek_podstawa_opodatkowania, podstawa);
    QCOMPARE(p.podatek_zaliczka, zaliczka);
    QCOMPARE(p.dowyplaty, dowyplaty);
    QCOMPARE(p.rachunek, dowyplaty);
}

void CalculationPayoutTest::cashDeskAndBank() {
    Lista l = lista();
    l.kurszaliczki = 4.1234;
    // With an account: 100 × 4.1234 = 412.34 in cash, the rest to the bank.
    Pozycja p = pozycja();
    p.zaliczkawaluta = 100;
    ZnacznikiPozycji z = przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.zaliczkapln, 412.34);
    QCOMPARE(p.rachunek, 5587.66); // 6000 − 412.34
    QCOMPARE(p.rachunek1, 5587.66);
    QCOMPARE(p.niepobranewkasie, "W");
    QVERIFY(!z.lbrakrachunku);

    // An advance larger than the amount due (2000 × 4.1234 > 6000) is dropped.
    Pozycja q = pozycja();
    q.zaliczkawaluta = 2000;
    przeliczpozycje(l, q, kHigiena);
    QCOMPARE(q.zaliczkawaluta, 0.0);
    QCOMPARE(q.zaliczkapln, 0.0);
    QCOMPARE(q.rachunek, 6000.0);
    QCOMPARE(q.niepobranewkasie, QString());

    // No account (blanks count as none): everything in cash; 6000 / 4.1234 = 1455.1098… → 1455.11
    Pozycja r = pozycja();
    r.nrachunek1 = "   ";
    r.zaliczkawaluta = 7;
    z = przeliczpozycje(l, r, kHigiena);
    QCOMPARE(r.zaliczkawaluta, 1455.11);
    QCOMPARE(r.zaliczkapln, 6000.0);
    QCOMPARE(r.rachunek, 0.0);
    QCOMPARE(r.rachunek1, 0.0);
    QCOMPARE(r.niepobranewkasie, "W");
    QVERIFY(z.lbrakrachunku);
}

void CalculationPayoutTest::accountSplitAndShortfall_data() {
    QTest::addColumn<QString>("flaga1");
    QTest::addColumn<QString>("flaga2");
    QTest::addColumn<double>("kurs");
    QTest::addColumn<double>("rachunek2");
    QTest::addColumn<double>("rachunek1");
    QTest::addColumn<double>("rachunek1bz");
    QTest::addColumn<double>("rachunek2po");
    // The banks get 6000 PLN in every row.
    QTest::newRow("no account 2, PLN") << "N"
                                       << "N" << 3.9 << 0.0 << 6000.0 << 6000.0 << 0.0;
    // 6000 / 3.9 = 1538.4615…
    QTest::newRow("no account 2, currency") << "T"
                                            << "N" << 3.9 << 0.0 << 1538.46 << 6000.0 / 3.9 << 0.0;
    QTest::newRow("flag other than N is currency")
        << ""
        << "N" << 3.9 << 0.0 << 1538.46 << 6000.0 / 3.9 << 0.0;
    // (6000 − 100 × 3.9) / 3.9 = 5610 / 3.9 = 1438.4615…
    QTest::newRow("both currency") << "T"
                                   << "T" << 3.9 << 100.0 << 1438.46 << 5610.0 / 3.9 << 100.0;
    // (6000 − 1000) / 3.9 = 1282.0512…
    QTest::newRow("1 currency, 2 PLN") << "T"
                                       << "N" << 3.9 << 1000.0 << 1282.05 << 5000.0 / 3.9 << 1000.0;
    // 100.05 × 3.9 = 390.195 → 390.20; 6000 − 390.20 = 5609.80; unrounded 5609.805
    QTest::newRow("1 PLN, 2 currency") << "N"
                                       << "T" << 3.9 << 100.05 << 5609.8 << 5609.805 << 100.05;
    QTest::newRow("both PLN") << "N"
                              << "N" << 3.9 << 1500.0 << 4500.0 << 4500.0 << 1500.0;
    // Shortfall: 6000 − 6500 = −500 moves to account 2.
    QTest::newRow("shortfall, both PLN") << "N"
                                         << "N" << 4.0 << 6500.0 << 0.0 << -500.0 << 6000.0;
    // (6000 − 1600 × 4) / 4 = −100 EUR; account 2: 1600 − 100 = 1500 EUR
    QTest::newRow("shortfall, both currency") << "T"
                                              << "T" << 4.0 << 1600.0 << 0.0 << -100.0 << 1500.0;
    // (6000 − 6400) / 4 = −100 EUR = −400 PLN; account 2: 6400 − 400 = 6000 PLN
    QTest::newRow("shortfall, 1 currency, 2 PLN")
        << "T"
        << "N" << 4.0 << 6400.0 << 0.0 << -100.0 << 6000.0;
    // 6000 − 1600 × 4 = −400 PLN = −100 EUR; account 2: 1600 − 100 = 1500 EUR
    QTest::newRow("shortfall, 1 PLN, 2 currency")
        << "N"
        << "T" << 4.0 << 1600.0 << 0.0 << -400.0 << 1500.0;
    // (6000 − 6100) / 3.9 = −25.641… → −25.64 EUR = −99.996 PLN; 6100 − 99.996 → 6000.00
    QTest::newRow("shortfall converted and rounded")
        << "T"
        << "N" << 3.9 << 6100.0 << 0.0 << -100.0 / 3.9 << 6000.0;
}

void CalculationPayoutTest::accountSplitAndShortfall() {
    QFETCH(QString, flaga1);
    QFETCH(QString, flaga2);
    QFETCH(double, kurs);
    QFETCH(double, rachunek2);
    QFETCH(double, rachunek1);
    QFETCH(double, rachunek1bz);
    QFETCH(double, rachunek2po);
    Lista l = lista();
    l.kursrach = kurs;
    Pozycja p = pozycja();
    p.rachunek1czywaluta = flaga1;
    p.rachunek2czywaluta = flaga2;
    p.rachunek2 = rachunek2;
    const ZnacznikiPozycji z = przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.rachunek, 6000.0);
    QCOMPARE(p.rachunek1, rachunek1);
    QCOMPARE(p.rachunek1bz, rachunek1bz);
    QCOMPARE(p.rachunek2, rachunek2po);
    QVERIFY(!z.wrachunek2);
    QCOMPARE(z.lrachunek1waluta, flaga1 == "N" ? "PLN" : "EUR");
    QCOMPARE(z.lrachunek2waluta, flaga2 == "N" ? "PLN" : "EUR");
    QCOMPARE(z.lrachunek2waluta_2, z.lrachunek2waluta);
    QCOMPARE(z.wrachunek1czywaluta, flaga1 == "T");
    QCOMPARE(z.wrachunek2czywaluta, flaga2 == "T");
}

void CalculationPayoutTest::marksAndCaptions() {
    Pozycja p = pozycja();
    ZnacznikiPozycji z = przeliczpozycje(lista(), p, kHigiena);
    QVERIFY(!z.wokres && !z.wrazem && !z.wdowyplaty && !z.wrachunek && !z.wrachunek2);
    QVERIFY(!z.wyrownanieujemne && !z.innezwiekszeniaujemne);

    // More already paid than due: total, amount due and bank amount all negative.
    Pozycja q = pozycja();
    q.innezmniejszenia = 7000;
    q.wyrownanie = -10;
    q.innezwiekszenia = -5;
    z = przeliczpozycje(lista(), q, kHigiena);
    QCOMPARE(q.razem, -1010.0);     // 6000 − 10 − 7000
    QCOMPARE(q.dowyplaty, -1005.0); // −1010 − (−5)
    QCOMPARE(q.rachunek, -1005.0);
    QCOMPARE(q.rachunek1, 0.0); // the shortfall went to account 2
    QCOMPARE(q.rachunek2, -1005.0);
    QVERIFY(z.wrazem && z.wdowyplaty && z.wrachunek);
    QVERIFY(z.wyrownanieujemne && z.innezwiekszeniaujemne);

    // Zero is marked as well.
    Pozycja r = pozycja();
    r.innezmniejszenia = 6000;
    z = przeliczpozycje(lista(), r, kHigiena);
    QVERIFY(z.wrazem && z.wdowyplaty && !z.wrachunek);
}

void CalculationPayoutTest::ratesThatCannotDivideAreRefused() {
    Lista l = lista();
    l.kurszaliczki = 0;
    Pozycja bezKonta = pozycja();
    bezKonta.nrachunek1.clear();
    QVERIFY_THROWS_EXCEPTION(VexaError, przeliczpozycje(l, bezKonta, kHigiena));
    Pozycja zKontem = pozycja(); // the cash rate only multiplies here
    przeliczpozycje(l, zKontem, kHigiena);
    QCOMPARE(zKontem.rachunek1, 6000.0);

    Lista m = lista();
    m.kursrach = 0;
    Pozycja waluta = pozycja();
    waluta.rachunek1czywaluta = "T";
    QVERIFY_THROWS_EXCEPTION(VexaError, przeliczpozycje(m, waluta, kHigiena));
    Pozycja pln = pozycja();
    przeliczpozycje(m, pln, kHigiena);
    QCOMPARE(pln.rachunek1, 6000.0);
    // Nothing to convert needs no rate: a position without account and with the default flags.
    Lista n = lista();
    n.kursrach = 0;
    Pozycja nic = pozycja();
    nic.nrachunek1.clear();
    nic.rachunek1czywaluta.clear();
    przeliczpozycje(n, nic, kHigiena);
    QCOMPARE(nic.rachunek1, 0.0);
}

void CalculationPayoutTest::shortCalculation() {
    Lista l = lista();
    l.typ = "D";
    l.rodzaj = "SH";
    l.kurszaliczki = 4.1234;
    Pozycja p = pozycja();
    p.iloscdni = 31;
    p.iloscdniwojna = 5;
    p.naleznosc = 6000;
    p.dodatekwojenny = 100;
    p.zwnaleznlekarz = 77; // not named by the short calculation: kept
    p.srhigieny = 95.54;
    p.rachunek1bz = 12.5;
    p.razem = 1000;
    p.innezwiekszenia = 100;
    p.zaliczkawaluta = 50;
    ZnacznikiPozycjiSkroconej z = przeliczpozycjeskrocona(l, p, kHigiena);
    QCOMPARE(p.iloscdni, std::optional<int>(0));
    QCOMPARE(p.iloscdniwojna, std::optional<int>(0));
    QCOMPARE(p.naleznosc, 0.0);
    QCOMPARE(p.dodatekwojenny, 0.0);
    QCOMPARE(p.zwnaleznlekarz, 77.0);
    QCOMPARE(p.srhigieny, 95.54);
    QCOMPARE(p.rachunek1bz, 12.5);
    QCOMPARE(p.razem, 1000.0);
    QCOMPARE(p.dowyplaty, 900.0);    // 1000 − 100, not rounded
    QCOMPARE(p.zaliczkapln, 206.17); // 50 × 4.1234
    QCOMPARE(p.rachunek, 693.83);    // 900 − 206.17
    QCOMPARE(p.rachunek1, 693.83);
    QCOMPARE(z.lbrakrachunku2, std::optional<bool>(false));
    QVERIFY(!z.wrazem_2 && !z.wrachunek_2 && !z.wrachunek2_2);
    QCOMPARE(z.lrachunek1waluta_4, "PLN");

    // Without account: 900 / 4.1234 = 218.266… → 218.27 in cash, 218.27 × 4.1234 = 900.0145… →
    // 900.01
    Pozycja q = p;
    q.nrachunek1.clear();
    z = przeliczpozycjeskrocona(l, q, kHigiena);
    QCOMPARE(q.zaliczkawaluta, 218.27);
    QCOMPARE(q.zaliczkapln, 900.01);
    QCOMPARE(q.rachunek, 0.0);
    QCOMPARE(z.lbrakrachunku2, std::optional<bool>(true));

    // Tax from the total, without exempt part: 1000 / 100 → 1000; 18 % → 180; 1000 − 180 = 820.
    Pozycja r = pozycja();
    r.razem = 1000;
    l.czy_podatek = "T";
    l.podatek_dieta = 30;
    l.podatek_kurs = 4.5;
    przeliczpozycjeskrocona(l, r, kHigiena);
    QCOMPARE(r.podatek_kwota_zwolniona, 0.0);
    QCOMPARE(r.podatek_podstawa_opodatkowania, 1000.0);
    QCOMPARE(r.podatek_zaliczka, 180.0);
    QCOMPARE(r.dowyplaty, 820.0);
    QCOMPARE(r.rachunek, 820.0);

    // Account 1 in currency: 820 / 4 = 205; no shortfall step on a short list.
    Pozycja s = r;
    s.rachunek1czywaluta = "T";
    przeliczpozycjeskrocona(l, s, kHigiena);
    QCOMPARE(s.rachunek1, 205.0);
    Pozycja t = r;
    t.rachunek2 = 1000;
    z = przeliczpozycjeskrocona(l, t, kHigiena);
    QCOMPARE(t.rachunek1, -180.0); // 820 − 1000, left negative
    QCOMPARE(t.rachunek2, 1000.0);
    QVERIFY(z.wrachunek2_2);
}

void CalculationPayoutTest::shortCalculationOfAdvances_data() {
    QTest::addColumn<int>("fokus");
    QTest::addColumn<double>("zaliczkawaluta");
    QTest::addColumn<double>("razemPo");
    QTest::addColumn<double>("zaliczkawalutaPo");
    QTest::addColumn<QString>("niepobrane");
    // Total 1000, advance 300 at 4.
    QTest::newRow("focus on the total: 1000 / 4 = 250")
        << int(FokusZk::Razem) << 300.0 << 1000.0 << 250.0 << "W";
    QTest::newRow("focus on the advance: 300 × 4 = 1200")
        << int(FokusZk::Zaliczka) << 300.0 << 1200.0 << 300.0 << "W";
    QTest::newRow("no focus: both as they are")
        << int(FokusZk::Brak) << 300.0 << 1000.0 << 300.0 << "W";
    QTest::newRow("no advance clears the collection flag")
        << int(FokusZk::Brak) << 0.0 << 1000.0 << 0.0 << "";
}

void CalculationPayoutTest::shortCalculationOfAdvances() {
    QFETCH(int, fokus);
    QFETCH(double, zaliczkawaluta);
    QFETCH(double, razemPo);
    QFETCH(double, zaliczkawalutaPo);
    QFETCH(QString, niepobrane);
    Lista l = lista();
    l.typ = "D";
    l.rodzaj = "ZK";
    Pozycja p = pozycja();
    p.razem = 1000;
    p.zaliczkawaluta = zaliczkawaluta;
    p.rachunek = 5;
    p.rachunek1 = 5;
    p.rachunek2 = 55;
    DaneNaliczenia d = kHigiena;
    d.fokus = FokusZk(fokus);
    const ZnacznikiPozycjiSkroconej z = przeliczpozycjeskrocona(l, p, d);
    QCOMPARE(p.razem, razemPo);
    QCOMPARE(p.zaliczkawaluta, zaliczkawalutaPo);
    QCOMPARE(p.zaliczkapln, razemPo);
    QCOMPARE(p.dowyplaty, 1000.0); // from the total before the change
    QCOMPARE(p.rachunek, 0.0);
    QCOMPARE(p.rachunek1, 0.0);
    QCOMPARE(p.rachunek2, 0.0);
    QCOMPARE(p.niepobranewkasie, niepobrane);
    QVERIFY(!z.lbrakrachunku2.has_value());
}

QTEST_GUILESS_MAIN(CalculationPayoutTest)
#include "calculation_payout_test.moc"
