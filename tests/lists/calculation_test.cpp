#include "calculation_fixtures.h"
#include "support/distinct_amounts.h"
#include "data/error.h"

#include <QtTest>

using namespace vexa;
using namespace vexa::testy;

// Day counts, allowance, increases, supplements, leave reduction and hygiene.
class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void entitlementDaysInTheMonth_data();
    void entitlementDaysInTheMonth();
    void monthTextThatIsNotAMonthIsRefused();
    void monthlyOrDailyRates_data();
    void monthlyOrDailyRates();
    void derivedCountsFillOnlyNullCounts();
    void warDayControl_data();
    void warDayControl();
    void leaveReductionAndExactHalves();
    void hygieneEquivalent_data();
    void hygieneEquivalent();
    void manualHygieneIsKeptAndJoinsTheTotal();
    void everyPartHasItsOwnAmount();
};

void CalculationTest::entitlementDaysInTheMonth_data() {
    QTest::addColumn<QString>("miesiacrok");
    QTest::addColumn<QDate>("nabycie");
    QTest::addColumn<QDate>("utrata");
    QTest::addColumn<int>("expected");
    const QDate dawno(2020, 1, 1);
    QTest::newRow("31-day month") << "03/2027" << dawno << DATA_BEZ_KONCA << 31;
    QTest::newRow("February non-leap") << "02/2027" << dawno << DATA_BEZ_KONCA << 28;
    QTest::newRow("February leap") << "02/2028" << dawno << DATA_BEZ_KONCA << 29;
    QTest::newRow("30-day month") << "04/2027" << dawno << DATA_BEZ_KONCA << 30;
    // 10..30 April inclusive = 21
    QTest::newRow("start on the 10th") << "04/2027" << QDate(2027, 4, 10) << DATA_BEZ_KONCA << 21;
    QTest::newRow("start on the first") << "04/2027" << QDate(2027, 4, 1) << DATA_BEZ_KONCA << 30;
    // 1..15 March = 15
    QTest::newRow("lost on the 15th") << "03/2027" << dawno << QDate(2027, 3, 15) << 15;
    // 5..20 March = 16
    QTest::newRow("both inside") << "03/2027" << QDate(2027, 3, 5) << QDate(2027, 3, 20) << 16;
    QTest::newRow("one day") << "03/2027" << QDate(2027, 3, 31) << QDate(2027, 3, 31) << 1;
    // Each edge of the month on both sides: lost the day before it or on its first day,
    // acquired on its last day or the day after.
    QTest::newRow("lost on the first") << "03/2027" << dawno << QDate(2027, 3, 1) << 1;
    QTest::newRow("acquired on the last day") << "03/2027" << QDate(2027, 3, 31) << DATA_BEZ_KONCA
                                              << 1;
    QTest::newRow("both before") << "03/2027" << dawno << QDate(2027, 2, 28) << 0;
    QTest::newRow("both after") << "03/2027" << QDate(2027, 4, 1) << DATA_BEZ_KONCA << 0;
    QTest::newRow("no acquisition date") << "03/2027" << QDate() << DATA_BEZ_KONCA << 31;
    QTest::newRow("no loss date") << "03/2027" << dawno << QDate() << 0;
    QTest::newRow("two-digit year") << "02/28" << dawno << DATA_BEZ_KONCA << 29;
}

void CalculationTest::entitlementDaysInTheMonth() {
    QFETCH(QString, miesiacrok);
    QFETCH(QDate, nabycie);
    QFETCH(QDate, utrata);
    QFETCH(int, expected);
    QCOMPARE(dniokresu(miesiacrok, nabycie, utrata), expected);
}

void CalculationTest::monthTextThatIsNotAMonthIsRefused() {
    for (const char* bad : {"13/2027", "00/2027", "ab/2027", "03/", ""})
        QVERIFY_THROWS_EXCEPTION(VexaError, dniokresu(bad, QDate(2020, 1, 1), DATA_BEZ_KONCA));
    Lista l = lista("3/2027x");
    Pozycja p = pozycja();
    QVERIFY_THROWS_EXCEPTION(VexaError, przeliczpozycje(l, p, kHigiena));
}

