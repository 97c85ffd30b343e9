// The save dialog asks about overwriting only where the program asks no question of its own
// and overwriting is not the rule.
#include "ui/dialog_services.h"
#include "ui/message_dialog.h" // dialog_services.h holds a QPointer to it

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vexa;

class DialogServicesTest : public QObject {
    Q_OBJECT
private slots:
    void theDialogAsksOnlyWhenTold();
};

void DialogServicesTest::theDialogAsksOnlyWhenTold() {
    QTemporaryDir dir;
    QtFileDialogs files;
    for (const auto pytanie : {PytanieONadpisanie::WOknie, PytanieONadpisanie::BezPytania}) {
        bool widziany = false, pyta = false;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            widziany = true;
            pyta = !d->testOption(QFileDialog::DontConfirmOverwrite);
            d->reject();
        });
        timer.start();
        const QString plik = files.saveFileName("Zapisz", dir.path(), "Pliki (*.txt)", "txt",
                                                pytanie);
        timer.stop();
        QVERIFY(plik.isEmpty()); // cancelled
        QVERIFY(widziany);
        QCOMPARE(pyta, pytanie == PytanieONadpisanie::WOknie);
    }
}

QTEST_MAIN(DialogServicesTest)
#include "dialog_services_test.moc"
