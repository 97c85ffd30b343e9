#include "data/numbers.h"
#include "lists/list_repository.h"
#include "lists/ui/date_filter_dialog.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_ui.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using namespace vexa;
using namespace listui;

namespace {

QTableView* siatka(AppFixture& f) {
    return na<QTableView>(f, "edlista", "dbgpozycja");
}

// Opens the register and the list in its first row.
void otworz(AppFixture& f) {
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);
    klik(f, "listy", "sblistyedytuj");
}

Pozycja pozycja(AppFixture& f, int row) {
    const QModelIndex index = siatka(f)->model()->index(row, 2);
    const QString surname = index.data().toString();
    const int id = f.db().scalar("select id from pozycja where nazwisko = ?", {surname}).toInt();
    return ListRepository(f.db()).pozycja(id);
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

const QString kZmianaNaleznosci =
    "W związku ze zmianą kursu waluty, zwiększenia należności MON lub najniższego uposażenia "
    "żołnierza zawodowego, aplikacja zaktualizuje wszystkie pozycje listy należności.\r\r"
    "Proszę czekać...";

} // namespace

class ListEditorPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTitleCashColumnTaxPanelAndLock();
    void spaceAndClicksToggleMarkAndCollectionFlag();
    void toDoFlagShowsItsCountAndDisappearsWithTheLast();
    void deleteTakesTheMarkedOrElseTheCurrentPosition();
    void confirmChecksTheHeaderAndFocusesTheField();
    void confirmWithUnchangedRatesWritesOnlyTheTotals();
    void changedMonIncreaseRecalculatesEveryPosition();
    void markingButtonsAndMarkByDates();
    void protectedClosedListRefusesChanges();
    void emptyPositionsAndNewPersons();
    void gridColoursAndOrder();
};

void ListEditorPageTest::opensWithTitleCashColumnTaxPanelAndLock() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    f.db().exec("update pozycja set zaz = ?", {ZAZ});
    f.db().exec("update lista set skrotpododdzial = 'KOMP' where id = ?", {id});
    f.window().stan().przelewWaluta = "N";
    f.find<QAbstractButton>("sblisty")->click();
    f.key(Qt::Key_Return); // Enter on the register opens the current list
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QVERIFY(f.window().locked());
    QCOMPARE(na<QLabel>(f, "edlista", "llistytytul2")->text(), "PKW - KOMP - ŻOŁNIERZE  - 03/2027");
    QCOMPARE(siatka(f)->model()->headerData(14, Qt::Horizontal).toString(), "KASA [USD]");
    QCOMPARE(na<QLabel>(f, "edlista", "lpozycjailosc")->text(), "ILOŚĆ POZYCJI: 2");
    QVERIFY(!na<QLabel>(f, "edlista", "lwyr")->isVisible());
    QVERIFY(!na<QWidget>(f, "edlista", "ppodatek")->isVisible());
    QCOMPARE(f.db().scalar("select count(*) from pozycja where zaz = ?", {ZAZ}).toInt(), 0);
    QCOMPARE(f.window().stan().przelewWaluta, QString());
    QCOMPARE(na<QLineEdit>(f, "edlista", "elwykonal")->text(), "st. chor. E. F.");
    QCOMPARE(na<QLineEdit>(f, "edlista", "elkurszaliczki")->text(), "4,000000");
    f.find<QAbstractButton>("sbzolnierze")->click(); // the bar is locked
    QCOMPARE(f.window().aktywnaStrona(), "edlista");

    klik(f, "edlista", "sblistaanuluj");
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QVERIFY(!f.window().locked());
    f.db().exec("update lista set czy_podatek = 'T', podatek_dieta = 45 where id = ?", {id});
    klik(f, "listy", "sblistyedytuj");
    QVERIFY(na<QWidget>(f, "edlista", "ppodatek")->isVisible());
    QCOMPARE(na<QLabel>(f, "edlista", "lpodatek")->text(), "USD");
    QCOMPARE(na<QLineEdit>(f, "edlista", "elpodatek_dieta")->text(), "45,00");
}

