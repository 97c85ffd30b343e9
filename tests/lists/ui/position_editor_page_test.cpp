#include "data/numbers.h"
#include "lists/list_repository.h"
#include "lists/ui/list_ui.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace vexa;
using namespace listui;

namespace {

QTableView* siatka(AppFixture& f) {
    return na<QTableView>(f, "edlista", "dbgpozycja");
}

// Opens the list of the register's first row and the position of that grid row.
void otworzPozycje(AppFixture& f, int row) {
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);
    klik(f, "listy", "sblistyedytuj");
    klikKomorke(siatka(f), row, 3);
    f.key(Qt::Key_Return); // Enter edits the current position
}

QString tekst(AppFixture& f, const char* page, const char* name) {
    if (auto* l = na<QLabel>(f, page, name)) return l->text();
    return na<QLineEdit>(f, page, name)->text();
}

Pozycja zapisana(AppFixture& f, const QString& surname) {
    const int id = f.db().scalar("select id from pozycja where nazwisko = ?", {surname}).toInt();
    return ListRepository(f.db()).pozycja(id);
}

// Leaves the focused edit the way Tab does.
void opusc(AppFixture& f) {
    f.key(Qt::Key_Tab);
}

} // namespace

class PositionEditorPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheCurrentPositionWithTheListsCaptions();
    void leavingADayFieldRecalculatesWithoutSaving();
    void confirmSavesTheCopyAndTheTotalsFollow();
    void cancelLeavesNothingBehind();
    void pageDownSavesAndMovesToTheNextPerson();
    void protectedClosedListCancelsWithItsMessage();
    void warFieldsAreReadOnlyWithoutWarSupplement();
    void shortEditorRecalculatesOnEveryChange();
};

void PositionEditorPageTest::opensOnTheCurrentPositionWithTheListsCaptions() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352", QDate(2027, 3, 10));
    const int id = lista(f);
    f.db().exec("update lista set czy_podatek = 'T', podatekproc = 18, dodatekwojenny = 2.5 "
                "where id = ?",
                {id});
    f.db().exec("update pozycja set nrachunek1 = '', kddw = 'N' where nazwisko = 'BORSUK'");
    otworzPozycje(f, 1);
    QCOMPARE(f.window().aktywnaStrona(), "edpozycja");
    QVERIFY(f.window().locked());
    QCOMPARE(tekst(f, "edpozycja", "lpozosoba_1"), "BORSUK JAN");
    QCOMPARE(tekst(f, "edpozycja", "eiloscdni"), "22");
    QCOMPARE(tekst(f, "edpozycja", "lpozycjawaluta"), "USD");
    QCOMPARE(tekst(f, "edpozycja", "ldw1"), "DODATEK WOJENNY 2,5%");
    QCOMPARE(tekst(f, "edpozycja", "Lpozycjadodwojenny1"), "2,5%");
    QVERIFY(na<QWidget>(f, "edpozycja", "ppodatek2")->isVisible());
    QCOMPARE(tekst(f, "edpozycja", "lpodatekproc"), "ZALICZKA NA PODATEK 18%:");
    // The engine's marks: no account, so the cash desk pays all and the caption shows.
    QVERIFY(na<QLabel>(f, "edpozycja", "lbrakrachunku")->isVisible());
    QCOMPARE(tekst(f, "edpozycja", "lrachunek"), "0,00");
    QVERIFY(!na<QLabel>(f, "edpozycja", "wiloscdni")->isVisible());
    QVERIFY(!na<QLabel>(f, "edpozycja", "wdniwmiesiacu")->isVisible());
    wpisz(na<QLineEdit>(f, "edpozycja", "eiloscdni"), "32");
    QVERIFY(na<QLabel>(f, "edpozycja", "wdniwmiesiacu")->isVisible()); // while typing
    opusc(f);
    QVERIFY(na<QLabel>(f, "edpozycja", "wiloscdni")->isVisible()); // 32 differs from 22
    QVERIFY(na<QLabel>(f, "edpozycja", "wokres")->isVisible());
    wpisz(na<QLineEdit>(f, "edpozycja", "ewyrownanie"), "-50");
    opusc(f);
    QVERIFY(na<QLineEdit>(f, "edpozycja", "ewyrownanie")->styleSheet().contains("red"));
    QVERIFY(na<QLabel>(f, "edpozycja", "lwyrownanie")->styleSheet().contains("white"));
}

