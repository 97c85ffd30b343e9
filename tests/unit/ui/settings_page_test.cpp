#include "app/main_window.h"
#include "app/pages.h"
#include "data/settings.h"
#include "support/app_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

namespace {

// Types text into a field key by key, as the keyboard does (Polish letters included).
void wpisz(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Fills every field the checks need, in lower case where the field turns it upper.
void wypelnij(AppFixture& f) {
    wpisz(f.find<QLineEdit>("EDHaslo"), "tajne");
    wpisz(f.find<QLineEdit>("EDNrIdent"), "1234562");
    wpisz(f.find<QLineEdit>("enretatu"), "aa001");
    wpisz(f.find<QLineEdit>("EDNazwa1"), "Jednostka Wojskowa 1234");
    wpisz(f.find<QLineEdit>("EDNazwa2"), "PKW Kosowo");
    wpisz(f.find<QLineEdit>("EDSkrot"), "PKW");
    wpisz(f.find<QLineEdit>("esfinansista"), "główny księgowy");
    wpisz(f.find<QLineEdit>("ekonto"), "61 1090 1014 0000 0712 1981 2874");
    wpisz(f.find<QLineEdit>("ebank"), "santander bank polska");
    wpisz(f.find<QLineEdit>("ekoszty"), "111.25");
    wpisz(f.find<QLineEdit>("ewolna"), "3089,00");
    wpisz(f.find<QLineEdit>("enip"), "123 456 78");
}

} // namespace

class SettingsPageTest : public QObject {
    Q_OBJECT
private slots:
    void firstLoginOnAnUnconfiguredDatabaseOpensTheSettings();
    void cancelOnAnUnconfiguredDatabaseEndsTheProgram_data();
    void cancelOnAnUnconfiguredDatabaseEndsTheProgram();
    void cancelOnAConfiguredDatabaseWritesNothing();
    void failedCheckKeepsThePageAndFocusesTheField();
    void validConfirmationStoresUpperCaseAndGrosze();
    void accountTypedNamesItsBankWhileTheBankIsEmpty();
};

void SettingsPageTest::firstLoginOnAnUnconfiguredDatabaseOpensTheSettings() {
    AppFixture f;
    Zapis(f.db(), "NAZWA1", "JW 1234");
    Zapis(f.db(), "KOSZTY", "11125");
    Zapis(f.db(), "WOLNA", "nie liczba");
    QVERIFY(f.show());
    f.login();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    QVERIFY(f.window().locked());
    QCOMPARE(f.find<QLabel>("Pnazwa")->text(), QString()); // not set before confirmation
    QCOMPARE(f.find<QLineEdit>("EDNazwa1")->text(), "JW 1234");
    QCOMPARE(f.find<QLineEdit>("ekoszty")->text(), "111,25");
    QCOMPARE(f.find<QLineEdit>("ewolna")->text(), "0,00");
    // Entering an amount selects it, so what is typed replaces it.
    auto* wolna = f.find<QLineEdit>("ewolna");
    wolna->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(wolna->selectedText(), "0,00");
    QTest::keyClicks(wolna, "12.5");
    QCOMPARE(wolna->text(), "12.5");
    QTest::keyClick(wolna, Qt::Key_Tab); // leaving shows it in the amount format
    QCOMPARE(wolna->text(), "12,50");
    QCOMPARE(f.find<QLineEdit>("EDHaslo")->echoMode(), QLineEdit::Password);
    QCOMPARE(f.find<QLineEdit>("EDSkrot")->maxLength(), 20);
    QCOMPARE(f.find<QLineEdit>("eposiadacz")->maxLength(), 100);
    // While the page is open the button bar does nothing.
    f.find<QToolButton>("sblisty")->click();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
}

void SettingsPageTest::cancelOnAnUnconfiguredDatabaseEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("ANULUJ") << "SBDAnuluj";
    QTest::newRow("close icon") << "SpeedButton26";
    QTest::newRow("Esc") << "";
}

void SettingsPageTest::cancelOnAnUnconfiguredDatabaseEndsTheProgram() {
    QFETCH(QString, how);
    AppFixture f;
    QVERIFY(f.show());
    f.login();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    QSignalSpy ended(&f.window(), &MainWindow::terminated);
    wypelnij(f);
    if (how.isEmpty())
        f.key(Qt::Key_Escape);
    else
        f.find<QAbstractButton>(how)->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!f.window().isVisible());
    QCOMPARE(f.messages().count(), 0); // no close questions
    QCOMPARE(Odczyt(f.db(), "DANE"), "N");
    QCOMPARE(Odczyt(f.db(), "HASLO"), QString());
}

