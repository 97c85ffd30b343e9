// The PIT-11 page: opening on the previous year, UTWÓRZ with its questions, KOREKTA through
// its dialog, GENERUJ PLIKI XML and USUŃ, as a clerk drives them.
#include "app/main_window.h"
#include "data/settings.h"
#include "pit/ui/pit11_dialog.h"
#include "pit/ui/pit11_page.h"
#include "printouts/ui/preview_page.h"
#include "pit/pit_data.h"
#include "support/app_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

using namespace vexa;
using namespace pittest;

class Pit11PageTest : public QObject {
    Q_OBJECT
private slots:
    void createCorrectWriteAndDelete();
    void printingButtons();
};

namespace {

// Runs `fill` on the dialog once it is shown, then presses one of its buttons.
void WDialogu(Pit11Dialog* d, std::function<void()> fill, const char* przycisk) {
    QTimer::singleShot(0, d, [d, fill, przycisk] {
        fill();
        d->findChild<QAbstractButton*>(przycisk)->click();
    });
}

} // namespace

void Pit11PageTest::createCorrectWriteAndDelete() {
    AppFixture f(QDate(2026, 1, 15));
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T"); // a configured unit: the password leads to the empty page
    f.login();
    DodajOsobe(f.db(), "80010112340", "NOWAK", "JAN");
    DodajOsobe(f.db(), "81020212345", "ADAMSKA", "EWA", "1234563218");
    const int l = DodajListe(f.db(), "2025-03-31");
    DodajPozycje(f.db(), l, "80010112340", 1000, 180);
    DodajPozycje(f.db(), l, "81020212345", 1234.5, 222.21);
    DodajPozycje(f.db(), DodajListe(f.db(), "2026-01-10"), "80010112340", 1000, 180);

    // No template in the program folder: said once, the page still opens on 2025.
    f.find<QAbstractButton>("SpeedButton57")->click();
    QCOMPARE(f.window().aktywnaStrona(), QString("pit_11"));
    QCOMPARE(f.messages().lastText(), QString("Brak pliku \"pit11.txt\"..."));
    auto* page = qobject_cast<Pit11Page*>(f.window().strona("pit_11"));
    QVERIFY(page);
    auto* rok = f.findOn<QComboBox>("pit_11", "epit_11_rok");
    QCOMPARE(rok->currentText(), QString("2025"));
    QCOMPARE(rok->currentIndex(), 2025 - 2014);
    QCOMPARE(rok->itemText(rok->count() - 1), QString("2030"));

    QVERIFY(QFile::copy(VEXA_SOURCE_DIR "/resources/pit11.txt", f.folder() + "/pit11.txt"));
    f.messages().clear();
    f.find<QAbstractButton>("SpeedButton57")->click();
    QCOMPARE(f.messages().count(), 0);
    QCOMPARE(page->szablon().size(), 46);

    auto klik = [&](const char* name) { f.findOn<QAbstractButton>("pit_11", name)->click(); };
    // Without the preparer's names nothing is asked.
    klik("SpeedButton60");
    QCOMPARE(f.messages().lastText(), BRAK_OSOBY_SPORZADZAJACEJ);
    QCOMPARE(f.messages().count(), 1);
    QTest::keyClicks(f.findOn<QLineEdit>("pit_11", "eop_imie"), "anna"); // typed in upper case
    f.findOn<QLineEdit>("pit_11", "eop_nazwisko")->setText("KOWALSKA");
    f.messages().answer(NIE);
    klik("SpeedButton60");
    QCOMPARE(f.messages().lastText(), QString("Czy utworzyć formularze PIT-11 za rok 2025 ?"));
    QVERIFY(page->formularze().isEmpty());
    QCOMPARE(f.db().scalar("select wartosc from dane where kod = 'OP_IMIE'").toString(),
             QString("ANNA"));
    f.messages().answer(TAK);
    klik("SpeedButton60");
    QCOMPARE(f.messages().lastText(), QString("Formularze PIT-11 za rok 2025 zostały utworzone..."));
    QCOMPARE(page->formularze().size(), 2);
    auto* grid = f.findOn<QTableView>("pit_11", "dbgpit_11");
    QCOMPARE(grid->model()->index(0, 4).data().toString(), QString("ADAMSKA"));
    QCOMPARE(grid->model()->index(0, 3).data().toString(), QString("1234563218"));
    QCOMPARE(grid->model()->index(0, 7).data().toString(), QString("1 234,50"));
    QCOMPARE(grid->model()->index(0, 11).data().toString(), QString("222,21"));
    QCOMPARE(grid->model()->index(1, 11).data().toString(), QString("180,00"));
    QCOMPARE(grid->model()->headerData(11, Qt::Horizontal).toString(), QString("ZALICZKA"));

    // KOREKTA: Anuluj keeps the form as it was; Zatwierdź stores the mark and the text.
    page->wybierzWiersz(1);
    auto* d = page->dialog();
    WDialogu(d, [d] {
        d->findChild<QCheckBox*>("cbkorekta")->setChecked(true);
        d->findChild<QPlainTextEdit*>("ewyjasnienie")->setPlainText("nie");
    }, "sbanuluj");
    klik("SpeedButton69");
    QVERIFY(page->biezacy().korekta.isEmpty() && page->biezacy().wyjasnienie_text.isEmpty());
    WDialogu(d, [d] {
        QVERIFY(!d->findChild<QCheckBox*>("cbkorekta")->isChecked());
        d->findChild<QCheckBox*>("cbkorekta")->setChecked(true);
        d->findChild<QPlainTextEdit*>("ewyjasnienie")->setPlainText("Zła kwota\nzaliczki.");
    }, "sbzatwierdz");
    klik("SpeedButton69");
    QCOMPARE(page->biezacy().os_nazwisko, QString("NOWAK"));
    QCOMPARE(page->biezacy().korekta, QString("T"));
    QCOMPARE(page->biezacy().wyjasnienie, QString("T"));
    QCOMPARE(page->biezacy().wyjasnienie_text, QString("Zła kwota\r\nzaliczki."));
    QCOMPARE(grid->model()->index(1, 0).data().toString(), QString("T"));

    // The page proposes PIT-11 (29) for 2025; the clerk picks the template, which is
    // remembered.
    auto* wariant = f.findOn<QComboBox>("pit_11", "epit_11_wariant");
    QCOMPARE(wariant->currentText(), QString("PIT-11 (29)"));
    wariant->setCurrentIndex(1);
    emit wariant->activated(1);
    QCOMPARE(Odczyt(f.db(), "PIT11_WARIANT"), QString("SZABLON"));

    // GENERUJ PLIKI XML: one file per form in the program folder's XML.
    klik("SpeedButton61");
    QCOMPARE(f.messages().lastText(),
             "Pliki XML zostały wygenerowane\r\rFOLDER: \"" +
                 QDir::toNativeSeparators(f.folder() + "/XML/") + "\"");
    QStringList pliki = QDir(f.folder() + "/XML").entryList(QDir::Files, QDir::Name);
    QCOMPARE(pliki, (QStringList{"ADAMSKA_81020212345.xml", "NOWAK_80010112340.xml"}));
    QFile nowak(f.folder() + "/XML/NOWAK_80010112340.xml");
    QVERIFY(nowak.open(QIODevice::ReadOnly));
    const QByteArray xml = nowak.readAll();
    QVERIFY(xml.contains("\">2</CelZlozenia>") && xml.contains("<zzu:P_13>Z\xC5\x82" "a kwota"));

    // Another year shows its own forms; a year before 2024 gets the template, later years the
    // remembered choice.
    rok->setCurrentText("2023");
    QCOMPARE(wariant->currentText(), QString("szablon pit11.txt"));
    rok->setCurrentText("2026");
    QVERIFY(page->formularze().isEmpty());
    rok->setCurrentText("2025");
    QCOMPARE(page->formularze().size(), 2);
    QCOMPARE(wariant->currentText(), QString("szablon pit11.txt"));

    // PIT-11 (29): a form without a tax office is listed and gets no file (its template file
    // goes), the other is written.
    wariant->setCurrentIndex(0);
    emit wariant->activated(0);
    QCOMPARE(Odczyt(f.db(), "PIT11_WARIANT"), QString("29"));
    Zapis(f.db(), "NIP", "5261040828");
    Zapis(f.db(), "POSIADACZ", "JW 4321???UL. WOJSKOWA 1");
    f.db().exec("update pit_11 set nip = '5261040828', platnik = 'JW 4321???UL. WOJSKOWA 1'");
    f.db().exec("update pit_11 set us_kod_is = '' where os_pesel = '81020212345'");
    klik("SpeedButton61");
    QVERIFY2(f.messages().lastText().startsWith("Pliki XML zostały wygenerowane") &&
                 f.messages().lastText().contains(
                     "\r\rADAMSKA EWA (PESEL 81020212345): brak kodu urzędu skarbowego.\r"),
             qPrintable(f.messages().lastText()));
    pliki = QDir(f.folder() + "/XML").entryList(QDir::Files, QDir::Name);
    QCOMPARE(pliki, (QStringList{"BRAKI_PIT11.txt", "NOWAK_80010112340.xml"}));
    QFile nowak29(f.folder() + "/XML/NOWAK_80010112340.xml");
    QVERIFY(nowak29.open(QIODevice::ReadOnly));
    const QByteArray xml29 = nowak29.readAll();
    QVERIFY(xml29.contains("kodSystemowy=\"PIT-11 (29)\"") &&
            xml29.contains("<PelnaNazwa>JW 4321 UL. WOJSKOWA 1</PelnaNazwa>"));

    // USUŃ: not all, then this one; then all.
    page->wybierzWiersz(0);
    f.messages().answer({NIE, TAK});
    klik("SpeedButton68");
    QCOMPARE(f.messages().lastText(), QString("Czy usunąć formularz PIT-11 z roku 2025 dla ADAMSKA EWA?"));
    QCOMPARE(page->formularze().size(), 1);
    QCOMPARE(page->formularze().first().os_nazwisko, QString("NOWAK"));
    f.messages().answer(TAK);
    klik("SpeedButton68");
    QVERIFY(page->formularze().isEmpty());
    QCOMPARE(f.db().scalar("select count(*) from pit_11").toInt(), 0);

    // The close icon leaves for the empty page; the names come back next time.
    klik("SpeedButton64");
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
    f.find<QAbstractButton>("SpeedButton57")->click();
    QCOMPARE(f.findOn<QLineEdit>("pit_11", "eop_imie")->text(), QString("ANNA"));
}

