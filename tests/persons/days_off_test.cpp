#include "persons/days_off.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

DzienWolny range(const char* typ, QDate od, QDate to, const char* rozkaz = "12/27") {
    return DzienWolny{"80010112345", typ, od, to, rozkaz};
}

} // namespace

class DaysOffTest : public QObject {
    Q_OBJECT
private slots:
    void daysInMonth_data();
    void daysInMonth();
    void summaryListsClippedRangesInOrder();
    void storedRangesAreCountedPerPersonAndMonth();
};

void DaysOffTest::daysInMonth_data() {
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("days");
    QTest::newRow("one day") << QDate(2027, 6, 5) << QDate(2027, 6, 5) << "06/2027" << 1;
    QTest::newRow("ends in June") << QDate(2027, 5, 25) << QDate(2027, 6, 10) << "06/2027" << 10;
    QTest::newRow("starts in May") << QDate(2027, 5, 25) << QDate(2027, 6, 10) << "05/2027" << 7;
    // A leave covering the whole month is a whole month away.
    QTest::newRow("covers June") << QDate(2027, 5, 20) << QDate(2027, 7, 5) << "06/2027" << 30;
    QTest::newRow("covers February") << QDate(2028, 1, 1) << QDate(2028, 3, 1) << "02/2028" << 29;
    QTest::newRow("exactly the month") << QDate(2027, 6, 1) << QDate(2027, 6, 30) << "06/2027"
                                       << 30;
    QTest::newRow("before") << QDate(2027, 4, 1) << QDate(2027, 5, 31) << "06/2027" << 0;
    QTest::newRow("after") << QDate(2027, 7, 1) << QDate(2027, 7, 31) << "06/2027" << 0;
    QTest::newRow("bad month text") << QDate(2027, 6, 1) << QDate(2027, 6, 3) << "13/2027" << 0;
}

void DaysOffTest::daysInMonth() {
    QFETCH(QDate, od);
    QFETCH(QDate, to);
    QFETCH(QString, month);
    QFETCH(int, days);
    const QList<DzienWolny> list{range("U", od, to), range("P", od, to)};
    QCOMPARE(DniWolneWMiesiacu(list, month, "U"), days);
    QCOMPARE(DniWolneWMiesiacu(list, month, "W"), 0);
}

void DaysOffTest::summaryListsClippedRangesInOrder() {
    const QList<DzienWolny> list{
        range("U", QDate(2027, 5, 28), QDate(2027, 6, 3)),
        range("P", QDate(2027, 6, 10), QDate(2027, 6, 12), "7/P"),
        range("W", QDate(2027, 6, 29), QDate(2027, 7, 2), "8"),
        range("U", QDate(2027, 8, 1), QDate(2027, 8, 2)),
    };
    QCOMPARE(OpisDniWolnych(list, "06/2027"), "U:1-3/12/27 P:10-12/7/P W:29-30/8 ");
    QCOMPARE(OpisDniWolnych({range("U", QDate(2027, 5, 20), QDate(2027, 7, 5))}, "06/2027"),
             "U:1-30/12/27 ");
    QCOMPARE(OpisDniWolnych(list, "09/2027"), QString());
}

void DaysOffTest::storedRangesAreCountedPerPersonAndMonth() {
    TestDb t;
    const qint64 a = DopiszDzienWolny(t.db(), range("U", QDate(2027, 5, 25), QDate(2027, 6, 10)));
    DopiszDzienWolny(t.db(), range("U", QDate(2027, 6, 20), QDate(2027, 6, 21)));
    DzienWolny other = range("U", QDate(2027, 6, 1), QDate(2027, 6, 30));
    other.pesel = "O'NEIL";
    DopiszDzienWolny(t.db(), other);

    QCOMPARE(DniWolneWMiesiacu(t.db(), "80010112345", "06/2027", "U"), 12);
    QCOMPARE(OpisDniWolnych(t.db(), "80010112345", "06/2027"), "U:1-10/12/27 U:20-21/12/27 ");
    QCOMPARE(DniWolneWMiesiacu(t.db(), "O'NEIL", "06/2027", "U"), 30);

    const auto all = DniWolneWMiesiacuWszystkich(t.db(), "06/2027");
    QCOMPARE(all.size(), 2);
    QCOMPARE(DniWolneWMiesiacu(all.value("80010112345"), "06/2027", "U"), 12);
    QCOMPARE(DniWolneWMiesiacuWszystkich(t.db(), "08/2027").size(), 0);

    // Newest first for editing; a change and a deletion reach the stored row.
    auto rows = DniWolneDoEdycji(t.db(), "80010112345");
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.first().dane.od, QDate(2027, 6, 20));
    DzienWolny changed = rows.last().dane;
    QCOMPARE(rows.last().rowid, a);
    changed.typ = "P";
    ZmienDzienWolny(t.db(), a, changed);
    QCOMPARE(DniWolneWMiesiacu(t.db(), "80010112345", "06/2027", "P"), 10);
    UsunDzienWolny(t.db(), a);
    QCOMPARE(DniWolneDoEdycji(t.db(), "80010112345").size(), 1);
}

QTEST_GUILESS_MAIN(DaysOffTest)
#include "days_off_test.moc"
