#include "persons/ui/days_off_dialog.h"
#include "persons/ui/days_off_panel.h"
#include "persons/ui/grade_dialog.h"
#include "persons/ui/person_editor_page.h"
#include "persons/ui/person_list_page.h"
#include "persons/ui/person_ui.h"
#include "persons/ui/tax_office_dialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using namespace vexa;
using namespace personui;

namespace {

const QString kRachunek = "60102010260000042270201111";

QLineEdit* pole(AppFixture& f, const char* name) {
    return na<QLineEdit>(f, "edosoba", name);
}
QLineEdit* polePit(AppFixture& f, const char* name) {
    return na<QLineEdit>(f, "edosobapit", name);
}
// A button of the page, or of the button bar when no page is named.
void klik(AppFixture& f, const char* page, const char* name) {
    auto* b = *page ? na<QAbstractButton>(f, page, name) : f.find<QAbstractButton>(name);
    QVERIFY2(b, name);
    b->click();
}

void wybierzStopien(AppFixture& f, const QString& skrot) {
    bool seen = false;
    naDialogu<GradeDialog>(
        [skrot](GradeDialog* d) {
            for (auto* b : d->findChildren<QPushButton*>())
                if (b->property("skrot").toString() == skrot) b->click();
        },
        &seen);
    klik(f, "edosoba", "SpeedButton58");
    QVERIFY(seen);
    wroc(f);
}

// DOPISZ on the soldiers' list.
void nowa(AppFixture& f) {
    klik(f, "", "sbzolnierze");
    klik(f, "osoba", "sbosobadopisz");
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
}

void edytuj(AppFixture& f, int id) {
    klik(f, "", "sbzolnierze");
    auto* page = qobject_cast<PersonListPage*>(f.window().strona("osoba"));
    page->pokazOsobe(id);
    klik(f, "osoba", "sbosobaedytuj");
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
}

void wybierzPododdzial(AppFixture& f, const QString& skrot) {
    auto* c = na<QComboBox>(f, "edosoba", "epododdzial");
    c->setCurrentIndex(c->findData(skrot));
}

// Everything a new soldier needs, typed.
void wypelnij(AppFixture& f, const QString& pesel, const QString& nazwisko) {
    wybierzPododdzial(f, "KOMP");
    wpisz(pole(f, "epesel"), pesel);
    wpisz(pole(f, "enazwisko"), nazwisko);
    wpisz(pole(f, "eimie"), "jan");
    wybierzStopien(f, "KPR.");
    wpisz(pole(f, "estanowisko"), "strzelec");
    wpisz(pole(f, "edatanabycia"), "01032027");
}

QString pesel1() {
    return pesel("8001011234");
}

int osob(AppFixture& f) {
    return f.db().scalar("select count(*) from osoba").toInt();
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class PersonEditorPageTest : public QObject {
    Q_OBJECT
private slots:
    void newPersonHasTheDefaultsAndHoldsTheLock();
    void vacantPostWithoutPeselOrDatesIsSavedAfterTheQuestion();
    void refusalsShowTheirMessageAndFocusAndWriteNothing();
    void duplicatesAreAskedForNewPersonsAndNoKeepsWhatWasTyped();
    void editingAPersonWhosePeselExistsTwiceAsksNothing();
    void typingPeselAndAccountsColoursAndFills();
    void escapeCancelsAndKeepsTheStoredPerson();
    void savingKeepsTheAmountsNobodyTouched();
    void historyListsThePositionsMatchedByNames();
    void daysOffAreRefusedForUnsavedAndStoredAtOnceOtherwise();
    void pitDataGoIntoThePersonAndNeedAValidNip();
};

void PersonEditorPageTest::newPersonHasTheDefaultsAndHoldsTheLock() {
    AppFixture f(QDate(2027, 3, 5));
    przygotuj(f);
    nowa(f);
    QVERIFY(f.window().locked());
    QCOMPARE(na<QComboBox>(f, "edosoba", "eakt")->currentText(), "OSOBA AKTYWNA");
    QCOMPARE(na<QComboBox>(f, "edosoba", "epododdzial")->currentIndex(), -1);
    QCOMPARE(na<QComboBox>(f, "edosoba", "epododdzial")->itemText(0), "KOMPANIA");
    QCOMPARE(pole(f, "enis")->text(), "AA 001");
    QCOMPARE(pole(f, "edatautraty")->text(), "01.01.2999");
    QCOMPARE(pole(f, "edatanabycia")->text(), "..");
    QCOMPARE(na<QComboBox>(f, "edosoba", "ezwnaleznlekarzproc")->currentText(), "BRAK");
    QCOMPARE(na<QLabel>(f, "edosoba", "ldatadopisania")->text(), "05/03/2027");
    QCOMPARE(na<QLabel>(f, "edosoba", "lwalutazaliczki")->text(), "USD");
    QCOMPARE(na<QLabel>(f, "edosoba", "lzp")->text(), "ŻOŁNIERZ");
    QVERIFY(na<QPushButton>(f, "edosoba", "sbosobalista")->isEnabled()); // opens a list of the history
    // The button bar waits until the person is confirmed or cancelled.
    klik(f, "", "sblisty");
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
}

void PersonEditorPageTest::vacantPostWithoutPeselOrDatesIsSavedAfterTheQuestion() {
    AppFixture f;
    przygotuj(f);
    nowa(f);
    wybierzPododdzial(f, "KOMP");
    wybierzStopien(f, "ST.SZER.");
    wpisz(pole(f, "enis"), "ab 12 3");
    wpisz(pole(f, "estanowisko"), "kierowca");
    wpisz(pole(f, "edatautraty"), "");
    f.messages().answer(NIE);
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().texts(),
             QStringList{"Czy chcesz zapisać do bazy danych osobę bez numeru PESEL?"});
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
    QCOMPARE(pole(f, "enazwisko")->text(), QString()); // the page stays as typed
    QCOMPARE(osob(f), 0);

    f.messages().answer(TAK);
    klik(f, "edosoba", "sbosobazatwierdz");
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db()
                 .scalar("select nazwisko || '|' || nis || '|' || datanabycia || '|' || "
                         "datautraty || '|' || ste || '|' || skrotpododdzialu from osoba")
                 .toString(),
             "WAKAT - AB123|AB123|2999-01-01|2999-01-01|ST.SZER.|KOMP");
    QCOMPARE(f.window().stan().ostatniPododdzial, "KOMP");
    auto* page = qobject_cast<PersonListPage*>(f.window().strona("osoba"));
    QCOMPARE(page->biezaca()->nazwisko, "WAKAT - AB123");
}