void Pit11PageTest::printingButtons() {
    AppFixture f(QDate(2027, 2, 1));
    QVERIFY(f.show());
    Zapis(f.db(), "DANE", "T");
    f.login();
    DodajOsobe(f.db(), "80010112340", "NOWAK", "JAN");
    DodajOsobe(f.db(), "81020212345", "ADAMSKA", "EWA");
    const int l = DodajListe(f.db(), "2026-03-31");
    DodajPozycje(f.db(), l, "80010112340", 1000, 180);
    DodajPozycje(f.db(), l, "81020212345", 1234.5, 222.21);
    UtworzFormularzePit11(f.db(), "2026", "A", "B");
    f.find<QAbstractButton>("SpeedButton57")->click();
    auto* page = qobject_cast<Pit11Page*>(f.window().strona("pit_11"));
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    QList<Raport> zadania;
    podglad->ustawDrukarkeDomyslna([&](const Raport& r) { zadania << r; });
    auto klik = [&](const char* name) { f.findOn<QAbstractButton>("pit_11", name)->click(); };

    // Yes: every form of the year, one job each, no preview; the row ends on the last form.
    page->wybierzWiersz(0);
    f.messages().answer(TAK);
    klik("SpeedButton65");
    QCOMPARE(f.messages().lastText(),
             QString("Czy wydrukować wszystkie formularze PIT-11 za rok podatkowy 2026 ?"));
    QCOMPARE(zadania.size(), 2);
    QCOMPARE(zadania[0].iloscStron(), 3);
    QCOMPARE(zadania[0].tytulZadania, QString("PIT-11"));
    QVERIFY(zadania[0].strony[0].znajdz("ADAMSKA") && zadania[1].strony[0].znajdz("NOWAK"));
    QCOMPARE(page->biezacy().os_nazwisko, QString("NOWAK"));
    QCOMPARE(f.window().aktywnaStrona(), QString("pit_11"));

    // ORD-ZU with nobody explained: yes prints nothing.
    zadania.clear();
    f.messages().answer(TAK);
    klik("SpeedButton70");
    QCOMPARE(f.messages().lastText(),
             QString("Czy wydrukować wszystkie formularze ORD-ZU za rok podatkowy 2026 ?"));
    QVERIFY(zadania.isEmpty());

    // No: the current form's page in the preview, which returns to the PIT-11 page.
    page->wybierzWiersz(0);
    f.messages().answer(NIE);
    klik("SpeedButton63");
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QCOMPARE(podglad->raport().iloscStron(), 1);
    QCOMPARE(podglad->raport().tytulZadania, QString("Formularz PIT-11"));
    QVERIFY(podglad->raport().strony[0].znajdz("1 234,50"));
    podglad->zamknij();
    QCOMPARE(f.window().aktywnaStrona(), QString("pit_11"));
    QVERIFY(zadania.isEmpty());
}

QTEST_MAIN(Pit11PageTest)
#include "pit11_page_test.moc"
