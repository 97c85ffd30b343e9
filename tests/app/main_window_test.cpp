#include "app/name_days.h"
#include "data/settings.h"
#include "lists/ui/list_kinds_dialog.h"
#include "support/app_fixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsLockedOnTheStartPageWithAllPages();
    void lockedButtonsAndCloseBoxDoNothing();
    void kindLegendOpensEvenWhileLocked();
    void wrongPasswordIsRefusedAndCleared();
    void emptyPasswordOpensDatabaseWithoutOne_data();
    void emptyPasswordOpensDatabaseWithoutOne();
    void passwordIsTypedInUpperCase();
    void escapeOnStartPageEndsWithoutQuestions();
    void closeQueryNoAndYesWithoutBackup();
    void closeQueryWithBackupNamedByTheDay();
    void failedBackupIsReportedNotClaimed();
    void barButtonsSwitchPagesOnceUnlocked();
    void clockAndNameDaysShowTheFixedDay_data();
    void clockAndNameDaysShowTheFixedDay();
};

void MainWindowTest::startsLockedOnTheStartPageWithAllPages() {
    AppFixture f;
    QVERIFY(f.show());
    QCOMPARE(f.window().objectName(), "TFvexa_f");
    QCOMPARE(f.window().aktywnaStrona(), "mivra");
    QVERIFY(f.window().locked());
    QCOMPARE(MainWindow::nazwyStron(),
             (QStringList{"pusta", "mivra", "dane", "podgl", "listy", "osoba", "edosoba",
                          "slowniki", "skladniki", "edlista", "edpozycja", "edpozycja2",
                          "analiza", "edosobapit", "pit_11"}));
    for (const QString& page : MainWindow::nazwyStron())
        QVERIFY2(f.window().strona(page), qPrintable(page));
    QCOMPARE(f.find<QLabel>("Lwersja")->text(), "14.2");
    QVERIFY(f.window().stan().osobaFiltr == "(true)" && f.window().stan().listaSortTyp == 1);
}

void MainWindowTest::lockedButtonsAndCloseBoxDoNothing() {
    AppFixture f;
    QVERIFY(f.show());
    for (const char* name : {"SpeedButton2", "sbstaleplacowe", "sblisty", "sbzolnierze",
                             "sbpracownicy", "sbdane", "SpeedButton57", "SpeedButton1",
                             "SBKoniec"}) {
        auto* b = f.find<QToolButton>(name);
        QVERIFY2(b, name);
        b->click();
        QCOMPARE(f.window().aktywnaStrona(), "mivra");
        QVERIFY(f.window().locked());
    }
    QVERIFY(!f.window().close());
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().stan().osobaZp, QString());
}

void MainWindowTest::kindLegendOpensEvenWhileLocked() {
    AppFixture f;
    QVERIFY(f.show());
    f.find<QToolButton>("SpeedButton48")->click();
    ListKindsDialog* legend = f.window().listKindsDialog();
    QVERIFY(legend->isVisible());
    QVERIFY(!legend->isModal());
    QCOMPARE(legend->objectName(), "TFrodzaj");
    QStringList texts;
    for (auto* l : legend->findChildren<QLabel*>())
        texts << l->text();
    QVERIFY(texts.contains("- Równoważnik za środki do utrzymania higieny i konserwacji obuwia"));
    QVERIFY(texts.contains("JN"));
    QCOMPARE(f.window().aktywnaStrona(), "mivra");
}

void MainWindowTest::wrongPasswordIsRefusedAndCleared() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    Zapis(f.db(), "HASLO", "TAJNE");
    QVERIFY(f.show());
    f.login("JAWNE");
    QCOMPARE(f.messages().count(), 1);
    QCOMPARE(f.messages().asked().first().kind, KOMUNIKAT_INFORMACJA);
    QCOMPARE(f.messages().lastText(),
             "Hasło nie jest właściwe!\r\rProszę spróbować wprowadzić je ponownie.");
    QCOMPARE(f.find<QLineEdit>("EHaslo")->text(), QString());
    QCOMPARE(f.window().aktywnaStrona(), "mivra");
    QVERIFY(f.window().locked());

    f.login("TAJNE");
    QCOMPARE(f.messages().count(), 1);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
}

void MainWindowTest::emptyPasswordOpensDatabaseWithoutOne_data() {
    QTest::addColumn<bool>("keyPresent");
    QTest::newRow("missing key") << false;
    QTest::newRow("empty value") << true;
}

void MainWindowTest::emptyPasswordOpensDatabaseWithoutOne() {
    QFETCH(bool, keyPresent);
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    if (keyPresent)
        Zapis(f.db(), "HASLO", "");
    Zapis(f.db(), "NAZWA1", "JEDNOSTKA WOJSKOWA 1234");
    Zapis(f.db(), "NAZWA2", "KONTYNGENT");
    QVERIFY(f.show());
    f.login();
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    QVERIFY(!f.window().locked());
    QCOMPARE(f.find<QLabel>("Pnazwa")->text(), "JEDNOSTKA WOJSKOWA 1234 KONTYNGENT");
}

void MainWindowTest::passwordIsTypedInUpperCase() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    Zapis(f.db(), "HASLO", "ŻÓŁW1");
    QVERIFY(f.show());
    auto* edit = f.find<QLineEdit>("EHaslo");
    edit->setFocus();
    // Letters typed one by one, as the keyboard sends them (Polish ones included).
    for (const QChar c : QString("żółw1"))
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(edit->text(), "ŻÓŁW1");
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    f.key(Qt::Key_Enter);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
}

