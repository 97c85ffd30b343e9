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
    void everyAmountSumsItsColumn_data();
    void everyAmountSumsItsColumn();
    void everyGrouping_data();
    void everyGrouping();
    void subGroupingFiltersAndMarks();
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
    QVERIFY_THROWS_EXCEPTION(VexaError, WyrazenieKwoty(16));
    QVERIFY_THROWS_EXCEPTION(VexaError, WyrazenieGrupy(-1));
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

// Three positions of two lists, every column with its own amounts: p0 and p1 on list A, p2 on
// list B. The list's columns part them {p0, p1} | {p2}, the position's columns {p0} | {p1, p2}.
struct Trzy {
    int a = 0, b = 0;
};
static Trzy TrzyPozycje(Database& db) {
    Trzy t;
    t.a = DodajListe(db, {.zp = "Z", .typ = "P", .status = "Z", .miesiacrok = "12/2007",
                          .pkw = "PKW A"});
    t.b = DodajListe(db, {.zp = "P", .typ = "D", .status = "O", .miesiacrok = "01/2008",
                          .pkw = "PKW B"});
    const QList<int> id{DodajPozycje(db, t.a, 0, "kpr.", 1.5),
                        DodajPozycje(db, t.a, 1, "sierż.", 2.5),
                        DodajPozycje(db, t.b, 2, "sierż.", 2.5)};
    for (int i = 0; i < 3; ++i) {
        const bool pierwsza = i == 0;
        db.exec("update pozycja set skrotpododdzial = ?, stanowisko = ?, zwnaleznpkwproc = ?, "
                "zwnaleznlekarzproc = ? where id = ?",
                {pierwsza ? "P1" : "P2", pierwsza ? "S1" : "S2", pierwsza ? 10 : 20,
                 pierwsza ? 5 : 7, id[i]});
    }
    return t;
}

void AnalysisTest::everyAmountSumsItsColumn_data() {
    QTest::addColumn<int>("kwota");
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QStringList>("kolumny");
    const QList<QPair<QString, QStringList>> k{
        {"Należność", {"naleznosc"}},
        {"Zwiększenie należności MON", {"zwnaleznmon"}},
        {"Zwiększenie należności PKW", {"zwnaleznpkw"}},
        {"Dodatek wojenny", {"dodatekwojenny", "dodatekwojenny2", "dodatekwojenny3"}},
        {"Dodatek za rozminowywanie", {"rozm"}},
        {"Wyrównanie", {"wyrownanie"}},
        {"Dodatek za środki higieny", {"srhigieny"}},
        {"Inne zwiększenia", {"innezwiekszenia"}},
        {"Razem", {"razem"}},
        {"Składki ZUS", {"skladkizus"}},
        {"Inne zmniejszenia", {"innezmniejszenia"}},
        {"Do wypłaty", {"dowyplaty"}},
        {"Zaliczka w PLN", {"zaliczkapln"}},
        {"Na rachunek", {"rachunek"}},
        {"Zwiększ. należn. dla lekarzy", {"zwnaleznlekarz"}},
        {"Osobodni", {}}};
    QCOMPARE(PozycjeKwotAnalizy().size(), k.size());
    for (int i = 0; i < k.size(); ++i)
        QTest::newRow(qPrintable(k[i].first)) << i << k[i].first << k[i].second;
}

