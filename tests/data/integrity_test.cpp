#include "data/integrity.h"
#include "support/test_db.h"

#include <QFile>
#include <QtTest>

using namespace vexa;

class IntegrityTest : public QObject {
    Q_OBJECT
private slots:
    void soundFileHasNoProblems();
    void damagedPageIsFoundByBothChecks();
    void fileThatIsNotADatabaseFailsTheQuickCheck();
};

void IntegrityTest::soundFileHasNoProblems() {
    TestDb t;
    // Rows and an index ordered by the collation PL, which the check must be able to compare.
    t.db().exec("create index osoba_nazwisko on osoba (nazwisko)");
    for (const char* n : {"ŁUKASZEWICZ", "lis", "MAZUR", "Żak", "ąbek"})
        t.db().exec("insert into osoba (nazwisko) values (?)", {QString::fromUtf8(n)});
    QCOMPARE(BledyIntegralnosci(t.db()), QStringList());
    QCOMPARE(BledySzybkiejKontroli(t.file()), QStringList());
}

void IntegrityTest::damagedPageIsFoundByBothChecks() {
    TestDb t;
    DopiszOsoby(t.db(), 300);
    const int root =
        t.db().scalar("select rootpage from sqlite_master where name = 'osoba'").toInt();
    t.db().close();
    QVERIFY(UszkodzStrone(t.file(), root));

    QVERIFY(!BledySzybkiejKontroli(t.file()).isEmpty());
    Database reopened;
    reopened.openReadOnly(t.file());
    QVERIFY(!BledyIntegralnosci(reopened).isEmpty());
}

void IntegrityTest::fileThatIsNotADatabaseFailsTheQuickCheck() {
    QTemporaryDir dir;
    const QString text = dir.filePath("tekst.mdb");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("zwykły tekst, nie baza danych\n").repeated(300));
    f.close();
    QVERIFY(!BledySzybkiejKontroli(text).isEmpty());
    QVERIFY(!BledySzybkiejKontroli(dir.filePath("brak.mdb")).isEmpty());
    QVERIFY(!QFile::exists(dir.filePath("brak.mdb"))); // checked, never created
}

QTEST_GUILESS_MAIN(IntegrityTest)
#include "integrity_test.moc"
