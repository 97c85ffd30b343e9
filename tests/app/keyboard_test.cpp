// Keyboard-first work: the bar's Alt letters (unique, honouring the lock), a click the lock
// refused having no later effect, Tab leaving the grids, and the footer saying exactly the keys
// of the page shown.
#include "app/main_window.h"
#include "lists/ui/list_ui.h"
#include "data/settings.h"
#include "support/app_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void footerListsExactlyThePagesKeys();
    void altLettersHonourTheLock();
    void aRefusedClickIsForgotten();
    void tabLeavesTheGrids();
    void refusedHeaderFocusesItsFieldOnce();
};

void KeyboardTest::footerListsExactlyThePagesKeys() {
    AppFixture f;
    QVERIFY(f.show());
    auto* stopka = f.find<QLabel>("pstopka");
    const QList<int> klawisze{Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp,
                              Qt::Key_PageDown};
    for (const QString& strona : MainWindow::nazwyStron()) {
        f.window().pokazStrone(strona);
        const QString t = stopka->text();
        QList<int> wTabeli;
        for (const auto& [k, cel] : MainWindow::klawiszeStrony(strona))
            wTabeli << k;
        for (int k : klawisze)
            QVERIFY2(t.contains(MainWindow::nazwaKlawisza(k) + ": ") == wTabeli.contains(k),
                     qPrintable(strona + ": " + t));
        QVERIFY(t.endsWith("Alt + podkreślona litera: przycisk paska"));
    }
    // On the list editor Esc confirms the list, as the table says, never "anuluje".
    f.window().pokazStrone("edlista");
    QVERIFY(stopka->text().contains("Esc: zatwierdź"));
    QVERIFY(!stopka->text().contains("anuluje"));
    f.window().pokazStrone("podgl");
    QVERIFY(stopka->text().contains("Esc: zamyka podgląd"));
}

void KeyboardTest::altLettersHonourTheLock() {
    AppFixture f;
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T");
    // Every bar button has one underlined letter, none shared.
    QSet<QChar> litery;
    const QList<QToolButton*> pasek = f.window().findChild<QWidget*>("ppasek")->findChildren<QToolButton*>();
    QCOMPARE(pasek.size(), 9);
    for (QToolButton* b : pasek) {
        const int i = int(b->text().indexOf(u'&'));
        QVERIFY2(i >= 0 && i + 1 < b->text().size(), qPrintable(b->objectName()));
        const QChar c = b->text().at(i + 1).toUpper();
        QVERIFY2(!litery.contains(c), qPrintable(b->text()));
        litery.insert(c);
    }
    // Locked on the start page: Alt+L does nothing (the button's press comes a moment later).
    QCOMPARE(f.window().aktywnaStrona(), QString("mivra"));
    QTest::keyClick(&f.window(), Qt::Key_L, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(f.window().aktywnaStrona(), QString("mivra"));
    f.login();
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
    QTest::keyClick(&f.window(), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("listy"));
    QTest::keyClick(&f.window(), Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("pit_11"));
}

void KeyboardTest::aRefusedClickIsForgotten() {
    AppFixture f;
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T");
    f.login();
    f.find<QAbstractButton>("sbdane")->click();
    QCOMPARE(f.window().aktywnaStrona(), QString("dane"));
    QVERIFY(f.window().locked());
    f.find<QAbstractButton>("sblisty")->click(); // refused by the lock
    QTest::keyClick(&f.window(), Qt::Key_L, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(f.window().aktywnaStrona(), QString("dane"));
    f.key(Qt::Key_Escape);
    QTest::qWait(300);
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
    QVERIFY(!f.window().locked());
}

void KeyboardTest::tabLeavesTheGrids() {
    AppFixture f;
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T");
    f.login();
    f.find<QAbstractButton>("sblisty")->click();
    for (const char* nazwa : {"dbglista"}) {
        auto* grid = f.findOn<QTableView>("listy", nazwa);
        QVERIFY(grid && !grid->tabKeyNavigation());
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
    }
    f.find<QAbstractButton>("sbzolnierze")->click();
    QVERIFY(!f.findOn<QTableView>("osoba", "dbgosoba")->tabKeyNavigation());
    QVERIFY(!f.findOn<QTableView>("edlista", "dbgpozycja")->tabKeyNavigation());
}

void KeyboardTest::refusedHeaderFocusesItsFieldOnce() {
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    listui::lista(f);
    f.find<QAbstractButton>("sblisty")->click();
    listui::klikKomorke(f.findOn<QTableView>("listy", "dbglista"), 0, 5);
    f.key(Qt::Key_Return); // EDYTUJ
    QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));
    auto* tabela = f.findOn<QLineEdit>("edlista", "eltabelazaliczki");
    QVERIFY(tabela);
    tabela->setFocus();
    tabela->selectAll();
    QTest::keyClick(tabela, Qt::Key_Backspace); // emptied as typed
    QVERIFY(tabela->text().isEmpty());
    f.messages().clear();
    f.key(Qt::Key_Escape); // confirms the list, which the empty table refuses
    QCOMPARE(f.messages().texts(), QStringList{"Proszę wprowadzić tabelę kursu waluty!"});
    QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));
    QTRY_VERIFY(tabela->hasFocus());
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
