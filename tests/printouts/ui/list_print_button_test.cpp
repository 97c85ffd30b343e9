// DRUKUJ LISTĘ on the list register: refused while a position is marked to-do, otherwise the
// zero-positions question and the list's printout on the preview page, returning to the
// register.
#include "lists/ui/list_ui.h"
#include "printouts/ui/preview_page.h"

#include <QtTest>

using namespace vexa;
using namespace listui;

class ListPrintButtonTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheSelectedList();
    void listOfAnUnknownKindStillReturnsToTheRegister();
};

void ListPrintButtonTest::printsTheSelectedList() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    osoba(f, "BORSUK", "80010112357");
    const int id = lista(f);
    f.db().exec("update pozycja set razem = 0 where nazwisko = 'BORSUK'");
    f.db().exec("update pozycja set wyr = 'T' where nazwisko = 'ADAMSKI'");
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);
    f.messages().clear();
    klik(f, "listy", "sblistywydruk");
    QCOMPARE(f.messages().texts(),
             QStringList{"Na liście znajdują się osoby oznaczone\rDO ZROBIENIA.\r\rWydruk listy "
                         "jest niemożliwy..."});
    QCOMPARE(f.window().aktywnaStrona(), "listy");

    ListRepository(f.db()).przelaczDoZrobienia(
        f.db().scalar("select id from pozycja where nazwisko = 'ADAMSKI'").toInt());
    f.messages().clear();
    f.messages().answer(NIE); // zero positions are not shown
    klik(f, "listy", "sblistywydruk");
    QCOMPARE(f.messages().texts(),
             QStringList{"Czy na wydruku mają być widoczne pozycje zawierające zerowe "
                         "należności?"});
    QCOMPARE(f.window().aktywnaStrona(), "podgl");
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    const QStringList texts = podglad->raport().strony.first().tresci();
    QVERIFY(texts.contains("ADAMSKI JAN"));
    QVERIFY(!texts.contains("BORSUK JAN"));
    QCOMPARE(podglad->raport().tytulZadania, "LISTA NALEŻNOŚCI (VEXA-F)");
    QVERIFY(id > 0);
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), "listy");
}

void ListPrintButtonTest::listOfAnUnknownKindStillReturnsToTheRegister() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    lista(f);
    f.db().exec("update lista set typ = 'X'");
    // The previous printout of the day came from the person register.
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    Raport poprzedni;
    poprzedni.strony << StronaRaportu{};
    podglad->pokaz(poprzedni, "osoba");
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);
    f.messages().clear();
    f.messages().answer(TAK);
    klik(f, "listy", "sblistywydruk");
    QCOMPARE(f.window().aktywnaStrona(), "podgl");
    QCOMPARE(f.window().stan().stronaPowrotu, "listy");
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), "listy");
}

QTEST_MAIN(ListPrintButtonTest)
#include "list_print_button_test.moc"
