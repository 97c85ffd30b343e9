#include "lists/list_repository.h"
#include "lists/ui/list_register_page.h"
#include "lists/ui/list_ui.h"
#include "lists/ui/register_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace vexa;
using namespace listui;

namespace {

int dopisz(AppFixture& f, const QString& miesiacrok, const QString& status = "O",
           const QString& pkw = "PKW", const QString& nr = QString(), double razem = 0,
           QDate data = QDate(2027, 3, 31)) {
    Lista l;
    l.miesiacrok = miesiacrok;
    l.status = status;
    l.typ = "P";
    l.zp = "Z";
    l.skrotpkw = pkw;
    l.nr = nr.isEmpty() ? miesiacrok : nr;
    l.razem = razem;
    l.datawykonania = data;
    l.zaz = NIEZAZ;
    return ListRepository(f.db()).dopiszListe(l);
}

QTableView* siatka(AppFixture& f) {
    return na<QTableView>(f, "listy", "dbglista");
}

QStringList wartosci(AppFixture& f, int column) {
    QStringList out;
    for (int r = 0; r < siatka(f)->model()->rowCount(); ++r)
        out << komorka(siatka(f), r, column);
    return out;
}

QString ilosc(AppFixture& f) {
    return na<QLabel>(f, "listy", "llistyilosc")->text();
}

void otworzRejestr(AppFixture& f) {
    f.find<QAbstractButton>("sblisty")->click();
}

void wybierz(AppFixture& f, int row) {
    klikKomorke(siatka(f), row, 5);
}

} // namespace

class ListRegisterPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithAllListsUnmarkedAndCountsThem();
    void statusBoxesBothUntickedShowEveryList();
    void yearDialogChoosesOneYearOrARange();
    void contingentDialogGroupsAndAnEmptyGroupShowsNothing();
    void titleClickSortsAndColoursTheSortTitle();
    void filterOnTextDateAndNumberColumnsSetsAndClears();
    void markColumnAndSearch();
    void deletionAsksTwiceAndTakesThePositions();
    void protectedClosedListIsNotDeleted();
};

