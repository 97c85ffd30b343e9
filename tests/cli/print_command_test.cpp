// vexa-cli print: the list printout as a PDF whose text (read back with pdftotext) carries the
// list's grand total; refusals for a missing list and for positions marked to-do.
#include "data/database.h"
#include "data/numbers.h"
#include "lists/list_repository.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

using namespace vexa;

class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void pdfCarriesTheGrandTotal();
    void refusals();
    void paymentReports();
};

void PrintCommandTest::pdfCarriesTheGrandTotal() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "40"}).kod, 0);
    const QString pdf = dir.filePath("lista.pdf");
    const WynikCli w = uruchomCli({"print", "--db", db, "--list", "1", "--pdf", pdf});
    QCOMPARE(w.kod, 0);
    QVERIFY(w.linie.first().startsWith("TRLista: "));
    QVERIFY(QFile::exists(pdf));

    Database d;
    d.open(db);
    double doWyplaty = 0, rachunek = 0;
    for (const Pozycja& p : ListRepository(d).pozycje(1)) {
        doWyplaty += p.dowyplaty;
        rachunek += p.rachunek;
    }
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    if (!text.waitForStarted()) QSKIP("pdftotext is not installed");
    QVERIFY(text.waitForFinished(60000));
    const QString t = QString::fromUtf8(text.readAllStandardOutput());
    const QString line = QStringLiteral("OGÓŁEM lista ") + KwotaGrupy(doWyplaty) +
                         QStringLiteral(" PLN, z tego: ") + KwotaGrupy(rachunek) + " PLN";
    QVERIFY2(t.contains(line), qPrintable(line));
    QVERIFY(t.contains("WYPŁAT NALEŻNOŚCI ZAGRANICZNYCH"));
    QVERIFY(t.contains("Wydrukowano z aplikacji VEXA-F"));
}

void PrintCommandTest::refusals() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "10"}).kod, 0);
    WynikCli w = uruchomCli({"print", "--db", db, "--list", "99", "--pdf", dir.filePath("x.pdf")});
    QCOMPARE(w.kod, 1);
    QVERIFY(w.err.contains("Nie ma listy należności"));
    {
        Database d;
        d.open(db);
        d.exec("update pozycja set wyr = 'T' where id = (select min(id) from pozycja where "
               "idlisty = 1)");
    }
    w = uruchomCli({"print", "--db", db, "--list", "1", "--pdf", dir.filePath("x.pdf")});
    QCOMPARE(w.kod, 1);
    QVERIFY(w.err.contains("DO ZROBIENIA"));
    QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
    QCOMPARE(uruchomCli({"print", "--db", db, "--list", "1"}).kod, 2);
}

void PrintCommandTest::paymentReports() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "12"}).kod, 0);
    {
        Database d;
        d.open(db);
        d.exec("update pozycja set niepobranewkasie = 'W', zaliczkawaluta = 321.5 "
               "where id = (select min(id) from pozycja where idlisty = 1)");
    }
    const QList<QPair<QString, QString>> raporty{
        {"przelewy", "WYKAZ PRZELEWÓW ZŁOTÓWKOWYCH"},
        {"przelewy-waluta", "WYKAZ PRZELEWÓW WALUTOWYCH"},
        {"kasa", "NIEPOBRANYCH W KASIE"},
        {"lista-kasa", "NALEŻNOŚCI WYPŁACONE W KASIE"},
        {"lista-kasa2", "NALEŻNOŚCI WYPŁACONE W KASIE"},
        {"do-kasy", "DEKLARACJA WYPŁATY NALEŻNOŚCI ZAGRANICZNEJ"}};
    for (const auto& [raport, tytul] : raporty) {
        const QString pdf = dir.filePath(raport + ".pdf");
        const WynikCli w =
            uruchomCli({"print", "--db", db, "--list", "1", "--report", raport, "--pdf", pdf});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.linie.value(0).startsWith(raport + ": "));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        if (!p.waitForStarted()) QSKIP("pdftotext is not installed");
        QVERIFY(p.waitForFinished(60000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(tytul), qPrintable(raport));
        if (raport.startsWith("lista-kasa")) QVERIFY(text.contains("321,50"));
    }
    QCOMPARE(uruchomCli({"print", "--db", db, "--list", "1", "--report", "x", "--pdf",
                         dir.filePath("x.pdf")})
                 .kod,
             2);
    QCOMPARE(uruchomCli({"print", "--db", db, "--list", "99", "--report", "kasa", "--pdf",
                         dir.filePath("y.pdf")})
                 .kod,
             1);
    QVERIFY(!QFile::exists(dir.filePath("y.pdf")));
}

QTEST_GUILESS_MAIN(PrintCommandTest)
#include "print_command_test.moc"