void PersonEditorPageTest::refusalsShowTheirMessageAndFocusAndWriteNothing() {
    AppFixture f;
    przygotuj(f);
    nowa(f);
    auto zatwierdz = [&](const QString& text, const QString& focus) {
        klik(f, "edosoba", "sbosobazatwierdz");
        QCOMPARE(f.messages().lastText(), text);
        QCOMPARE(f.messages().asked().last().kind, KOMUNIKAT_INFORMACJA);
        QCOMPARE(focusName(), focus);
        QCOMPARE(f.window().aktywnaStrona(), "edosoba");
        QVERIFY(f.window().locked());
    };
    zatwierdz("Proszę wybrać pododdział!", "epododdzial");
    wybierzPododdzial(f, "KOMP");
    wpisz(pole(f, "epesel"), "12345678901");
    zatwierdz("Proszę wprowadzić poprawny numer pesel!", "epesel");
    wpisz(pole(f, "epesel"), pesel1());
    zatwierdz("Proszę wybrać stopień etatowy!", "SpeedButton58");
    wybierzStopien(f, "KPR.");
    zatwierdz("Proszę wpisać nazwę stanowiska!", "estanowisko");
    wpisz(pole(f, "estanowisko"), "strzelec");
    QCOMPARE(pole(f, "estanowisko")->text(), "STRZELEC");
    wpisz(pole(f, "edatanabycia"), "010320");
    zatwierdz("Proszę wpisać poprawną datę nabycia uprawnień!", "edatanabycia");
    wpisz(pole(f, "edatanabycia"), "");
    zatwierdz("Proszę wpisać datę nabycia uprawnień!", "edatanabycia");
    wpisz(pole(f, "edatanabycia"), "01032027");
    wpisz(pole(f, "edatautraty"), "01022027");
    zatwierdz("Data utraty uprawnień nie może być wcześniejsza od daty nabycia!", "edatanabycia");
    wpisz(pole(f, "edatautraty"), "");
    QString zly = kRachunek;
    zly[25] = QChar('2');
    wpisz(pole(f, "erachunek1"), zly);
    zatwierdz("Błąd sumy kontrolnej głównego rachunku bankowego!\r\rWpisz właściwy numer "
              "rachunku.",
              "erachunek1");
    wpisz(pole(f, "erachunek1"), kRachunek);
    zatwierdz("Proszę wprowadzić nazwę banku dla rachunku głównego.", "ebrachunek1");
    QCOMPARE(osob(f), 0);

    wpisz(pole(f, "ebrachunek1"), "pko bp");
    klik(f, "edosoba", "sbosobazatwierdz");
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(f.db()
                 .scalar("select rachunek1 || '|' || orachunek1 || '|' || brachunek1 || '|' || "
                         "plec || '|' || datautraty from osoba")
                 .toString(),
             "60 1020 1026 0000 0422 7020 1111|WAKAT - AA001 |PKO BP|K|2999-01-01");
}

