#include "data/database.h"
#include "data/error.h"
#include "data/transaction.h"
#include "support/test_db.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

using vexa::Database;
using vexa::VexaError;

namespace {

QStringList column(Database& db, const QString& sql, const QVariantList& values = {}) {
    QStringList out;
    QSqlQuery q = db.exec(sql, values);
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString schemaText(Database& db) {
    return column(db, "select sql from sqlite_master order by name").join('\n');
}

} // namespace

class DatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void createsEveryTableWithColumnsInExchangeOrder();
    void createRefusesAnExistingFile();
    void openRefusesMissingOrForeignFiles();
    void upgradeChangesNothingTheSecondTime();
    void upgradeAddsMissingColumnsAndSurvivesMissingTable();
    void textComparesCaseInsensitivelyInPolishOrder();
    void dialectFeaturesWorkAgainstStoredRows();
    void valuesWithApostrophesAreBound();
    void transactionsKeepOrUndoTogether();
    void transactionUndoesWhenAnErrorEscapes();
};

void DatabaseTest::createsEveryTableWithColumnsInExchangeOrder() {
    TestDb t;
    for (const char* table : {"dane", "osoba", "pododdzial", "ste", "bank", "urzedy_skarbowe",
                              "kody_pocztowe", "dni_wolne", "lista", "pozycja", "pit_11"})
        QVERIFY2(t.db().tableExists(table), table);

    const QStringList osoba = t.db().columns("osoba");
    QCOMPARE(osoba.value(0), "id");
    QCOMPARE(osoba.value(1), "pesel");
    QCOMPARE(osoba.size(), 52);

    // The list-file import shows the 5th and the 8th value after the key.
    const QStringList lista = t.db().columns("lista");
    QCOMPARE(lista.value(5), "miesiacrok");
    QCOMPARE(lista.value(8), "nr");
    QVERIFY(t.db().columns("pozycja").contains("zmniejszenie_urlop"));
    QVERIFY(t.db().columns("pit_11").contains("WYJASNIENIE_TEXT"));

    QCOMPARE(column(t.db(), "select wartosc from dane where kod='DANE'"), QStringList{"N"});
    QCOMPARE(t.db().scalar("select count(*) from dane").toInt(), 1);
}

void DatabaseTest::createRefusesAnExistingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("baza.mdb");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("dane użytkownika");
    f.close();
    Database db;
    QVERIFY_THROWS_EXCEPTION(VexaError, db.create(path));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), "dane użytkownika");
}

void DatabaseTest::openRefusesMissingOrForeignFiles() {
    QTemporaryDir dir;
    Database db;
    QVERIFY_THROWS_EXCEPTION(VexaError, db.open(dir.filePath("baza.mdb")));
    QVERIFY(!QFile::exists(dir.filePath("baza.mdb"))); // nothing is created by a failed open
    QVERIFY(!db.isOpen());

    const QString text = dir.filePath("tekst.mdb");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    QVERIFY_THROWS_EXCEPTION(VexaError, db.open(text));
    QVERIFY(!db.isOpen());

    const QString empty = dir.filePath("pusty.mdb");
    QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
    QVERIFY_THROWS_EXCEPTION(VexaError, db.open(empty));
    QVERIFY(!db.isOpen());
}

void DatabaseTest::upgradeChangesNothingTheSecondTime() {
    TestDb t;
    const QString before = schemaText(t.db());
    t.db().upgrade();
    t.db().close();
    t.db().open(t.file());
    t.db().open(t.file());
    QCOMPARE(schemaText(t.db()), before);
}

void DatabaseTest::upgradeAddsMissingColumnsAndSurvivesMissingTable() {
    TestDb t;
    t.db().exec("drop table pit_11");
    t.db().exec("alter table pozycja drop column zmniejszenie_urlop");
    t.db().close();
    t.db().open(t.file());
    QVERIFY(!t.db().tableExists("pit_11"));
    QVERIFY(t.db().columns("pozycja").contains("ZMNIEJSZENIE_URLOP"));
    t.db().exec("insert into pozycja (idlisty, zmniejszenie_urlop) values (1, 12.5)");
    QCOMPARE(t.db().scalar("select zmniejszenie_urlop from pozycja").toDouble(), 12.5);
}

void DatabaseTest::textComparesCaseInsensitivelyInPolishOrder() {
    TestDb t;
    const QStringList names{"Żak",   "Zając", "Śliwa", "Sowa", "Łoś",   "Lis",    "Mazur",
                            "ąbel",  "Abel",  "Ćma",   "Cis",  "Ziobro", "źrebiec", "Tomczak"};
    for (const QString& n : names)
        t.db().exec("insert into osoba (nazwisko) values (?)", {n});
    QCOMPARE(column(t.db(), "select nazwisko from osoba order by nazwisko"),
             (QStringList{"Abel", "ąbel", "Cis", "Ćma", "Lis", "Łoś", "Mazur", "Sowa", "Śliwa",
                          "Tomczak", "Zając", "Ziobro", "źrebiec", "Żak"}));
    QCOMPARE(column(t.db(), "select nazwisko from osoba where nazwisko = 'ŁOŚ'"),
             QStringList{"Łoś"});
    QCOMPARE(column(t.db(), "select nazwisko from osoba where nazwisko = ?", {"żak"}),
             QStringList{"Żak"});
    QCOMPARE(column(t.db(), "select nazwisko from osoba where nazwisko like 'ź%'"),
             QStringList{"źrebiec"});
    QCOMPARE(column(t.db(), "select nazwisko from osoba where upper(nazwisko) like 'ĆM_'"),
             QStringList{"Ćma"});
    // Accents are letters of their own: Łoś is not Los, Ćma is not Cma.
    QVERIFY(column(t.db(), "select nazwisko from osoba where nazwisko in ('Los','Cma')").isEmpty());

    // The marks of bulk operations are told apart from each other and from an empty field.
    t.db().exec("update osoba set zaz = ? where nazwisko = 'Lis'", {QString(QChar(0x0163))});
    t.db().exec("update osoba set zaz = ? where nazwisko <> 'Lis'", {QString(QChar(0x00A8))});
    QCOMPARE(column(t.db(), "select nazwisko from osoba where zaz = ?", {QString(QChar(0x0163))}),
             QStringList{"Lis"});

    // Keys of settings are looked up case-insensitively.
    t.db().exec("insert into dane (kod, wartosc) values ('NAZWA1', 'JW 1234')");
    QCOMPARE(column(t.db(), "select wartosc from dane where kod = 'nazwa1'"),
             QStringList{"JW 1234"});
}

