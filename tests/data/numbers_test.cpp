#include "data/error.h"
#include "data/numbers.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace vexa;

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void format_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const QChar dot = u'.';
        const QChar comma = u',';
        // "0.00" with a full stop (transfer files).
        QTest::newRow("0.00 zero") << "0.00" << dot << 0.0 << "0.00";
        QTest::newRow("0.00 negative zero") << "0.00" << dot << -0.0 << "0.00";
        QTest::newRow("0.00 below half a grosz") << "0.00" << dot << -0.004 << "0.00";
        QTest::newRow("0.00 fraction") << "0.00" << dot << 0.5 << "0.50";
        QTest::newRow("0.00 negative") << "0.00" << dot << -1234.5 << "-1234.50";
        QTest::newRow("0.00 exact half") << "0.00" << dot << 0.125 << "0.13";
        QTest::newRow("0.00 exact half negative") << "0.00" << dot << -0.125 << "-0.13";
        // As doubles these lie below or above the half; their 18-digit expansions decide:
        // 2.67499999999999982, 1.00499999999999989, 0.00500000000000000010, 99.9950000000000045.
        QTest::newRow("0.00 2.675") << "0.00" << dot << 2.675 << "2.67";
        QTest::newRow("0.00 1.005") << "0.00" << dot << 1.005 << "1.00";
        QTest::newRow("0.00 0.005") << "0.00" << dot << 0.005 << "0.01";
        QTest::newRow("0.00 99.995") << "0.00" << dot << 99.995 << "100.00";
        QTest::newRow("0.00 carry") << "0.00" << dot << -9.999 << "-10.00";
        QTest::newRow("0.00 large") << "0.00" << dot << 123456789012.345 << "123456789012.35";
        QTest::newRow("0.00 beyond 18 digits")
            << "0.00" << dot << 1e20 << "100000000000000000000.00";
        // "#0.00" with a decimal comma (ZWSI RON files).
        QTest::newRow("#0.00 zero") << "#0.00" << comma << 0.0 << "0,00";
        QTest::newRow("#0.00 negative") << "#0.00" << comma << -7.1 << "-7,10";
        QTest::newRow("#0.00 no grouping") << "#0.00" << comma << 1234567.891 << "1234567,89";
        // Grouped with literal blanks.
        QTest::newRow("grupy zero") << "### ### ### ##0.00" << comma << 0.0 << "0,00";
        QTest::newRow("grupy small") << "### ### ### ##0.00" << comma << 5.0 << "5,00";
        QTest::newRow("grupy 4 digits") << "### ### ### ##0.00" << comma << 1234.0 << "1 234,00";
        QTest::newRow("grupy negative")
            << "### ### ### ##0.00" << comma << -1234567.5 << "-1 234 567,50";
        QTest::newRow("grupy overflow")
            << "### ### ### ##0.00" << comma << 1234567890123.0 << "1234 567 890 123,00";
        QTest::newRow("krotka millions") << "# ##0.00" << comma << 1234567.5 << "1234 567,50";
        QTest::newRow("krotka rounds up") << "# ##0.00" << comma << 999.999 << "1 000,00";
        QTest::newRow("krotka small") << "# ##0.00" << comma << 12.3 << "12,30";
        QTest::newRow("krotka tiny negative") << "# ##0.00" << comma << -0.001 << "0,00";
        // Six decimals: 5e-7 is 4.99999999999999977e-07, 1.5e-6 is 1.50000000000000004e-06.
        QTest::newRow("6 places") << "#0.000000" << comma << 1.23456789 << "1,234568";
        QTest::newRow("6 places whole") << "#0.000000" << comma << 4.0 << "4,000000";
        QTest::newRow("6 places below half") << "#0.000000" << comma << 5e-7 << "0,000000";
        QTest::newRow("6 places above half") << "#0.000000" << comma << 1.5e-6 << "0,000002";
        QTest::newRow("1 place") << "#0.0" << comma << 0.05 << "0,1";
        QTest::newRow("1 place negative") << "#0.0" << comma << -0.05 << "-0,1";
        QTest::newRow("1 place down") << "#0.0" << comma << 0.04 << "0,0";
        // Whole numbers round half away from zero, not to even.
        QTest::newRow("#0 0.5") << "#0" << comma << 0.5 << "1";
        QTest::newRow("#0 2.5") << "#0" << comma << 2.5 << "3";
        QTest::newRow("#0 -2.5") << "#0" << comma << -2.5 << "-3";
        QTest::newRow("#0 -0.4") << "#0" << comma << -0.4 << "0";
        // Grouping switched on by a comma.
        QTest::newRow(",0.00 3 digits") << ",0.00" << comma << 123.0 << "123,00";
        QTest::newRow(",0.00 4 digits") << ",0.00" << comma << 1234.0 << "1 234,00";
        QTest::newRow(",0.00 millions") << ",0.00" << comma << 1234567.5 << "1 234 567,50";
        QTest::newRow(",0.00 negative") << ",0.00" << comma << -1000000.0 << "-1 000 000,00";
        QTest::newRow(",0.00 zero") << ",0.00" << comma << 0.0 << "0,00";
        QTest::newRow(",0.00 1e15") << ",0.00" << comma << 1e15 << "1 000 000 000 000 000,00";
        // Optional decimals.
        QTest::newRow("0.## half") << "0.##" << dot << 1.5 << "1.5";
        QTest::newRow("0.## whole") << "0.##" << dot << 1.0 << "1";
        QTest::newRow("0.## rounded") << "0.##" << dot << 1.257 << "1.26";
    }
    void format() {
        QFETCH(QString, pattern);
        QFETCH(QChar, sep);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(formatujLiczbe(value, pattern, sep), expected);
    }

    void namedFormats() {
        const long double v = -1234567.875L; // exact in binary: a true half at two places
        QCOMPARE(Kwota00Kropka(v), QStringLiteral("-1234567.88"));
        QCOMPARE(Kwota00Przecinek(v), QStringLiteral("-1234567,88"));
        QCOMPARE(KwotaGrupy(v), QStringLiteral("-1 234 567,88"));
        QCOMPARE(KwotaGrupyKrotka(v), QStringLiteral("-1234 567,88"));
        QCOMPARE(Liczba6(v), QStringLiteral("-1234567,875000"));
        QCOMPARE(Liczba1(v), QStringLiteral("-1234567,9"));
        QCOMPARE(Liczba0(v), QStringLiteral("-1234568"));
        QCOMPARE(KwotaEdycja(v), QStringLiteral("-1 234 567,88"));
        // A long double that no double holds keeps its own digits.
        QCOMPARE(Kwota00Kropka(1.0L / 3.0L), QStringLiteral("0.33"));
    }

    void notFinite() {
        QCOMPARE(Kwota00Kropka(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
        QCOMPARE(Kwota00Kropka(std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
        QCOMPARE(Kwota00Kropka(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << true << 0.0;
        QTest::newRow("blanks") << "   " << true << 0.0;
        QTest::newRow("comma") << "12,50" << true << 12.5;
        QTest::newRow("full stop") << "12.50" << true << 12.5;
        QTest::newRow("groups") << "1 234,56" << true << 1234.56;
        QTest::newRow("nbsp groups")
            << QString::fromUtf8("1\u00A0234\u00A0567,8") << true << 1234567.8;
        QTest::newRow("surrounding blanks") << " 42 " << true << 42.0;
        QTest::newRow("negative") << "-7,5" << true << -7.5;
        QTest::newRow("plus") << "+3" << true << 3.0;
        QTest::newRow("no integer part") << ",5" << true << 0.5;
        QTest::newRow("two separators") << "12,3,4" << false << 0.0;
        QTest::newRow("full stop groups") << "1.234,56" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("currency") << "12zł" << false << 0.0;
        QTest::newRow("sign only") << "-" << false << 0.0;
        QTest::newRow("separator only") << "," << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << 0.0;
        QTest::newRow("sign inside") << "1-2" << false << 0.0;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        bool parsed = !ok;
        QCOMPARE(ParsujKwote(text, &parsed), value);
        QCOMPARE(parsed, ok);
    }

    void zaokraglij_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("exact half") << 0.125 << 13;
        QTest::newRow("half of a grosz") << 0.025 << 3;
        // The added 0.00001 lifts values just below the half, as doubles often are.
        QTest::newRow("0.145 as double") << 0.145 << 15;
        QTest::newRow("2.675 as double") << 2.675 << 268;
        QTest::newRow("1.005 as double") << 1.005 << 101;
        // Below zero the same shift pulls the half towards zero.
        QTest::newRow("negative half") << -0.125 << -12;
        QTest::newRow("negative 0.025") << -0.025 << -2;
        QTest::newRow("below the half") << 0.12499 << 12;
        QTest::newRow("whole") << 1234.0 << 123400;
        QTest::newRow("large") << 9876543.219 << 987654322;
    }
    void zaokraglij() {
        QFETCH(double, value);
        QFETCH(int, hundredths);
        const double r = vexa::zaokraglij(value);
        QVERIFY2(r == hundredths / 100.0, qPrintable(QString::number(r, 'g', 20)));
    }

    void doSetnych_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("quarter") << 111.25 << "11125";
        // 12.5 and 37.5 hundredths are exact ties: to the even neighbour.
        QTest::newRow("tie down to even") << 0.125 << "12";
        QTest::newRow("tie up to even") << 0.375 << "38";
        QTest::newRow("negative tie") << -0.125 << "-12";
        // 0.005 is 0.005000000000000000104 as a double: just above the tie.
        QTest::newRow("not a tie") << 0.005 << "1";
        QTest::newRow("just below a hundredth") << 1234.56 << "123456";
        QTest::newRow("small negative") << -0.004 << "0";
        QTest::newRow("large") << 1e15 << "100000000000000000";
    }
    void doSetnych() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(DoSetnych(value), text);
    }

    void doSetnychRefusesNotFinite() {
        QVERIFY_THROWS_EXCEPTION(VexaError, DoSetnych(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY_THROWS_EXCEPTION(VexaError, DoSetnych(std::numeric_limits<double>::infinity()));
    }

    void zSetnych_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("quarter") << "11125" << 111.25;
        QTest::newRow("negative") << "-12" << -0.12;
        QTest::newRow("plus") << "+5" << 0.05;
    }
    void zSetnych() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ZSetnych(text), value);
    }

    void zSetnychRefusesNonIntegers_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("full stop") << "12.5";
        QTest::newRow("comma") << "12,5";
        QTest::newRow("letters") << "abc";
        QTest::newRow("exponent") << "1e3";
        QTest::newRow("blank inside") << "1 000";
        QTest::newRow("hex") << "0x10";
    }
    void zSetnychRefusesNonIntegers() {
        QFETCH(QString, text);
        try {
            ZSetnych(text);
            QFAIL("a non-integer was accepted");
        } catch (const VexaError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Wartość „%1” nie jest liczbą całkowitą setnych.").arg(text));
        }
    }

    // Numbers read back by programs: the shortest text that gives the same double again.
    void exactNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short decimal") << 1.35 << "1.35";
        QTest::newRow("sum that is not 0.3") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("negative") << -7578.06 << "-7578.06";
        QTest::newRow("negative zero") << -0.0 << "-0";
        QTest::newRow("large") << 1e21 << "1e+21";
        QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min() << "5e-324";
        QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
    }
    void exactNumber() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QString text = LiczbaDokladna(value);
        QCOMPARE(text, expected);
        bool ok = false;
        const double back = text.toDouble(&ok);
        QVERIFY(ok);
        QVERIFY(back == value && std::signbit(back) == std::signbit(value));
        QCOMPARE(LiczbaDokladna(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
        QCOMPARE(LiczbaDokladna(-std::numeric_limits<double>::infinity()), QStringLiteral("-INF"));
    }

    // Under a Polish locale the C library writes a decimal comma; nothing here may follow it.
    void formatsIgnoreThePolishLocale() {
        const std::string before = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "pl_PL.UTF-8"))
            QSKIP("the locale pl_PL.UTF-8 is not installed (scripts/install-deps.sh makes it)");
        const QString exact = LiczbaDokladna(1.35);
        const QString dot = Kwota00Kropka(1234.565L);
        const QString comma = KwotaGrupy(1234567.891L);
        const QString small = Kwota00Kropka(0.004999L);
        const QString hundredths = DoSetnych(-12345678901.23);
        const double fromHundredths = ZSetnych(QStringLiteral("135"));
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(exact, QStringLiteral("1.35"));
        QCOMPARE(dot, QStringLiteral("1234.57"));
        QCOMPARE(comma, QStringLiteral("1 234 567,89"));
        QCOMPARE(small, QStringLiteral("0.00"));
        QCOMPARE(hundredths, QStringLiteral("-1234567890123"));
        QCOMPARE(fromHundredths, 1.35);
    }

    void settingRoundTrip() {
        for (qint64 n = -2000000; n <= 2000000; n += 997) {
            const QString text = QString::number(n);
            QCOMPARE(DoSetnych(ZSetnych(text)), text);
        }
        const QString big = QStringLiteral("123456789012345");
        QCOMPARE(DoSetnych(ZSetnych(big)), big);
    }

    // A typed field value: each limit (lowest, highest, decimal places) on both sides.
    void fieldValue_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("wartosc"); // NaN: refused
        QTest::addColumn<QString>("blad");
        const double nie = std::numeric_limits<double>::quiet_NaN();
        const QString zakres = "Wprowadzona wartość musi mieścić się w przedziale od -5 do 100!";
        const QString miejsca = "Wprowadzona wartość może mieć najwyżej 2 miejsc(a) po przecinku!";
        QTest::newRow("lowest") << "-5" << -5.0 << "";
        QTest::newRow("below the lowest") << "-5,01" << nie << zakres;
        QTest::newRow("highest") << "100,00" << 100.0 << "";
        QTest::newRow("above the highest") << "100,01" << nie << zakres;
        QTest::newRow("two places") << "12,35" << 12.35 << "";
        QTest::newRow("trailing zeros take no place") << "12,3500" << 12.35 << "";
        QTest::newRow("three places") << "12,351" << nie << miejsca;
        QTest::newRow("empty") << "" << nie << QString::fromUtf8(kNiepoprawnaLiczba);
        QTest::newRow("not a number") << "12a" << nie << QString::fromUtf8(kNiepoprawnaLiczba);
    }
    void fieldValue() {
        QFETCH(QString, tekst);
        QFETCH(double, wartosc);
        QFETCH(QString, blad);
        QString why;
        const std::optional<double> v = WartoscPola(tekst, ZakresPola{-5, 100, 2}, &why);
        if (std::isnan(wartosc)) {
            QVERIFY(!v);
            QCOMPARE(why, blad);
        } else {
            QVERIFY(v);
            QCOMPARE(*v, wartosc);
        }
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "numbers_test.moc"
