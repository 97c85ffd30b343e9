#include "ui/app_context.h"
#include "ui/dialog_services.h"
#include "app/main_window.h"
#include "ui/message_dialog.h"
#include "app/pages.h"
#include "ui/style.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/error.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("VEXA-F"));
    app.setApplicationDisplayName(QStringLiteral("VEXA-F"));
    vexa::UstawWyglad(app);
    vexa::ZaladujTlumaczeniaQt(app);

    const QString folder = QCoreApplication::applicationDirPath();
    vexa::Database db;
    try {
        db.open(QDir(folder).filePath(QString::fromLatin1(vexa::Database::kFileName)));
    } catch (const vexa::VexaError& e) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("VEXA-F"),
                        QStringLiteral("Błąd połączenia z bazą danych..."));
        box.setInformativeText(QString(e.message()).replace(u'\r', u'\n'));
        box.exec();
        return 1;
    }

    vexa::DialogMessages messages;
    vexa::QtFileDialogs files;
    vexa::SystemClock clock;
    vexa::AppContext ctx{db, messages, files, clock, folder};
    vexa::MainWindow window(ctx);
    vexa::ZainstalujStrony(window, ctx);
    QObject::connect(&window, &vexa::MainWindow::terminated, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.setGeometry(app.primaryScreen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}
