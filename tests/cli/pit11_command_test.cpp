// vexa-cli pit11: creating the year's forms, their XML files (well-formed for xmllint, values
// with & < " and Polish letters) from the template beside the executable, and the PDF; the XML
// and PDF runs change nothing in the database.
#include "data/database.h"
#include "pit/pit_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"
#include "support/xsd_check.h"

using namespace vexa;
using namespace pittest;

class Pit11CommandTest : public QObject {
    Q_OBJECT
private slots:
    void createXmlAndPdf();
    void variant29OnTheDemoUnitWritesValidFiles();
};

void Pit11CommandTest::createXmlAndPdf() {
    QTemporaryDir dir;
    const QString db = dir.filePath("baza.mdb");
    QCOMPARE(uruchomCli({"create-db", db}).kod, 0);
    {
        Database d;
        d.open(db);
        d.exec("insert into dane (kod, wartosc) values ('POSIADACZ', 'JW \"GROM\" & <S-KA>')");
        DodajOsobe(d, "80010112340", "ŁUKASIEWICZ & SYN", "ŻANETA <A>");
        DodajOsobe(d, "81020212345", "NOWAK", "JAN", "1234563218");
        const int l = DodajListe(d, "2026-06-30");
        DodajPozycje(d, l, "80010112340", 1500, 270.6);
        DodajPozycje(d, l, "81020212345", 1000, 180.4);
        DodajPozycje(d, l, "82030312345", 1000, 0);
    }
    const WynikCli bezNazwisk = uruchomCli({"pit11", "--db", db, "--year", "2026", "--create"});
    QCOMPARE(bezNazwisk.kod, 1);
    QVERIFY(bezNazwisk.err.startsWith("Proszę wprowadzić imię i nazwisko"));
    QCOMPARE(uruchomCli({"pit11", "--db", db, "--year", "20x6", "--xml", dir.path()}).kod, 2);
    QCOMPARE(uruchomCli({"pit11", "--db", db, "--year", "2026"}).kod, 2);

    const WynikCli utworz = uruchomCli({"pit11", "--db", db, "--year", "2026", "--create",
                                        "--preparer-first", "ANNA", "--preparer-last", "NOWAK"});
    QCOMPARE(utworz.kod, 0);
    QCOMPARE(utworz.linie, QStringList{"Utworzono formularzy PIT-11 za rok 2026: 2"});

    QFile plikBazy(db);
    QVERIFY(plikBazy.open(QIODevice::ReadOnly));
    const QByteArray przed = plikBazy.readAll();
    plikBazy.close();

    const QString xml = dir.filePath("XML");
    const WynikCli x = uruchomCli({"pit11", "--db", db, "--year", "2026", "--xml", xml});
    QCOMPARE(x.kod, 0);
    QCOMPARE(x.linie, QStringList{"Plików XML: 2"});
    const QStringList pliki = QDir(xml).entryList(QDir::Files, QDir::Name);
    QCOMPARE(pliki, (QStringList{"NOWAK_81020212345.xml", "ŁUKASIEWICZ & SYN_80010112340.xml"}));
    for (const QString& p : pliki) {
        QProcess lint;
        lint.start("xmllint", {"--noout", QDir(xml).filePath(p)});
        if (!lint.waitForStarted()) QSKIP("xmllint is not installed");
        QVERIFY(lint.waitForFinished(30000));
        QVERIFY2(lint.exitCode() == 0, qPrintable(lint.readAllStandardError()));
    }
    QFile f(QDir(xml).filePath("NOWAK_81020212345.xml"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray nowak = f.readAll();
    QVERIFY(nowak.contains("<NIP>1234563218</NIP>\r\n"));
    QVERIFY(nowak.contains("<P_33>180</P_33>"));
    QVERIFY(nowak.contains("<etd:PelnaNazwa>JW &quot;GROM&quot; &amp; &lt;S-KA&gt;</etd:PelnaNazwa>"));

    const QString pdf = dir.filePath("pit.pdf");
    const WynikCli w = uruchomCli({"pit11", "--db", db, "--year", "2026", "--pdf", pdf});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.linie, QStringList{"Stron: 6"});
    QVERIFY(QFileInfo(pdf).size() > 1000);
    // Nobody has an explanation: no ORD-ZU to print, and nothing is written.
    const WynikCli ord =
        uruchomCli({"pit11", "--db", db, "--year", "2026", "--pdf", dir.filePath("o.pdf"), "--ord-zu"});
    QCOMPARE(ord.kod, 1);
    QVERIFY(!QFile::exists(dir.filePath("o.pdf")));

    QVERIFY(plikBazy.open(QIODevice::ReadOnly));
    QVERIFY(plikBazy.readAll() == przed);
}

void Pit11CommandTest::variant29OnTheDemoUnitWritesValidFiles() {
    QTemporaryDir dir;
    const QString db = dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", db, "--persons", "60"}).kod, 0);
    // A taxed list of soldiers on the demo unit, dated today as every list.
    const QDate dzis = QDate::currentDate();
    const QString miesiac = QString::number(dzis.month()).rightJustified(2, u'0') + u'/' +
                            QString::number(dzis.year());
    const WynikCli lista =
        uruchomCli({"generate", "--db", db, "--month", miesiac, "--zp", "Z", "--tax",
                    "--tax-rate", "4.0512", "--tax-table", "200/A/NBP/2026", "--diet", "100"});
    QVERIFY2(lista.kod == 0, qPrintable(lista.err));
    const QString rok = QString::number(dzis.year());
    const QString xml = dir.filePath("XML");
    QCOMPARE(uruchomCli({"pit11", "--db", db, "--year", rok, "--xml", xml, "--variant", "30"}).kod,
             2);
    QCOMPARE(uruchomCli({"pit11", "--db", db, "--year", rok, "--variant", "29"}).kod, 2);
    const WynikCli w =
        uruchomCli({"pit11", "--db", db, "--year", rok, "--create", "--preparer-first", "ANNA",
                    "--preparer-last", "NOWAK", "--xml", xml, "--variant", "29"});
    QVERIFY2(w.kod == 0, qPrintable(w.err));
    QCOMPARE(w.err, QString());
    QCOMPARE(w.linie.size(), 2);
    const QString utworzono = w.linie[0].section(": ", 1);
    QVERIFY2(utworzono.toInt() > 30, qPrintable(w.linie[0]));
    QCOMPARE(w.linie[1], "Plików XML PIT-11 (29): " + utworzono);
    QStringList pliki;
    for (const QString& p : QDir(xml).entryList(QDir::Files, QDir::Name))
        pliki << QDir(xml).filePath(p);
    QCOMPARE(QString::number(pliki.size()), utworzono);
    const QString s = NiezgodneZeSchematem(pliki);
    QVERIFY2(s.isEmpty(), qPrintable(s.left(2000)));
    QFile f(pliki.first());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray pierwszy = f.readAll();
    // The payer's name without the bank's line-break marker.
    QVERIFY(pierwszy.contains("<PelnaNazwa>JEDNOSTKA WOJSKOWA 4321 UL. WOJSKOWA 1</PelnaNazwa>"));
}

QTEST_GUILESS_MAIN(Pit11CommandTest)
#include "pit11_command_test.moc"
