// The values of the exchange files at their edges: numbers a file cannot carry are refused on
// writing (naming row and column) and on reading, never wrapped; a character Windows-1250
// lacks is refused naming where it stands.
#include "data/codepage.h"
#include "data/error.h"
#include "data/exchange_values.h"

#include <QtTest>

#include <limits>

using namespace vexa;

class ExchangeValuesTest : public QObject {
    Q_OBJECT
private slots:
    void numbersWithinTheLimitOnly();
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
