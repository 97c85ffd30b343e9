// GENERUJ PODSUMOWANIE (the panel, its messages, hidden again on re-entry, the printout computing
// first) and the analysis page (the filter shown, the sub-grouping snapping back, generation,
// and DO EXCELA as CSV and as .xlsx).
#include "data/numbers.h"
#include "lists/ui/list_register_page.h"
#include "lists/ui/list_ui.h"
#include "printouts/ui/preview_page.h"
#include "stats/ui/analysis_page.h"
#include "stats/ui/stats_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace vexa;
using namespace listui;

class StatsPagesTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsPanel();
    void analysisPage();
};

void StatsPagesTest::statisticsPanel() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    osoba(f, "BORSUK", "80010112357");
    lista(f);
    f.find<QAbstractButton>("sblisty")->click();
    auto* panel = f.findOn<StatsPanel>("listy", "Pstat");
    QVERIFY(panel && !panel->isVisible());
    // Printing with the panel hidden computes first.
    f.messages().clear();
    panel->drukuj();
    QCOMPARE(f.messages().lastText(), QString("Statystyka obejmie wszystkie listy należności..."));
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    QVERIFY(podglad->raport().strony[0].tresci().contains("STATYSTYKA ZE ZBIORU LIST NALEŻNOŚCI"));
    const double dowyplaty =
        f.db().scalar("select sum(dowyplaty) from pozycja").toDouble();
    QVERIFY(podglad->raport().strony[0].tresci().contains(Kwota00Przecinek(dowyplaty)));
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), QString("listy"));

    // Entering the register again hides the panel; GENERUJ PODSUMOWANIE shows it.
    f.find<QAbstractButton>("sbzolnierze")->click();
    f.find<QAbstractButton>("sblisty")->click();
    QVERIFY(!panel->isVisible());
    klik(f, "listy", "sbgenstat");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->etykieta("lsil")->text(), QString("1"));
    QCOMPARE(panel->etykieta("lsilz")->text(), QString("1"));
    QCOMPARE(panel->etykieta("lsdowypl")->text(), Kwota00Przecinek(dowyplaty));
    QCOMPARE(panel->findChild<QLabel*>("lkasa")->text(), QString("USD"));
    // Lists in two advance currencies: one total, in the currency of the current list.
    f.db().exec("insert into lista (nr, zp, typ, status, miesiacrok, skrotpkw, walutazaliczki, "
                "zaz) values ('EUR/1', 'Z', 'D', 'O', '03/2027', 'PKW', 'EUR', ?)",
                {QString(ZAZ_NIEZAZNACZONY)});
    const int eur = f.db().scalar("select max(id) from lista").toInt();
    f.db().exec("insert into pozycja (idlisty, nazwisko, zaliczkawaluta) values (?, 'X', 5)", {eur});
    const double kasa = f.db().scalar("select sum(zaliczkawaluta) from pozycja").toDouble();
    auto* rejestr = qobject_cast<ListRegisterPage*>(f.window().strona("listy"));
    rejestr->odswiezlisty();
    rejestr->wybierzListe(eur);
    klik(f, "listy", "sbgenstat");
    QCOMPARE(panel->etykieta("lsil")->text(), QString("2"));
    QCOMPARE(panel->findChild<QLabel*>("lkasa")->text(), QString("EUR"));
    QCOMPARE(panel->etykieta("lskasa")->text(), Kwota00Przecinek(kasa));
    // A marked list: only the marked ones, said so.
    f.db().exec("update lista set zaz = ?", {QString(ZAZ_ZAZNACZONY)});
    klik(f, "listy", "sbgenstat");
    QCOMPARE(f.messages().lastText(),
             QString("Statystyka obejmie tylko zaznaczone listy należności..."));
}

void StatsPagesTest::analysisPage() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    osoba(f, "BORSUK", "80010112357");
    lista(f);
    f.find<QAbstractButton>("sblisty")->click();
    klik(f, "listy", "sbanalizy");
    QCOMPARE(f.window().aktywnaStrona(), QString("analiza"));
    auto* page = qobject_cast<AnalysisPage*>(f.window().strona("analiza"));
    auto* kwota = f.findOn<QComboBox>("analiza", "lfkwota");
    auto* g1 = f.findOn<QComboBox>("analiza", "lfgrupa1");
    auto* g2 = f.findOn<QComboBox>("analiza", "lfgrupa2");
    QCOMPARE(kwota->currentText(), QString("Do wypłaty"));
    QCOMPARE(f.findOn<QLabel>("analiza", "lffiltr1")->text(), QString("WSZYSTKIE"));
    QVERIFY(f.findOn<QLabel>("analiza", "lfzaz")->text().isEmpty());
    // A sub-grouping without a grouping snaps back.
    g2->setCurrentIndex(8);
    QCOMPARE(g2->currentIndex(), 0);
    // Export before any analysis.
    klik(f, "analiza", "SpeedButton34");
    QCOMPARE(f.messages().lastText(), QString("Nie wygenerowano analizy..."));

    g1->setCurrentIndex(5);
    g2->setCurrentIndex(8);
    QCOMPARE(g2->currentIndex(), 8);
    f.messages().clear();
    klik(f, "analiza", "sbanaliza");
    QCOMPARE(f.messages().texts(),
             (QStringList{"Proszę zaczekać, aż aplikacja wyliczy analizę...",
                          "Przygotowanie analizy zostało zakończone..."}));
    QVERIFY(page->siatka()->isVisible());
    QCOMPARE(f.findOn<QLabel>("analiza", "lfilpozycji")->text(), QString("2"));
    QCOMPARE(f.findOn<QLabel>("analiza", "lfgrupy")->text(), QString("1"));
    QCOMPARE(page->model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("SUMA: Do wypłaty"));

    QTemporaryDir dir;
    f.files().choose(dir.filePath("a.csv"));
    klik(f, "analiza", "SpeedButton34");
    QCOMPARE(f.files().requests().last().title, QString("Export analizy do pliku Excel"));
    QCOMPARE(f.messages().lastText(),
             QString("Export analizy do pliku Excela został zakończony..."));
    QFile csv(dir.filePath("a.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(zCp1250(csv.readLine()),
             QString("PKW;Stopień etatowy;Wypłaty;SUMA: Do wypłaty;ŚREDNIA: Do wypłaty;\r\n"));
    f.files().choose(dir.filePath("a.xlsx"));
    klik(f, "analiza", "SpeedButton34");
    QFile xlsx(dir.filePath("a.xlsx"));
    QVERIFY(xlsx.open(QIODevice::ReadOnly));
    QVERIFY(xlsx.read(2) == "PK"); // a zip
    // Leaving by the close icon, and coming back resets the choices and hides the grid.
    klik(f, "analiza", "SpeedButton35");
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
    f.find<QAbstractButton>("sblisty")->click();
    klik(f, "listy", "sbanalizy");
    QCOMPARE(g1->currentIndex(), 0);
    QVERIFY(!page->siatka()->isVisible());
}

QTEST_MAIN(StatsPagesTest)
#include "stats_pages_test.moc"