void DatabaseTest::dialectFeaturesWorkAgainstStoredRows() {
    TestDb t;
    auto addList = [&](const QString& month, const QDate& made, const QString& zp) {
        t.db().exec("insert into lista (miesiacrok, datawykonania, zp, razem) values (?, ?, ?, 10)",
                    {month, vexa::DataDoBazy(made), zp});
    };
    addList("03/2027", QDate(2027, 3, 15), "Z");
    addList("04/2027", QDate(2027, 4, 2), "Z");
    addList("03/2026", QDate(2026, 12, 31), "P");

    QCOMPARE(column(t.db(), "select miesiacrok from lista where right(miesiacrok,4)='2027' and "
                            "left(miesiacrok,2)='03'"),
             QStringList{"03/2027"});
    QCOMPARE(column(t.db(), "select left(miesiacrok,2) from lista where id=1"), QStringList{"03"});
    QCOMPARE(column(t.db(), "select right(miesiacrok,4) from lista where id=1"),
             QStringList{"2027"});
    QCOMPARE(column(t.db(), "select miesiacrok from lista where datawykonania = #03/15/2027#"),
             QStringList{"03/2027"});
    QCOMPARE(column(t.db(), "select miesiacrok from lista where datawykonania >= #3/16/2027# "
                            "order by miesiacrok"),
             QStringList{"04/2027"});
    QCOMPARE(column(t.db(), "select miesiacrok from lista where year(datawykonania)=2026"),
             QStringList{"03/2026"});
    QCOMPARE(column(t.db(), "select count(*) from lista where (true) and not isnull(zp)"),
             QStringList{"3"});
    QCOMPARE(column(t.db(), "select zp as k, sum(razem) as s from lista group by k order by k"),
             (QStringList{"P", "Z"}));

    t.db().exec("insert into pozycja (idlisty, nazwisko) values (2, 'Nowak')");
    QCOMPARE(column(t.db(), "select pozycja.nazwisko from pozycja,lista where "
                            "(pozycja.idlisty=lista.id) and lista.miesiacrok='04/2027'"),
             QStringList{"Nowak"});

    QVERIFY_THROWS_EXCEPTION(VexaError,
                             t.db().exec("select * from lista where datawykonania = #02/30/2027#"));
}

void DatabaseTest::valuesWithApostrophesAreBound() {
    TestDb t;
    t.db().exec("insert into osoba (nazwisko, imie) values (?, ?)", {"O'NEIL", "D'ARTAGNAN"});
    QCOMPARE(column(t.db(), "select imie from osoba where nazwisko = ?", {"o'neil"}),
             QStringList{"D'ARTAGNAN"});
    // A quoted text keeps what looks like the dialect inside it.
    t.db().exec("insert into osoba (nazwisko) values ('left(#1/1/2000#'' isnull(x)')");
    QCOMPARE(column(t.db(), "select nazwisko from osoba where nazwisko like 'left%'"),
             QStringList{"left(#1/1/2000#' isnull(x)"});
}

void DatabaseTest::transactionsKeepOrUndoTogether() {
    TestDb t;
    {
        vexa::Transakcja outer(t.db());
        t.db().exec("insert into pododdzial (skrot) values ('A')");
        {
            vexa::Transakcja inner(t.db());
            t.db().exec("insert into pododdzial (skrot) values ('B')");
        } // inner undone
        t.db().exec("insert into pododdzial (skrot) values ('C')");
        outer.commit();
    }
    QCOMPARE(column(t.db(), "select skrot from pododdzial order by skrot"),
             (QStringList{"A", "C"}));
    {
        vexa::Transakcja undone(t.db());
        t.db().exec("delete from pododdzial");
    }
    QCOMPARE(t.db().scalar("select count(*) from pododdzial").toInt(), 2);
}

void DatabaseTest::transactionUndoesWhenAnErrorEscapes() {
    TestDb t;
    try {
        vexa::Transakcja tr(t.db());
        for (int i = 0; i < 50; ++i)
            t.db().exec("insert into pododdzial (skrot) values (?)", {QString::number(i)});
        t.db().exec("insert into no_such_table values (1)");
        tr.commit();
        QFAIL("the faulty statement was accepted");
    } catch (const VexaError&) {
    }
    QCOMPARE(t.db().scalar("select count(*) from pododdzial").toInt(), 0);
    // The connection is usable afterwards, and a new transaction commits.
    vexa::Transakcja tr(t.db());
    t.db().exec("insert into pododdzial (skrot) values ('X')");
    tr.commit();
    QCOMPARE(t.db().scalar("select count(*) from pododdzial").toInt(), 1);
}

QTEST_GUILESS_MAIN(DatabaseTest)
#include "database_test.moc"
