#include "app/name_days.h"

#include <QRegularExpression>
#include <QtTest>

using vexa::EtykietaImienin;
using vexa::Imieniny;

class NameDaysTest : public QObject {
    Q_OBJECT

private slots:
    void fixedRows_data();
    void fixedRows();
    void leapDay();
    void daysMissingFromTheirMonthAreEmpty_data();
    void daysMissingFromTheirMonthAreEmpty();
    void outOfRangeArgumentsGiveEmptyText_data();
    void outOfRangeArgumentsGiveEmptyText();
    void everyDayOfALeapYearHasWellFormedNames();
    void startPageLabel();
};

void NameDaysTest::fixedRows_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("names");
    QTest::newRow("1 Jan") << 1 << 1 << QStringLiteral("Mieczysław, Mieszko, Wilhelm");
    QTest::newRow("1 Feb") << 2 << 1 << QStringLiteral("Brigida, Iga, Ignacy");
    QTest::newRow("1 Mar") << 3 << 1 << QStringLiteral("Antonina, Antoni, Albin");
    QTest::newRow("31 Dec") << 12 << 31 << QStringLiteral("Sylwester, Melania");
}

void NameDaysTest::fixedRows() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, names);
    QCOMPARE(Imieniny(month, day), names);
}

void NameDaysTest::leapDay() {
    QCOMPARE(Imieniny(2, 29), QStringLiteral("Antonia, August, Oswald, Roman"));
    // The neighbours are their own days, not a shifted copy of 29 February.
    QVERIFY(Imieniny(2, 28) != Imieniny(2, 29));
    QVERIFY(Imieniny(3, 1) != Imieniny(2, 29));
}

void NameDaysTest::daysMissingFromTheirMonthAreEmpty_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("30 Feb") << 2 << 30;
    QTest::newRow("31 Feb") << 2 << 31;
    QTest::newRow("31 Apr") << 4 << 31;
    QTest::newRow("31 Jun") << 6 << 31;
    QTest::newRow("31 Sep") << 9 << 31;
    QTest::newRow("31 Nov") << 11 << 31;
}

void NameDaysTest::daysMissingFromTheirMonthAreEmpty() {
    QFETCH(int, month);
    QFETCH(int, day);
    QVERIFY(Imieniny(month, day).isEmpty());
    // The last real day of the same month is filled.
    QVERIFY(!Imieniny(month, QDate(2024, month, 1).daysInMonth()).isEmpty());
}

void NameDaysTest::outOfRangeArgumentsGiveEmptyText_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("month 13") << 13 << 1;
    QTest::newRow("month 0") << 0 << 1;
    QTest::newRow("month -1") << -1 << 1;
    QTest::newRow("day 0") << 1 << 0;
    QTest::newRow("day 32") << 1 << 32;
    QTest::newRow("day 32 of Dec") << 12 << 32;
    QTest::newRow("huge") << 1000000 << 1000000;
}

void NameDaysTest::outOfRangeArgumentsGiveEmptyText() {
    QFETCH(int, month);
    QFETCH(int, day);
    QCOMPARE(Imieniny(month, day), QString());
}

void NameDaysTest::everyDayOfALeapYearHasWellFormedNames() {
    // A name: one upper-case letter, then lower-case letters (Polish ones included).
    const QRegularExpression name(QStringLiteral("^\\p{Lu}\\p{Ll}+$"));
    int days = 0;
    int names = 0;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const QString entry = Imieniny(d.month(), d.day());
        QVERIFY2(!entry.isEmpty(), qPrintable(d.toString(Qt::ISODate)));
        const QStringList parts = entry.split(QStringLiteral(", "));
        QVERIFY2(parts.size() <= 4, qPrintable(entry));
        for (const QString& part : parts) {
            QVERIFY2(name.match(part).hasMatch(),
                     qPrintable(d.toString(Qt::ISODate) + ": \"" + part + "\""));
            ++names;
        }
        ++days;
    }
    QCOMPARE(days, 366);
    QVERIFY(names > 2 * 366);
}

void NameDaysTest::startPageLabel() {
    QCOMPARE(EtykietaImienin(QDate(2024, 2, 29)),
             QStringLiteral("  Dziś imieniny: Antonia, August, Oswald, Roman  "));
    QCOMPARE(EtykietaImienin(QDate(2025, 12, 31)),
             QStringLiteral("  Dziś imieniny: Sylwester, Melania  "));
    // An empty entry (here: no valid date) still ends with the two blanks.
    const QString empty = EtykietaImienin(QDate());
    QCOMPARE(empty, QStringLiteral("  Dziś imieniny:   "));
    QVERIFY(empty.endsWith(QStringLiteral(":   ")));
}

QTEST_GUILESS_MAIN(NameDaysTest)
#include "name_days_test.moc"
