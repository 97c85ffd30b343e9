// The printout buttons of the list register (WYKAZ PRZELEWÓW with its three questions, POBRANE
// W KASIE), of the person page (WYDRUK KARTOTEKI, DEKLARACJA NALEŻNOŚCI, NALEŻNOŚCI DLA OSOBY
// with its dialog) and of the person editor (DRUKUJ POKWIT.).
#include "lists/ui/list_ui.h"
#include "lists/ui/person_dues_dialog.h"
#include "persons/ui/person_editor_page.h"
#include "persons/ui/person_form.h"
#include "printouts/ui/preview_page.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QtTest>

using namespace vexa;
using namespace listui;

class PaymentPrintButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void listRegisterButtons();
    void personButtons();
};

namespace {

PreviewPage* Podglad(AppFixture& f) {
    return qobject_cast<PreviewPage*>(f.window().strona("podgl"));
}

QStringList Teksty(AppFixture& f) {
    QStringList t;
    for (const StronaRaportu& s : Podglad(f)->raport().strony)
        t << s.tresci();
    return t;
}

} // namespace

void PaymentPrintButtonsTest::listRegisterButtons() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352");
    osoba(f, "BORSUK", "80010112357");
    lista(f);
    f.db().exec("update pozycja set rachunek1 = 100, rachunek1czywaluta = 'N', "
                "orachunek1 = 'ADAMSKI JAN' where nazwisko = 'ADAMSKI'");
    f.db().exec("update pozycja set niepobranewkasie = 'W', zaliczkawaluta = 200 "
                "where nazwisko = 'BORSUK'");
    f.find<QAbstractButton>("sblisty")->click();
    klikKomorke(na<QTableView>(f, "listy", "dbglista"), 0, 5);

    // No, yes: the PLN transfers.
    f.messages().clear();
    f.messages().answer({NIE, TAK});
    klik(f, "listy", "SpeedButton27");
    QCOMPARE(f.messages().texts(),
             (QStringList{"Czy drukować wykaz przelewów należności niepobranych w kasie?",
                          "Czy drukować wykaz przelewów złotówkowych?"}));
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QCOMPARE(Podglad(f)->raport().tytulZadania, QString("ZESTAWIENIE PRZELEWÓW (VEXA-F)"));
    QVERIFY(Teksty(f).contains("ADAMSKI JAN") && !Teksty(f).contains("BORSUK JAN"));
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), QString("listy"));

    // No to all three: an empty preview, never the printout shown before, nothing to print.
    f.messages().clear();
    f.messages().answer({NIE, NIE, NIE});
    klik(f, "listy", "SpeedButton27");
    QCOMPARE(f.messages().count(), 3);
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QCOMPARE(Podglad(f)->raport().iloscStron(), 0);
    QVERIFY(!na<QAbstractButton>(f, "podgl", "SpeedButton18")->isEnabled());
    QVERIFY(!na<QAbstractButton>(f, "podgl", "sbpodglpdf")->isEnabled());
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), QString("listy"));

    // POBRANE W KASIE: yes gives the simplified (portrait) cash list.
    f.messages().answer(TAK);
    klik(f, "listy", "SpeedButton50");
    QCOMPARE(f.messages().lastText(), QString("Czy drukować listę uproszczoną?"));
    QVERIFY(!Podglad(f)->raport().poziomo);
    QVERIFY(Teksty(f).contains("BORSUK JAN") && Teksty(f).contains("Podpis"));
    klik(f, "podgl", "sbpodglzamknij");
    f.messages().answer(NIE);
    klik(f, "listy", "SpeedButton50");
    QVERIFY(Podglad(f)->raport().poziomo);
    QVERIFY(Teksty(f).contains("\"ZATWIERDZAM\""));
}

