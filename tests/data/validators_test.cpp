#include "data/error.h"
#include "data/validators.h"

#include <QTest>

using namespace vexa;

namespace {
// Valid PESELs (check digit computed by hand with weights 1 3 7 9 1 3 7 9 1 3).
const QString kPesel1975 = QStringLiteral("75031512345"); // 15.03.1975, woman
const QString kPesel2000 = QStringLiteral("00210112351"); // 01.01.2000, man
const QString kPesel1885 = QStringLiteral("85922412366"); // 24.12.1885, woman
const QString kPesel2101 = QStringLiteral("01410112378"); // 01.01.2101, man
// A valid account number: 61 is the IBAN check of the 24 digits after it with "PL".
const QString kNrb = QStringLiteral("61109010140000071219812874");
// 0123456789 repeated, so that a cut at a wrong place shows.
QString digitRun(int length) {
    QString s;
    for (int i = 0; i < length; ++i)
        s.append(QChar(u'0' + i % 10));
    return s;
}
} // namespace

class ValidatorsTest : public QObject {
    Q_OBJECT

private slots:
    void pesel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("sex");
        QTest::newRow("1975") << kPesel1975 << true << "K";
        QTest::newRow("2000") << kPesel2000 << true << "M";
        QTest::newRow("1800s") << kPesel1885 << true << "K";
        QTest::newRow("2100s") << kPesel2101 << true << "M";
        QTest::newRow("wrong check digit") << "75031512346" << false << "K";
        QTest::newRow("letter at the end") << "7503151234A" << false << "K";
        QTest::newRow("letter O for zero") << "75O31512345" << false << "K";
        QTest::newRow("letter as 10th") << "750315123X5" << false << "K";
        QTest::newRow("10 characters") << "7503151234" << false << "K";
        QTest::newRow("12 characters") << "750315123450" << false << "K";
        QTest::newRow("blank inside") << "7503151 345" << false << "K";
        QTest::newRow("empty") << "" << false << "K";
        // Digits of another script are not PESEL digits.
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("٧٥٠٣١٥١٢٣٤٥") << false << "K";
    }
    void pesel() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, sex);
        QCOMPARE(CzyPesel(text), valid);
        QCOMPARE(plecpesel(text), sex);
    }

    void nrIdent_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("full") << "0001235" << true;
        QTest::newRow("without leading zeros") << "1235" << true;
        QTest::newRow("seven digits") << "1234562" << true;
        QTest::newRow("wrong check digit") << "1234563" << false;
        QTest::newRow("remainder 10 counts as 0") << "10040" << true;
        QTest::newRow("remainder 10, digit 10 impossible") << "10041" << false;
        QTest::newRow("all zeros") << "0000000" << false;
        QTest::newRow("zero typed short") << "0" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("eight digits") << "12345620" << false;
        QTest::newRow("eight with a leading zero") << "00001235" << false;
        QTest::newRow("plus sign") << "+1235" << false;
        QTest::newRow("minus sign") << "-1235" << false;
        QTest::newRow("leading blank") << " 1235" << false;
        QTest::newRow("letter") << "12a5" << false;
    }
    void nrIdent() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(CzyNrIdent(text), valid);
    }

    void rachunek_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("digits") << kNrb << true;
        QTest::newRow("grouped") << "61 1090 1014 0000 0712 1981 2874" << true;
        QTest::newRow("PL prefix") << "PL61109010140000071219812874" << true;
        QTest::newRow("PL prefix grouped") << "PL 61 1090 1014 0000 0712 1981 2874" << true;
        QTest::newRow("hyphens") << "61-1090-1014-0000-0712-1981-2874" << true;
        QTest::newRow("one digit changed") << "61109010140000071219812875" << false;
        QTest::newRow("two digits swapped") << "61109010140000071219818274" << false;
        QTest::newRow("25 digits") << "6110901014000007121981287" << false;
        QTest::newRow("27 digits") << "611090101400000712198128740" << false;
        QTest::newRow("empty") << "" << false;
    }
    void rachunek() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(CzyRachunek(text), valid);
    }

    void formatRachunek_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("26 digits") << kNrb << "61 1090 1014 0000 0712 1981 2874";
        QTest::newRow("blanks around") << "  " + kNrb + " "
                                       << "61 1090 1014 0000 0712 1981 2874";
        QTest::newRow("26 of anything") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                        << "AB CDEF GHIJ KLMN OPQR STUV WXYZ";
        QTest::newRow("already grouped") << "61 1090 1014 0000 0712 1981 2874"
                                         << "61 1090 1014 0000 0712 1981 2874";
        QTest::newRow("25") << kNrb.left(25) << kNrb.left(25);
        QTest::newRow("27") << kNrb + "1" << kNrb + "1";
        QTest::newRow("empty") << ""
                               << "";
    }
    void formatRachunek() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(FormatRachunek(text), expected);
    }

    void digits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("digits");
        QTest::addColumn<bool>("nip");
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("blanks and digits") << "123 456" << true << false;
        QTest::newRow("NIP") << "1234567890" << true << true;
        QTest::newRow("9 digits") << "123456789" << true << false;
        QTest::newRow("11 digits") << "12345678901" << true << false;
        QTest::newRow("hyphens") << "123-456-78-90" << false << false;
        QTest::newRow("letter") << "12345678a0" << false << false;
        QTest::newRow("tab") << "12345\t7890" << false << false;
    }
    void digits() {
        QFETCH(QString, text);
        QFETCH(bool, digits);
        QFETCH(bool, nip);
        QCOMPARE(CzyCyfry(text), digits);
        QCOMPARE(CzyNip(text), nip);
        QCOMPARE(KolorCyfr(text), digits ? QColor(Qt::white) : QColor(Qt::red));
    }

    void dataZTekstu_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("ordinary") << "15.03.1975" << QDate(1975, 3, 15);
        QTest::newRow("empty date") << "00.00.0000" << QDate(1899, 12, 31);
        QTest::newRow("leap day") << "29.02.2028" << QDate(2028, 2, 29);
        QTest::newRow("open end") << "01.01.2999" << QDate(2999, 1, 1);
    }
    void dataZTekstu() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(DataZTekstu(text), date);
    }

    void dataZTekstuRefusesMalformed_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("31 February") << "31.02.2027";
        QTest::newRow("29 February, no leap year") << "29.02.2027";
        QTest::newRow("day 0") << "00.01.2027";
        QTest::newRow("month 13") << "01.13.2027";
        QTest::newRow("year 0") << "01.01.0000";
        QTest::newRow("no padding") << "1.3.2027";
        QTest::newRow("hyphens") << "15-03-1975";
        QTest::newRow("two-digit year") << "15.03.75";
        QTest::newRow("trailing blank") << "15.03.1975 ";
        QTest::newRow("letters") << "ab.cd.efgh";
        QTest::newRow("empty") << "";
    }
    void dataZTekstuRefusesMalformed() {
        QFETCH(QString, text);
        try {
            DataZTekstu(text);
            QFAIL("no error for a malformed date");
        } catch (const VexaError& e) {
            QCOMPARE(e.message(), QStringLiteral("Niepoprawna data: „%1”.").arg(text));
        }
    }

    void dateTexts_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sql");
        QTest::newRow("padded") << QDate(1975, 3, 5) << "05.03.1975"
                                << "03/05/1975";
        QTest::newRow("day > 12") << QDate(2027, 11, 28) << "28.11.2027"
                                  << "11/28/2027";
        QTest::newRow("first of 1900") << QDate(1900, 1, 1) << "01.01.1900"
                                       << "01/01/1900";
        QTest::newRow("empty date") << DATA_PUSTA << "00.00.0000"
                                    << "00/00/0000";
        QTest::newRow("early 1899") << QDate(1899, 1, 1) << "00.00.0000"
                                    << "00/00/0000";
        QTest::newRow("open end") << DATA_BEZ_KONCA << "01.01.2999"
                                  << "01/01/2999";
        QTest::newRow("invalid") << QDate() << "00.00.0000"
                                 << "00/00/0000";
    }
    void dateTexts() {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QFETCH(QString, sql);
        QCOMPARE(DataNaTekst(date), text);
        QCOMPARE(DataNaSql(date), sql);
        // What goes out comes back: the empty date survives a file round trip.
        const QDate back = DataZTekstu(text);
        QCOMPARE(back, date.isValid() && date.year() >= 1900 ? date : DATA_PUSTA);
    }

    void birthDate_data() {
        QTest::addColumn<QString>("pesel");
        QTest::addColumn<QString>("date");
        QTest::newRow("1900s") << kPesel1975 << "15.03.1975";
        QTest::newRow("2000s") << kPesel2000 << "01.01.2000";
        QTest::newRow("1800s") << kPesel1885 << "24.12.1885";
        QTest::newRow("2100s") << kPesel2101 << "01.01.2101";
        QTest::newRow("2200s") << "05611500000"
                               << "15.01.2205";
        QTest::newRow("leap day 2008") << "08222900000"
                                       << "29.02.2008";
        QTest::newRow("29 February 2003") << "03222900031"
                                          << "";
        QTest::newRow("day 32") << "75033200000"
                                << "";
        QTest::newRow("month code 13") << "75131500000"
                                       << "";
        QTest::newRow("month code 20") << "75201500000"
                                       << "";
        QTest::newRow("month code 00") << "75001500000"
                                       << "";
        QTest::newRow("month code 93") << "75931500000"
                                       << "";
        QTest::newRow("too short") << "75031"
                                   << "";
        QTest::newRow("letter") << "75O31512345"
                                << "";
    }
    void birthDate() {
        QFETCH(QString, pesel);
        QFETCH(QString, date);
        QCOMPARE(DataUrodzeniaZPesel(pesel), date);
    }

    void dniMiesiaca_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("days");
        QTest::newRow("February 2028") << "02/2028" << 29;
        QTest::newRow("February 2027") << "02/2027" << 28;
        QTest::newRow("February 2000") << "02/2000" << 29;
        QTest::newRow("February 2100") << "02.2100" << 28;
        QTest::newRow("April") << "04/2027" << 30;
        QTest::newRow("December") << "12/2027" << 31;
        QTest::newRow("month 13") << "13/2027" << 0;
        QTest::newRow("month 00") << "00/2027" << 0;
        QTest::newRow("one-digit month") << "2/2027" << 0;
        QTest::newRow("letters") << "ab/2027" << 0;
        QTest::newRow("short year") << "02/20" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void dniMiesiaca() {
        QFETCH(QString, text);
        QFETCH(int, days);
        QCOMPARE(DniMiesiaca(text), days);
    }

    void shortForms() {
        QCOMPARE(DataIso(QStringLiteral("15.03.1975")), QStringLiteral("1975-03-15"));
        QCOMPARE(DataKrotka(QDate(2027, 3, 5)), QStringLiteral("05/03/2027"));
        QCOMPARE(CzasKrotki(QTime(7, 5, 59)), QStringLiteral("07:05"));
    }

    void podziel35_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("35") << digitRun(35) << digitRun(35);
        QTest::newRow("36") << digitRun(36) << digitRun(35) + "???5";
        QTest::newRow("70") << digitRun(70) << digitRun(35) + "???" + digitRun(70).mid(35);
        QTest::newRow("80 cut at 70")
            << digitRun(80) << digitRun(35) + "???" + digitRun(70).mid(35);
    }
    void podziel35() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Podziel35(text), expected);
    }

    void textHelpers() {
        QCOMPARE(BezSpacji(QStringLiteral(" a b\tc ")), QStringLiteral("ab\tc"));
        QCOMPARE(BezTabulatorow(QStringLiteral("\ta b\t\tc\t")), QStringLiteral("a bc"));
        QCOMPARE(NazwaPliku(QStringLiteral("L 12/2027\\P")), QStringLiteral("L_12_2027_P"));
        QCOMPARE(NaUtf8(QStringLiteral("Łódź")), QByteArray("\xC5\x81\xC3\xB3"
                                                            "d\xC5\xBA"));
    }

    void polaTab() {
        const PolaTab p(QStringLiteral("  Kowalski \tJan\t\t \x01Nowa Wieś\x1F \t"));
        QCOMPARE(p.liczba(), 5);
        QCOMPARE(p.pole(1), QStringLiteral("Kowalski"));
        QCOMPARE(p[2], QStringLiteral("Jan"));
        QCOMPARE(p.pole(3), QString());
        QCOMPARE(p.pole(4), QStringLiteral("Nowa Wieś"));
        QCOMPARE(p.pole(5), QString());
        QCOMPARE(p.pole(6), QString());
        QCOMPARE(p.pole(0), QString());
        QCOMPARE(p.pole(-1), QString());
        // A non-breaking space is not a blank: it stays.
        QCOMPARE(PolaTab(QString::fromUtf8(" \u00A0x ")).pole(1), QString::fromUtf8("\u00A0x"));

        const PolaTab empty{QString()};
        QCOMPARE(empty.liczba(), 1);
        QCOMPARE(empty.pole(1), QString());
    }

    void polaTabKeepsAtMost500() {
        QStringList fields;
        for (int i = 1; i <= 600; ++i)
            fields << QStringLiteral("f%1").arg(i);
        const PolaTab p(fields.join(u'\t'));
        QCOMPARE(p.liczba(), PolaTab::POLA_TAB_MAX);
        QCOMPARE(p.pole(1), QStringLiteral("f1"));
        QCOMPARE(p.pole(500), QStringLiteral("f500"));
        QCOMPARE(p.pole(501), QString());
    }
};

QTEST_GUILESS_MAIN(ValidatorsTest)
#include "validators_test.moc"
