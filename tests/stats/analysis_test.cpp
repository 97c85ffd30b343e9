// Analyses: the condition built from the register's filter, the grouped results, the choices'
// rules, the semicolon file and the .xlsx workbook (read back from its zip).
#include "data/codepage.h"
#include "data/error.h"
#include "stats/analysis.h"
#include "stats/stats_data.h"
#include "support/test_db.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace vexa;
using namespace statstest;

class AnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void conditionFromTheRegisterFilter();
    void resultsByGroup();
    void csvFile();
    void xlsxWorkbook();
    void aWorkbookIsReplacedInOneStep();
};

void AnalysisTest::conditionFromTheRegisterFilter() {
    FiltrRejestru f;
    f.miesiac = 3; // the month is not applied
    QCOMPARE(WarunekAnalizy(f, false),
             QString("(true) and (true) and (true) and (true) and (true) and ((true)) and (true)"));
    f.rok = "2007-2008";
    f.pkw = "PKW A";
    f.otwarte = false;
    f.cywile = false;
    f.filtr = "(razem=1.5)";
    QCOMPARE(WarunekAnalizy(f, true),
             QString("(right(miesiacrok,4)>='2007') and (right(miesiacrok,4)<='2008') and "
                     "(skrotpkw='PKW A') and (status='Z') and (true) and (zp='Z') and "
                     "((lista.razem=1.5)) and (lista.zaz='") +
                 ZAZ_ZAZNACZONY + "')");
    f.pkw = GRUPA;
    f.mpkw.clear();
    QVERIFY_THROWS_EXCEPTION(VexaError, WarunekAnalizy(f, false));
    // Choices: a sub-grouping snaps back without a grouping; the marked-only rule.
    QCOMPARE(PodgrupaAnalizy(0, 5), 0);
    QCOMPARE(PodgrupaAnalizy(3, 5), 5);
    QVERIFY(TylkoZaznaczoneAnalizy(2, 5));
    QVERIFY(!TylkoZaznaczoneAnalizy(5, 5)); // all marked: no mark condition
    QVERIFY(!TylkoZaznaczoneAnalizy(0, 5));
    QCOMPARE(PozycjeKwotAnalizy().size(), 16);
    QCOMPARE(PozycjeKwotAnalizy()[11], QString("Do wypłaty"));
    QCOMPARE(WyrazenieKwoty(15), QString("pozycja.iloscdni"));
    QCOMPARE(WyrazenieGrupy(6), QString("pozycja.skrotpododdzial"));
    QCOMPARE(PozycjePodgrupyAnalizy()[10], QString("Zwiększ. należn. PKW w %"));
    // The filter display.
    FiltrRejestru g;
    g.pelne = false;
    g.zolnierze = g.cywile = false;
    const QList<LiniaFiltruAnalizy> l = OpisFiltruAnalizy(g, QString(), QString());
    QCOMPARE(l.size(), 6);
    QVERIFY(l[0].wartosc == "WSZYSTKIE" && l[0].szara);
    QVERIFY(l[1].wartosc == "DODATKOWE" && !l[1].szara);
    QCOMPARE(l[2].wartosc, QString("!"));
    QVERIFY(l[4].wartosc == "WSZYSTKIE" && l[4].szara); // "(WSZYSTKIE)" is 11 characters
    g.filtr = "(nr='7')";
    QCOMPARE(OpisFiltruAnalizy(g, "NR LISTY", "7").last().podpis, QString("NR LISTY:"));
}