void ListRegisterPageTest::opensWithAllListsUnmarkedAndCountsThem() {
    AppFixture f;
    przygotuj(f);
    const int a = dopisz(f, "03/2027");
    dopisz(f, "04/2027");
    f.db().exec("update lista set zaz = ?", {ZAZ});
    otworzRejestr(f);
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QVERIFY(!f.window().locked());
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 2");
    QCOMPARE(zaz(f, "lista", a), NIEZAZ);
    QCOMPARE(siatka(f)->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(na<QComboBox>(f, "listy", "elistymiesiac")->currentText(), "(WSZYSTKIE)");
    QVERIFY(na<QPushButton>(f, "listy", "sblistydopisz")->isEnabled()); // NOWA opens the new-list dialog
    // The month filter, reset on every opening.
    na<QComboBox>(f, "listy", "elistymiesiac")->setCurrentIndex(4);
    QCOMPARE(wartosci(f, 9), QStringList{"04/2027"});
    otworzRejestr(f);
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 2");
}

void ListRegisterPageTest::statusBoxesBothUntickedShowEveryList() {
    AppFixture f;
    przygotuj(f);
    dopisz(f, "03/2027", "O");
    dopisz(f, "04/2027", "Z");
    otworzRejestr(f);
    auto* open = na<QCheckBox>(f, "listy", "fotwarte");
    auto* closed = na<QCheckBox>(f, "listy", "fzamkniete");
    open->click();
    QCOMPARE(wartosci(f, 1), QStringList{"Z"});
    closed->click();
    QCOMPARE(wartosci(f, 1), (QStringList{"O", "Z"}));
    open->click();
    QCOMPARE(wartosci(f, 1), QStringList{"O"});
    closed->click();
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 2");
}

void ListRegisterPageTest::yearDialogChoosesOneYearOrARange() {
    AppFixture f;
    przygotuj(f);
    for (const char* m : {"01/2009", "01/2010", "06/2011", "12/2012", "01/2013"})
        dopisz(f, m);
    otworzRejestr(f);
    auto* rok = na<QLineEdit>(f, "listy", "celistyrok");
    auto choose = [&](const char* radio, const QString& od, const QString& do_) {
        bool seen = false;
        naDialogu<YearDialog>(
            [=](YearDialog* d) {
                d->findChild<QRadioButton*>(radio)->click();
                d->findChild<QLineEdit*>("eod")->setText(od);
                d->findChild<QLineEdit*>("edo")->setText(do_);
                d->findChild<QPushButton*>("sbrokzatwierdz")->click();
                if (d->isVisible()) // a range ending before it starts keeps the dialog open
                    d->findChild<QPushButton*>("sbrokanuluj")->click();
            },
            &seen);
        na<QAbstractButton>(f, "listy", "sbcelistyrok")->click();
        QVERIFY(seen);
    };
    choose("rbzakreslat", "2010", "2012");
    QCOMPARE(rok->text(), "2010-2012");
    QCOMPARE(wartosci(f, 9), (QStringList{"01/2010", "06/2011", "12/2012"}));
    choose("rbzakreslat", "2011", "2011");
    QCOMPARE(rok->text(), "2011");
    QCOMPARE(wartosci(f, 9), QStringList{"06/2011"});
    choose("rbzakreslat", "2013", "2009");
    QCOMPARE(rok->text(), "2011");
    choose("rbwybranyrok", "2013", "");
    QCOMPARE(wartosci(f, 9), QStringList{"01/2013"});

    // Opened again, the dialog shows the chooser's text; an edit without a year starts at the
    // current one.
    auto* d = f.window().findChild<YearDialog*>("TFRok");
    d->przygotuj("2010-2012", 2027);
    QVERIFY(d->findChild<QRadioButton*>("rbzakreslat")->isChecked());
    QCOMPARE(d->findChild<QLineEdit*>("edo")->text(), "2012");
    d->przygotuj(WSZYSTKIE, 2027);
    d->findChild<QLineEdit*>("eod")->clear();
    d->findChild<QRadioButton*>("rbwybranyrok")->click();
    QCOMPARE(d->findChild<QLineEdit*>("eod")->text(), "2027");
    choose("rbwszystkie", "", "");
    QCOMPARE(rok->text(), "(WSZYSTKIE)");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 5");
}

void ListRegisterPageTest::contingentDialogGroupsAndAnEmptyGroupShowsNothing() {
    AppFixture f;
    przygotuj(f);
    dopisz(f, "01/2027", "O", "ALFA");
    dopisz(f, "02/2027", "O", "BETA");
    dopisz(f, "03/2027", "O", "GAMMA");
    otworzRejestr(f);
    auto* pkw = na<QLineEdit>(f, "listy", "celistypkw");
    auto choose = [&](QStringList ticked, QStringList* shown = nullptr) {
        bool seen = false;
        naDialogu<ContingentDialog>(
            [=](ContingentDialog* d) {
                auto* list = d->findChild<QListWidget*>("lbpkw");
                for (int i = 0; i < list->count(); ++i) {
                    if (shown && list->item(i)->checkState() == Qt::Checked)
                        *shown << list->item(i)->text();
                    list->item(i)->setCheckState(
                        ticked.contains(list->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
                }
                d->findChild<QPushButton*>("sbpkwzatwierdz")->click();
            },
            &seen);
        na<QAbstractButton>(f, "listy", "sbcelistypkw")->click();
        QVERIFY(seen);
    };
    QStringList shown;
    choose({"ALFA", "GAMMA"}, &shown);
    QCOMPARE(shown, (QStringList{"ALFA", "BETA", "GAMMA"})); // "(WSZYSTKIE)": every code ticked
    QCOMPARE(pkw->text(), "(GRUPA)");
    QCOMPARE(wartosci(f, 5), (QStringList{"ALFA", "GAMMA"}));
    shown.clear();
    choose({"BETA"}, &shown);
    QCOMPARE(shown, (QStringList{"ALFA", "GAMMA"})); // the group of mpkw
    QCOMPARE(pkw->text(), "BETA");
    QCOMPARE(wartosci(f, 5), QStringList{"BETA"});
    choose({});
    QCOMPARE(pkw->text(), "(GRUPA)");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 0");
    QCOMPARE(f.messages().count(), 0);
    choose({"ALFA", "BETA", "GAMMA"});
    QCOMPARE(pkw->text(), "(WSZYSTKIE)");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 3");
}

void ListRegisterPageTest::titleClickSortsAndColoursTheSortTitle() {
    AppFixture f;
    przygotuj(f);
    dopisz(f, "02/2011", "O", "PKW", "B");
    dopisz(f, "01/2012", "O", "PKW", "A");
    dopisz(f, "01/2011", "O", "PKW", "C");
    otworzRejestr(f);
    auto* model = siatka(f)->model();
    const QColor red(255, 0, 0), grey(92, 92, 92);
    QCOMPARE(model->headerData(9, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), red);
    // Months of different years interleave: the order is that of the text "MM/YYYY".
    QCOMPARE(wartosci(f, 9), (QStringList{"01/2011", "01/2012", "02/2011"}));
    klikTytul(siatka(f), 4);
    QCOMPARE(f.window().stan().listaSort, "nr");
    QCOMPARE(wartosci(f, 4), (QStringList{"A", "B", "C"}));
    QCOMPARE(model->headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), red);
    QCOMPARE(model->headerData(9, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), grey);
    klikTytul(siatka(f), 9);
    QCOMPARE(f.window().stan().listaSortTyp, 1);
    QCOMPARE(wartosci(f, 4), (QStringList{"C", "A", "B"}));
}

void ListRegisterPageTest::filterOnTextDateAndNumberColumnsSetsAndClears() {
    AppFixture f;
    przygotuj(f);
    dopisz(f, "01/2027", "O", "AB", "", 100.5, QDate(2027, 1, 31));
    dopisz(f, "02/2027", "O", "A", "", 200.25, QDate(2027, 2, 28));
    dopisz(f, "03/2027", "O", "A", "", 100.5, QDate(2027, 1, 31));
    dopisz(f, "04/2027", "O", "A'B", "", 7, QDate(2027, 4, 30));
    otworzRejestr(f);
    auto* button = na<QPushButton>(f, "listy", "sblistyfiltr");
    auto filter = [&](int column, int row) {
        klikTytul(siatka(f), column);
        wybierz(f, row);
        button->click();
    };
    filter(5, 1); // PKW, sorted: A, A, A'B, AB
    QCOMPARE(wartosci(f, 5), (QStringList{"A", "A"}));
    QCOMPARE(button->text(), "KASUJ FILTR");
    button->click();
    QCOMPARE(button->text(), "USTAW FILTR");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 4");
    filter(5, 2); // a quote in the value
    QCOMPARE(wartosci(f, 5), QStringList{"A'B"});
    button->click();

    filter(8, 0); // DATA: the earliest, twice
    QCOMPARE(f.window().stan().listaFiltr, "(datawykonania=#01/31/2027#)");
    QCOMPARE(wartosci(f, 9), (QStringList{"01/2027", "03/2027"}));
    button->click();
    filter(11, 0); // RAZEM: 7
    QCOMPARE(wartosci(f, 9), QStringList{"04/2027"});
    button->click();
    filter(11, 1); // RAZEM: 100.5 twice
    QCOMPARE(wartosci(f, 11), (QStringList{"100,50", "100,50"}));
    button->click();
    QCOMPARE(f.window().stan().listaFiltr, "(true)");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 4");

    // An empty value under the cursor sets no filter.
    filter(3, 0); // R: no kind on full lists
    QCOMPARE(f.window().stan().listaFiltr, "(true)");
    QCOMPARE(button->text(), "USTAW FILTR");
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 4");
}

void ListRegisterPageTest::markColumnAndSearch() {
    AppFixture f;
    przygotuj(f);
    const int a = dopisz(f, "01/2027", "O", "PKW", "ALFA");
    dopisz(f, "02/2027", "O", "PKW", "BETA");
    otworzRejestr(f);
    klikKomorke(siatka(f), 0, 0);
    QCOMPARE(zaz(f, "lista", a), ZAZ);
    QCOMPARE(siatka(f)->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    klikKomorke(siatka(f), 0, 0);
    QCOMPARE(zaz(f, "lista", a), NIEZAZ);
    // Search by the sort column's text (month), case-sensitive prefix.
    auto* search = na<QLineEdit>(f, "listy", "elistyszukaj");
    wpisz(search, "02");
    QCOMPARE(siatka(f)->currentIndex().row(), 1);
    klikTytul(siatka(f), 4);
    wpisz(search, "alfa");
    QCOMPARE(siatka(f)->currentIndex().row(), 1);
    wpisz(search, "AL");
    QCOMPARE(siatka(f)->currentIndex().row(), 0);
}

void ListRegisterPageTest::deletionAsksTwiceAndTakesThePositions() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    const int other = lista(f);
    otworzRejestr(f);
    wybierz(f, 0);
    auto count = [&](const char* sql) { return f.db().scalar(sql).toInt(); };
    f.messages().answer(NIE);
    klik(f, "listy", "sblistyusun");
    f.messages().answer({TAK, NIE});
    klik(f, "listy", "sblistyusun");
    QCOMPARE(count("select count(*) from lista"), 2);
    QCOMPARE(f.messages().texts().first(),
             "Czy jesteś pewien, że chcesz usunąć listę należności?\r\rPododdział: \rMiesiąc: "
             "03/2027");
    QCOMPARE(f.messages().lastText(), "Ze względów bezpieczeństwa, potwierdź jeszcze raz zamiar "
                                      "usunięcia listy należności.");
    QCOMPARE(f.messages().count(), 3);
    f.messages().answer({TAK, TAK});
    klik(f, "listy", "sblistyusun");
    QCOMPARE(count("select count(*) from lista"), 1);
    const int kept = f.db().scalar("select id from lista").toInt();
    const int gone = kept == id ? other : id;
    QCOMPARE(f.db().scalar("select count(*) from pozycja where idlisty = ?", {gone}).toInt(), 0);
    QCOMPARE(f.db().scalar("select count(*) from pozycja where idlisty = ?", {kept}).toInt(), 2);
    QCOMPARE(ilosc(f), "ILOŚĆ LIST: 1");
}

void ListRegisterPageTest::protectedClosedListIsNotDeleted() {
    AppFixture f;
    przygotuj(f);
    Zapis(f.db(), "NRIDJW", "4731086");
    dopisz(f, "01/2027", "Z");
    otworzRejestr(f);
    wybierz(f, 0);
    klik(f, "listy", "sblistyusun");
    QCOMPARE(f.messages().texts(),
             QStringList{"Lista należności jest zamknięta!\r\rNie ma możliwości usunięcia jej z "
                         "systemu."});
    QCOMPARE(f.db().scalar("select count(*) from lista").toInt(), 1);
}

QTEST_MAIN(ListRegisterPageTest)
#include "list_register_page_test.moc"