void ListEditorPageTest::spaceAndClicksToggleMarkAndCollectionFlag() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    lista(f);
    f.db().exec("update pozycja set zaliczkapln = 100, niepobranewkasie = 'W' "
                "where nazwisko = 'ADAMSKI'");
    f.db().exec("update pozycja set zaliczkapln = 0, niepobranewkasie = 'W' "
                "where nazwisko = 'BORSUK'");
    otworz(f);
    const int a = pozycja(f, 0).id;
    f.key(Qt::Key_Space);
    QCOMPARE(zaz(f, "pozycja", a), ZAZ);
    QCOMPARE(siatka(f)->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    f.key(Qt::Key_Space);
    QCOMPARE(zaz(f, "pozycja", a), NIEZAZ);
    f.db().exec("update pozycja set zaz = '' where id = ?", {a});
    f.key(Qt::Key_Space); // anything but the unmarked character becomes unmarked
    QCOMPARE(zaz(f, "pozycja", a), NIEZAZ);
    klikKomorke(siatka(f), 1, 0);
    QCOMPARE(pozycja(f, 1).zaz, ZAZ);

    QStringList cash, none;
    for (int i = 0; i < 2; ++i) {
        klikKomorke(siatka(f), 0, 12);
        cash << pozycja(f, 0).niepobranewkasie << komorka(siatka(f), 0, 12);
        klikKomorke(siatka(f), 1, 12);
        none << pozycja(f, 1).niepobranewkasie;
    }
    QCOMPARE(cash, (QStringList{"N", "N", "W", "W"}));
    QCOMPARE(none, (QStringList{"", "W"}));
    QCOMPARE(siatka(f)->model()->index(0, 2).data(Qt::ForegroundRole).value<QColor>(),
             QColor(Qt::black));
    klikKomorke(siatka(f), 0, 12);
    QCOMPARE(siatka(f)->model()->index(0, 2).data(Qt::ForegroundRole).value<QColor>(),
             QColor(255, 0, 0));
}

void ListEditorPageTest::toDoFlagShowsItsCountAndDisappearsWithTheLast() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    lista(f);
    otworz(f);
    auto* label = na<QLabel>(f, "edlista", "lwyr");
    klikKomorke(siatka(f), 1, 3);
    klik(f, "edlista", "SpeedButton59");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), "DO ZROBIENIA: 1");
    QCOMPARE(siatka(f)->model()->index(1, 3).data(Qt::BackgroundRole).value<QColor>(),
             QColor(255, 255, 0));
    klikKomorke(siatka(f), 0, 3);
    klik(f, "edlista", "SpeedButton59");
    QCOMPARE(label->text(), "DO ZROBIENIA: 2");
    klik(f, "edlista", "SpeedButton59");
    klikKomorke(siatka(f), 1, 3);
    klik(f, "edlista", "SpeedButton59");
    QVERIFY(!label->isVisible());
    QCOMPARE(siatka(f)->model()->index(1, 3).data(Qt::BackgroundRole).value<QColor>(),
             QColor(162, 162, 162));
}

