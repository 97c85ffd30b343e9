// The values of the exchange files at their edges: numbers a file cannot carry are refused on
// writing (naming row and column) and on reading, never wrapped; a character Windows-1250
// lacks is refused naming where it stands.
#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/exchange_values.h"

#include <QtTest>

#include <limits>

using namespace vexa;

class ExchangeValuesTest : public QObject {
    Q_OBJECT
private slots:
    void numbersWithinTheLimitOnly();
    void numbersToTheMillionth_data();
    void numbersToTheMillionth();
    void datesAndLines();
    void aRowNamesWhatItRefuses();
    void theFirstCharacterOutsideTheCodePage();
};

void ExchangeValuesTest::numbersWithinTheLimitOnly() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    QVERIFY(LiczbaMiesciSieWPliku(9.2e12));
    QVERIFY(LiczbaMiesciSieWPliku(-9.2e12));
    QVERIFY(LiczbaMiesciSieWPliku(0.000001));
    QVERIFY(!LiczbaMiesciSieWPliku(std::nextafter(9.2e12, inf)));
    QVERIFY(!LiczbaMiesciSieWPliku(std::nextafter(-9.2e12, -inf)));
    QVERIFY(!LiczbaMiesciSieWPliku(inf));
    QVERIFY(!LiczbaMiesciSieWPliku(-inf));
    QVERIFY(!LiczbaMiesciSieWPliku(std::numeric_limits<double>::quiet_NaN()));
    QCOMPARE(WartoscDoPliku(-9.2e12, TypKolumny::Liczba), "-9200000000000000000");
    QCOMPARE(WartoscDoPliku(1234.5, TypKolumny::Liczba), "1234500000");

    bool ok = false;
    QCOMPARE(WartoscZPliku("9200000000000000000", TypKolumny::Liczba, &ok).toDouble(), 9.2e12);
    QVERIFY(ok);
    QCOMPARE(WartoscZPliku("-9200000000000000000", TypKolumny::Liczba, &ok).toDouble(), -9.2e12);
    QVERIFY(ok);
    for (const char* t : {"9200000000000000001", "-9200000000000000001", "9223372036854775807",
                          "-9223372036854775808", "99999999999999999999"}) {
        WartoscZPliku(QString::fromLatin1(t), TypKolumny::Liczba, &ok);
        QVERIFY2(!ok, t);
    }
    // Whole-number columns keep their full range.
    QCOMPARE(WartoscZPliku("9223372036854775807", TypKolumny::Calkowita, &ok).toLongLong(),
             std::numeric_limits<qlonglong>::max());
    QVERIFY(ok);
}

void ExchangeValuesTest::numbersToTheMillionth_data() {
    QTest::addColumn<double>("liczba");
    QTest::addColumn<QString>("tekst");
    // Doubles just below their decimal value: rounded to the millionth, never truncated.
    QTest::newRow("8.2") << 8.2 << "8200000";
    QTest::newRow("2.03") << 2.03 << "2030000";
    QTest::newRow("0.29") << 0.29 << "290000";
    QTest::newRow("-5.09") << -5.09 << "-5090000";
    QTest::newRow("123.456789") << 123.456789 << "123456789";
    QTest::newRow("1e-6") << 0.000001 << "1";
    QTest::newRow("below half a millionth") << 0.0000004 << "0";
    QTest::newRow("zero") << 0.0 << "0";
}

void ExchangeValuesTest::numbersToTheMillionth() {
    QFETCH(double, liczba);
    QFETCH(QString, tekst);
    QCOMPARE(WartoscDoPliku(liczba, TypKolumny::Liczba), tekst);
    bool ok = false;
    const QVariant back = WartoscZPliku(tekst, TypKolumny::Liczba, &ok);
    QVERIFY(ok);
    QCOMPARE(back.typeId(), int(QMetaType::Double));
    // Read back as the nearest double of the written millionths: the same text again.
    QCOMPARE(WartoscDoPliku(back, TypKolumny::Liczba), tekst);
    if (tekst != "0") QCOMPARE(back.toDouble(), liczba);
}

