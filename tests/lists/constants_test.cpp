#include "data/error.h"
#include "data/settings.h"
#include "lists/constants.h"
#include "lists/records.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

DaneDoNaliczen wypelnione() {
    DaneDoNaliczen d;
    d.uposazenie = 4560;
    d.zwnalmon = 10;
    d.dodwojenny = 1.25;
    d.dodwojenny2 = 2;
    d.dodwojenny3 = 2.5;
    d.rozm = 0.5;
    d.srhigienym = 95.54;
    d.srhigienyk = 96.09;
    d.walutazaliczki = "USD";
    d.walutarachunek = "EUR";
    d.podatekproc = 18;
    for (int i = 0; i < 12; ++i)
        d.nominaly[i] = 100.0 / (i + 1);
    return d;
}

QStringList kody(Database& db) {
    QStringList out;
    QSqlQuery q = db.exec("select kod from dane where kod <> 'DANE' order by rowid");
    while (q.next())
        out << q.value(0).toString();
    return out;
}

} // namespace

class ConstantsTest : public QObject {
    Q_OBJECT
private slots:
    void freshDatabaseReadsZerosAndEmptyCurrencies();
    void emptyCashCurrencyIsRefusedAndNothingStored();
    void storedInOrderAsHundredthsAndReadBack();
    void hundredths_data();
    void hundredths();
    void blankBankCurrencyBecomesPln();
    void storedTextThatIsNotHundredthsStopsReading();
    void currentHygieneRatesForTheCalculation();
    void multipliersByNameAndTheirUpdate();
};

void ConstantsTest::freshDatabaseReadsZerosAndEmptyCurrencies() {
    TestDb t;
    const DaneDoNaliczen d = WczytajDaneDoNaliczen(t.db());
    QCOMPARE(d.uposazenie, 0.0);
    QCOMPARE(d.srhigienyk, 0.0);
    QCOMPARE(d.podatekproc, 0.0);
    QCOMPARE(d.nominaly[11], 0.0);
    QCOMPARE(d.walutazaliczki, QString());
    QCOMPARE(d.walutarachunek, QString());
    QCOMPARE(kody(t.db()), QStringList()); // reading creates nothing
}

void ConstantsTest::emptyCashCurrencyIsRefusedAndNothingStored() {
    TestDb t;
    for (const char* waluta : {"", "   "}) {
        DaneDoNaliczen d = wypelnione();
        d.walutazaliczki = waluta;
        QString blad;
        QVERIFY(!ZapiszDaneDoNaliczen(t.db(), d, &blad));
        QCOMPARE(blad, "Wprowadź skrót waluty dla wypłacanej zaliczki!");
        QCOMPARE(SprawdzDaneDoNaliczen(d), blad);
    }
    QCOMPARE(kody(t.db()), QStringList());
}

void ConstantsTest::storedInOrderAsHundredthsAndReadBack() {
    TestDb t;
    Lista istniejaca;
    istniejaca.miesiacrok = "03/2027";
    istniejaca.uposazenie = 4000;
    istniejaca.srhigienym = 90;
    ZapisRekordow<Lista>(t.db(), "lista", Lista::kolumny(), ZapisRekordow<Lista>::Wstaw)
        .zapisz(istniejaca);
    DaneDoNaliczen d = wypelnione();
    QString blad = "x";
    QVERIFY(ZapiszDaneDoNaliczen(t.db(), d, &blad));
    QVERIFY(blad.isEmpty());
    QCOMPARE(kody(t.db()), (QStringList{"UPOSAZENIE",
                                        "ZWNALMON",
                                        "DODWOJENNY",
                                        "DODWOJENNY2",
                                        "DODWOJENNY3",
                                        "SRHIGIENYM",
                                        "SRHIGIENYK",
                                        "ROZM",
                                        "WALUTAZALICZKI",
                                        "WALUTARACHUNEK",
                                        "PODATEKPROC",
                                        "N1",
                                        "N2",
                                        "N3",
                                        "N4",
                                        "N5",
                                        "N6",
                                        "N7",
                                        "N8",
                                        "N9",
                                        "N10",
                                        "N11",
                                        "N12"}));
    QCOMPARE(Odczyt(t.db(), "UPOSAZENIE"), "456000");
    QCOMPARE(Odczyt(t.db(), "DODWOJENNY"), "125");
    QCOMPARE(Odczyt(t.db(), "SRHIGIENYK"), "9609");
    QCOMPARE(Odczyt(t.db(), "WALUTARACHUNEK"), "EUR");
    QCOMPARE(Odczyt(t.db(), "N3"), "3333"); // 33.333… → 3333 hundredths

    const DaneDoNaliczen back = WczytajDaneDoNaliczen(t.db());
    QCOMPARE(back.uposazenie, 4560.0);
    QCOMPARE(back.rozm, 0.5);
    QCOMPARE(back.walutazaliczki, "USD");
    QCOMPARE(back.nominaly[2], 33.33);

    // A second store overwrites the same keys.
    d.uposazenie = 5000;
    QVERIFY(ZapiszDaneDoNaliczen(t.db(), d));
    QCOMPARE(Odczyt(t.db(), "UPOSAZENIE"), "500000");
    QCOMPARE(kody(t.db()).size(), 23);
    // Lists keep the rates they were made with.
    QCOMPARE(t.db().scalar("select uposazenie from lista").toDouble(), 4000.0);
    QCOMPARE(t.db().scalar("select srhigienym from lista").toDouble(), 90.0);
}

