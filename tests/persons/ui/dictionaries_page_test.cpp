#include "data/settings.h"
#include "persons/ui/dictionaries_page.h"
#include "persons/ui/dictionary_model.h"
#include "persons/ui/dictionary_panel.h"
#include "support/app_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

namespace {

// Types over the field's text key by key, as the keyboard does.
void wpisz(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList kolumna(QTableView* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, column).data().toString();
    return out;
}

// A configured database, logged in, with the dictionaries page open.
void otworz(AppFixture& f) {
    Zapis(f.db(), "DANE", "T");
    QVERIFY(f.show());
    f.login();
    f.find<QToolButton>("SpeedButton2")->click();
    QCOMPARE(f.window().aktywnaStrona(), "slowniki");
}

} // namespace

class DictionariesPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithBothGridsBandedAndNoEditPanel();
    void subUnitIsAddedAfterTheRefusalsAndUnlocks();
    void gradeIsEditedByDoubleClickAndKeepsItsMultiplier();
    void deleteAsksAndRemovesTheRowPersonsStillUse();
    void closeIconCancelsTheOpenRowAndReleasesTheLock();
    void escapeCancelsAnOpenRowAndOtherwiseGoesToTheListRegister();
};

void DictionariesPageTest::opensWithBothGridsBandedAndNoEditPanel() {
    AppFixture f;
    f.db().exec("insert into pododdzial (skrot, nazwa) values ('ZAB', 'ZABEZPIECZENIE'), "
                "('ADM', 'ADMINISTRACJA'), ('LOG', 'LOGISTYKA')");
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('PŁK', 'PUŁKOWNIK', 3), "
                "('KPT.', 'KAPITAN', 2)");
    otworz(f);
    auto* pod = f.find<QTableView>("RxDBGrid1");
    auto* ste = f.find<QTableView>("RxDBGrid2");
    QVERIFY(pod->isVisible() && ste->isVisible());
    QVERIFY(!f.find<QWidget>("ppodedycja")->isVisible());
    QVERIFY(!f.find<QWidget>("psteedycja")->isVisible());
    QCOMPARE(kolumna(pod, 0), (QStringList{"ZAB", "ADM", "LOG"}));
    QCOMPARE(kolumna(ste, 1), (QStringList{"KAPITAN", "PUŁKOWNIK"}));
    QCOMPARE(pod->model()->headerData(0, Qt::Horizontal).toString(), "SKRÓT");
    QCOMPARE(pod->model()->headerData(1, Qt::Horizontal).toString(), "NAZWA");
    for (int r = 0; r < 3; ++r)
        QCOMPARE(pod->model()->index(r, 1).data(Qt::BackgroundRole).value<QColor>(),
                 r % 2 == 0 ? QColor(192, 192, 192) : QColor(162, 162, 162));
    QVERIFY(!f.window().locked());
    // The panel sits in the middle of the window.
    auto* panel = f.find<QWidget>("pslowniki");
    const QPoint centre = panel->mapTo(&f.window(), panel->rect().center());
    QVERIFY(qAbs(centre.x() - f.window().width() / 2) <= 2);
}

void DictionariesPageTest::subUnitIsAddedAfterTheRefusalsAndUnlocks() {
    AppFixture f;
    otworz(f);
    f.find<QPushButton>("SpeedButton3")->click(); // DOPISZ
    QVERIFY(f.window().locked());
    QVERIFY(f.find<QWidget>("ppodedycja")->isVisible());
    QVERIFY(!f.find<QTableView>("RxDBGrid1")->isVisible());
    QVERIFY(!f.find<QPushButton>("SpeedButton8")->isEnabled()); // the other dictionary waits
    auto* skrot = f.find<QLineEdit>("epodskrot");
    auto* nazwa = f.find<QLineEdit>("epodnazwa");
    QCOMPARE(QApplication::focusWidget(), skrot);

    f.find<QPushButton>("SpeedButton5")->click(); // ZATWIERDŹ
    QCOMPARE(f.messages().lastText(), "Proszę wpisać skrót pododdziału!");
    wpisz(skrot, "1kp");
    QCOMPARE(skrot->text(), "1KP");
    f.find<QPushButton>("SpeedButton5")->click();
    QCOMPARE(f.messages().lastText(), "Proszę wpisać nazwę pododdziału!");
    QCOMPARE(QApplication::focusWidget(), nazwa);
    QVERIFY(f.window().locked());
    QCOMPARE(f.db().scalar("select count(*) from pododdzial").toInt(), 0);

    wpisz(nazwa, "pierwsza kompania");
    f.key(Qt::Key_Return); // Enter in a field confirms
    QCOMPARE(f.messages().count(), 2);
    QVERIFY(!f.window().locked());
    QVERIFY(f.find<QTableView>("RxDBGrid1")->isVisible());
    QVERIFY(f.find<QPushButton>("SpeedButton8")->isEnabled());
    QCOMPARE(f.db().scalar("select skrot || '|' || nazwa from pododdzial").toString(),
             "1KP|PIERWSZA KOMPANIA");
    auto* grid = f.find<QTableView>("RxDBGrid1");
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(kolumna(grid, 1), QStringList{"PIERWSZA KOMPANIA"});
}

