#include "data/error.h"
#include "data/sql_dialect.h"

#include <QtTest>

using vexa::NaSqlite;

class SqlDialectTest : public QObject {
    Q_OBJECT
private slots:
    void translates_data();
    void translates();
    void refusesBadDateLiterals();
};

void SqlDialectTest::translates_data() {
    QTest::addColumn<QString>("jet");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("left/right") << "select * from lista where left(miesiacrok,2)='03' and "
                                   "right(miesiacrok, 4)='2027'"
                                << "select * from lista where substr(miesiacrok,1,2)='03' and "
                                   "substr(miesiacrok,-(4))='2027'";
    QTest::newRow("nested call") << "left(upper(trim(nazwisko)), length('a,b'))"
                                 << "substr(upper(trim(nazwisko)),1,length('a,b'))";
    QTest::newRow("right inside left") << "LEFT(RIGHT(x,7),2)" << "substr(substr(x,-(7)),1,2)";
    QTest::newRow("isnull") << "where isnull(iloscdni) or not IsNull(a.b)"
                            << "where (iloscdni is null) or not (a.b is null)";
    QTest::newRow("date literal") << "where od <= #03/15/2027# and do >= #3/1/2027#"
                                  << "where od <= '2027-03-15' and do >= '2027-03-01'";
    QTest::newRow("empty date") << "where d = #00/00/0000#" << "where d = '1899-12-31'";
    QTest::newRow("quoted untouched") << "where n = 'left(x,1) #1/1/2000# O''Brien' and m=\"#\""
                                      << "where n = 'left(x,1) #1/1/2000# O''Brien' and m=\"#\"";
    QTest::newRow("left join kept") << "select * from a left join b on a.id=b.id"
                                    << "select * from a left join b on a.id=b.id";
    QTest::newRow("column named left") << "select t.left, leftover(1) from t"
                                       << "select t.left, leftover(1) from t";
    QTest::newRow("true") << "select * from osoba where (true) order by nazwisko"
                          << "select * from osoba where (true) order by nazwisko";
    QTest::newRow("alter double") << "alter table pozycja add ZMNIEJSZENIE_URLOP double"
                                  << "ALTER TABLE pozycja ADD COLUMN ZMNIEJSZENIE_URLOP DOUBLE";
    QTest::newRow("alter char")
        << "alter table pit_11 add KOREKTA char(1)"
        << "ALTER TABLE pit_11 ADD COLUMN KOREKTA VARCHAR(1) COLLATE PL";
    QTest::newRow("alter memo") << "alter table pit_11 add WYJASNIENIE_TEXT memo"
                                << "ALTER TABLE pit_11 ADD COLUMN WYJASNIENIE_TEXT TEXT COLLATE PL";
}

void SqlDialectTest::translates() {
    QFETCH(QString, jet);
    QFETCH(QString, sqlite);
    QCOMPARE(NaSqlite(jet), sqlite);
}

void SqlDialectTest::refusesBadDateLiterals() {
    for (const char* bad : {"where d = #13/01/2027#", "where d = #02/29/2027#", "where d = #x#",
                            "where d = #03/15/2027"})
        QVERIFY_THROWS_EXCEPTION(vexa::VexaError, NaSqlite(QString::fromLatin1(bad)));
    QCOMPARE(NaSqlite("where d = #02/29/2028#"), "where d = '2028-02-29'");
}

QTEST_GUILESS_MAIN(SqlDialectTest)
#include "sql_dialect_test.moc"
