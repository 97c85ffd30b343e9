// vexa-cli analyse: the same analysis as the page, printed and written as CSV and .xlsx; bad
// choices refused with exit code 2.
#include "data/codepage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

using namespace vexa;

class AnalyseCommandTest : public QObject {
    Q_OBJECT
private slots:
    void analyse();
};

void AnalyseCommandTest::analyse() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "20"}).kod, 0);
    const WynikCli w = uruchomCli({"analyse", "--db", db});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.linie.size(), 5);
    QVERIFY(w.linie[0].startsWith("LISTY: "));
    QVERIFY(w.linie[2] == "GRUPY: 1");
    QVERIFY(w.linie[3].startsWith("SUMA: ") && w.linie[3].endsWith(" PLN"));

    const QString csv = dir.filePath("Analizy/a.csv");
    QCOMPARE(uruchomCli({"analyse", "--db", db, "--group1", "4", "--amount", "8", "--csv", csv}).kod,
             0);
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(zCp1250(f.readLine()),
             QString("Rodzaj (żołnierze/cywile);Wypłaty;SUMA: Razem;ŚREDNIA: Razem;\r\n"));
    QVERIFY(f.readAll().count("\r\n") >= 1);

    const QString xlsx = dir.filePath("a.xlsx");
    QCOMPARE(uruchomCli({"analyse", "--db", db, "--group1", "5", "--xlsx", xlsx}).kod, 0);
    QProcess p;
    p.start("unzip", {"-l", xlsx});
    if (!p.waitForStarted()) QSKIP("unzip is not installed");
    QVERIFY(p.waitForFinished(30000));
    QVERIFY(p.readAllStandardOutput().contains("xl/worksheets/sheet1.xml"));

    // A year with no lists: nothing found, still a row of zeros.
    const WynikCli pusty = uruchomCli({"analyse", "--db", db, "--year", "1999-2000"});
    QCOMPARE(pusty.kod, 0);
    QCOMPARE(pusty.linie.value(1), QString("WYPŁATY: 0"));
    QCOMPARE(uruchomCli({"analyse", "--db", db, "--group1", "12"}).kod, 2);
    QCOMPARE(uruchomCli({"analyse", "--db", db, "--year", "20x7"}).kod, 2);
    QCOMPARE(uruchomCli({"analyse", "--db", db, "--csv", csv, "--xlsx", xlsx}).kod, 2);
    const WynikCli pomoc = uruchomCli({"analyse", "--help"});
    QCOMPARE(pomoc.kod, 0);
    QVERIFY(pomoc.linie.contains("  11  Do wypłaty"));
}

QTEST_GUILESS_MAIN(AnalyseCommandTest)
#include "analyse_command_test.moc"
