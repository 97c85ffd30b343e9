#include "persons/grades.h"
#include "persons/ui/grade_dialog.h"

#include <QPushButton>
#include <QtTest>

using namespace vexa;

namespace {

QPushButton* przycisk(GradeDialog& d, const QString& caption) {
    for (auto* b : d.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

} // namespace

class GradeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void everyGradeButtonClosesWithItsAbbreviation();
    void cancelClosesWithoutAChoice();
};

void GradeDialogTest::everyGradeButtonClosesWithItsAbbreviation() {
    GradeDialog d;
    QCOMPARE(d.objectName(), "Tfste");
    QCOMPARE(d.windowTitle(), "WYBÓR STOPNIA ETATOWEGO");
    QCOMPARE(d.findChildren<QPushButton*>().size(), 24); // 23 grades and ANULUJ
    for (const StopienEtatowy& s : StopnieEtatowe()) {
        d.open();
        QVERIFY(d.isVisible());
        QPushButton* b = przycisk(d, s.napis);
        QVERIFY2(b, qPrintable(s.napis));
        b->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.wybranyStopien(), s.skrot);
    }
    QCOMPARE(przycisk(d, "KAPRAL / MAT")->property("skrot").toString(), "KPR.");
}

void GradeDialogTest::cancelClosesWithoutAChoice() {
    GradeDialog d;
    d.open();
    przycisk(d, "SIERŻANT / BOSMAN")->click();
    QCOMPARE(d.wybranyStopien(), "SIERŻ.");
    d.open(); // a new showing forgets the last choice
    QCOMPARE(d.wybranyStopien(), QString());
    przycisk(d, "ANULUJ")->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(d.wybranyStopien(), QString());
}

QTEST_MAIN(GradeDialogTest)
#include "grade_dialog_test.moc"