void ListEditorPageTest::deleteTakesTheMarkedOrElseTheCurrentPosition() {
    AppFixture f;
    przygotuj(f);
    for (auto [name, pesel] : {std::pair{"ADAMSKI", "80010112340"},
                               {"BORSUK", "75031512352"},
                               {"CEGLA", "82020212345"},
                               {"DUDEK", "85050512347"}})
        osoba(f, name, pesel);
    const int id = lista(f);
    otworz(f);
    klikKomorke(siatka(f), 0, 0);
    klikKomorke(siatka(f), 2, 0);
    klikKomorke(siatka(f), 1, 3); // the current one is not marked
    f.messages().answer(TAK);
    klik(f, "edlista", "sbpozycjausun");
    QCOMPARE(f.messages().lastText(), "Czy jesteś pewien, że chcesz usunąć zaznaczone z listy "
                                      "należności?\r\rIlość pozycji: 2");
    QStringList left;
    for (const Pozycja& p : ListRepository(f.db()).pozycje(id))
        left << p.nazwisko;
    QCOMPARE(left, (QStringList{"BORSUK", "DUDEK"}));
    QCOMPARE(na<QLabel>(f, "edlista", "lpozycjailosc")->text(), "ILOŚĆ POZYCJI: 2");
    const Lista l = ListRepository(f.db()).lista(id);
    QCOMPARE(l.iloscpozycji, 2);
    QCOMPARE(na<QLineEdit>(f, "edlista", "esumarazem")->text(), Kwota00Przecinek(l.razem));

    klikKomorke(siatka(f), 1, 3);
    f.messages().answer(NIE);
    klik(f, "edlista", "sbpozycjausun");
    QCOMPARE(f.messages().lastText(), "Czy jesteś pewien, że chcesz usunąć pozycję z listy "
                                      "należności?\r\rPozycja: DUDEK JAN");
    QCOMPARE(ListRepository(f.db()).pozycje(id).size(), 2);
    f.messages().answer(TAK);
    klik(f, "edlista", "sbpozycjausun");
    QCOMPARE(ListRepository(f.db()).pozycje(id).size(), 1);
    QCOMPARE(ListRepository(f.db()).lista(id).iloscpozycji, 1);
}

void ListEditorPageTest::confirmChecksTheHeaderAndFocusesTheField() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    const int id = lista(f);
    otworz(f);
    wpisz(na<QLineEdit>(f, "edlista", "elwykonal"), "");
    wpisz(na<QLineEdit>(f, "edlista", "eldatawykonania"), "31/02/2027"); // no such day
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().lastText(), "Proszę wprowadzić datę wykonania listy należności!");
    QCOMPARE(focused(), "eldatawykonania");
    wpisz(na<QLineEdit>(f, "edlista", "eldatawykonania"), "30/03/2027");
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().lastText(),
             "Proszę wprowadzić stopień, imię i nazwisko osoby wykonującej listę należności!");
    QCOMPARE(focused(), "elwykonal");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QVERIFY(f.window().locked());
    wpisz(na<QLineEdit>(f, "edlista", "elwykonal"), "kpr. Nowy");
    wpisz(na<QLineEdit>(f, "edlista", "elkurszaliczki"), "0");
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().lastText(), "Proszę wprowadzić kurs waluty\rdla wypłaty w kasie!");
    QCOMPARE(focused(), "elkurszaliczki");
    QCOMPARE(ListRepository(f.db()).lista(id).wykonal, "st. chor. E. F.");
    wpisz(na<QLineEdit>(f, "edlista", "elkurszaliczki"), "4");
    f.messages().clear();
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().count(), 0);
    const Lista l = ListRepository(f.db()).lista(id);
    QCOMPARE(l.wykonal, "kpr. Nowy");
    QCOMPARE(l.datawykonania, QDate(2027, 3, 30));
    QCOMPARE(f.window().aktywnaStrona(), "listy");
}

void ListEditorPageTest::confirmWithUnchangedRatesWritesOnlyTheTotals() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    otworz(f);
    // An amount the calculation would never give shows whether a position was touched.
    f.db().exec("update pozycja set razem = 1000, zaliczkapln = 10 where idlisty = ?", {id});
    f.key(Qt::Key_Escape); // Esc confirms the list
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    QVERIFY(!f.window().locked());
    for (const Pozycja& p : ListRepository(f.db()).pozycje(id)) {
        QCOMPARE(p.razem, 1000.0);
        QCOMPARE(p.niepobranewkasie, "W");
    }
    QCOMPARE(ListRepository(f.db()).lista(id).razem, 2000.0);
    QCOMPARE(komorka(na<QTableView>(f, "listy", "dbglista"), 0, 11), "2000,00");
}