void SettingsPageTest::cancelOnAConfiguredDatabaseWritesNothing() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T");
    Zapis(f.db(), "SKROT", "PKW");
    QVERIFY(f.show());
    f.login();
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QSignalSpy ended(&f.window(), &MainWindow::terminated);
    f.find<QToolButton>("sbdane")->click();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    QCOMPARE(f.find<QLineEdit>("EDSkrot")->text(), "PKW");
    wpisz(f.find<QLineEdit>("EDSkrot"), "INNY");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(ended.count(), 0);
    QCOMPARE(Odczyt(f.db(), "SKROT"), "PKW");
    // Opening again shows the stored values, not what was typed and cancelled.
    f.find<QToolButton>("sbdane")->click();
    QCOMPARE(f.find<QLineEdit>("EDSkrot")->text(), "PKW");
}

void SettingsPageTest::failedCheckKeepsThePageAndFocusesTheField() {
    AppFixture f;
    QVERIFY(f.show());
    f.login();
    wypelnij(f);
    wpisz(f.find<QLineEdit>("ekonto"), "61 1090 1014 0000 0712 1981 2875");
    const int rows = f.db().scalar("select count(*) from dane").toInt();
    f.find<QPushButton>("SBDZatw")->click();
    QCOMPARE(f.messages().texts(),
             QStringList{"Błąd sumy kontrolnej rachunku bankowego!\r\rWpisz właściwy numer "
                         "rachunku."});
    QCOMPARE(f.messages().asked().first().kind, KOMUNIKAT_INFORMACJA);
    QCOMPARE(QApplication::focusWidget(), f.find<QLineEdit>("ekonto"));
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    QVERIFY(f.window().locked());
    QCOMPARE(f.find<QLineEdit>("EDNazwa1")->text(), "Jednostka Wojskowa 1234"); // kept as typed
    QCOMPARE(f.db().scalar("select count(*) from dane").toInt(), rows);
    QCOMPARE(Odczyt(f.db(), "DANE"), "N");
}

void SettingsPageTest::validConfirmationStoresUpperCaseAndGrosze() {
    AppFixture f;
    QVERIFY(f.show());
    f.login();
    wypelnij(f);
    f.key(Qt::Key_Return);
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(Odczyt(f.db(), "DANE"), "T");
    QCOMPARE(Odczyt(f.db(), "HASLO"), "TAJNE");
    QCOMPARE(Odczyt(f.db(), "NRETATU"), "AA001");
    QCOMPARE(Odczyt(f.db(), "SFINANSISTA"), "GŁÓWNY KSIĘGOWY");
    QCOMPARE(Odczyt(f.db(), "BANK"), "SANTANDER BANK POLSKA");
    QCOMPARE(Odczyt(f.db(), "NAZWA1"), "Jednostka Wojskowa 1234"); // no upper-case rule
    QCOMPARE(Odczyt(f.db(), "POSIADACZ"), "Jednostka Wojskowa 1234 PKW Kosowo");
    QCOMPARE(Odczyt(f.db(), "KOSZTY"), "11125");
    QCOMPARE(Odczyt(f.db(), "WOLNA"), "308900");
    QCOMPARE(Odczyt(f.db(), "NIP"), "123 456 78");
    QCOMPARE(f.find<QLabel>("Pnazwa")->text(), "Jednostka Wojskowa 1234 PKW Kosowo");

    f.find<QToolButton>("sbdane")->click();
    QCOMPARE(f.find<QLineEdit>("ekoszty")->text(), "111,25");
    QCOMPARE(f.find<QLineEdit>("ewolna")->text(), "3 089,00");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");

    // The next start asks for the new password and goes to the empty page.
    MainWindow next(f.ctx());
    ZainstalujStrony(next, f.ctx());
    next.resize(1280, 800);
    next.show();
    next.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&next));
    auto* haslo = next.findChild<QLineEdit*>("EHaslo");
    haslo->setFocus();
    haslo->setText("TAJNE");
    QTest::keyClick(haslo, Qt::Key_Return);
    QCOMPARE(next.aktywnaStrona(), "pusta");
    QVERIFY(!next.locked());
    f.ctx().nav = &f.window();
}

void SettingsPageTest::accountTypedNamesItsBankWhileTheBankIsEmpty() {
    AppFixture f;
    f.db().exec("insert into bank (prefiks, nazwa) values ('10901014', 'SANTANDER BANK POLSKA')");
    QVERIFY(f.show());
    f.login();
    auto* konto = f.find<QLineEdit>("ekonto");
    auto* bank = f.find<QLineEdit>("ebank");
    wpisz(konto, "61 1090 101");
    QCOMPARE(bank->text(), QString());
    QTest::keyClick(konto, Qt::Key_4); // the tenth character without blanks
    QCOMPARE(bank->text(), "SANTANDER BANK POLSKA");

    wpisz(bank, "MÓJ BANK");
    wpisz(konto, "61 1090 1014 0000");
    QCOMPARE(bank->text(), "MÓJ BANK"); // a name already there stays
}

QTEST_MAIN(SettingsPageTest)
#include "settings_page_test.moc"