// Each amount of the page sums its own column (the war supplement all three of them), over
// every position of the filter: count, sum and average, in the total and in the grouped rows.
void AnalysisTest::everyAmountSumsItsColumn() {
    QFETCH(int, kwota);
    QFETCH(QString, nazwa);
    QFETCH(QStringList, kolumny);
    TestDb t;
    Database& db = t.db();
    TrzyPozycje(db);
    auto suma = [&](QList<int> bloki) {
        double s = 0;
        for (int b : bloki) {
            if (kolumny.isEmpty()) s += 10 + b; // the person-days
            for (const QString& c : kolumny)
                s += Kw(b, qPrintable(c));
        }
        return s;
    };
    WynikAnalizy w = Analizuj(db, FiltrRejestru{}, {kwota, 0, 0}, 2);
    QCOMPARE(PozycjeKwotAnalizy()[kwota], nazwa);
    QCOMPARE(w.listy, 2);
    QCOMPARE(w.wyplaty, 3);
    QCOMPARE(w.suma, suma({0, 1, 2}));
    QCOMPARE(w.srednia, suma({0, 1, 2}) / 3);
    QCOMPARE(w.naglowki, (QStringList{"Wypłaty", "SUMA: " + nazwa, "ŚREDNIA: " + nazwa}));
    QCOMPARE(w.wiersze.size(), 1);
    QCOMPARE(w.wiersze[0][1].toDouble(), suma({0, 1, 2}));
    // Grouped by the contingent: list A's two positions, list B's one.
    w = Analizuj(db, FiltrRejestru{}, {kwota, 5, 0}, 2);
    QCOMPARE(w.wiersze.size(), 2);
    QCOMPARE(w.wiersze[0][0].toString(), QString("PKW A"));
    QCOMPARE(w.wiersze[0][1].toInt(), 2);
    QCOMPARE(w.wiersze[0][2].toDouble(), suma({0, 1}));
    QCOMPARE(w.wiersze[0][3].toDouble(), suma({0, 1}) / 2);
    QCOMPARE(w.wiersze[1][2].toDouble(), suma({2}));
}

void AnalysisTest::everyGrouping_data() {
    QTest::addColumn<int>("grupa");
    QTest::addColumn<QString>("naglowek");
    QTest::addColumn<bool>("listy"); // a column of the list, else of the position
    QTest::addColumn<QString>("jednej");  // the value of the group of p0
    QTest::addColumn<QString>("drugiej"); // the value of the group of p2
    QTest::newRow("status") << 1 << "Status (zamknięta/otwarta)" << true << "Z" << "O";
    QTest::newRow("typ") << 2 << "Typ (pełna/dodatkowa)" << true << "P" << "D";
    QTest::newRow("miesiąc") << 3 << "Miesiąc/rok" << true << "12/2007" << "01/2008";
    QTest::newRow("rodzaj") << 4 << "Rodzaj (żołnierze/cywile)" << true << "Z" << "P";
    QTest::newRow("pkw") << 5 << "PKW" << true << "PKW A" << "PKW B";
    QTest::newRow("pododdział") << 6 << "Pododdział" << false << "P1" << "P2";
    QTest::newRow("stanowisko") << 7 << "Stanowisko" << false << "S1" << "S2";
    QTest::newRow("stopień") << 8 << "Stopień etatowy" << false << "kpr." << "sierż.";
    QTest::newRow("mnożnik") << 9 << "Mnożnik" << false << "1.5" << "2.5";
    QTest::newRow("pkw %") << 10 << "Zwiększ. należn. PKW w proc." << false << "10" << "20";
    QTest::newRow("lekarz %") << 11 << "Zw. należn. dla lekarzy w proc." << false << "5" << "7";
}

// Each grouping groups by its own column: the rows part the positions as that column does and
// show its values.
void AnalysisTest::everyGrouping() {
    QFETCH(int, grupa);
    QFETCH(QString, naglowek);
    QFETCH(bool, listy);
    QFETCH(QString, jednej);
    QFETCH(QString, drugiej);
    TestDb t;
    Database& db = t.db();
    TrzyPozycje(db);
    const WynikAnalizy w = Analizuj(db, FiltrRejestru{}, {11, grupa, 0}, 2);
    QCOMPARE(w.naglowki.first(), naglowek);
    QCOMPARE(w.wiersze.size(), 2);
    QHash<QString, double> suma;
    QHash<QString, int> ile;
    for (const QVariantList& r : w.wiersze) {
        suma.insert(r[0].toString(), r[2].toDouble());
        ile.insert(r[0].toString(), r[1].toInt());
    }
    const double d0 = Kw(0, "dowyplaty"), d1 = Kw(1, "dowyplaty"), d2 = Kw(2, "dowyplaty");
    QVERIFY2(suma.contains(jednej) && suma.contains(drugiej),
             qPrintable(QStringList(suma.keys()).join('|')));
    QCOMPARE(suma.value(jednej), listy ? d0 + d1 : d0);
    QCOMPARE(suma.value(drugiej), listy ? d2 : d1 + d2);
    QCOMPARE(ile.value(jednej), listy ? 2 : 1);
}