void PersonEditorPageTest::duplicatesAreAskedForNewPersonsAndNoKeepsWhatWasTyped() {
    AppFixture f;
    przygotuj(f);
    osoba(f, Dane("KOWAL").zPeselem(pesel1()));
    nowa(f);
    wypelnij(f, pesel1(), "nowak");
    wpisz(pole(f, "enis"), "X 1");
    f.messages().answer(NIE);
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().texts(),
             QStringList{"Osoba o tym numerze PESEL znajduje się w bazie danych aplikacji.\r\r"
                         "Czy napewno chcesz dopisać kolejną osobę?"});
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
    QVERIFY(f.window().locked());
    QCOMPARE(pole(f, "enazwisko")->text(), "NOWAK");
    QCOMPARE(pole(f, "enis")->text(), "X 1");
    QCOMPARE(pole(f, "epesel")->text(), pesel1());
    QCOMPARE(pole(f, "edatanabycia")->text(), "01.03.2027");
    QCOMPARE(osob(f), 1);

    // Another PESEL, but the post of an active person.
    f.messages().clear();
    wpisz(pole(f, "epesel"), pesel("8101011234"));
    wpisz(pole(f, "enis"), "N- KOWAL");
    f.messages().answer(NIE);
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().texts(),
             QStringList{"Osoba o tym numerze NIS znajduje się w bazie danych aplikacji.\r\r"
                         "Czy napewno chcesz dopisać kolejną osobę?"});
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
    QCOMPARE(pole(f, "enis")->text(), "N- KOWAL");
    QCOMPARE(osob(f), 1);

    f.messages().answer(TAK);
    f.key(Qt::Key_Return);
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(osob(f), 2);
}

void PersonEditorPageTest::editingAPersonWhosePeselExistsTwiceAsksNothing() {
    AppFixture f;
    przygotuj(f);
    const int id = osoba(f, Dane("PIERWSZY").zPeselem(pesel1()));
    osoba(f, Dane("DRUGI").zPeselem(pesel1()));
    edytuj(f, id);
    QCOMPARE(pole(f, "enazwisko")->text(), "PIERWSZY");
    wpisz(pole(f, "estanowisko"), "kucharz");
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(f.db().scalar("select stanowisko from osoba where id = ?", {id}).toString(),
             "KUCHARZ");
    QCOMPARE(osob(f), 2);
}

void PersonEditorPageTest::typingPeselAndAccountsColoursAndFills() {
    AppFixture f;
    przygotuj(f);
    f.db().exec("insert into bank (prefiks, nazwa) values ('10201026', 'PKO BANK POLSKI')");
    nowa(f);
    auto* plec = na<QComboBox>(f, "edosoba", "eplec");
    QCOMPARE(plec->currentIndex(), -1);
    wpisz(pole(f, "epesel"), pesel("8505051235"));
    QCOMPARE(plec->currentText(), "MĘŻCZYZNA");
    wpisz(pole(f, "epesel"), pesel("8505051244"));
    QCOMPARE(plec->currentText(), "KOBIETA");
    QVERIFY(pole(f, "epesel")->styleSheet().contains("#ffffff"));
    wpisz(pole(f, "epesel"), "85a");
    QVERIFY(pole(f, "epesel")->styleSheet().contains("#ff0000"));
    QCOMPARE(plec->currentText(), "KOBIETA"); // too short to change the sex

    wpisz(pole(f, "erachunek1"), kRachunek.left(12));
    QCOMPARE(pole(f, "ebrachunek1")->text(), "PKO BANK POLSKI");
    wpisz(pole(f, "ebrachunek2"), "MÓJ BANK");
    wpisz(pole(f, "erachunek2"), kRachunek);
    QCOMPARE(pole(f, "ebrachunek2")->text(), "MÓJ BANK");

    // The declared amount of the second account stays 0 while that account is blank.
    wpisz(pole(f, "erachunek2kwota"), "150");
    QCOMPARE(pole(f, "erachunek2kwota")->text(), "150");
    wpisz(pole(f, "erachunek2"), "");
    wpisz(pole(f, "erachunek2kwota"), "150");
    QCOMPARE(pole(f, "erachunek2kwota")->text(), "0,00");
}