void ExchangeValuesTest::datesAndLines() {
    // A date and the empty date; a year before 1900 that is not the empty date is refused.
    QCOMPARE(WartoscDoPliku(DataDoBazy(QDate(2027, 3, 5)), TypKolumny::Data), "05.03.2027");
    QCOMPARE(WartoscDoPliku(QVariant(), TypKolumny::Data), "00.00.0000");
    bool ok = false;
    QCOMPARE(DataZBazy(WartoscZPliku("05.03.2027", TypKolumny::Data, &ok)), QDate(2027, 3, 5));
    QVERIFY(ok);
    QCOMPARE(DataZBazy(WartoscZPliku("01.01.1900", TypKolumny::Data, &ok)), QDate(1900, 1, 1));
    QVERIFY(ok);
    WartoscZPliku("00.00.0000", TypKolumny::Data, &ok);
    QVERIFY(ok);
    for (const char* t : {"31.12.1899", "15.06.1899", "01.01.0999", "32.01.2027", "5.3.2027x"}) {
        WartoscZPliku(QString::fromLatin1(t), TypKolumny::Data, &ok);
        QVERIFY2(!ok, t);
    }
    // Text loses its TABs; whole numbers stay whole.
    QCOMPARE(WartoscDoPliku("A\tB", TypKolumny::Tekst), "AB");
    QCOMPARE(WartoscDoPliku(QVariant(), TypKolumny::Tekst), "");
    QCOMPARE(WartoscDoPliku(qlonglong(-42), TypKolumny::Calkowita), "-42");
    QCOMPARE(WartoscZPliku(" 7 ", TypKolumny::Calkowita, &ok), QVariant(qlonglong(7)));
    WartoscZPliku("7.5", TypKolumny::Calkowita, &ok);
    QVERIFY(!ok);

    // Each field followed by a TAB, then "#" and a TAB.
    QCOMPARE(LiniaPol({"nr", "razem"}), "nr\trazem\t#\t");
    QCOMPARE(LiniaPol({}), "#\t");
    QCOMPARE(PolaWiersza("nr\trazem\t#\t", 2, "Plik", 5), QStringList({"nr", "razem"}));
    auto odmowa = [](const QString& linia, int n) {
        try {
            PolaWiersza(linia, n, "Plik", 5);
        } catch (const VexaError& e) {
            return e.message();
        }
        return QString();
    };
    const QString krotki = "Plik jest uszkodzony.\r\rWiersz 5: wiersz ma inną liczbę pól niż 2 "
                           "(plik jest niekompletny).";
    QCOMPARE(odmowa("nr\trazem\t", 2), krotki);          // no "#"
    QCOMPARE(odmowa("nr\trazem\tuwagi\t#\t", 2), krotki); // a field more than its count
    QCOMPARE(odmowa("nr\t#\t", 2), krotki);              // a field less

    // Each value read for its column, found by name whatever its case: a number column
    // gives the number, a text column the text.
    const QHash<QString, TypKolumny> typy{{"razem", TypKolumny::Liczba},
                                          {"nr", TypKolumny::Tekst},
                                          {"datawykonania", TypKolumny::Data}};
    const QVariantList v = WartosciWiersza({"NR", "Razem", "dataWykonania"},
                                           {"8200000", "8200000", "05.03.2027"}, typy, "Plik", 9);
    QCOMPARE(v.value(0), QVariant("8200000"));
    QCOMPARE(v.value(1).typeId(), int(QMetaType::Double));
    QCOMPARE(v.value(1).toDouble(), 8.2);
    QCOMPARE(DataZBazy(v.value(2)), QDate(2027, 3, 5));
    try {
        WartosciWiersza({"nr", "RAZEM"}, {"1", "8,2"}, typy, "Plik", 9);
        QFAIL("a number that is none was read");
    } catch (const VexaError& e) {
        QCOMPARE(e.message(), "Plik jest uszkodzony.\r\rWiersz 9: niepoprawna wartość „8,2” w "
                              "kolumnie RAZEM.");
    }
}

void ExchangeValuesTest::aRowNamesWhatItRefuses() {
    const QList<KolumnaTabeli> k{{"nazwisko", TypKolumny::Tekst},
                                 {"rachunek", TypKolumny::Liczba},
                                 {"rachunek1", TypKolumny::Liczba}};
    QVariantMap row{{"nazwisko", "NOWAK"}, {"rachunek", 12.5}, {"rachunek1", 7.25}};
    auto wartosc = [&row](const QString& c) { return row.value(c); };
    QCOMPARE(WierszDoPliku(wartosc, k, "Pozycja: NOWAK"),
             QStringList({"NOWAK", "12500000", "7250000"}));
    auto odmowa = [&] {
        try {
            WierszDoPliku(wartosc, k, "Pozycja: NOWAK");
        } catch (const VexaError& e) {
            return e.message();
        }
        return QString();
    };
    row["rachunek1"] = std::numeric_limits<double>::quiet_NaN();
    QCOMPARE(odmowa(), QString("Liczby „nan” nie można zapisać w pliku: plik mieści liczby od "
                               "-9200000000000 do 9200000000000.\r\rPozycja: NOWAK, kolumna "
                               "„rachunek1”."));
    row["rachunek1"] = 1.0;
    row["rachunek"] = -1e15;
    QVERIFY(odmowa().endsWith("kolumna „rachunek”."));
    row["rachunek"] = 1.0;
    row["nazwisko"] = "NOWAK-ŁØV";
    QCOMPARE(odmowa(), QString("Znak „Ø” nie istnieje w stronie kodowej Windows-1250.\r\r"
                               "Pozycja: NOWAK, kolumna „nazwisko”."));
}

void ExchangeValuesTest::theFirstCharacterOutsideTheCodePage() {
    QCOMPARE(ZnakSpozaCp1250("Zażółć gęślą jaźń €„”"), QString());
    QCOMPARE(ZnakSpozaCp1250("Tromsø i Ærø"), "ø");
    QCOMPARE(ZnakSpozaCp1250(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")),
             QString::fromUtf8("\xF0\x9F\x98\x80"));
    QCOMPARE(ZnakSpozaCp1250(QString(QChar(0xFFFD))), QString(QChar(0xFFFD)));
    QCOMPARE(OpisZnakuSpozaCp1250("ø"), "Znak „ø” nie istnieje w stronie kodowej Windows-1250.");
    QCOMPARE(OpisZnakuSpozaCp1250("ø", "Pole: NAZWISKO"),
             "Znak „ø” nie istnieje w stronie kodowej Windows-1250.\r\rPole: NAZWISKO");
    SprawdzCp1250("ŁÓDŹ", "Pole: X"); // nothing thrown
    QVERIFY_THROWS_EXCEPTION(VexaError, SprawdzCp1250("Ø", "Pole: X"));
}

QTEST_GUILESS_MAIN(ExchangeValuesTest)
#include "exchange_values_test.moc"