void AnalysisTest::subGroupingFiltersAndMarks() {
    TestDb t;
    Database& db = t.db();
    const Trzy l = TrzyPozycje(db);
    const int c = DodajListe(db, {.miesiacrok = "01/2009", .pkw = "PKW A"});
    DodajPozycje(db, c, 3);
    DodajListe(db, {.miesiacrok = "02/2009"}); // no positions
    const double d0 = Kw(0, "dowyplaty"), d1 = Kw(1, "dowyplaty"), d2 = Kw(2, "dowyplaty");

    // A year range, grouped by contingent and grade (the sub-grouping's caption).
    FiltrRejestru f;
    f.rok = "2007-2008";
    WynikAnalizy w = Analizuj(db, f, {11, 5, 8}, 2);
    QCOMPARE(w.wyplaty, 3);
    QCOMPARE(w.suma, d0 + d1 + d2);
    QCOMPARE(w.naglowki, (QStringList{"PKW", "Stopień etatowy", "Wypłaty", "SUMA: Do wypłaty",
                                      "ŚREDNIA: Do wypłaty"}));
    QCOMPARE(w.wiersze.size(), 3);
    QHash<QString, double> suma;
    for (const QVariantList& r : w.wiersze)
        suma.insert(r[0].toString() + "/" + r[1].toString(), r[3].toDouble());
    QCOMPARE(suma.value("PKW A/kpr."), d0);
    QCOMPARE(suma.value("PKW A/sierż."), d1);
    QCOMPARE(suma.value("PKW B/sierż."), d2);
    // The sub-grouping's own caption ("w %", the grouping's is "w proc.").
    w = Analizuj(db, f, {11, 5, 10}, 2);
    QCOMPARE(w.naglowki[1], QString("Zwiększ. należn. PKW w %"));
    // A sub-grouping without a grouping is none.
    w = Analizuj(db, f, {11, 0, 8}, 2);
    QCOMPARE(w.naglowki.size(), 3);
    QCOMPARE(w.wiersze.size(), 1);
    // Every year: the 2009 list too; the lists the register shows are reported.
    w = Analizuj(db, FiltrRejestru{}, {11, 0, 0}, 4);
    QCOMPARE(w.listy, 4);
    QCOMPARE(w.wyplaty, 4);
    QCOMPARE(w.suma, d0 + d1 + d2 + Kw(3, "dowyplaty"));
    // Marked lists, not all of them: only those, and their number.
    db.exec("update lista set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), l.b});
    w = Analizuj(db, FiltrRejestru{}, {11, 5, 0}, 4);
    QCOMPARE(w.listy, 1);
    QCOMPARE(w.wyplaty, 1);
    QCOMPARE(w.wiersze.size(), 1);
    QCOMPARE(w.wiersze[0][0].toString(), QString("PKW B"));
    QCOMPARE(w.wiersze[0][2].toDouble(), d2);
    // The register's column filter on a column both tables have.
    db.exec("update lista set zaz = ?", {QString(ZAZ_NIEZAZNACZONY)});
    db.exec("update lista set razem = 7 where id = ?", {c});
    FiltrRejestru g;
    g.filtr = "(razem=7)";
    QCOMPARE(Analizuj(db, g, {}, 1).suma, Kw(3, "dowyplaty"));
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