void PersonEditorPageTest::escapeCancelsAndKeepsTheStoredPerson() {
    AppFixture f;
    przygotuj(f);
    const int id = osoba(f, Dane("STAŁY").zPeselem(pesel1()));
    f.db().exec("update osoba set rachunek1 = ?, zaliczka = 12.5 where id = ?", {kRachunek, id});
    edytuj(f, id);
    QVERIFY(f.window().locked());
    // A stored 26-digit account is shown grouped; amounts with two decimals.
    QCOMPARE(pole(f, "erachunek1")->text(), "60 1020 1026 0000 0422 7020 1111");
    QCOMPARE(pole(f, "ezaliczka")->text(), "12,50");
    wpisz(pole(f, "enazwisko"), "ZMIENIONY");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db().scalar("select nazwisko || rachunek1 from osoba").toString(),
             "STAŁY" + kRachunek);
    QCOMPARE(f.messages().count(), 0);
}

void PersonEditorPageTest::savingKeepsTheAmountsNobodyTouched() {
    AppFixture f;
    przygotuj(f);
    const int id = osoba(f, Dane("STAŁY").zPeselem(pesel1()));
    // Values with more decimals than the page shows, as a person file may bring them.
    f.db().exec("update osoba set zaliczka = 123.456, rachunek2kwota = 10.005, "
                "podatekproc = 0.125 where id = ?",
                {id});
    edytuj(f, id);
    QCOMPARE(pole(f, "ezaliczka")->text(), "123,46");
    klik(f, "edosoba", "sbosobazatwierdz");
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    const QString stored = "select zaliczka || '/' || rachunek2kwota || '/' || podatekproc "
                           "from osoba where id = ?";
    QCOMPARE(f.db().scalar(stored, {id}).toString(), "123.456/10.005/0.125");
    // A changed amount is written as typed; the untouched ones still keep theirs.
    edytuj(f, id);
    wpisz(pole(f, "ezaliczka"), "200,5");
    klik(f, "edosoba", "sbosobazatwierdz");
    QCOMPARE(f.db().scalar(stored, {id}).toString(), "200.5/10.005/0.125");
}

void PersonEditorPageTest::historyListsThePositionsMatchedByNames() {
    AppFixture f;
    przygotuj(f);
    const int id = osoba(f, Dane("O'NEIL").zPeselem(pesel1()));
    f.db().exec("insert into lista (id, typ, nr, miesiacrok) values (1, 'P', '12/2026', "
                "'12/2026'), (2, 'U', '1/2027', '01/2027'), (3, 'P', '2/2027', '02/2027')");
    // Matched by the three names whatever the PESEL; another first name is somebody else. No
    // father's name matches no father's name, stored empty or not at all.
    f.db().exec("insert into pozycja (idlisty, nazwisko, imie, imieojca, pesel, iloscdni, "
                "zwnaleznpkwproc, razem, zaliczkapln, rachunek, zaliczkawaluta) values "
                "(1, 'O''NEIL', 'JAN', '', '', 31, 10, 1234.5, 100, 1134.5, 25), "
                "(2, 'O''NEIL', 'JAN', null, '99999999999', 30, 0, 10, 0, 10, 0), "
                "(3, 'O''NEIL', 'ADAM', null, '', 28, 0, 5, 0, 5, 0)");
    QVERIFY(f.db().scalar("select imieojca is null from osoba where id = ?", {id}).toBool());
    edytuj(f, id);
    QTableView* grid = na<QTableView>(f, "edosoba", "RxDBGrid4");
    QCOMPARE(grid->model()->rowCount(), 2);
    auto cell = [&](int r, int c) { return grid->model()->index(r, c).data().toString(); };
    QCOMPARE(cell(0, 2), "01/2027"); // the newest month first, across the year
    QCOMPARE(cell(1, 2), "12/2026");
    const QStringList row{cell(1, 0), cell(1, 1), cell(1, 3), cell(1, 4),
                          cell(1, 5), cell(1, 6), cell(1, 7), cell(1, 8)};
    QCOMPARE(row,
             (QStringList{"P", "12/2026", "31", "10,0", "1234,50", "100,00", "1134,50", "25,00"}));
    QCOMPARE(grid->model()->headerData(6, Qt::Horizontal).toString(), "KASA [PLN]");
    // A new person has no history.
    f.key(Qt::Key_Escape);
    klik(f, "osoba", "sbosobadopisz");
    QCOMPARE(grid->model()->rowCount(), 0);
}