void CalculationTest::monthlyOrDailyRates_data() {
    QTest::addColumn<QString>("miesiacrok");
    QTest::addColumn<int>("iloscdni"); // -1: null, derived from the dates
    QTest::addColumn<QDate>("nabycie");
    QTest::addColumn<double>("naleznosc");
    QTest::addColumn<double>("lekarz");
    QTest::addColumn<double>("mon");
    // Base pay 4571, multiplier 2.33, doctor 140 %, MON 10 %; no daily rate is a thirtieth of
    // its monthly amount to the grosz, so 30 days paid by the day would show:
    //   monthly 4571 × 2.33 = 10650.43, daily 355.0143… → 355.01 (× 30 = 10650.30)
    //   doctor monthly 4571 × 1.4 = 6399.40, daily 213.3133… → 213.31 (× 30 = 6399.30)
    //   MON monthly 457.10, daily 15.2366… → 15.24 (× 30 = 457.20)
    const QDate dawno(2020, 1, 1);
    QTest::newRow("Feb non-leap 28 days: monthly")
        << "02/2027" << 28 << dawno << 10650.43 << 6399.4 << 457.1;
    // 29 × 355.01 = 10295.29; 29 × 213.31 = 6185.99; 29 × 15.24 = 441.96
    QTest::newRow("Feb non-leap 29 days: daily")
        << "02/2027" << 29 << dawno << 10295.29 << 6185.99 << 441.96;
    QTest::newRow("Feb leap 29 days: monthly")
        << "02/2028" << 29 << dawno << 10650.43 << 6399.4 << 457.1;
    // 28 × 355.01 = 9940.28; 28 × 213.31 = 5972.68; 28 × 15.24 = 426.72
    QTest::newRow("Feb leap 28 days: daily")
        << "02/2028" << 28 << dawno << 9940.28 << 5972.68 << 426.72;
    QTest::newRow("31-day month, 30 days: monthly")
        << "03/2027" << 30 << dawno << 10650.43 << 6399.4 << 457.1;
    QTest::newRow("31-day month, 31 days: monthly")
        << "03/2027" << 31 << dawno << 10650.43 << 6399.4 << 457.1;
    // 29 of 31 days: 29 × the daily rates, as above
    QTest::newRow("31-day month, 29 days: daily")
        << "03/2027" << 29 << dawno << 10295.29 << 6185.99 << 441.96;
    // 21 × 355.01 = 7455.21; 21 × 213.31 = 4479.51; 21 × 15.24 = 320.04
    QTest::newRow("from the 10th of April, derived")
        << "04/2027" << -1 << QDate(2027, 4, 10) << 7455.21 << 4479.51 << 320.04;
    QTest::newRow("no days") << "03/2027" << 0 << dawno << 0.0 << 0.0 << 0.0;
}

void CalculationTest::monthlyOrDailyRates() {
    QFETCH(QString, miesiacrok);
    QFETCH(int, iloscdni);
    QFETCH(QDate, nabycie);
    QFETCH(double, naleznosc);
    QFETCH(double, lekarz);
    QFETCH(double, mon);
    Lista l = lista(miesiacrok);
    l.uposazenie = 4571;
    l.zwnaleznmon = 10;
    Pozycja p = pozycja();
    p.mnoznik = 2.33;
    p.zwnaleznlekarzproc = 140;
    p.datanabycia = nabycie;
    p.iloscdni = dni(iloscdni);
    p.iloscdnizwmon = dni(iloscdni);
    przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.naleznosc, naleznosc);
    QCOMPARE(p.zwnaleznlekarz, lekarz);
    QCOMPARE(p.zwnaleznmon, mon);
    QCOMPARE(p.razem, naleznosc + lekarz + mon);
}

void CalculationTest::derivedCountsFillOnlyNullCounts() {
    Lista l = lista();
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 1.25;
    Pozycja p = pozycja();
    p.dni_wolne_u = 3;
    p.dni_wolne_w = 4; // leave in the contingent does not shorten the war days
    p.dni_wolne_p = 2;
    przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.iloscdni, std::optional<int>(31));
    QCOMPARE(p.iloscdnizwmon, std::optional<int>(31));
    QCOMPARE(p.iloscdniwojna, std::optional<int>(26)); // 31 − 3 − 2
    QCOMPARE(p.iloscdniwojna2, std::optional<int>(0));
    QCOMPARE(p.iloscdnirozm, std::optional<int>(0));
    QCOMPARE(p.dodatekwojenny, 975.0); // 26 × (1.25 % × 3000 = 37.50)

    // Without the list's war flag, or with rate I at 0, a null count becomes 0 ...
    Pozycja q = pozycja();
    l.czy_dod_wojenny = "N";
    przeliczpozycje(l, q, kHigiena);
    QCOMPARE(q.iloscdniwojna, std::optional<int>(0));
    Pozycja r = pozycja();
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 0;
    przeliczpozycje(l, r, kHigiena);
    QCOMPARE(r.iloscdniwojna, std::optional<int>(0));
    // ... but a count already on the position is kept, as are typed entitlement days.
    Pozycja s = pozycja();
    s.iloscdniwojna = 7;
    s.iloscdni = 12;
    przeliczpozycje(l, s, kHigiena);
    QCOMPARE(s.iloscdniwojna, std::optional<int>(7));
    QCOMPARE(s.iloscdni, std::optional<int>(12));
    QCOMPARE(s.dodatekwojenny, 0.0); // 7 days at a rate of 0

    // A position without PESEL has no entitlement days.
    Pozycja t = pozycja();
    t.pesel.clear();
    przeliczpozycje(lista(), t, kHigiena);
    QCOMPARE(t.iloscdni, std::optional<int>(0));
    QCOMPARE(t.naleznosc, 0.0);
}