void MainWindowTest::escapeOnStartPageEndsWithoutQuestions() {
    AppFixture f;
    QVERIFY(f.show());
    QSignalSpy ended(&f.window(), &MainWindow::terminated);
    f.key(Qt::Key_Escape);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!f.window().isVisible());
    QCOMPARE(f.messages().count(), 0);
    QVERIFY(!QDir(f.folder() + "/Archiwum").exists());
}

void MainWindowTest::closeQueryNoAndYesWithoutBackup() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    QVERIFY(f.show());
    f.login();
    QSignalSpy ended(&f.window(), &MainWindow::terminated);

    f.messages().answer(NIE);
    f.find<QToolButton>("SpeedButton1")->click();
    QCOMPARE(f.messages().texts(), QStringList{"Czy zakończyć pracę aplikacji?"});
    QVERIFY(f.window().isVisible());
    QCOMPARE(ended.count(), 0);

    f.messages().clear();
    f.messages().answer({TAK, NIE});
    f.find<QToolButton>("SBKoniec")->click();
    QCOMPARE(f.messages().texts(), (QStringList{"Czy zakończyć pracę aplikacji?",
                                                "Czy wykonać archiwizację\rbazy danych aplikacji?"}));
    QCOMPARE(f.messages().asked().at(1).kind, KOMUNIKAT_PYTANIE);
    QVERIFY(!f.window().isVisible());
    QCOMPARE(ended.count(), 1);
    QVERIFY(!QDir(f.folder() + "/Archiwum").exists());
}

void MainWindowTest::closeQueryWithBackupNamedByTheDay() {
    AppFixture f(QDate(2027, 3, 5));
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    QVERIFY(f.show());
    f.login();
    Zapis(f.db(), "SKROT", "PKW");
    f.messages().answer({TAK, TAK});
    QVERIFY(f.window().close());
    const QString folder = QDir::toNativeSeparators(f.folder() + "/Archiwum/");
    QCOMPARE(f.messages().count(), 3);
    QCOMPARE(f.messages().asked().at(2).kind, KOMUNIKAT_INFORMACJA);
    QCOMPARE(f.messages().lastText(),
             "Aplikacja wykonała kopię bazy danych\r\rFOLDER: \"" + folder + "\"");
    const QString copy = f.folder() + "/Archiwum/5_3_2027.ach";
    Database backup;
    backup.open(copy);
    QCOMPARE(Odczyt(backup, "SKROT"), "PKW");
    QCOMPARE(backup.scalar("pragma integrity_check").toString(), "ok");
}

void MainWindowTest::failedBackupIsReportedNotClaimed() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    QVERIFY(f.show());
    f.login();
    // Archiwum exists as a file, so the folder cannot be made.
    QFile blocker(f.folder() + "/Archiwum");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.messages().answer({TAK, TAK});
    QVERIFY(f.window().close());
    QCOMPARE(f.messages().count(), 3);
    QVERIFY(f.messages().lastText().startsWith("Nie udało się wykonać kopii bazy danych.\r"));
    QVERIFY(!f.messages().lastText().contains("wykonała"));
}

void MainWindowTest::barButtonsSwitchPagesOnceUnlocked() {
    AppFixture f;
    Zapis(f.db(), "DANE", "T"); // settings confirmed: the password leads to pusta
    QVERIFY(f.show());
    f.login();
    f.find<QToolButton>("SpeedButton2")->click();
    QCOMPARE(f.window().aktywnaStrona(), "slowniki");
    f.key(Qt::Key_Escape); // Esc on the dictionaries goes to the list register
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    f.find<QToolButton>("sbpracownicy")->click();
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    QCOMPARE(f.window().stan().osobaZp, "P");
    f.find<QToolButton>("sbzolnierze")->click();
    QCOMPARE(f.window().stan().osobaZp, "Z");
    f.find<QToolButton>("SpeedButton57")->click();
    QCOMPARE(f.window().aktywnaStrona(), "pit_11");
    f.find<QToolButton>("sbstaleplacowe")->click();
    QCOMPARE(f.window().aktywnaStrona(), "skladniki");
    // The constants page is an edit page: it holds the lock until it is left.
    QVERIFY(f.window().locked());
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "pusta");
    // The settings button locks navigation until its page is left.
    f.find<QToolButton>("sbdane")->click();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
    QVERIFY(f.window().locked());
    f.find<QToolButton>("sblisty")->click();
    QCOMPARE(f.window().aktywnaStrona(), "dane");
}

void MainWindowTest::clockAndNameDaysShowTheFixedDay_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("date");
    QTest::newRow("new year") << QDate(2027, 1, 1) << "01/01/2027";
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "29/02/2028";
    QTest::newRow("new year's eve") << QDate(2026, 12, 31) << "31/12/2026";
}

void MainWindowTest::clockAndNameDaysShowTheFixedDay() {
    QFETCH(QDate, day);
    QFETCH(QString, date);
    AppFixture f(day);
    QCOMPARE(f.find<QLabel>("LData")->text(), date);
    QCOMPARE(f.find<QLabel>("LCzas")->text(), "14:07");
    const QString names = Imieniny(day.month(), day.day());
    QVERIFY(!names.isEmpty());
    QCOMPARE(f.find<QLabel>("pimieniny")->text(), "  Dziś imieniny: " + names + "  ");
    if (day == QDate(2027, 1, 1))
        QCOMPARE(names, "Mieczysław, Mieszko, Wilhelm");
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
