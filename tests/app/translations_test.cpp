// Qt's own dialogs speak Polish: the save dialog's buttons and labels, and the standard buttons
// of a button box, once the program has loaded Qt's Polish texts.
#include "ui/style.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void saveDialogSpeaksPolish();
    void standardButtonsSpeakPolish();
};

void TranslationsTest::initTestCase() {
    QVERIFY2(vexa::ZaladujTlumaczeniaQt(*qApp), "qtbase_pl.qm is not installed");
}

void TranslationsTest::saveDialogSpeaksPolish() {
    QFileDialog dialog(nullptr, QStringLiteral("Zapisz"), QDir::tempPath(),
                       QStringLiteral("Dokument PDF (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QStringList przyciski;
    for (QAbstractButton* b : box->buttons())
        przyciski << b->text().remove(u'&');
    QVERIFY2(przyciski.contains(QStringLiteral("Zachowaj")), qPrintable(przyciski.join('|')));
    QVERIFY2(przyciski.contains(QStringLiteral("Anuluj")), qPrintable(przyciski.join('|')));
    QStringList etykiety;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        etykiety << l->text().remove(u'&');
    // "Look in", "File name" and "Files of type" no longer show.
    for (const char* angielski : {"Look in:", "File name:", "Files of type:"})
        QVERIFY2(!etykiety.contains(QLatin1String(angielski)), qPrintable(etykiety.join('|')));
    QVERIFY2(etykiety.contains(QStringLiteral("Nazwa pliku:")), qPrintable(etykiety.join('|')));
}

void TranslationsTest::standardButtonsSpeakPolish() {
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Yes)->text().remove(u'&'), QStringLiteral("Tak"));
    QCOMPARE(box.button(QDialogButtonBox::No)->text().remove(u'&'), QStringLiteral("Nie"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Anuluj"));
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
