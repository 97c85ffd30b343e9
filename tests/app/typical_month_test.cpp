// A typical month through the windows: first password, unit settings, calculation constants,
// a new full list of the registered soldiers, one position corrected, the list confirmed.
#include "data/settings.h"
#include "lists/constants.h"
#include "lists/list_repository.h"
#include "persons/person_repository.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

namespace {

void type(AppFixture& f, const QString& page, const char* name, const QString& text) {
    auto* e = f.findOn<QLineEdit>(page, name);
    QVERIFY2(e, name);
    e->setFocus();
    e->selectAll();
    // Letter by letter, as the keyboard sends them (Polish letters included).
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void click(AppFixture& f, const QString& page, const char* name) {
    auto* b = f.findOn<QAbstractButton>(page, name);
    QVERIFY2(b, name);
    b->click();
}

void addSoldier(Database& db, const QString& surname, const QString& pesel) {
    PersonRepository repo(db);
    Osoba o = repo.nowa("Z", QDate(2027, 1, 10));
    o.nazwisko = surname;
    o.imie = "JAN";
    o.pesel = pesel;
    o.plec = "M";
    o.ste = "kpr.";
    o.nis = "N" + surname;
    o.skrotpododdzialu = "KOMP";
    o.stanowisko = "STRZELEC";
    o.datanabycia = QDate(2027, 1, 1);
    o.rachunek1 = "60 1020 1026 0000 0422 7020 1111";
    o.brachunek1 = "PKO BP";
    repo.dopisz(o);
}

} // namespace

class TypicalMonthTest : public QObject {
    Q_OBJECT
private slots:
    void fromFirstPasswordToAConfirmedList();
};

void TypicalMonthTest::fromFirstPasswordToAConfirmedList() {
    AppFixture f(QDate(2027, 3, 31));
    QVERIFY(f.show());

    // The shipped database: the first password leads to the unit settings.
    f.login();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    type(f, "dane", "EDHaslo", "TAJNE");
    type(f, "dane", "EDNrIdent", "1234562");
    type(f, "dane", "EDNazwa1", "JEDNOSTKA WOJSKOWA 4321");
    type(f, "dane", "enretatu", "AA001");
    type(f, "dane", "EDSkrot", "PKW");
    type(f, "dane", "EDdowodca1", "DOWÓDCA PKW");
    type(f, "dane", "EDdowodca3", "PŁK JAN KOWALSKI");
    type(f, "dane", "ezgodnoscetatowa", "MJR ADAM NOWAK");
    type(f, "dane", "ewykonal", "ST. CHOR. EWA WÓJCIK");
    type(f, "dane", "efinansista", "KPT. PIOTR MAZUR");
    type(f, "dane", "ekonto", "60102010260000042270201111");
    type(f, "dane", "ebank", "PKO BP");
    type(f, "dane", "enip", "5260250274");
    click(f, "dane", "SBDZatw");
    QCOMPARE(f.messages().texts(), QStringList{});
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QCOMPARE(Odczyt(f.db(), "DANE"), "T");

    // Calculation constants and the dictionaries the persons need.
    f.db().exec("insert into pododdzial (skrot, nazwa) values ('KOMP', 'KOMPANIA')");
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'KAPRAL', 1.5)");
    f.find<QToolButton>("sbstaleplacowe")->click();
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    type(f, "skladniki", "euposazenie", "4000");
    type(f, "skladniki", "ewaluta", "USD");
    click(f, "skladniki", "sbskladnikizatwierdz");
    QCOMPARE(f.messages().texts(), QStringList{});
    QCOMPARE(OdczytSetne(f.db(), "UPOSAZENIE"), 4000.0);
    QCOMPARE(Odczyt(f.db(), "WALUTARACHUNEK"), "PLN");

    addSoldier(f.db(), "ADAMSKI", "75031512352");
    addSoldier(f.db(), "BORSUK", "80010112357");

    // A new full list of March opens in the list editor.
    f.find<QToolButton>("sblisty")->click();
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d && d->objectName() == "Tflista");
        d->findChild<QLineEdit*>("etabelazaliczki")->setText("060/A/NBP/2027");
        d->findChild<QLineEdit*>("ekurswaluty")->setText("4");
        d->findChild<QPushButton*>("sbtworz")->click();
    });
    click(f, "listy", "sblistydopisz");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QVERIFY(f.window().locked());
    ListRepository repo(f.db());
    const int list = f.db().scalar("select max(id) from lista").toInt();
    QCOMPARE(repo.pozycje(list).size(), 2);
    QCOMPARE(repo.lista(list).razem, 12000.0); // 2 × 4000 × 1.5

    // The first position gets a settlement of 123,45 PLN in its editor.
    auto* grid = f.findOn<QTableView>("edlista", "dbgpozycja");
    QVERIFY(grid);
    grid->setCurrentIndex(grid->model()->index(0, 2));
    click(f, "edlista", "sbpozycjaedytuj");
    QCOMPARE(f.window().aktywnaStrona(), "edpozycja");
    type(f, "edpozycja", "ewyrownanie", "123,45");
    click(f, "edpozycja", "sbpozycjazatwierdz");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QCOMPARE(repo.pozycje(list).first().razem, 6123.45);

    // Confirming the list writes the totals and returns to the register.
    click(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().texts(), QStringList{});
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QVERIFY(!f.window().locked());
    const Lista stored = repo.lista(list);
    QCOMPARE(stored.razem, 12123.45);
    QCOMPARE(stored.rachunek, 12123.45);
    QCOMPARE(stored.iloscpozycji, 2);
    QCOMPARE(stored.kurszaliczki, 4.0);
    QCOMPARE(stored.dowodca1, "DOWÓDCA PKW");
    QCOMPARE(stored.status, "O");

    // The list is found again from the person: history row → OTWÓRZ LISTĘ.
    f.find<QToolButton>("sbzolnierze")->click();
    auto* persons = f.findOn<QTableView>("osoba", "dbgosoba");
    persons->setCurrentIndex(persons->model()->index(1, 8)); // BORSUK
    click(f, "osoba", "sbosobaedytuj");
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
    auto* history = f.findOn<QTableView>("edosoba", "RxDBGrid4");
    QCOMPARE(history->model()->rowCount(), 1);
    history->setCurrentIndex(history->model()->index(0, 1));
    click(f, "edosoba", "sbosobalista");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QVERIFY(f.window().locked());
    QCOMPARE(grid->currentIndex().row(), 1); // BORSUK, the person we came from
}

QTEST_MAIN(TypicalMonthTest)
#include "typical_month_test.moc"
