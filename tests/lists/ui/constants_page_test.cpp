#include "data/settings.h"
#include "lists/constants.h"
#include "support/app_fixture.h"

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

namespace {

QString tekst(AppFixture& f, const char* name) {
    return f.findOn<QLineEdit>("skladniki", name)->text();
}

void wpisz(AppFixture& f, const char* name, const QString& text) {
    auto* e = f.findOn<QLineEdit>("skladniki", name);
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
}

// Logs in to a unit whose settings were confirmed once (so the password leads to the empty page).
void zaloguj(AppFixture& f) {
    Zapis(f.db(), "DANE", "T");
    f.login();
}

void otworz(AppFixture& f) {
    f.find<QToolButton>("sbstaleplacowe")->click();
}

// A double click as the mouse sends it: a click, then a second press that is a double click.
void dwuklik(QTableView* grid, int row) {
    const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void dodajStopnie(AppFixture& f) {
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('płk', 'pułkownik', 3.25)");
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'kapral', 1.45)");
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('mjr', 'major', 2.6)");
}

} // namespace

class ConstantsPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensAfterLoginWithStoredValuesAndHoldsTheLock();
    void freshDatabaseShowsZerosAndEnterRefusesWithoutCashCurrency();
    void enterStoresHundredthsAndLeaves();
    void escapeAndCloseButtonStoreNothing();
    void numberThatIsNotANumberIsRefused();
    void multiplierEditorSavesTheGrade();
    void confirmingSavesAMultiplierStillBeingEdited();
};

void ConstantsPageTest::opensAfterLoginWithStoredValuesAndHoldsTheLock() {
    AppFixture f;
    Zapis(f.db(), "UPOSAZENIE", "456000");
    Zapis(f.db(), "ZWNALMON", "1050");
    Zapis(f.db(), "ROZM", "25");
    Zapis(f.db(), "WALUTAZALICZKI", "USD");
    Zapis(f.db(), "N1", "10000");
    dodajStopnie(f);
    QVERIFY(f.show());
    otworz(f); // locked before the password: nothing happens
    QCOMPARE(f.window().aktywnaStrona(), "mivra");
    zaloguj(f);
    otworz(f);
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    QVERIFY(f.window().locked());
    QCOMPARE(tekst(f, "euposazenie"), "4560,00");
    QCOMPARE(tekst(f, "ezwnalmon"), "10,5");
    QCOMPARE(tekst(f, "erozm"), "0,25"); // two decimals where the value has them
    QCOMPARE(tekst(f, "ewaluta"), "USD");
    QCOMPARE(tekst(f, "ewalutarach"), QString());
    QCOMPARE(tekst(f, "n1"), "100,00");
    QCOMPARE(tekst(f, "n2"), "0,00");
    QVERIFY(f.find<QFrame>("pmnoznik")->isHidden());

    // Zero denominations are drawn very light (colour 14283519), others black.
    QCOMPARE(f.findOn<QLineEdit>("skladniki", "n2")->palette().color(QPalette::Text), QColor(255, 242, 217));
    QCOMPARE(f.findOn<QLineEdit>("skladniki", "n1")->palette().color(QPalette::Text), QColor(Qt::black));
    wpisz(f, "n2", "50");
    QCOMPARE(f.findOn<QLineEdit>("skladniki", "n2")->palette().color(QPalette::Text), QColor(Qt::black));

    // The grades by name, multipliers as "#0.00", rows banded by record number.
    auto* grid = f.find<QTableView>("RxDBGrid3");
    QAbstractItemModel* m = grid->model();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), "STOPIEŃ ETATOWY");
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), "MNOŻNIK");
    QCOMPARE(m->index(0, 0).data().toString(), "kpr.");
    QCOMPARE(m->index(1, 1).data().toString(), "2,60");
    QCOMPARE(m->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
    QCOMPARE(m->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(162, 162, 162));

    // The bar does nothing while the page is open.
    f.find<QToolButton>("sblisty")->click();
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
}

void ConstantsPageTest::freshDatabaseShowsZerosAndEnterRefusesWithoutCashCurrency() {
    AppFixture f;
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    QCOMPARE(tekst(f, "euposazenie"), "0,00");
    QCOMPARE(tekst(f, "edodwojenny3"), "0,0");
    QCOMPARE(tekst(f, "n12"), "0,00");
    QCOMPARE(tekst(f, "ewaluta"), QString());
    QCOMPARE(tekst(f, "ewalutarach"), QString());
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().count(), 1);
    QCOMPARE(f.messages().asked().first().kind, KOMUNIKAT_INFORMACJA);
    QCOMPARE(f.messages().lastText(), "Wprowadź skrót waluty dla wypłacanej zaliczki!");
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    QVERIFY(f.window().locked());
    QCOMPARE(Odczyt(f.db(), "UPOSAZENIE"), QString());
    QCOMPARE(Odczyt(f.db(), "WALUTARACHUNEK"), QString());
}

