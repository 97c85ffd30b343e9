// The payment buttons as a clerk uses them: GENERUJ PRZELEWY of the list editor with its
// questions, dialog, save dialog and report, and GENERUJ PLIK DO ZWSI RON of the register.
#include "lists/ui/list_ui.h"
#include "payments/transfers.h"
#include "payments/ui/transfers_dialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using namespace vexa;
using namespace listui;

namespace {

// A list of two soldiers, both paid to a PLN account; the payer's data are set.
int przygotujListe(AppFixture& f) {
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    osoba(f, "BORSUK", "80010112357");
    const int id = lista(f);
    f.db().exec("update pozycja set rachunek = 1000.5, rachunek1 = 1000.5, zaliczkawaluta = 0, "
                "zaliczkapln = 0, rachunek1czywaluta = 'N', "
                "nrachunek1 = '60 1020 1026 0000 0422 7020 1111', brachunek1 = 'PKO BP', "
                "orachunek1 = nazwisko || ' ' || imie, rachunek2 = 0");
    for (auto [k, v] : {std::pair{"BANK", "NBP"}, {"POSIADACZ", "JW 1234"},
                        {"KONTO", "11 1010 1010 0000 0000 0000 0000"}, {"KLBUDZET", "75101"}})
        Zapis(f.db(), k, v);
    f.find<QAbstractButton>("sblisty")->click();
    auto* reg = na<QTableView>(f, "listy", "dbglista");
    klikKomorke(reg, 0, 5);
    return id;
}

// Answers the transfer dialog each time it is shown: the first time with the title (or
// without it), the second time by reading the report and closing it.
struct Odpowiedzi {
    QString tytul = "WYPŁATA";
    int pokazan = 0;
    bool bezTytuluZostal = false;
    QString raport;
    QString drukTytul, drukTekst; // what DRUKUJ sent to the printer
};

void odpowiadaj(QTimer& timer, Odpowiedzi& o, ScriptedMessages& msg) {
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&o, &msg] {
        auto* d = qobject_cast<TransfersDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible()) return;
        ++o.pokazan;
        auto* tak = d->findChild<QPushButton*>("SBTak");
        if (d->raport().isEmpty()) {
            // ZATWIERDŹ without a title is refused and the dialog stays.
            const int before = msg.count();
            tak->click();
            o.bezTytuluZostal = d->isVisible() && msg.count() == before + 1 &&
                                msg.lastText() == "Proszę wpisać tytuł przelewów.";
            d->findChild<QLineEdit*>("etytulem")->setText(o.tytul);
            tak->click();
        } else {
            o.raport = d->raport();
            d->ustawDrukowanie([&o](const QString& title, const QString& text) {
                o.drukTytul = title;
                o.drukTekst = text;
            });
            d->findChild<QPushButton*>("SpeedButton1")->click(); // DRUKUJ, answered yes
            tak->click();
        }
    });
    timer.start();
}

} // namespace

class PaymentButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void transfersForAllPersonsWhenNoneIsMarked();
    void cancelledRunWritesNothing();
    void failedRunShowsTheStoredMarks();
    void zwsiFilesOfTheSelectedList();
};

void PaymentButtonsTest::transfersForAllPersonsWhenNoneIsMarked() {
    AppFixture f(QDate(2027, 3, 31));
    const int id = przygotujListe(f);
    klik(f, "listy", "sblistyedytuj");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QTemporaryDir dir;
    const QString file = dir.filePath("marzec.imp");
    f.files().choose(file);
    f.messages().answer({NIE, TAK}); // not the not-collected case; yes, all persons
    Odpowiedzi o;
    QTimer timer;
    odpowiadaj(timer, o, f.messages());
    klik(f, "edlista", "sbgenerujprzelewy");
    timer.stop();
    QVERIFY(o.bezTytuluZostal);
    QCOMPARE(ListRepository(f.db()).iloscZaznaczonych(id), 2);
    QFile out(file);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = out.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // two transfers and the end of the last line
    QVERIFY(lines[0].startsWith("\"PKO BP\" \"ADAMSKI JAN\" \"60102010260000042270201111\" 1 "));
    QVERIFY(!QFile::exists(dir.filePath("wal_marzec.imp")));
    QVERIFY(o.raport.contains("        ILOŚĆ OSÓB:  2"));
    QVERIFY(o.raport.contains("        PRZELEWY W PLN WYKONANE:   2"));
    QVERIFY(o.raport.contains("        NAZWA PLIKU: " + QDir::toNativeSeparators(file)));
    QCOMPARE(f.files().requests().last().title, "Nazwa pliku programu VIDEOTEL");
    // The files are made anew on every run: the save dialog does not ask about overwriting.
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    // DRUKUJ asked first, then printed the report as it stands.
    QCOMPARE(f.messages().lastText(), "Czy wydrukować raport z generowania przelewów?");
    QCOMPARE(o.drukTytul, "Raport z generowania przelewów");
    QCOMPARE(o.drukTekst, o.raport);
}