void ListEditorPageTest::changedMonIncreaseRecalculatesEveryPosition() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352", QDate(2027, 3, 10));
    const int id = lista(f);
    otworz(f);
    auto* mon = na<QLineEdit>(f, "edlista", "elzwnaleznmon");
    QCOMPARE(mon->text(), "10,20");
    QCOMPARE(ListRepository(f.db()).pozycje(id).first().zwnaleznmon, 408.0);
    wpisz(mon, "10,0");
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().texts(), (QStringList{kZmianaNaleznosci, "Aktualizacja zakończona."}));
    const QList<Pozycja> ps = ListRepository(f.db()).pozycje(id);
    QCOMPARE(ps.at(0).zwnaleznmon, 400.0);      // whole month
    QCOMPARE(ps.at(1).zwnaleznmon, 22 * 13.33); // from the 10th: 22 daily rates
    QCOMPARE(ListRepository(f.db()).lista(id).razem, ps.at(0).razem + ps.at(1).razem);
    QCOMPARE(ListRepository(f.db()).lista(id).zwnaleznmon, 10.0);
}

void ListEditorPageTest::markingButtonsAndMarkByDates() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352", QDate(2027, 3, 10));
    const int id = lista(f);
    f.db().exec("update pozycja set rachunek1czywaluta = 'T', rachunek2czywaluta = 'T' "
                "where nazwisko = 'BORSUK'");
    otworz(f);
    auto marked = [&] {
        QStringList out;
        for (const Pozycja& p : ListRepository(f.db()).pozycje(id))
            if (p.zaz == ZAZ) out << p.nazwisko;
        return out;
    };
    klik(f, "edlista", "SpeedButton12");
    QCOMPARE(marked().size(), 2);
    klik(f, "edlista", "SpeedButton16");
    QCOMPARE(marked().size(), 0);
    klik(f, "edlista", "SpeedButton40");
    QCOMPARE(marked(), QStringList{"BORSUK"});
    QCOMPARE(f.window().stan().przelewWaluta, "T");
    QCOMPARE(na<QLineEdit>(f, "edlista", "eprzelew_waluta")->text(), "WAL");
    klik(f, "edlista", "SpeedButton39");
    QCOMPARE(marked(), QStringList{"ADAMSKI"}); // the other marks go first
    QCOMPARE(f.window().stan().przelewWaluta, "N");
    QCOMPARE(na<QLineEdit>(f, "edlista", "eprzelew_waluta")->text(), "PLN");

    // Mark by dates: a reversed range is refused, then March starts mark BORSUK as well.
    bool seen = false;
    QDate preset;
    naDialogu<DateFilterDialog>(
        [&](DateFilterDialog* d) {
            preset = d->findChild<QDateEdit*>("enabycieod")->date();
            d->findChild<QCheckBox*>("cbnabycie")->setChecked(true);
            d->findChild<QDateEdit*>("enabycieod")->setDate(QDate(2027, 3, 31));
            d->findChild<QDateEdit*>("enabyciedo")->setDate(QDate(2027, 3, 1));
            d->findChild<QPushButton*>("sbfiltrdatazatwierdz")->click();
            QVERIFY(d->isVisible());
            d->findChild<QDateEdit*>("enabycieod")->setDate(QDate(2027, 3, 1));
            d->findChild<QDateEdit*>("enabyciedo")->setDate(QDate(2027, 3, 10));
            d->findChild<QPushButton*>("sbfiltrdatazatwierdz")->click();
        },
        &seen);
    klik(f, "edlista", "SpeedButton30");
    QVERIFY(seen);
    QCOMPARE(preset, f.clock().today());
    QCOMPARE(f.messages().texts(), (QStringList{"Niewłaściwy zakres daty nabycia uprawnień!",
                                                "Liczba zaznaczonych pozycji: 1"}));
    QCOMPARE(marked(), (QStringList{"ADAMSKI", "BORSUK"}));
    QCOMPARE(siatka(f)->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void ListEditorPageTest::protectedClosedListRefusesChanges() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    const int id = lista(f);
    Zapis(f.db(), "NRIDJW", "4731086");
    f.db().exec("update lista set status = 'Z' where id = ?", {id});
    otworz(f);
    const QString refused =
        "Lista należności jest zamknięta\r\rUsunięcie pozycji nie jest możliwe.";
    klik(f, "edlista", "sbpozycjausun");
    klik(f, "edlista", "SpeedButton42");
    QCOMPARE(f.messages().texts(), (QStringList{refused, refused}));
    QCOMPARE(ListRepository(f.db()).pozycje(id).size(), 1);
    f.messages().clear();
    wpisz(na<QLineEdit>(f, "edlista", "elwykonal"), "ktoś inny");
    klik(f, "edlista", "sblistazatwierdz");
    QCOMPARE(f.messages().texts(), QStringList{"Lista należności jest zamknięta!\r\rWszystkie "
                                               "wprowadzone zmiany zostały anulowane."});
    QCOMPARE(ListRepository(f.db()).lista(id).wykonal, "st. chor. E. F.");
    QCOMPARE(f.window().aktywnaStrona(), "listy");
}

