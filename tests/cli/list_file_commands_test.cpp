// vexa-cli export-list and import-list: a list goes out and comes back as a new list; a file
// that is no list file is refused with exit code 1 and changes nothing.
#include "data/database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

using namespace vexa;

class ListFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImport();
};

void ListFileCommandsTest::exportThenImport() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "12"}).kod, 0);
    const QString lnz = dir.filePath("Listy/lista1.lnz");
    QCOMPARE(uruchomCli({"export-list", "--db", db, "--list", "1", "--out", lnz, "--order", "nis"})
                 .kod,
             0);
    QVERIFY(QFile::exists(lnz));
    const WynikCli w = uruchomCli({"import-list", "--db", db, "--file", lnz});
    QCOMPARE(w.kod, 0);
    const int id = w.linie.value(0).toInt();
    QVERIFY(id > 1);
    {
        Database d;
        d.open(db);
        QCOMPARE(d.scalar("select count(*) from pozycja where idlisty = ?", {id}).toInt(),
                 d.scalar("select count(*) from pozycja where idlisty = 1").toInt());
        QCOMPARE(d.scalar("select razem from lista where id = ?", {id}).toDouble(),
                 d.scalar("select razem from lista where id = 1").toDouble());
    }
    const QString bad = dir.filePath("zly.lnz");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("to nie jest lista\r\n");
    f.close();
    const WynikCli refused = uruchomCli({"import-list", "--db", db, "--file", bad});
    QCOMPARE(refused.kod, 1);
    QVERIFY(refused.err.startsWith("Plik nie zawiera listy należności zagranicznych!"));
    QCOMPARE(uruchomCli({"export-list", "--db", db, "--list", "1", "--out", lnz, "--order", "x"})
                 .kod,
             2);
    QCOMPARE(uruchomCli({"export-list", "--db", db, "--list", "77", "--out", lnz}).kod, 1);

    // Persons: nobody marked is refused; --all writes every soldier and leaves the marks.
    const QString os = dir.filePath("Osoby/z.os");
    const WynikCli none = uruchomCli({"export-persons", "--db", db, "--out", os, "--zp", "Z"});
    QCOMPARE(none.kod, 1);
    QVERIFY(none.err.contains("Nie zaznaczono żadnej osoby"));
    const WynikCli all =
        uruchomCli({"export-persons", "--db", db, "--out", os, "--zp", "Z", "--all"});
    QCOMPARE(all.kod, 0);
    Database d;
    d.open(db);
    const int soldiers = d.scalar("select count(*) from osoba where zp = 'Z'").toInt();
    QCOMPARE(all.linie.value(0), QStringLiteral("Liczba osób: %1").arg(soldiers));
    QCOMPARE(d.scalar("select count(*) from osoba where zaz = ?", {QString(QChar(0x0163))}).toInt(), 0);
    QFile file(os);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("\x16\x15")); // "LO" masked
    QCOMPARE(uruchomCli({"export-persons", "--db", db, "--out", os, "--zp", "X"}).kod, 2);
    file.close();

    // Read back: every soldier is already listed; as employees they are all added.
    const WynikCli same = uruchomCli({"import-persons", "--db", db, "--file", os, "--zp", "Z"});
    QCOMPARE(same.kod, 0);
    QCOMPARE(same.linie.value(0), QStringLiteral("Dopisano: 0, pominięto: %1").arg(soldiers));
    const int before = d.scalar("select count(*) from osoba").toInt();
    const WynikCli other = uruchomCli({"import-persons", "--db", db, "--file", os, "--zp", "P"});
    QCOMPARE(other.kod, 0);
    QCOMPARE(d.scalar("select count(*) from osoba").toInt(), before + soldiers);
    QCOMPARE(uruchomCli({"import-persons", "--db", db, "--file", lnz, "--zp", "P"}).kod, 1);
}

QTEST_GUILESS_MAIN(ListFileCommandsTest)
#include "list_file_commands_test.moc"