void CalculationTest::warDayControl_data() {
    QTest::addColumn<QString>("kddw");
    QTest::addColumn<int>("iloscdni");
    QTest::addColumn<QList<int>>("in");  // I, II, III, de-mining
    QTest::addColumn<QList<int>>("out"); // I, II, III, de-mining
    QTest::newRow("15/10/5 with 20 days")
        << "T" << 20 << QList<int>{15, 10, 5, 0} << QList<int>{5, 10, 5, 0};
    QTest::newRow("10/10/10 with 15 days")
        << "T" << 15 << QList<int>{10, 10, 10, 0} << QList<int>{0, 5, 10, 0};
    QTest::newRow("above the entitled days")
        << "T" << 20 << QList<int>{25, 0, 0, 0} << QList<int>{20, 0, 0, 0};
    QTest::newRow("negative raised to 0")
        << "T" << 20 << QList<int>{-3, 4, 0, 0} << QList<int>{0, 4, 0, 0};
    // De-mining is capped at the controlled count (20) ...
    QTest::newRow("de-mining capped by control")
        << "T" << 20 << QList<int>{0, 0, 0, 25} << QList<int>{0, 0, 0, 20};
    // ... and without control at the month's days (31), not at the typed 20.
    QTest::newRow("no control: counts as typed")
        << "N" << 20 << QList<int>{15, 10, -2, 25} << QList<int>{15, 10, -2, 25};
    QTest::newRow("no control: de-mining above the month")
        << "N" << 20 << QList<int>{0, 0, 0, 40} << QList<int>{0, 0, 0, 31};
}

void CalculationTest::warDayControl() {
    QFETCH(QString, kddw);
    QFETCH(int, iloscdni);
    QFETCH(QList<int>, in);
    QFETCH(QList<int>, out);
    Lista l = lista();
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 1.25; // 37.50 a day
    l.dodatekwojenny2 = 2;   // 60 a day
    l.dodatekwojenny3 = 2.5; // 75 a day
    l.rozm = 0.5;            // 15 a day
    Pozycja p = pozycja();
    p.kddw = kddw;
    p.iloscdni = iloscdni;
    p.iloscdniwojna = in[0];
    p.iloscdniwojna2 = in[1];
    p.iloscdniwojna3 = in[2];
    p.iloscdnirozm = in[3];
    const ZnacznikiPozycji z = przeliczpozycje(l, p, kHigiena);
    QCOMPARE((QList<int>{*p.iloscdniwojna, *p.iloscdniwojna2, *p.iloscdniwojna3, *p.iloscdnirozm}),
             out);
    QCOMPARE(p.dodatekwojenny, out[0] * 37.5);
    QCOMPARE(p.dodatekwojenny2, out[1] * 60.0);
    QCOMPARE(p.dodatekwojenny3, out[2] * 75.0);
    QCOMPARE(p.rozm, out[3] * 15.0);
    // Typed days differing from the month's 31 are marked only without the control.
    QCOMPARE(z.wiloscdni, kddw != "T");
    QCOMPARE(z.wokres, kddw != "T");
}

