// Every page fits a laptop screen: 1280×720 (what a 1920×1080 laptop at 150 % gives a program),
// 1366×768, and 1920×1080 scaled by 1.5 (VEXA_SCREEN and QT_SCALE_FACTOR choose; CTest runs all
// three). The main window grows no larger than the screen, every visible button of the page lies
// inside it, where a user can click it, the bar's buttons keep their whole captions and the
// clock stays in sight.
#include "app/main_window.h"
#include "ui/style.h"
#include "lists/ui/list_ui.h"
#include "support/app_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

namespace {

// The screen of this run, in device pixels: VEXA_SCREEN=WIDTHxHEIGHT, 1280×720 unless told.
QSize ekran() {
    const QStringList wh = qEnvironmentVariable("VEXA_SCREEN", QStringLiteral("1280x720")).split(u'x');
    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize(1280, 720);
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageFitsALaptopScreen();
};

void ScreenFitTest::everyPageFitsALaptopScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const double skala = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    QCOMPARE(screen.size(), QSize(qRound(ekran().width() / skala), qRound(ekran().height() / skala)));
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
        QStringList szersze; // what makes the window too large, when it is
        for (QWidget* w : f.window().findChildren<QWidget*>()) {
            const QSize m = w->minimumSizeHint().expandedTo(w->minimumSize());
            if (w->window() == &f.window() && w != &f.window() &&
                (m.width() > screen.width() || m.height() > screen.height()))
                szersze << QStringLiteral("%1 (%2) %3×%4")
                               .arg(w->objectName(), w->metaObject()->className())
                               .arg(m.width())
                               .arg(m.height());
        }
        QVERIFY2(f.window().minimumSizeHint().width() <= screen.width() &&
                     f.window().minimumSizeHint().height() <= screen.height(),
                 qPrintable(page + ": " + szersze.join(", ")));
        const QRect inside(QPoint(0, 0), f.window().size());
        for (QAbstractButton* b : f.window().findChildren<QAbstractButton*>()) {
            if (!b->isVisible() || b->window() != &f.window()) continue;
            const QRect r(b->mapTo(&f.window(), QPoint(0, 0)), b->size());
            QVERIFY2(inside.contains(r), qPrintable(page + ": " + b->objectName() + " " +
                                                    b->text().replace('\n', ' ')));
            // A button with a caption is as wide as its caption needs: no letter cut off.
            if (!b->text().isEmpty())
                QVERIFY2(b->width() >= b->sizeHint().width() &&
                             b->height() >= b->minimumSizeHint().height(),
                         qPrintable(QStringLiteral("%1: %2 is %3 wide, needs %4")
                                        .arg(page, b->text().replace('\n', ' '))
                                        .arg(b->width())
                                        .arg(b->sizeHint().width())));
        }
        // A field the page filled shows the start of its text.
        for (QLineEdit* e : f.window().strona(page)->findChildren<QLineEdit*>())
            if (e->isVisible() && !e->hasFocus() && !e->text().isEmpty())
                QVERIFY2(e->cursorPosition() == 0,
                         qPrintable(page + ": " + e->objectName() + " " + e->text() + " " +
                                    QString::number(e->cursorPosition()) + " " +
                                    QString::number(e->isEnabled())));
        // The date and the clock stay in sight, whole.
        for (const char* nazwa : {"LData", "LCzas"}) {
            auto* l = f.window().findChild<QLabel*>(nazwa);
            QVERIFY(l && l->isVisible());
            const QRect r(l->mapTo(&f.window(), QPoint(0, 0)), l->size());
            QVERIFY2(inside.contains(r) && l->width() >= l->sizeHint().width(),
                     qPrintable(page + ": " + nazwa));
        }
    }
    // The list header leaves the signatories' names room ("mjr Adam NOWAK" reads whole).
    f.window().otworzStrone("listy");
    f.window().otworzStrone("edlista");
    for (const char* pole : {"elzgodnoscetatowa", "elwykonal", "elfinansista"}) {
        auto* e = f.window().strona("edlista")->findChild<QLineEdit*>(pole);
        QVERIFY2(e && e->width() >= e->fontMetrics().horizontalAdvance("mjr Adam NOWAK") + 8, pole);
    }

    // The short fields of the settings hold their longest value in the widest letters.
    f.window().otworzStrone("dane");
    int krotkie = 0;
    for (QLineEdit* e : f.window().strona("dane")->findChildren<QLineEdit*>()) {
        if (e->maxLength() > 14 || e->alignment() & Qt::AlignRight) continue;
        e->setText(QString(e->maxLength(), u'W'));
        QVERIFY2(e->fontMetrics().horizontalAdvance(e->text()) <= e->contentsRect().width() - 6,
                 qPrintable(e->objectName()));
        ++krotkie;
    }
    QVERIFY(krotkie >= 3);
    f.window().setLocked(false);

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

// The offscreen screen is made VEXA_SCREEN (1280×720 unless told) before the application starts.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QSize rozmiar = ekran();
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral(R"({"screens":[{"name":"laptop","x":0,"y":0,"width":%1,"height":%2,)"
                              R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                   .arg(rozmiar.width())
                   .arg(rozmiar.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    vexa::UstawWyglad(app); // the program's own fonts and sizes
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