void PaymentPrintButtonsTest::personButtons() {
    AppFixture f(QDate(2027, 3, 31));
    przygotuj(f);
    osoba(f, "ADAMSKI", "75031512352", QDate(2027, 3, 10));
    osoba(f, "BORSUK", "80010112357", QDate(2027, 1, 1));
    lista(f);
    f.find<QAbstractButton>("sbzolnierze")->click();
    QCOMPARE(f.window().aktywnaStrona(), QString("osoba"));

    // The register, everybody (the month boxes are clear).
    f.messages().clear();
    f.messages().answer(NIE);
    klik(f, "osoba", "sbosobadrukuj");
    QCOMPARE(f.messages().lastText(),
             QString("Czy chcesz wydrukować tylko te osoby, które ostatnio wyeksportowano do ZWSI "
                     "RON ?"));
    QCOMPARE(Podglad(f)->raport().tytulZadania, QString("KARTOTEKA OSOBOWA (VEXA-F)"));
    QVERIFY(Teksty(f).contains("JAN ADAMSKI") && Teksty(f).contains("JAN BORSUK"));
    QVERIFY(Teksty(f).contains("KARTOTEKA ŻOŁNIERZY"));
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), QString("osoba"));

    // The declaration lists everybody with a PESEL.
    klik(f, "osoba", "SpeedButton17");
    QVERIFY(Teksty(f).contains("DEKLARACJA WYPŁATY NALEŻNOŚCI ZAGRANICZNEJ"));
    QVERIFY(Teksty(f).contains("kpr. ADAMSKI JAN"));
    QVERIFY(Teksty(f).contains("w USD"));
    klik(f, "podgl", "sbpodglzamknij");

    // NALEŻNOŚCI DLA OSOBY: a PESEL with positions, then one without.
    bool widziany = false;
    naDialogu<PersonDuesDialog>([](PersonDuesDialog* d) {
        d->findChild<QLineEdit*>("epesel")->setText("80010112357");
        QVERIFY(!d->findChild<QDateEdit*>("eod")->isVisible());
        d->findChild<QCheckBox*>("cbokres")->setChecked(true);
        QCOMPARE(d->findChild<QDateEdit*>("eod")->date(), QDate(2027, 1, 1));
        QCOMPARE(d->findChild<QDateEdit*>("edo")->date(), QDate(2027, 12, 31));
        d->findChild<QAbstractButton*>("sbzatwierdz")->click();
    }, &widziany);
    klik(f, "osoba", "SpeedButton29");
    QVERIFY(widziany);
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QVERIFY(Teksty(f).contains("LISTA NALEŻNOŚCI DLA OSOBY: JAN BORSUK, PESEL 80010112357"));
    klik(f, "podgl", "sbpodglzamknij");
    // An end before the start is refused in the dialog; then a PESEL without positions.
    f.messages().clear();
    naDialogu<PersonDuesDialog>([&f](PersonDuesDialog* d) {
        d->findChild<QLineEdit*>("epesel")->setText("99999999999");
        d->findChild<QCheckBox*>("cbokres")->setChecked(true);
        d->findChild<QDateEdit*>("edo")->setDate(QDate(2026, 12, 31));
        d->findChild<QAbstractButton*>("sbzatwierdz")->click();
        QCOMPARE(f.messages().lastText(), QString("Niewłaściwy zakres dat..."));
        QVERIFY(d->isVisible());
        d->findChild<QCheckBox*>("cbokres")->setChecked(false);
        d->findChild<QAbstractButton*>("sbzatwierdz")->click();
    }, &widziany);
    klik(f, "osoba", "SpeedButton29");
    QCOMPARE(f.messages().lastText(), QString("Nie znaleziono pozycji na listach należności."));
    QCOMPARE(f.window().aktywnaStrona(), QString("osoba"));

    // The receipt: nothing for an advance of 0, else the receipt, back to the editor.
    klikKomorke(na<QTableView>(f, "osoba", "dbgosoba"), 0, 3);
    klik(f, "osoba", "sbosobaedytuj");
    QCOMPARE(f.window().aktywnaStrona(), QString("edosoba"));
    auto* editor = qobject_cast<PersonEditorPage*>(f.window().strona("edosoba"));
    auto* zaliczka = editor->formularz()->pole("ezaliczka");
    QVERIFY(editor->formularz()->przyciskPokwitowania()->isEnabled());
    const Raport przed = Podglad(f)->raport();
    zaliczka->setText("0");
    klik(f, "edosoba", "SpeedButton11");
    QCOMPARE(f.window().aktywnaStrona(), QString("edosoba"));
    QCOMPARE(Podglad(f)->raport().tytulZadania, przed.tytulZadania);
    zaliczka->setText("150,5");
    klik(f, "edosoba", "SpeedButton11");
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QVERIFY(Teksty(f).contains("POKWITOWANIE"));
    QVERIFY(Teksty(f).filter("Kwituję odbiór kwoty 150,5 USD").size() == 1);
    klik(f, "podgl", "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), QString("edosoba"));
}

QTEST_MAIN(PaymentPrintButtonsTest)
#include "payment_print_buttons_test.moc"