void PersonEditorPageTest::daysOffAreRefusedForUnsavedAndStoredAtOnceOtherwise() {
    AppFixture f(QDate(2027, 3, 5));
    przygotuj(f);
    nowa(f);
    wypelnij(f, pesel1(), "nowy");
    for (const char* b : {"SpeedButton53", "SpeedButton54", "SpeedButton55"})
        klik(f, "edosoba", b);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.db().scalar("select count(*) from dni_wolne").toInt(), 0);
    f.key(Qt::Key_Escape);

    const int id = osoba(f, Dane("URLOPOWICZ").zPeselem(pesel1()));
    f.db().exec("insert into dni_wolne (pesel, typ, od, do, rozkaz) values (?, 'U', "
                "'2026-12-01', '2026-12-05', 'R/1')",
                {pesel1()});
    edytuj(f, id);
    QTableView* grid = na<QTableView>(f, "edosoba", "RxDBGrid5");
    QCOMPARE(grid->model()->rowCount(), 1);

    bool seen = false;
    naDialogu<DaysOffDialog>(
        [](DaysOffDialog* d) {
            QCOMPARE(d->dzien().od, QDate(2027, 3, 5));
            QCOMPARE(d->dzien().typ, "U");
            d->findChild<QDateEdit*>("eddo")->setDate(QDate(2027, 3, 9));
            d->findChild<QComboBox*>("edtyp")->setCurrentIndex(1);
            wpisz(d->findChild<QLineEdit*>("edrozkaz"), "r/12");
            QTest::keyClick(d->findChild<QLineEdit*>("edrozkaz"), Qt::Key_Return);
        },
        &seen);
    klik(f, "edosoba", "SpeedButton53");
    QVERIFY(seen);
    QCOMPARE(f.db()
                 .scalar("select od || '|' || do || '|' || typ || '|' || rozkaz from dni_wolne "
                         "where pesel = ? and od = '2027-03-05'",
                         {pesel1()})
                 .toString(),
             "2027-03-05|2027-03-09|W|R/12");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), "05/03/2027"); // newest first

    // ZMIEŃ by double-click on the older row; a last day before the first is refused.
    grid->setCurrentIndex(grid->model()->index(1, 0));
    naDialogu<DaysOffDialog>(
        [&f](DaysOffDialog* d) {
            QCOMPARE(d->findChild<QComboBox*>("edtyp")->currentText(), "U - urlop poza PKW");
            d->findChild<QDateEdit*>("eddo")->setDate(QDate(2026, 11, 1));
            d->findChild<QPushButton*>("sbzatwierdz")->click();
            QCOMPARE(f.messages().lastText(),
                     "Data końcowa nie może być wcześniejsza od daty początkowej!");
            QVERIFY(d->isVisible());
            d->findChild<QDateEdit*>("eddo")->setDate(QDate(2026, 12, 6));
            d->findChild<QComboBox*>("edtyp")->setCurrentIndex(2);
            d->findChild<QPushButton*>("sbzatwierdz")->click();
        },
        &seen);
    emit grid->doubleClicked(grid->currentIndex());
    QVERIFY(seen);
    QCOMPARE(f.db().scalar("select do || typ from dni_wolne where od = '2026-12-01'").toString(),
             "2026-12-06P");

    // USUŃ asks; the rows stay stored even when the person's edit is cancelled.
    f.messages().clear();
    f.messages().answer(NIE);
    klik(f, "edosoba", "SpeedButton55");
    QCOMPARE(f.messages().texts(), QStringList{"Czy usunąć zapis ?"});
    QCOMPARE(f.db().scalar("select count(*) from dni_wolne").toInt(), 2);
    f.messages().answer(TAK);
    klik(f, "edosoba", "SpeedButton55");
    QCOMPARE(f.db().scalar("select count(*) from dni_wolne").toInt(), 1);
    wroc(f);
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(f.db().scalar("select count(*) from dni_wolne").toInt(), 1);
}