void ConstantsPageTest::enterStoresHundredthsAndLeaves() {
    AppFixture f;
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    wpisz(f, "ewaluta", "usd"); // typed in upper case
    QCOMPARE(tekst(f, "ewaluta"), "USD");
    wpisz(f, "euposazenie", "4560,125"); // a tie: 456012.5 → even 456012
    wpisz(f, "esrhigienym", "95.54");
    wpisz(f, "epodatekproc", "18");
    wpisz(f, "n1", "1 000");
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(Odczyt(f.db(), "WALUTAZALICZKI"), "USD");
    QCOMPARE(Odczyt(f.db(), "WALUTARACHUNEK"), "PLN");
    QCOMPARE(Odczyt(f.db(), "UPOSAZENIE"), "456012");
    QCOMPARE(Odczyt(f.db(), "SRHIGIENYM"), "9554");
    QCOMPARE(Odczyt(f.db(), "PODATEKPROC"), "1800");
    QCOMPARE(Odczyt(f.db(), "N1"), "100000");
    QCOMPARE(Odczyt(f.db(), "N12"), "0");

    // Opened again, the page shows what was stored; confirming unchanged changes nothing.
    otworz(f);
    QCOMPARE(tekst(f, "euposazenie"), "4560,12");
    QCOMPARE(tekst(f, "ewalutarach"), "PLN");
    f.find<QPushButton>("sbskladnikizatwierdz")->click();
    QCOMPARE(Odczyt(f.db(), "UPOSAZENIE"), "456012");
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
}

void ConstantsPageTest::escapeAndCloseButtonStoreNothing() {
    AppFixture f;
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    wpisz(f, "ewaluta", "EUR");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(Odczyt(f.db(), "WALUTAZALICZKI"), QString());

    otworz(f);
    QCOMPARE(tekst(f, "ewaluta"), QString()); // the typed value is gone
    wpisz(f, "ewaluta", "EUR");
    f.find<QToolButton>("sbskladnikizamknij")->click();
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(Odczyt(f.db(), "WALUTAZALICZKI"), QString());
    QCOMPARE(f.messages().count(), 0);
}

void ConstantsPageTest::numberThatIsNotANumberIsRefused() {
    AppFixture f;
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    wpisz(f, "ewaluta", "USD");
    f.findOn<QLineEdit>("skladniki", "erozm")->setText("-");
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().lastText(), "Wprowadzona wartość nie jest poprawną liczbą!");
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    QCOMPARE(Odczyt(f.db(), "WALUTAZALICZKI"), QString());
    // Letters never get in.
    wpisz(f, "erozm", "1x,5");
    QCOMPARE(tekst(f, "erozm"), "1,5");
}

void ConstantsPageTest::multiplierEditorSavesTheGrade() {
    AppFixture f;
    dodajStopnie(f);
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    auto* grid = f.find<QTableView>("RxDBGrid3");
    dwuklik(grid, 0);
    auto* panel = f.find<QFrame>("pmnoznik");
    QVERIFY(panel->isVisible());
    QCOMPARE(tekst(f, "emnoznik"), "1,45");
    QVERIFY(f.window().locked());

    f.findOn<QLineEdit>("skladniki", "emnoznik")->setText("abc");
    f.find<QPushButton>("SpeedButton13")->click();
    QCOMPARE(f.messages().lastText(), "Wprowadzona wartość nie jest poprawną liczbą!");
    QVERIFY(panel->isVisible());

    wpisz(f, "emnoznik", "1,6");
    f.find<QPushButton>("SpeedButton13")->click();
    QVERIFY(panel->isHidden());
    QCOMPARE(grid->model()->index(0, 1).data().toString(), "1,60");
    QCOMPARE(f.db().scalar("select mnoznik from ste where skrot = 'kpr.'").toDouble(), 1.6);
    QCOMPARE(f.db().scalar("select mnoznik from ste where skrot = 'mjr'").toDouble(), 2.6);
    // Still on the page, which keeps the lock until it is left.
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    QVERIFY(f.window().locked());

    // A multiplier typed but not saved is dropped by ANULUJ.
    dwuklik(grid, 2);
    wpisz(f, "emnoznik", "9");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.db().scalar("select mnoznik from ste where skrot = 'płk'").toDouble(), 3.25);
    QVERIFY(!f.window().locked());
}

void ConstantsPageTest::confirmingSavesAMultiplierStillBeingEdited() {
    AppFixture f;
    dodajStopnie(f);
    QVERIFY(f.show());
    zaloguj(f);
    otworz(f);
    wpisz(f, "ewaluta", "USD");
    auto* grid = f.find<QTableView>("RxDBGrid3");
    dwuklik(grid, 1);
    wpisz(f, "emnoznik", "2,75");
    f.key(Qt::Key_Return);
    QCOMPARE(f.db().scalar("select mnoznik from ste where skrot = 'mjr'").toDouble(), 2.75);
    QCOMPARE(Odczyt(f.db(), "WALUTAZALICZKI"), "USD");
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
}

QTEST_MAIN(ConstantsPageTest)
#include "constants_page_test.moc"