void DictionariesPageTest::gradeIsEditedByDoubleClickAndKeepsItsMultiplier() {
    AppFixture f;
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('MJR', 'MAJOR', 2.5), "
                "('KPT.', 'KAPITAN', 2)");
    otworz(f);
    auto* grid = f.find<QTableView>("RxDBGrid2");
    const QModelIndex major = grid->model()->index(1, 1);
    QCOMPARE(major.data().toString(), "MAJOR");
    grid->setCurrentIndex(major);
    emit grid->doubleClicked(major);
    QVERIFY(f.window().locked());
    auto* nazwa = f.find<QLineEdit>("estenazwa");
    QCOMPARE(f.find<QLineEdit>("esteskrot")->text(), "MJR");
    QCOMPARE(nazwa->text(), "MAJOR");
    wpisz(nazwa, "Major / Komandor podporucznik");
    f.find<QPushButton>("SpeedButton9")->click();
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db().scalar("select count(*) from ste").toInt(), 2);
    QCOMPARE(f.db().scalar("select nazwa from ste where skrot = 'MJR'").toString(),
             "MAJOR / KOMANDOR PODPORUCZNIK");
    QCOMPARE(f.db().scalar("select mnoznik from ste where skrot = 'MJR'").toDouble(), 2.5);
    QCOMPARE(grid->currentIndex().siblingAtColumn(1).data().toString(),
             "MAJOR / KOMANDOR PODPORUCZNIK");

    // EDYTUJ and ANULUJ: nothing changes.
    f.find<QPushButton>("sbsteedytuj")->click();
    wpisz(f.find<QLineEdit>("esteskrot"), "X");
    f.find<QPushButton>("SpeedButton10")->click();
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db().scalar("select count(*) from ste where skrot = 'MJR'").toInt(), 1);
}

void DictionariesPageTest::deleteAsksAndRemovesTheRowPersonsStillUse() {
    AppFixture f;
    f.db().exec("insert into pododdzial (skrot, nazwa) values ('ZAB', 'ZABEZPIECZENIE'), "
                "('ADM', 'ADMINISTRACJA')");
    f.db().exec("insert into osoba (nazwisko, skrotpododdzialu) values ('NOWAK', 'ZAB')");
    otworz(f);
    auto* grid = f.find<QTableView>("RxDBGrid1");
    QCOMPARE(grid->currentIndex().row(), 0);
    f.messages().answer(NIE);
    f.find<QPushButton>("SpeedButton6")->click();
    QCOMPARE(f.messages().lastText(),
             "Czy jesteś pewien, że chcesz usunąć pozycję ze słownika?\r\rPozycja: ZABEZPIECZENIE");
    QCOMPARE(grid->model()->rowCount(), 2);

    f.messages().answer(TAK);
    f.find<QPushButton>("SpeedButton6")->click();
    QCOMPARE(f.messages().count(), 2);
    QCOMPARE(kolumna(grid, 0), QStringList{"ADM"});
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(f.db().scalar("select skrotpododdzialu from osoba").toString(), "ZAB");
    QVERIFY(!f.window().locked());

    // The last row goes too; an empty grid has nothing to delete or edit.
    f.find<QPushButton>("SpeedButton6")->click();
    QCOMPARE(grid->model()->rowCount(), 0);
    f.find<QPushButton>("SpeedButton6")->click();
    f.find<QPushButton>("sbpodedytuj")->click();
    QCOMPARE(f.messages().count(), 3);
    QVERIFY(!f.window().locked());
}

void DictionariesPageTest::closeIconCancelsTheOpenRowAndReleasesTheLock() {
    AppFixture f;
    otworz(f);
    f.find<QPushButton>("SpeedButton8")->click(); // DOPISZ grade
    wpisz(f.find<QLineEdit>("esteskrot"), "PPOR.");
    QVERIFY(f.window().locked());
    f.find<QToolButton>("SpeedButton22")->click();
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db().scalar("select count(*) from ste").toInt(), 0);
    QCOMPARE(f.messages().count(), 0);

    // The button bar works again and the page opens afresh.
    f.find<QToolButton>("SpeedButton2")->click();
    QCOMPARE(f.window().aktywnaStrona(), "slowniki");
    QVERIFY(!f.find<QWidget>("psteedycja")->isVisible());
    QVERIFY(f.find<QTableView>("RxDBGrid2")->isVisible());
    QVERIFY(f.find<QPushButton>("SpeedButton3")->isEnabled());
    // Without an open row the close icon only changes the page.
    f.find<QToolButton>("SpeedButton22")->click();
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
}

void DictionariesPageTest::escapeCancelsAnOpenRowAndOtherwiseGoesToTheListRegister() {
    AppFixture f;
    otworz(f);
    f.find<QPushButton>("SpeedButton3")->click();
    wpisz(f.find<QLineEdit>("epodskrot"), "X");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "slowniki");
    QVERIFY(!f.window().locked());
    QVERIFY(!f.find<QWidget>("ppodedycja")->isVisible());
    QCOMPARE(f.db().scalar("select count(*) from pododdzial").toInt(), 0);
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "listy");
}

QTEST_MAIN(DictionariesPageTest)
#include "dictionaries_page_test.moc"