void ConstantsTest::hundredths_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("half to even, down") << 0.125 << "12";
    QTest::newRow("half to even, up") << 0.375 << "38";
    QTest::newRow("negative half to even") << -0.125 << "-12";
    QTest::newRow("negative") << -1.5 << "-150";
    QTest::newRow("beyond two decimals") << 12.3456 << "1235";
}

void ConstantsTest::hundredths() {
    QFETCH(double, value);
    QFETCH(QString, stored);
    TestDb t;
    DaneDoNaliczen d = wypelnione();
    d.uposazenie = value;
    d.nominaly[5] = value;
    QVERIFY(ZapiszDaneDoNaliczen(t.db(), d));
    QCOMPARE(Odczyt(t.db(), "UPOSAZENIE"), stored);
    QCOMPARE(Odczyt(t.db(), "N6"), stored);
}

void ConstantsTest::blankBankCurrencyBecomesPln() {
    for (const char* blank : {"", "  "}) {
        TestDb t;
        DaneDoNaliczen d = wypelnione();
        d.walutarachunek = blank;
        QVERIFY(ZapiszDaneDoNaliczen(t.db(), d));
        QCOMPARE(d.walutarachunek, "PLN");
        QCOMPARE(Odczyt(t.db(), "WALUTARACHUNEK"), "PLN");
    }
    // A currency is stored as typed.
    TestDb t;
    DaneDoNaliczen d = wypelnione();
    d.walutazaliczki = "usd ";
    QVERIFY(ZapiszDaneDoNaliczen(t.db(), d));
    QCOMPARE(Odczyt(t.db(), "WALUTAZALICZKI"), "usd ");
}

void ConstantsTest::storedTextThatIsNotHundredthsStopsReading() {
    TestDb t;
    Zapis(t.db(), "ZWNALMON", "10,5");
    QVERIFY_THROWS_EXCEPTION(VexaError, WczytajDaneDoNaliczen(t.db()));
}

void ConstantsTest::currentHygieneRatesForTheCalculation() {
    TestDb t;
    Zapis(t.db(), "SRHIGIENYM", "9554");
    Zapis(t.db(), "SRHIGIENYK", "9609");
    const DaneNaliczenia d = BiezaceDaneNaliczenia(t.db());
    QCOMPARE(d.srhigienym, 95.54);
    QCOMPARE(d.srhigienyk, 96.09);
    QCOMPARE(int(d.fokus), int(FokusZk::Brak));
}

void ConstantsTest::multipliersByNameAndTheirUpdate() {
    TestDb t;
    t.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('płk', 'pułkownik', 3.25)");
    t.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'kapral', 1.45)");
    t.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('ppor.', 'Podporucznik', 2)");
    QList<MnoznikStopnia> s = MnoznikiStopni(t.db());
    QCOMPARE(s.size(), 3);
    QCOMPARE(s[0].skrot, "kpr."); // kapral, Podporucznik, pułkownik: case-insensitive order
    QCOMPARE(s[1].skrot, "ppor.");
    QCOMPARE(s[2].mnoznik, 3.25);
    ZapiszMnoznik(t.db(), s[0].id, 1.5);
    s = MnoznikiStopni(t.db());
    QCOMPARE(s[0].mnoznik, 1.5);
    QCOMPARE(s[2].mnoznik, 3.25);
}

QTEST_GUILESS_MAIN(ConstantsTest)
#include "constants_test.moc"
