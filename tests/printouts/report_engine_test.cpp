// The report engine: bands placed on pages with the page header repeated, page breaks, footers
// numbered "N z M"; the shared texts; the banknote breakdown; and a PDF that pdftotext reads.
#include "data/settings.h"
#include "printouts/conventions.h"
#include "printouts/report_builder.h"
#include "printouts/report_painter.h"
#include "support/test_db.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

class ReportEngineTest : public QObject {
    Q_OBJECT
private slots:
    void bandsBreakPagesAndFootersCountThem();
    void sharedTexts();
    void banknoteBreakdown();
    void pdfHoldsThePolishTexts();
};

namespace {

// 45 detail rows of 5 mm under a 12 mm column header, with a 10 mm footer, on landscape A4
// (210 mm high, 10 mm margins): 190 − 12 − 10 = 168 mm of rows a page, 33 rows.
Raport trzyStrony() {
    Raport r;
    r.tytulZadania = TYTUL_LISTA;
    BudowaRaportu b(r);
    b.ustawNaglowekStrony(12, [](Pasmo& p) { p.tekst(0, 0, 50, 6, "NAZWISKO I IMIĘ"); });
    b.ustawStopke(10, [](Pasmo& p, int strona, int stron) {
        p.tekst(0, 0, p.szerokosc(), 5, LiniaStrony(strona, stron), {}, Wyrownanie::Prawo);
    });
    for (int i = 1; i <= 70; ++i)
        b.pasmo(5, [i](Pasmo& p) { p.tekst(0, 0, 20, 5, QString::number(i)); });
    b.zakoncz();
    return r;
}

} // namespace

void ReportEngineTest::bandsBreakPagesAndFootersCountThem() {
    const Raport r = trzyStrony();
    QCOMPARE(r.iloscStron(), 3);
    int expected = 1;
    for (int s = 0; s < 3; ++s) {
        const StronaRaportu& page = r.strony[s];
        QCOMPARE(page.tresci().first(), "NAZWISKO I IMIĘ"); // repeated on every page
        QCOMPARE(page.teksty[0].pole.top(), 10.0);
        // The rows go on where the previous page stopped, in order, inside the page.
        for (const Tekst& t : page.teksty.mid(1, page.teksty.size() - 2)) {
            QCOMPARE(t.tresc, QString::number(expected++));
            QVERIFY(t.pole.bottom() <= 210 - 10 - 10 + 1e-9);
        }
        const Tekst& footer = page.teksty.last();
        QCOMPARE(footer.tresc, QStringLiteral("Strona: %1 z 3").arg(s + 1));
        QCOMPARE(footer.wyrownanie, Wyrownanie::Prawo);
        QCOMPARE(footer.pole.right(), 297.0 - 10);
        QCOMPARE(footer.pole.top(), 210.0 - 10 - 10);
    }
    QCOMPARE(expected, 71);
    QCOMPARE(r.strony[0].teksty.size(), 1 + 33 + 1);
    // The first row sits under the header, the last one of a full page touches the footer.
    QCOMPARE(r.strony[0].teksty[1].pole.top(), 22.0);
    QCOMPARE(r.strony[0].teksty[33].pole.bottom(), 22.0 + 33 * 5);

    // No band at all still gives one page with its footer.
    Raport empty;
    BudowaRaportu e(empty);
    e.ustawStopke(10, [](Pasmo& p, int s, int n) { p.tekst(0, 0, 50, 5, LiniaStrony(s, n)); });
    e.zakoncz();
    QCOMPARE(empty.iloscStron(), 1);
    QCOMPARE(empty.strony[0].tresci(), QStringList{"Strona: 1 z 1"});
}

void ReportEngineTest::sharedTexts() {
    QCOMPARE(LiniaDaty(QDate(2027, 3, 5)), "Data: 05/03/2027");
    QCOMPARE(LiniaProduktu(), "Wydrukowano z aplikacji VEXA-F, " + STRONA_PROGRAMU);
    QCOMPARE(LiniaProduktu(false), "Wydrukowano z aplikacji VEXA-F");
    QCOMPARE(DataKonca(QDate(2999, 1, 1)), " - ");
    QCOMPARE(DataKonca(QDate(2998, 12, 31)), "31/12/2998");
    QCOMPARE(DataKonca(QDate()), QString());
    TestDb t;
    Zapis(t.db(), "NAZWA1", "JEDNOSTKA WOJSKOWA 4321");
    QCOMPARE(NaglowekJednostki(t.db()), (QStringList{"JEDNOSTKA WOJSKOWA 4321", ""}));
}

void ReportEngineTest::banknoteBreakdown() {
    TestDb t;
    // No denominations: an empty table, nothing counted.
    QVERIFY(Nominaly(t.db()).isEmpty());
    LicznikiBanknotow c{};
    RozlozNaBanknoty(1234, {}, c);
    QCOMPARE(c, LicznikiBanknotow{});
    // Entered out of order (and with gaps): largest first.
    ZapisSetne(t.db(), "N1", 10);
    ZapisSetne(t.db(), "N3", 100);
    ZapisSetne(t.db(), "N7", 50);
    ZapisSetne(t.db(), "N9", 0.001); // below a grosz: stored as 0 hundredths, left out
    const QList<double> n = Nominaly(t.db());
    QCOMPARE(n, (QList<double>{100, 50, 10}));
    QCOMPARE(UporzadkujNominaly({20, 50, 20, 100, 0}), (QList<double>{100, 50, 20, 20}));

    RozlozNaBanknoty(0, n, c); // a zero advance counts nothing
    QCOMPARE(c, LicznikiBanknotow{});
    RozlozNaBanknoty(275.29, n, c); // 2 × 100, 1 × 50, 2 × 10; 5.29 not counted
    RozlozNaBanknoty(160, n, c);    // 1 × 100, 1 × 50, 1 × 10
    QCOMPARE(c[0], 3);
    QCOMPARE(c[1], 2);
    QCOMPARE(c[2], 3);
    QCOMPARE(c[3], 0);
    // The control sums fall short of the advances by the remainder.
    QCOMPARE(c[0] * 100 + c[1] * 50 + c[2] * 10, 430);
    LicznikiBanknotow coins{};
    RozlozNaBanknoty(0.29, {0.1, 0.01, 0.001}, coins); // 0.29 is 29 groszy, not 28
    QCOMPARE(coins[0], 2);
    QCOMPARE(coins[1], 9);
    QCOMPARE(coins[2], 0);
}

void ReportEngineTest::pdfHoldsThePolishTexts() {
    const Raport r = trzyStrony();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("raport/lista.pdf");
    ZapiszPdf(r, pdf);
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForStarted()) QSKIP("pdftotext is not installed");
    QVERIFY(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count("NAZWISKO I IMIĘ"), 3);
    QVERIFY(text.contains("Strona: 3 z 3"));
    QCOMPARE(text.count(u'\f'), 3); // three pages

    // Progress is told page by page; a run stopped after the first page leaves no file.
    QList<int> seen;
    const QString stopped = dir.filePath("przerwany.pdf");
    QVERIFY(!ZapiszPdf(r, stopped, [&](int done, int all) {
        seen << done * 10 + all;
        return done < 1;
    }));
    QCOMPARE(seen, QList<int>{13});
    QVERIFY(!QFile::exists(stopped));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

QTEST_MAIN(ReportEngineTest)
#include "report_engine_test.moc"