void CalculationTest::leaveReductionAndExactHalves() {
    Lista l = lista();
    l.uposazenie = 4567;
    l.zwnaleznmon = 10;
    Pozycja p = pozycja();
    p.zwnaleznlekarzproc = 150;
    p.dni_wolne_u = 2;
    p.dni_wolne_w = 1;
    p.dni_wolne_p = 5; // travel does not reduce
    przeliczpozycje(l, p, kHigiena);
    // B = 4567 × 2 = 9134, /30 = 304.4666… → 304.47; D = 150 % × 4567 = 6850.50, /30 = 228.35;
    // Z = 456.70, /30 = 15.2233… → 15.22. L = 3: 913.41 + 685.05 + 45.66 = 1644.12
    QCOMPARE(p.zmniejszenie_urlop, 1644.12);
    // 9134 + 6850.50 + 456.70 − 1644.12 = 14797.08
    QCOMPARE(p.razem, 14797.08);

    // A value on exactly half a grosz goes up, a negative one towards zero.
    Lista m = lista();
    m.uposazenie = 3003.75; // × 1 / 30 = 100.125 → 100.13
    Pozycja q = pozycja();
    q.mnoznik = 1;
    q.dni_wolne_u = 1;
    przeliczpozycje(m, q, kHigiena);
    QCOMPARE(q.zmniejszenie_urlop, 100.13);
    for (const auto& [minus, dowyplaty] : {std::pair{5999.875, 0.13}, std::pair{6000.125, -0.12}}) {
        Pozycja r = pozycja();
        r.innezmniejszenia = minus; // razem = 6000 − minus = ±0.125 exactly
        przeliczpozycje(lista(), r, kHigiena);
        QCOMPARE(r.dowyplaty, dowyplaty);
    }
}

void CalculationTest::hygieneEquivalent_data() {
    QTest::addColumn<QString>("miesiacrok");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("pesel");
    QTest::addColumn<QDate>("nabycie");
    QTest::addColumn<QDate>("utrata");
    QTest::addColumn<double>("expected");
    // Settings: men 95.54, women 96.09; the position's current amount is 80.
    const QDate dawno(2010, 1, 1);
    QTest::newRow("May 2012 keeps the current amount")
        << "05/2012" << 31 << MEZCZYZNA << dawno << DATA_BEZ_KONCA << 80.0;
    QTest::newRow("2011, lost on an earlier day of the month than acquired")
        << "03/2011" << 10 << MEZCZYZNA << QDate(2010, 1, 20) << QDate(2011, 3, 10) << 0.0;
    QTest::newRow("2011, lost on a later day of the month")
        << "03/2011" << 10 << MEZCZYZNA << QDate(2010, 1, 5) << QDate(2011, 3, 10) << 80.0;
    QTest::newRow("July 2012, man, 16 days")
        << "07/2012" << 16 << MEZCZYZNA << dawno << DATA_BEZ_KONCA << 95.54;
    // 95.54 / 2 = 47.77
    QTest::newRow("July 2012, man, 15 days")
        << "07/2012" << 15 << MEZCZYZNA << dawno << DATA_BEZ_KONCA << 47.77;
    // 96.09 / 2 = 48.045 → 48.05
    QTest::newRow("2027, woman, 15 days")
        << "03/2027" << 15 << KOBIETA << dawno << DATA_BEZ_KONCA << 48.05;
    QTest::newRow("2027, woman, 31 days")
        << "03/2027" << 31 << KOBIETA << dawno << DATA_BEZ_KONCA << 96.09;
    QTest::newRow("short PESEL") << "03/2027" << 31 << "800101123" << dawno << DATA_BEZ_KONCA
                                 << 0.0;
    QTest::newRow("empty PESEL") << "03/2027" << 31 << "" << dawno << DATA_BEZ_KONCA << 0.0;
    QTest::newRow("June 2012, acquired on 1 June")
        << "06/2012" << 30 << MEZCZYZNA << QDate(2012, 6, 1) << DATA_BEZ_KONCA << 95.54;
    QTest::newRow("June 2012, acquired 1 May: k = 0")
        << "06/2012" << 30 << MEZCZYZNA << QDate(2012, 5, 1) << DATA_BEZ_KONCA << 95.54;
    // k = 10: 10 × 95.54 / 30 = 31.8466… → 31.85; 95.54 − 31.85 = 63.69
    QTest::newRow("June 2012, man acquired 11 May")
        << "06/2012" << 30 << MEZCZYZNA << QDate(2012, 5, 11) << DATA_BEZ_KONCA << 63.69;
    // k = 4: 4 × 96.09 / 30 = 12.812 → 12.81; 96.09 − 12.81 = 83.28
    QTest::newRow("June 2012, woman acquired 5 April")
        << "06/2012" << 20 << KOBIETA << QDate(2012, 4, 5) << DATA_BEZ_KONCA << 83.28;
    // half 48.05 − (15 × 3.203 = 48.045 → 48.05) = 0
    QTest::newRow("June 2012, woman, half used up")
        << "06/2012" << 15 << KOBIETA << QDate(2012, 5, 16) << DATA_BEZ_KONCA << 0.0;
    // 47.77 − (30 × 95.54 / 30 = 95.54) < 0 → 0
    QTest::newRow("June 2012, negative becomes 0")
        << "06/2012" << 10 << MEZCZYZNA << QDate(2012, 5, 31) << DATA_BEZ_KONCA << 0.0;
}

