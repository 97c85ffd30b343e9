#include "data/error.h"
#include "data/settings.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void missingKeyReadsEmptyAndCreatesNothing();
    void writeCreatesThenOverwritesCaseInsensitively();
    void valuesAreStoredAsTyped();
    void hundredthsRoundTrip_data();
    void hundredthsRoundTrip();
    void hundredthsRefuseTextThatIsNotAWholeNumber();
};

void SettingsTest::missingKeyReadsEmptyAndCreatesNothing() {
    TestDb t;
    QCOMPARE(Odczyt(t.db(), "HASLO"), QString());
    QCOMPARE(t.db().scalar("select count(*) from dane").toInt(), 1);
    QCOMPARE(Odczyt(t.db(), "dane"), "N");
}

void SettingsTest::writeCreatesThenOverwritesCaseInsensitively() {
    TestDb t;
    Zapis(t.db(), "NAZWA1", "JEDNOSTKA WOJSKOWA");
    QCOMPARE(Odczyt(t.db(), "nazwa1"), "JEDNOSTKA WOJSKOWA");
    Zapis(t.db(), "Nazwa1", "INNA");
    QCOMPARE(Odczyt(t.db(), "NAZWA1"), "INNA");
    QCOMPARE(t.db().scalar("select count(*) from dane where kod = 'NAZWA1'").toInt(), 1);
    Zapis(t.db(), "ŻOŁD", "1");
    QCOMPARE(Odczyt(t.db(), "żołd"), "1");
}

void SettingsTest::valuesAreStoredAsTyped() {
    TestDb t;
    Zapis(t.db(), "POSIADACZ", "  JW 'GROM'???UL. ŁĄKOWA  ");
    QCOMPARE(Odczyt(t.db(), "POSIADACZ"), "  JW 'GROM'???UL. ŁĄKOWA  ");
    Zapis(t.db(), "POSIADACZ", "");
    QCOMPARE(Odczyt(t.db(), "POSIADACZ"), QString());
}

void SettingsTest::hundredthsRoundTrip_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("readBack");
    QTest::newRow("costs") << 111.25 << "11125" << 111.25;
    QTest::newRow("zero") << 0.0 << "0" << 0.0;
    QTest::newRow("negative") << -3.5 << "-350" << -3.5;
    QTest::newRow("half to even down") << 0.125 << "12" << 0.12;
    QTest::newRow("half to even up") << 0.375 << "38" << 0.38;
    QTest::newRow("base pay") << 4560.0 << "456000" << 4560.0;
}

void SettingsTest::hundredthsRoundTrip() {
    QFETCH(double, value);
    QFETCH(QString, stored);
    QFETCH(double, readBack);
    TestDb t;
    ZapisSetne(t.db(), "KOSZTY", value);
    QCOMPARE(Odczyt(t.db(), "KOSZTY"), stored);
    QCOMPARE(OdczytSetne(t.db(), "KOSZTY"), readBack);
}

void SettingsTest::hundredthsRefuseTextThatIsNotAWholeNumber() {
    TestDb t;
    QCOMPARE(OdczytSetne(t.db(), "UPOSAZENIE"), 0.0); // missing
    Zapis(t.db(), "UPOSAZENIE", "");
    QCOMPARE(OdczytSetne(t.db(), "UPOSAZENIE"), 0.0); // empty
    Zapis(t.db(), "UPOSAZENIE", "12.5");
    QVERIFY_THROWS_EXCEPTION(VexaError, OdczytSetne(t.db(), "UPOSAZENIE"));
    Zapis(t.db(), "UPOSAZENIE", "abc");
    QVERIFY_THROWS_EXCEPTION(VexaError, OdczytSetne(t.db(), "UPOSAZENIE"));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