void PersonEditorPageTest::pitDataGoIntoThePersonAndNeedAValidNip() {
    AppFixture f;
    przygotuj(f);
    const int id = osoba(f, Dane("PODATNIK").zPeselem(pesel1()));
    edytuj(f, id);
    wpisz(pole(f, "estanowisko"), "pisarz"); // typed before the PIT page, kept after it
    klik(f, "edosoba", "SpeedButton52");
    QCOMPARE(f.window().aktywnaStrona(), "edosobapit");
    QVERIFY(f.window().locked());

    auto* urzad = na<QComboBox>(f, "edosobapit", "eus_nazwa");
    QCOMPARE(urzad->currentIndex(), -1);
    urzad->setCurrentIndex(0);
    emit urzad->activated(0);
    QCOMPARE(polePit(f, "eus_ulica")->text(), "RYNEK 1");
    QCOMPARE(polePit(f, "eus_kod_is")->text(), "1436");

    wpisz(polePit(f, "eadr_kod"), "06-100");
    QCOMPARE(polePit(f, "eadr_poczta")->text(), "PUŁTUSK");
    QCOMPARE(polePit(f, "eadr_powiat")->text(), "pułtuski");
    QCOMPARE(polePit(f, "eadr_kraj")->text(), "POLSKA");
    wpisz(polePit(f, "eadr_kod"), "99-999");
    QCOMPARE(polePit(f, "eadr_poczta")->text(), QString());
    QCOMPARE(polePit(f, "eadr_miejsc")->text(), QString());
    QCOMPARE(polePit(f, "eadr_kraj")->text(), "POLSKA");
    wpisz(polePit(f, "eadr_kod"), "06-100");
    wpisz(polePit(f, "eadr_ulica"), "długa");
    QCOMPARE(polePit(f, "eadr_ulica")->text(), "DŁUGA");

    wpisz(polePit(f, "eus_nip"), "12345");
    klik(f, "edosobapit", "SpeedButton56");
    QCOMPARE(f.messages().lastText(), "Proszę wprowadzić poprawny NIP...");
    QCOMPARE(focusName(), "eus_nip");
    QCOMPARE(f.window().aktywnaStrona(), "edosobapit");
    wpisz(polePit(f, "eus_nip"), "123 456 78");
    klik(f, "edosobapit", "SpeedButton56");
    QCOMPARE(f.window().aktywnaStrona(), "edosoba");
    QCOMPARE(pole(f, "estanowisko")->text(), "PISARZ");
    // Nothing is written before ZATWIERDŹ.
    QCOMPARE(f.db().scalar("select ifnull(us_nazwa, '') from osoba").toString(), QString());
    f.key(Qt::Key_Return);
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(f.db()
                 .scalar("select us_nazwa || '|' || us_kod || '|' || us_nip || '|' || adr_kod || "
                         "'|' || adr_miejsc || '|' || adr_ulica || '|' || stanowisko from osoba")
                 .toString(),
             "URZĄD SKARBOWY W PUŁTUSKU|06-100 PUŁTUSK|123 456 78|06-100|PUŁTUSK|DŁUGA|PISARZ");

    // A new tax office typed in its dialog joins the list.
    edytuj(f, id);
    klik(f, "edosoba", "SpeedButton52");
    QCOMPARE(urzad->currentText(), "URZĄD SKARBOWY W PUŁTUSKU");
    bool seen = false;
    naDialogu<TaxOfficeDialog>(
        [&f](TaxOfficeDialog* d) {
            d->findChild<QPushButton*>("sbzatwierdz")->click();
            QCOMPARE(f.messages().lastText(), "Proszę wpisać nazwę urzędu skarbowego!");
            wpisz(d->findChild<QLineEdit*>("eurzad_nazwa"), "drugi urząd");
            wpisz(d->findChild<QLineEdit*>("eurzad_kod_is"), "123456");
            QCOMPARE(d->findChild<QLineEdit*>("eurzad_kod_is")->text(), "1234");
            QTest::keyClick(d->findChild<QLineEdit*>("eurzad_nazwa"), Qt::Key_Return);
        },
        &seen);
    klik(f, "edosobapit", "SpeedButton67");
    QVERIFY(seen);
    QCOMPARE(
        f.db().scalar("select kod_is from urzedy_skarbowe where nazwa = 'DRUGI URZĄD'").toString(),
        "1234");
    QCOMPARE(urzad->count(), 2);
    QCOMPARE(urzad->currentText(), "URZĄD SKARBOWY W PUŁTUSKU");
}

QTEST_MAIN(PersonEditorPageTest)
#include "person_editor_page_test.moc"