void PaymentButtonsTest::cancelledRunWritesNothing() {
    AppFixture f(QDate(2027, 3, 31));
    const int id = przygotujListe(f);
    klik(f, "listy", "sblistyedytuj");
    // "No" to all persons: no dialog, no file, no mark.
    f.messages().answer({NIE, NIE});
    klik(f, "edlista", "sbgenerujprzelewy");
    QCOMPARE(ListRepository(f.db()).iloscZaznaczonych(id), 0);
    QCOMPARE(f.files().requests().size(), 0);
    // A cancelled save dialog: nothing written.
    f.messages().answer({NIE, TAK});
    f.files().cancel();
    Odpowiedzi o;
    QTimer timer;
    odpowiadaj(timer, o, f.messages());
    klik(f, "edlista", "sbgenerujprzelewy");
    timer.stop();
    QCOMPARE(f.files().requests().size(), 1);
    QVERIFY(o.raport.isEmpty());
}

void PaymentButtonsTest::failedRunShowsTheStoredMarks() {
    AppFixture f(QDate(2027, 3, 31));
    const int id = przygotujListe(f);
    klik(f, "listy", "sblistyedytuj");
    auto* grid = na<QTableView>(f, "edlista", "dbgpozycja");
    QCOMPARE(grid->model()->rowCount(), 2);
    QTemporaryDir dir;
    QFile blocker(dir.filePath("plik"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.files().choose(dir.filePath("plik/marzec.imp")); // under a file: cannot be written
    f.messages().answer({NIE, TAK});                   // not the not-collected case; all persons
    Odpowiedzi o;
    QTimer timer;
    odpowiadaj(timer, o, f.messages());
    klik(f, "edlista", "sbgenerujprzelewy");
    timer.stop();
    QVERIFY2(f.messages().lastText().startsWith("Nie można zapisać pliku:"),
             qPrintable(f.messages().lastText()));
    QVERIFY(o.raport.isEmpty());
    // Every position was marked in the database; the grid shows them so.
    QCOMPARE(ListRepository(f.db()).iloscZaznaczonych(id), 2);
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        QCOMPARE(grid->model()->index(r, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void PaymentButtonsTest::zwsiFilesOfTheSelectedList() {
    AppFixture f(QDate(2027, 3, 31));
    przygotujListe(f);
    QTemporaryDir dir;
    f.files().choose(dir.filePath("1_2027_A.txt"));
    klik(f, "listy", "SpeedButton49");
    QCOMPARE(f.files().requests().last().title, "Export listy należności do pliku ZWSI RON");
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);
    QVERIFY(f.files().requests().last().dir.endsWith("Listy/1_2027_A"));
    QCOMPARE(f.messages().lastText(),
             "Pliki dla ZWSI RON zostały utworzone.\r\rFolder: " +
                 QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"rachunek_1_2027_A.txt"});
    QFile r(dir.filePath("rachunek_1_2027_A.txt"));
    QVERIFY(r.open(QIODevice::ReadOnly));
    QCOMPARE(r.size(), 2 * (169 + 2)); // two records of one paid account
}

QTEST_MAIN(PaymentButtonsTest)
#include "payment_buttons_test.moc"
