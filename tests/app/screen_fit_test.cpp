// Every page fits a laptop screen of 1366×768: the main window grows no larger than the
// screen and every visible button of the page lies inside it, where a user can click it.
#include "app/main_window.h"
#include "app/style.h"
#include "lists/ui/list_ui.h"
#include "support/app_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageFitsALaptopScreen();
};

void ScreenFitTest::everyPageFitsALaptopScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(screen.size(), QSize(1366, 768));
    AppFixture f(QDate(2027, 3, 31));
    listui::przygotuj(f);
    listui::osoba(f, "ADAMSKI", "75031512352");
    listui::lista(f);
    f.window().setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    f.window().showMaximized();
    for (const QString& page : MainWindow::nazwyStron()) {
        // Each page as its button opens it, with its grids and labels filled; the edit pages
        // are shown with their fields.
        f.window().setLocked(false);
        f.window().stan().osobaZp = "Z";
        f.window().otworzStrone(page);
        f.window().pokazStrone(page);
        QTest::qWait(20);
        const QSize size = f.window().frameGeometry().size();
        const QSize least = f.window().strona(page)->minimumSizeHint();
        QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 needs %2×%3").arg(page).arg(least.width()).arg(
                     least.height())));
        QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1: %2×%3").arg(page).arg(size.width()).arg(
                     size.height())));
        QVERIFY2(f.window().minimumSizeHint().width() <= screen.width() &&
                     f.window().minimumSizeHint().height() <= screen.height(),
                 qPrintable(page));
        const QRect inside(QPoint(0, 0), f.window().size());
        for (QAbstractButton* b : f.window().findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || b->window() != &f.window()) continue;
            const QRect r(b->mapTo(&f.window(), QPoint(0, 0)), b->size());
            QVERIFY2(inside.contains(r), qPrintable(page + ": " + b->objectName() + " " +
                                                    b->text().replace('\n', ' ')));
        }
    }
    // The dialogs the pages made (new list, bulk changes, days off, year, contingent, ...).
    QStringList seen;
    for (QDialog* d : f.window().findChildren<QDialog*>()) {
        const QSize need = d->sizeHint().expandedTo(d->minimumSizeHint());
        QVERIFY2(need.width() <= screen.width() && need.height() <= screen.height(),
                 qPrintable(d->objectName()));
        seen << d->objectName();
    }
    QVERIFY2(seen.contains("Tflista"), qPrintable(seen.join(' ')));
}

// The offscreen screen is made 1366×768 before the application starts.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":1366,"height":768,)"
               R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    vexa::UstawWyglad(app); // the program's own fonts and sizes
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