void AnalysisTest::resultsByGroup() {
    TestDb t;
    Database& db = t.db();
    const int a = DodajListe(db, {.miesiacrok = "12/2007", .pkw = "PKW A"});
    DodajPozycje(db, a, 1, 100, "kpr.");
    DodajPozycje(db, a, 1, 50, "sierż.");
    const int b = DodajListe(db, {.miesiacrok = "01/2008", .pkw = "PKW B"});
    DodajPozycje(db, b, 1, 10, "kpr.");
    DodajPozycje(db, b, 1, 20, "kpr.");
    const int c = DodajListe(db, {.miesiacrok = "01/2009", .pkw = "PKW A"});
    DodajPozycje(db, c, 1, 1000, "kpr.");
    DodajListe(db, {.miesiacrok = "02/2009"}); // no positions

    // No filter, no grouping: one row of count, sum and average of "Do wypłaty".
    FiltrRejestru f;
    WynikAnalizy w = Analizuj(db, f, {}, 4);
    QCOMPARE(w.listy, 4);
    QCOMPARE(w.wyplaty, 5);
    QCOMPARE(w.suma, 1180.0);
    QCOMPARE(w.srednia, 236.0);
    QCOMPARE(w.naglowki, (QStringList{"Wypłaty", "SUMA: Do wypłaty", "ŚREDNIA: Do wypłaty"}));
    QCOMPARE(w.wiersze.size(), 1);
    QCOMPARE(w.wiersze[0][0].toInt(), 5);
    QCOMPARE(w.wiersze[0][1].toDouble(), 1180.0);

    // A year range, grouped by contingent and grade.
    f.rok = "2007-2008";
    w = Analizuj(db, f, {11, 5, 8}, 2);
    QCOMPARE(w.wyplaty, 4);
    QCOMPARE(w.suma, 180.0);
    QCOMPARE(w.naglowki, (QStringList{"PKW", "Stopień etatowy", "Wypłaty", "SUMA: Do wypłaty",
                                      "ŚREDNIA: Do wypłaty"}));
    QCOMPARE(w.wiersze.size(), 3);
    QHash<QString, double> suma;
    for (const QVariantList& r : w.wiersze)
        suma.insert(r[0].toString() + "/" + r[1].toString(), r[3].toDouble());
    QCOMPARE(suma.value("PKW A/kpr."), 100.0);
    QCOMPARE(suma.value("PKW A/sierż."), 50.0);
    QCOMPARE(suma.value("PKW B/kpr."), 30.0);
    // A sub-grouping without a grouping is none.
    w = Analizuj(db, f, {11, 0, 8}, 2);
    QCOMPARE(w.naglowki.size(), 3);
    // Marked lists, not all of them: only those, and their number.
    db.exec("update lista set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), b});
    w = Analizuj(db, FiltrRejestru{}, {11, 5, 0}, 4);
    QCOMPARE(w.listy, 1);
    QCOMPARE(w.wyplaty, 2);
    QCOMPARE(w.wiersze.size(), 1);
    QCOMPARE(w.wiersze[0][0].toString(), QString("PKW B"));
    // The register's column filter on a column both tables have.
    db.exec("update lista set zaz = ?", {QString(ZAZ_NIEZAZNACZONY)});
    db.exec("update lista set razem = 7 where id = ?", {c});
    FiltrRejestru g;
    g.filtr = "(razem=7)";
    QCOMPARE(Analizuj(db, g, {}, 1).suma, 1000.0);
}

void AnalysisTest::csvFile() {
    WynikAnalizy w;
    w.naglowki = {"PKW", "Stopień etatowy", "Wypłaty", "SUMA: Do wypłaty", "ŚREDNIA: Do wypłaty"};
    w.wiersze = {{QString("PKW A"), QString("sierż."), 2, 1234.5, 617.25},
                 {QString("PKW B"), QVariant(), 1, 0.0, 0.0}};
    const QByteArray csv = CsvAnalizy(w);
    const QList<QByteArray> l = csv.split('\n');
    QCOMPARE(zCp1250(l[0]), QString("PKW;Stopień etatowy;Wypłaty;SUMA: Do wypłaty;ŚREDNIA: Do "
                                    "wypłaty;\r"));
    QCOMPARE(zCp1250(l[1]), QString("PKW A;sierż.;2;1234,5;617,25;\r"));
    QCOMPARE(zCp1250(l[2]), QString("PKW B;;1;0;0;\r"));
    QVERIFY(csv.contains("Stopie\xF1")); // "ń" as one Windows-1250 byte
    QVERIFY(csv.endsWith("\r\n"));
}

void AnalysisTest::xlsxWorkbook() {
    WynikAnalizy w;
    w.naglowki = {"PKW", "Wypłaty", "SUMA: Do wypłaty", "ŚREDNIA: Do wypłaty"};
    w.wiersze = {{QString("PKW A & <B>"), 2, 1234.5, 617.25}};
    QTemporaryDir dir;
    const QString plik = dir.filePath("Analizy/analiza.xlsx");
    ZapiszXlsxAnalizy(w, plik);
    QVERIFY(QFile::exists(plik) && !QFile::exists(plik + ".tmp"));
    QProcess lista;
    lista.start("unzip", {"-l", plik});
    if (!lista.waitForStarted()) QSKIP("unzip is not installed");
    QVERIFY(lista.waitForFinished(30000));
    QVERIFY(lista.readAllStandardOutput().contains("xl/worksheets/sheet1.xml"));
    QProcess arkusz;
    arkusz.start("unzip", {"-p", plik, "xl/worksheets/sheet1.xml"});
    QVERIFY(arkusz.waitForFinished(30000));
    const QByteArray xml = arkusz.readAllStandardOutput();
    // The amounts are numbers (no t="s"), written with a full stop whatever the locale, and the
    // header row is frozen.
    QVERIFY(xml.contains("<v>1234.5</v>") && xml.contains("<v>617.25</v>"));
    QVERIFY(xml.contains("<c r=\"B2\"") && xml.contains("<v>2</v>"));
    QVERIFY(xml.contains("state=\"frozen\"") && xml.contains("ySplit=\"1\""));
    QProcess teksty;
    teksty.start("unzip", {"-p", plik, "xl/sharedStrings.xml"});
    QVERIFY(teksty.waitForFinished(30000));
    const QString s = QString::fromUtf8(teksty.readAllStandardOutput());
    QVERIFY(s.contains("PKW A &amp; &lt;B&gt;") && s.contains("ŚREDNIA: Do wypłaty"));
    // An existing file is replaced.
    w.wiersze[0][2] = 1.0;
    ZapiszXlsxAnalizy(w, plik);
    QProcess znowu;
    znowu.start("unzip", {"-p", plik, "xl/worksheets/sheet1.xml"});
    QVERIFY(znowu.waitForFinished(30000));
    QVERIFY(!znowu.readAllStandardOutput().contains("<v>1234.5</v>"));
}

void AnalysisTest::aWorkbookIsReplacedInOneStep() {
    WynikAnalizy w;
    w.naglowki = {"PKW", "Wypłaty", "SUMA: Do wypłaty", "ŚREDNIA: Do wypłaty"};
    w.wiersze = {{QString("PKW A"), 2, 1234.5, 617.25}};
    QTemporaryDir dir;
    const QString plik = dir.filePath("analiza.xlsx");
    ZapiszXlsxAnalizy(w, plik);
    // While the workbook is written again and again, a reader never finds the file missing
    // (a removal before the rename would leave a moment without it).
    std::atomic<bool> koniec{false};
    std::atomic<int> brak{0}, spojrzen{0};
    std::thread czytelnik([&] {
        while (!koniec) {
            if (!QFileInfo::exists(plik)) ++brak;
            ++spojrzen;
        }
    });
    for (int i = 0; i < 60; ++i) {
        w.wiersze[0][2] = 1000.0 + i;
        ZapiszXlsxAnalizy(w, plik);
    }
    koniec = true;
    czytelnik.join();
    QVERIFY(spojrzen > 0);
    QCOMPARE(brak.load(), 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"analiza.xlsx"});
    // A folder where the workbook should go: refused in Polish, the folder left as it was.
    const QString folder = dir.filePath("folder.xlsx");
    QVERIFY(QDir().mkpath(folder + "/x"));
    try {
        ZapiszXlsxAnalizy(w, folder);
        QFAIL("a folder was replaced");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().startsWith("Nie można zapisać pliku"), qPrintable(e.message()));
    }
    QVERIFY(QFileInfo(folder + "/x").isDir());
    QVERIFY(!QFile::exists(folder + ".tmp"));
}

QTEST_GUILESS_MAIN(AnalysisTest)
#include "analysis_test.moc"