void PositionEditorPageTest::leavingADayFieldRecalculatesWithoutSaving() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    lista(f);
    otworzPozycje(f, 0);
    const Pozycja before = zapisana(f, "ADAMSKI");
    QCOMPARE(tekst(f, "edpozycja", "lnaleznosc"), "6000,00"); // 4000 × 1.5 for the month
    wpisz(na<QLineEdit>(f, "edpozycja", "eiloscdni"), "15");
    QCOMPARE(tekst(f, "edpozycja", "lnaleznosc"), "6000,00"); // not yet: the field is not left
    opusc(f);
    QCOMPARE(tekst(f, "edpozycja", "lnaleznosc"), Kwota00Przecinek(15 * 200.0));
    QVERIFY(tekst(f, "edpozycja", "lrazem") != Kwota00Przecinek(before.razem));
    QCOMPARE(zapisana(f, "ADAMSKI").razem, before.razem);
    QCOMPARE(zapisana(f, "ADAMSKI").iloscdni, before.iloscdni);
}

void PositionEditorPageTest::confirmSavesTheCopyAndTheTotalsFollow() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    otworzPozycje(f, 0);
    const double total = ListRepository(f.db()).lista(id).razem;
    wpisz(na<QLineEdit>(f, "edpozycja", "ewyrownanie"), "123,45");
    wpisz(na<QLineEdit>(f, "edpozycja", "euwagi_1"), "korekta");
    f.key(Qt::Key_Return); // Enter confirms, also straight from an edit
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QVERIFY(f.window().locked());
    const Pozycja p = zapisana(f, "ADAMSKI");
    QCOMPARE(p.wyrownanie, 123.45);
    QCOMPARE(p.uwagi, "korekta");
    QCOMPARE(ListRepository(f.db()).lista(id).razem, total + 123.45);
    QCOMPARE(na<QLineEdit>(f, "edlista", "esumarazem")->text(), Kwota00Przecinek(total + 123.45));
    QCOMPARE(komorka(siatka(f), 0, 10), Kwota00Przecinek(p.razem));
    QCOMPARE(siatka(f)->currentIndex().row(), 0);
    QCOMPARE(f.messages().count(), 0);
}

void PositionEditorPageTest::cancelLeavesNothingBehind() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    const int id = lista(f);
    otworzPozycje(f, 0);
    const Pozycja before = zapisana(f, "ADAMSKI");
    const double total = ListRepository(f.db()).lista(id).razem;
    wpisz(na<QLineEdit>(f, "edpozycja", "eiloscdni"), "3");
    opusc(f);
    wpisz(na<QLineEdit>(f, "edpozycja", "eskladkizus"), "99");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    const Pozycja after = zapisana(f, "ADAMSKI");
    QCOMPARE(after.iloscdni, before.iloscdni);
    QCOMPARE(after.skladkizus, before.skladkizus);
    QCOMPARE(after.razem, before.razem);
    QCOMPARE(ListRepository(f.db()).lista(id).razem, total);
    // Opened again, the editor shows the stored values.
    f.key(Qt::Key_Return);
    QCOMPARE(tekst(f, "edpozycja", "eiloscdni"), QString::number(*before.iloscdni));
}

void PositionEditorPageTest::pageDownSavesAndMovesToTheNextPerson() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    lista(f);
    otworzPozycje(f, 0);
    wpisz(na<QLineEdit>(f, "edpozycja", "eskladkizus"), "10");
    f.key(Qt::Key_PageDown);
    QCOMPARE(f.window().aktywnaStrona(), "edpozycja");
    QCOMPARE(tekst(f, "edpozycja", "lpozosoba_1"), "BORSUK JAN");
    QCOMPARE(zapisana(f, "ADAMSKI").skladkizus, 10.0);
    f.key(Qt::Key_PageDown); // the last person stays
    QCOMPARE(tekst(f, "edpozycja", "lpozosoba_1"), "BORSUK JAN");
    f.key(Qt::Key_PageUp);
    QCOMPARE(tekst(f, "edpozycja", "lpozosoba_1"), "ADAMSKI JAN");
    QCOMPARE(tekst(f, "edpozycja", "eskladkizus"), "10,00");
    klik(f, "edpozycja", "sbpozycjaanuluj");
    QCOMPARE(siatka(f)->currentIndex().row(), 0);
}

void PositionEditorPageTest::protectedClosedListCancelsWithItsMessage() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    osoba(f, "BORSUK", "75031512352");
    const int id = lista(f);
    Zapis(f.db(), "NRIDJW", "4731086");
    f.db().exec("update lista set status = 'Z' where id = ?", {id});
    otworzPozycje(f, 0);
    const Pozycja before = zapisana(f, "ADAMSKI");
    const QString message =
        "Lista należności jest zamknięta!\r\rWszystkie wprowadzone zmiany zostały anulowane.";
    wpisz(na<QLineEdit>(f, "edpozycja", "eskladkizus"), "10");
    klik(f, "edpozycja", "sbnast");
    QCOMPARE(f.messages().texts(), QStringList{message});
    QCOMPARE(tekst(f, "edpozycja", "lpozosoba_1"), "BORSUK JAN");
    wpisz(na<QLineEdit>(f, "edpozycja", "eskladkizus"), "10");
    klik(f, "edpozycja", "sbpozycjazatwierdz");
    QCOMPARE(f.messages().texts(), (QStringList{message, message}));
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    QCOMPARE(zapisana(f, "ADAMSKI").skladkizus, before.skladkizus);
    QCOMPARE(zapisana(f, "BORSUK").skladkizus, 0.0);
}