void CalculationTest::hygieneEquivalent() {
    QFETCH(QString, miesiacrok);
    QFETCH(int, d);
    QFETCH(QString, pesel);
    QFETCH(QDate, nabycie);
    QFETCH(QDate, utrata);
    QFETCH(double, expected);
    QCOMPARE(ekwiwalenthigieny(miesiacrok, d, pesel, 80.0, utrata, nabycie, kHigiena), expected);
}

void CalculationTest::manualHygieneIsKeptAndJoinsTheTotal() {
    Lista l = lista();
    l.osobnosrhigieny = "N";
    Pozycja p = pozycja();
    p.czyzmianasrhigieny = "T";
    p.srhigieny = 123.45;
    przeliczpozycje(l, p, kHigiena);
    przeliczpozycje(l, p, kHigiena);
    QCOMPARE(p.srhigieny, 123.45);
    QCOMPARE(p.razem, 6123.45); // 3000 × 2 + 123.45
    QCOMPARE(p.dowyplaty, 6123.45);

    Pozycja q = pozycja();
    q.srhigieny = 123.45; // not kept: the settings decide
    przeliczpozycje(l, q, kHigiena);
    QCOMPARE(q.srhigieny, 95.54);
    l.osobnosrhigieny = "T"; // paid separately: not in the total
    przeliczpozycje(l, q, kHigiena);
    QCOMPARE(q.razem, 6000.0);
}

void CalculationTest::everyPartHasItsOwnAmount() {
    // Every part of the total its own amount, so that a part taken twice, left out or taken
    // from another column shows: 10 days of March at base pay 4567, multiplier 2.
    Lista l = lista();
    l.uposazenie = 4567;
    l.zwnaleznmon = 10;
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 1.25;
    l.dodatekwojenny2 = 2;
    l.dodatekwojenny3 = 2.5;
    l.rozm = 0.5;
    l.osobnosrhigieny = "N";
    l.kurszaliczki = 4.1234;
    l.kursrach = 3.9;
    Pozycja p = pozycja();
    testy::RozneKwoty(p); // wyrownanie 12.23, innezmniejszenia 13.25, innezwiekszenia 14.27,
                          // skladkizus 15.29, zaliczkawaluta 22.43, rachunek2 27.53
    p.iloscdni = 10;
    p.iloscdnizwmon = 10;
    p.iloscdniwojna = 3;
    p.iloscdniwojna2 = 4;
    p.iloscdniwojna3 = 5;
    p.iloscdnirozm = 6;
    p.zwnaleznlekarzproc = 150;
    p.zwnaleznpkwproc = 7;
    p.dni_wolne_u = 1;
    przeliczpozycje(l, p, kHigiena);
    // Days × the daily rate rounded first: 9134 / 30 = 304.4666… → 304.47, × 10.
    QCOMPARE(p.naleznosc, 3044.7);
    QCOMPARE(p.zwnaleznlekarz, 2283.5); // 6850.50 / 30 = 228.35, × 10
    QCOMPARE(p.zwnaleznmon, 152.2);     // 456.70 / 30 = 15.2233… → 15.22, × 10
    QCOMPARE(p.zwnaleznpkw, 319.69);    // 7 % of 4567
    QCOMPARE(p.dodatekwojenny, 171.2625); // 3 × 57.0875
    QCOMPARE(p.dodatekwojenny2, 365.36);  // 4 × 91.34
    QCOMPARE(p.dodatekwojenny3, 570.875); // 5 × 114.175
    QCOMPARE(p.rozm, 137.01);             // 6 × 22.835
    QCOMPARE(p.zmniejszenie_urlop, 548.04); // 304.47 + 228.35 + 15.22
    QCOMPARE(p.srhigieny, 47.77);           // half of 95.54 for fewer than 16 days
    // 3044.70 + 2283.50 + 152.20 + 319.69 + 171.2625 + 365.36 + 570.875 + 137.01 + 12.23
    // − 13.25 − 548.04 + 47.77
    QCOMPARE(p.razem, 6543.3075);
    QCOMPARE(p.dowyplaty, 6513.75); // 6543.3075 − 15.29 − 14.27 → 6513.7475
    // Cash at the cash-desk rate: 22.43 × 4.1234 = 92.4878… → 92.49; the rest to the banks,
    // account 2 (PLN) keeps 27.53.
    QCOMPARE(p.zaliczkapln, 92.49);
    QCOMPARE(p.rachunek, 6421.26);
    QCOMPARE(p.rachunek1, 6393.73);
    QCOMPARE(p.rachunek2, 27.53);
}

QTEST_GUILESS_MAIN(CalculationTest)
#include "calculation_test.moc"
