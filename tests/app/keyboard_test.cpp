// Keyboard-first work: the bar's Alt letters (unique, honouring the lock), a click the lock
// refused having no later effect, Tab leaving the grids, and the footer saying exactly the keys
// of the page shown.
#include "app/main_window.h"
#include "lists/ui/list_ui.h"
#include "data/messages.h"
#include "data/settings.h"
#include "printouts/ui/preview_page.h"
#include "support/app_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
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
    void focusedButtonTakesSpaceAndEnter();
    void everyButtonOfEveryPageByTab();
    void previewPagesByKeys();
    void emptyTriggerLeavesThePreviewEmpty();
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

namespace {

// Rejects the modal dialog shown next and counts it.
void OdrzucDialog(int* ile) {
    QTimer::singleShot(0, [ile] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++*ile;
            d->reject();
        }
    });
}

int Zaznaczone(AppFixture& f, int lista) {
    return f.db()
        .scalar("select count(*) from pozycja where idlisty = ? and zaz = ?", {lista, listui::ZAZ})
        .toInt();
}

} // namespace

void KeyboardTest::focusedButtonTakesSpaceAndEnter() {
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    listui::osoba(f, "NOWAK", "80010112345");
    const int id = listui::lista(f);
    f.find<QAbstractButton>("sblisty")->click();
    listui::klikKomorke(f.findOn<QTableView>("listy", "dbglista"), 0, 5);
    f.key(Qt::Key_Return); // EDYTUJ
    QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));
    QCOMPARE(Zaznaczone(f, id), 0);
    auto* przelewy = f.findOn<QPushButton>("edlista", "sbgenerujprzelewy");
    QVERIFY(przelewy);
    for (int klawisz : {int(Qt::Key_Space), int(Qt::Key_Return)}) {
        // Not for the advances not collected; for all persons: then the dialog, cancelled.
        f.messages().clear();
        f.messages().answer({vexa::NIE, vexa::TAK});
        f.db().exec("update pozycja set zaz = ? where idlisty = ?", {listui::NIEZAZ, id});
        // The window is active again once a dialog is gone, as the desktop makes it.
        QApplication::setActiveWindow(&f.window());
        QVERIFY(QTest::qWaitForWindowActive(&f.window()));
        przelewy->setFocus();
        QTRY_VERIFY(przelewy->hasFocus());
        int dialogi = 0;
        OdrzucDialog(&dialogi);
        f.key(klawisz);
        QTRY_COMPARE(dialogi, 1);
        // The button alone acted: the mark of the current position was not toggled first, so
        // the question for all persons came and marked both; Enter opened no position.
        QVERIFY2(f.messages().texts().contains("Czy chcesz wygenerować przelewy dla wszystkich "
                                               "osób na liście należności?"),
                 qPrintable(f.messages().texts().join('|')));
        QCOMPARE(Zaznaczone(f, id), 2);
        QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));
    }
    // With the focus in the grid, Space marks the position and Enter opens it, as before.
    QApplication::setActiveWindow(&f.window());
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    f.db().exec("update pozycja set zaz = ? where idlisty = ?", {listui::NIEZAZ, id});
    f.window().otworzStrone("edlista");
    auto* siatka = f.findOn<QTableView>("edlista", "dbgpozycja");
    siatka->setFocus();
    QTRY_VERIFY(siatka->hasFocus());
    f.key(Qt::Key_Space);
    QCOMPARE(Zaznaczone(f, id), 1);
    f.key(Qt::Key_Return);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("edpozycja"));
}