void PositionEditorPageTest::warFieldsAreReadOnlyWithoutWarSupplement() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    const int id = lista(f);
    f.db().exec("update lista set czy_dod_wojenny = 'N' where id = ?", {id});
    otworzPozycje(f, 0);
    QVERIFY(na<QLineEdit>(f, "edpozycja", "eiloscdniwojna2")->isReadOnly());
    QVERIFY(na<QLabel>(f, "edpozycja", "ldw2")->styleSheet().contains("#b6b6b6"));
    klik(f, "edpozycja", "sbpozycjaanuluj");
    klik(f, "edlista", "sblistaanuluj");
    f.db().exec("update lista set czy_dod_wojenny = 'T' where id = ?", {id});
    otworzPozycje(f, 0);
    QVERIFY(!na<QLineEdit>(f, "edpozycja", "eiloscdniwojna2")->isReadOnly());
    QVERIFY(na<QLabel>(f, "edpozycja", "ldw2")->styleSheet().isEmpty());
    // The collection box: checked is "N", unchecked "W"; without a cash amount (all paid to
    // the bank account) it empties the flag.
    auto* box = na<QCheckBox>(f, "edpozycja", "cbniepobrane");
    box->click();
    klik(f, "edpozycja", "sbpozycjazatwierdz");
    QCOMPARE(zapisana(f, "ADAMSKI").niepobranewkasie, "N");
    f.key(Qt::Key_Return);
    QVERIFY(box->isChecked());
    box->click();
    klik(f, "edpozycja", "sbpozycjazatwierdz");
    QCOMPARE(zapisana(f, "ADAMSKI").niepobranewkasie, "W");
    f.db().exec("update pozycja set nrachunek1 = '11 1111 1111 1111 1111 1111 1111', "
                "zaliczkawaluta = 0");
    f.key(Qt::Key_Return);
    QCOMPARE(tekst(f, "edpozycja", "lzaliczkapln"), "0,00");
    box->click();
    klik(f, "edpozycja", "sbpozycjazatwierdz");
    QCOMPARE(zapisana(f, "ADAMSKI").niepobranewkasie, QString());
}

void PositionEditorPageTest::shortEditorRecalculatesOnEveryChange() {
    AppFixture f;
    przygotuj(f);
    osoba(f, "ADAMSKI", "80010112340");
    const int id = lista(f, true, "NP");
    f.db().exec("update pozycja set nrachunek1 = '' where idlisty = ?", {id});
    otworzPozycje(f, 0);
    QCOMPARE(f.window().aktywnaStrona(), "edpozycja2");
    auto* razem = na<QLineEdit>(f, "edpozycja2", "ezkrazem");
    wpisz(razem, "400");
    // Without an account the cash desk pays everything, in dollars at 4 PLN.
    QCOMPARE(tekst(f, "edpozycja2", "ldowyplaty_2"), "400,00");
    QCOMPARE(na<QLineEdit>(f, "edpozycja2", "ezkzaliczka")->text(), "100,00");
    QCOMPARE(razem->text(), "400"); // what is typed stays as typed
    QVERIFY(na<QLabel>(f, "edpozycja2", "lbrakrachunku2")->isVisible());
    wpisz(na<QLineEdit>(f, "edpozycja2", "einnezwiekszenia_2"), "40");
    QCOMPARE(tekst(f, "edpozycja2", "ldowyplaty_2"), "360,00");
    klik(f, "edpozycja2", "sbpozycjazatwierdz2");
    QCOMPARE(f.window().aktywnaStrona(), "edlista");
    const Pozycja p = zapisana(f, "ADAMSKI");
    QCOMPARE(p.razem, 400.0);
    QCOMPARE(p.zaliczkawaluta, 90.0);
    QCOMPARE(ListRepository(f.db()).lista(id).razem, 400.0);

    // A list of advances: the advance typed in currency gives the total.
    klik(f, "edlista", "sblistaanuluj");
    f.db().exec("update lista set rodzaj = 'ZK' where id = ?", {id});
    otworzPozycje(f, 0);
    wpisz(na<QLineEdit>(f, "edpozycja2", "ezkzaliczka"), "25");
    QCOMPARE(na<QLineEdit>(f, "edpozycja2", "ezkrazem")->text(), "100,00");
    wpisz(na<QLineEdit>(f, "edpozycja2", "ezkzaliczka"), "0");
    QCOMPARE(na<QLineEdit>(f, "edpozycja2", "ezkzaliczka")->selectedText(), "0");
    f.key(Qt::Key_Escape);
    QCOMPARE(zapisana(f, "ADAMSKI").razem, 400.0);
}

QTEST_MAIN(PositionEditorPageTest)
#include "position_editor_page_test.moc"