void ListEditorPageTest::emptyPositionsAndNewPersons() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    f.db().exec("update pozycja set razem = 0 where nazwisko = 'BORSUK'");
    otworz(f);
    f.messages().answer(TAK);
    klik(f, "edlista", "SpeedButton42");
    QCOMPARE(f.messages().texts(),
             (QStringList{"Czy chcesz usunąć zerowe pozycje z listy należności?",
                          "Zerowe pozycje na liście należności zostały usunięte..."}));
    QCOMPARE(na<QLabel>(f, "edlista", "lpozycjailosc")->text(), "ILOŚĆ POZYCJI: 1");

    osoba(f, "CEGLA", "82020212345");
    f.messages().clear();
    f.messages().answer(NIE);
    klik(f, "edlista", "SpeedButton32");
    QCOMPARE(f.messages().lastText(),
             "Aplikacja jeszcze raz przeanalizuje kartotekę osobową i dopisze do listy "
             "należności nowo dodane osoby.\r\rCzy jesteś pewien, że chcesz wykonać tą operację?");
    QCOMPARE(ListRepository(f.db()).pozycje(id).size(), 1);
    klik(f, "edlista", "SpeedButton32");
    const QList<Pozycja> ps = ListRepository(f.db()).pozycje(id);
    QCOMPARE(ps.size(), 3); // the empty one comes back with the new person
    QCOMPARE(na<QLabel>(f, "edlista", "lpozycjailosc")->text(), "ILOŚĆ POZYCJI: 3");
    QCOMPARE(ListRepository(f.db()).lista(id).iloscpozycji, 3);
}

void ListEditorPageTest::gridColoursAndOrder() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    lista(f, true, "JN");
    lista(f, true, "JN"); // both persons twice on the year's JN lists
    f.db().exec("update pozycja set nis = 'A' where nazwisko = 'BORSUK'");
    f.db().exec("update pozycja set pesel = '99999999999' where nazwisko = 'ADAMSKI' and "
                "idlisty = 2");
    otworz(f);
    auto* model = siatka(f)->model();
    const QColor green(0, 255, 0);
    QCOMPARE(komorka(siatka(f), 0, 2), "ADAMSKI");
    QCOMPARE(model->index(0, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QCOMPARE(model->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), green);
    QCOMPARE(model->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
    QCOMPARE(model->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(162, 162, 162));
    na<QAbstractButton>(f, "edlista", "RBNIS")->click();
    QCOMPARE(komorka(siatka(f), 0, 2), "BORSUK");
    // Typing in the search moves to the first surname with that beginning.
    wpisz(na<QLineEdit>(f, "edlista", "epozycjaszukaj"), "AD");
    QCOMPARE(siatka(f)->currentIndex().row(), 1);
}

QTEST_MAIN(ListEditorPageTest)
#include "list_editor_page_test.moc"