void KeyboardTest::everyButtonOfEveryPageByTab() {
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    listui::lista(f);
    for (const QString& page : MainWindow::nazwyStron()) {
        f.window().setLocked(false);
        f.window().stan().osobaZp = "Z";
        f.window().otworzStrone(page);
        f.window().pokazStrone(page);
        QTest::qWait(10);
        QWidget* strona = f.window().strona(page);
        for (QTableView* t : strona->findChildren<QTableView*>()) // Tab leaves every grid
            QVERIFY2(!t->tabKeyNavigation(), qPrintable(page + ": " + t->objectName()));
        QSet<QString> doOsiagniecia;
        // A group of radio buttons is reached at its checked one (the arrows choose in it).
        for (QAbstractButton* b : strona->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() && !b->objectName().isEmpty() &&
                !(qobject_cast<QRadioButton*>(b) && !b->isChecked()))
                doOsiagniecia.insert(b->objectName());
        QWidget* start = strona->nextInFocusChain();
        while (start != strona && !(start->isVisible() && start->isEnabled() &&
                                    (start->focusPolicy() & Qt::TabFocus)))
            start = start->nextInFocusChain();
        if (start == strona) {
            QVERIFY2(doOsiagniecia.isEmpty(), qPrintable(page));
            continue;
        }
        start->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY2(start->hasFocus(), qPrintable(page + ": " + start->objectName()));
        // One cycle: Tab until the focus is back where it started.
        for (int i = 0; i < 400; ++i) {
            QWidget* w = QApplication::focusWidget();
            QVERIFY2(w, qPrintable(page));
            doOsiagniecia.remove(w->objectName());
            QTest::keyClick(w, Qt::Key_Tab);
            if (QApplication::focusWidget() == start) break;
        }
        QVERIFY2(doOsiagniecia.isEmpty(),
                 qPrintable(page + ": " + QStringList(doOsiagniecia.values()).join(' ')));
        f.window().setLocked(false);
    }
}

void KeyboardTest::previewPagesByKeys() {
    AppFixture f;
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T");
    f.login();
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    QVERIFY(podglad);
    Raport r;
    for (int i = 0; i < 4; ++i)
        r.strony.append(StronaRaportu{});
    podglad->pokaz(r, QStringLiteral("pusta"));
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QCOMPARE(podglad->biezacaStrona(), 1);
    f.key(Qt::Key_PageDown);
    QCOMPARE(podglad->biezacaStrona(), 2);
    f.key(Qt::Key_End);
    QCOMPARE(podglad->biezacaStrona(), 4);
    f.key(Qt::Key_PageDown); // past the last page: stays
    QCOMPARE(podglad->biezacaStrona(), 4);
    f.key(Qt::Key_PageUp);
    QCOMPARE(podglad->biezacaStrona(), 3);
    f.key(Qt::Key_Home);
    QCOMPARE(podglad->biezacaStrona(), 1);
    // Every button of the page has its own Alt letter, none taken by the bar.
    QSet<QChar> litery;
    for (QToolButton* b : f.window().findChild<QWidget*>("ppasek")->findChildren<QToolButton*>())
        litery.insert(b->text().at(b->text().indexOf(u'&') + 1).toUpper());
    for (QPushButton* b : podglad->findChildren<QPushButton*>()) {
        const int i = int(b->text().indexOf(u'&'));
        QVERIFY2(i >= 0 && i + 1 < b->text().size(), qPrintable(b->objectName()));
        const QChar c = b->text().at(i + 1).toUpper();
        QVERIFY2(!litery.contains(c), qPrintable(b->text()));
        litery.insert(c);
    }
    // Alt+T is NASTĘPNA STRONA, Alt+E the first page.
    QTest::keyClick(&f.window(), Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(podglad->biezacaStrona(), 2);
    QTest::keyClick(&f.window(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(podglad->biezacaStrona(), 1);
    // Esc closes the preview.
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
}

void KeyboardTest::emptyTriggerLeavesThePreviewEmpty() {
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    const int id = listui::lista(f);
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    Raport r;
    r.strony.append(StronaRaportu{});
    podglad->pokaz(r, QStringLiteral("listy")); // an earlier printout
    QVERIFY(podglad->findChild<QPushButton*>("SpeedButton18")->isEnabled());
    f.find<QAbstractButton>("sblisty")->click();
    listui::klikKomorke(f.findOn<QTableView>("listy", "dbglista"), 0, 5);
    QVERIFY(id > 0);
    // WYKAZ PRZELEWÓW answered NIE three times.
    f.messages().clear();
    f.messages().answer({vexa::NIE, vexa::NIE, vexa::NIE});
    f.findOn<QAbstractButton>("listy", "SpeedButton27")->click();
    QCOMPARE(f.messages().count(), 3);
    QCOMPARE(podglad->raport().iloscStron(), 0);
    for (const char* b : {"SpeedButton18", "sbpodglpdf", "SpeedButton19", "SpeedButton37"})
        QVERIFY2(!podglad->findChild<QPushButton*>(b)->isEnabled(), b);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
