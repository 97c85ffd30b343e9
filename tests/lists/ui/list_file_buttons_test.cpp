// ZAPISZ LISTĘ DO PLIKU and WCZYTAJ LISTĘ Z PLIKU on the list register: the dialogs, the
// question before a file is replaced, the import question and the new list selected.
#include "lists/ui/list_ui.h"

#include <QtTest>

using namespace vexa;
using namespace listui;

class ListFileButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void exportAndImportThroughTheRegister();
};

void ListFileButtonsTest::exportAndImportThroughTheRegister() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    lista(f);
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);
    QTemporaryDir dir;
    const QString file = dir.filePath("marzec.lnz");
    f.messages().clear();
    f.files().choose(file);
    klik(f, "listy", "SpeedButton14");
    QVERIFY(QFile::exists(file));
    QCOMPARE(f.messages().lastText(),
             "Lista należności zagranicznych została zapisana do pliku.\r\rFolder: " +
                 QDir::toNativeSeparators(dir.path()) + "\rPlik: marzec.lnz");
    QCOMPARE(f.files().requests().last().title, "Export listy należności do pliku");
    // The program asks its own question below: the save dialog does not ask as well.
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);
    // The same name again: asked first; "no" leaves the file as it was.
    const QDateTime before = QFileInfo(file).lastModified();
    f.files().choose(file);
    f.messages().answer(NIE);
    klik(f, "listy", "SpeedButton14");
    QCOMPARE(f.messages().lastText(),
             "Plik o taniej nazwie już istnieje!\r\rCzy chcesz go nadpisać?");
    QCOMPARE(QFileInfo(file).lastModified(), before);
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);

    // Import: the question names the list; yes makes a second list, shown and selected.
    f.files().choose(file);
    f.messages().answer(TAK);
    klik(f, "listy", "SpeedButton15");
    QVERIFY(f.messages().lastText().startsWith("Czy chcesz zaimportować listę?"));
    QCOMPARE(f.db().scalar("select count(*) from lista").toInt(), 2);
    auto* grid = na<QTableView>(f, "listy", "dbglista");
    QCOMPARE(grid->model()->rowCount(), 2);
    // A file that is no list file: the message, nothing added.
    const QString bad = dir.filePath("zly.lnz");
    QFile b(bad);
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.write("xyz");
    b.close();
    f.files().choose(bad);
    klik(f, "listy", "SpeedButton15");
    QVERIFY(f.messages().lastText().startsWith("Plik nie zawiera listy należności zagranicznych!"));
    QCOMPARE(f.db().scalar("select count(*) from lista").toInt(), 2);
}

QTEST_MAIN(ListFileButtonsTest)
#include "list_file_buttons_test.moc"
