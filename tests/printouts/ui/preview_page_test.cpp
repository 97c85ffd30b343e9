// The preview page: paging with its edge cases, the page field, closing back to the page the
// printout came from (also by Esc), printing after the question, and the PDF button.
#include "printouts/report_builder.h"
#include "printouts/ui/preview_page.h"
#include "support/app_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace vexa;

namespace {

Raport stron(int n) {
    Raport r;
    r.tytulZadania = "LISTA NALEŻNOŚCI (VEXA-F)";
    BudowaRaportu b(r);
    for (int i = 1; i <= n; ++i) {
        if (i > 1) b.nowaStrona();
        b.pasmo(10, [i](Pasmo& p) { p.tekst(0, 0, 80, 10, QStringLiteral("STRONA %1").arg(i)); });
    }
    b.zakoncz();
    return r;
}

PreviewPage* podglad(AppFixture& f) {
    return qobject_cast<PreviewPage*>(f.window().strona("podgl"));
}

void klik(AppFixture& f, const char* name) {
    auto* b = f.window().strona("podgl")->findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}

} // namespace

class PreviewPageTest : public QObject {
    Q_OBJECT
private slots:
    void pagingStopsAtBothEnds();
    void closingReturnsToTheCallingPage();
    void printingAsksFirstAndPdfIsSaved();
};

void PreviewPageTest::pagingStopsAtBothEnds() {
    AppFixture f;
    PreviewPage* p = podglad(f);
    QVERIFY(p);
    p->pokaz(stron(3), "listy");
    QCOMPARE(f.window().aktywnaStrona(), "podgl");
    QCOMPARE(p->biezacaStrona(), 1);
    auto* opis = f.window().strona("podgl")->findChild<QLabel*>("lpodglstrona");
    QCOMPARE(opis->text(), "Strona 1 z 3");
    klik(f, "SpeedButton20"); // POPRZEDNIA on the first page
    QCOMPARE(p->biezacaStrona(), 1);
    klik(f, "SpeedButton37"); // OSTATNIA
    QCOMPARE(p->biezacaStrona(), 3);
    QCOMPARE(opis->text(), "Strona 3 z 3");
    klik(f, "SpeedButton19"); // NASTĘPNA on the last page
    QCOMPARE(p->biezacaStrona(), 3);
    klik(f, "SpeedButton36"); // PIERWSZA
    QCOMPARE(p->biezacaStrona(), 1);
    klik(f, "SpeedButton19");
    QCOMPARE(p->biezacaStrona(), 2);

    auto* estr = f.window().strona("podgl")->findChild<QLineEdit*>("estr");
    estr->setText("3");
    klik(f, "SpeedButton38");
    QCOMPARE(p->biezacaStrona(), 3);
    estr->setText("7"); // above the count: the page stays
    klik(f, "SpeedButton38");
    QCOMPARE(p->biezacaStrona(), 3);
    estr->setText("0");
    klik(f, "SpeedButton38");
    QCOMPARE(p->biezacaStrona(), 3);
    estr->setText("dwa"); // not a number: page 1 and the field reset
    klik(f, "SpeedButton38");
    QCOMPARE(p->biezacaStrona(), 1);
    QCOMPARE(estr->text(), "1");

    // A report of 1 200 pages: OSTATNIA goes a thousand pages on.
    p->pokaz(stron(1200), "listy");
    klik(f, "SpeedButton37");
    QCOMPARE(p->biezacaStrona(), 1001);
}

void PreviewPageTest::closingReturnsToTheCallingPage() {
    AppFixture f;
    QVERIFY(f.show());
    podglad(f)->pokaz(stron(2), "osoba");
    QCOMPARE(f.window().stan().stronaPowrotu, "osoba");
    klik(f, "sbpodglzamknij");
    QCOMPARE(f.window().aktywnaStrona(), "osoba");
    podglad(f)->pokaz(stron(2), "listy");
    f.key(Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), "listy");
    // The pages stay for the next look.
    QCOMPARE(podglad(f)->raport().iloscStron(), 2);
}

void PreviewPageTest::printingAsksFirstAndPdfIsSaved() {
    AppFixture f;
    PreviewPage* p = podglad(f);
    p->pokaz(stron(2), "listy");
    QTemporaryDir dir;
    const QString printed = dir.filePath("drukarka.pdf");
    int dialogs = 0;
    QString jobTitle;
    p->ustawDialogDrukarki([&](QPrinter& printer) {
        ++dialogs;
        jobTitle = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    f.messages().answer(NIE);
    klik(f, "SpeedButton18");
    QCOMPARE(dialogs, 1);
    QCOMPARE(jobTitle, "LISTA NALEŻNOŚCI (VEXA-F)");
    QCOMPARE(f.messages().lastText(), "Czy chcesz wydrukować dokument?");
    QVERIFY(!QFile::exists(printed));
    f.messages().answer(TAK);
    klik(f, "SpeedButton18");
    QVERIFY(QFile::exists(printed));
    QVERIFY(QFileInfo(printed).size() > 1000);

    const QString saved = dir.filePath("Wydruki/lista.pdf");
    f.files().choose(saved);
    klik(f, "sbpodglpdf");
    QVERIFY(QFile::exists(saved));
    QCOMPARE(f.messages().lastText(), "Wydruk zapisano w pliku:\r" + QDir::toNativeSeparators(saved));
    QCOMPARE(f.files().requests().last().defaultSuffix, "pdf");
}

QTEST_MAIN(PreviewPageTest)
#include "preview_page_test.moc"
