// A month's work by the keyboard alone: the password, LISTY PŁAC by its Alt letter, NOWA by Tab
// and Space, the new-list dialog filled and confirmed by keys, a position opened, an amount
// changed and confirmed, the list confirmed, and the register again; then the stored totals; the
// list printed and saved as a PDF, and the person register printed, all by keys.
#include "lists/ui/list_ui.h"
#include "data/messages.h"
#include "lists/ui/new_list_dialog.h"
#include "printouts/ui/preview_page.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

using namespace vexa;

class KeyboardMonthTest : public QObject {
    Q_OBJECT
private slots:
    void aMonthByKeys();
};

namespace {

// The control of a window that takes its keys (the window itself when none has the focus).
QWidget* Fokus(QWidget* okno) {
    QWidget* w = QApplication::focusWidget();
    if (w && w->window() == okno->window()) return w;
    w = okno->focusWidget();
    return w ? w : okno;
}

// Tab until the control of that name has the focus.
bool TabDo(QWidget* okno, const QString& nazwa) {
    for (int i = 0; i < 80; ++i) {
        QWidget* w = Fokus(okno);
        if (w->objectName() == nazwa) return true;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return false;
}

void Klawisz(QWidget* okno, int key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(Fokus(okno), Qt::Key(key), m);
}

void Wpisz(QWidget* okno, const QString& tekst) {
    Klawisz(okno, Qt::Key_A, Qt::ControlModifier); // replaces what the field holds
    QTest::keyClicks(Fokus(okno), tekst);
}

} // namespace

void KeyboardMonthTest::aMonthByKeys() {
    AppFixture f(QDate(2027, 3, 31));
    for (auto [k, v] : {std::pair{"DANE", "T"}, {"NRIDENT", "1234567"}, {"SKROT", "PKW"},
                        {"NAZWA1", "JW"}, {"DOWODCA1", "DOWÓDCA"}, {"WALUTAZALICZKI", "USD"},
                        {"WALUTARACHUNEK", "PLN"}})
        Zapis(f.db(), k, v);
    ZapisSetne(f.db(), "UPOSAZENIE", 4000);
    ZapisSetne(f.db(), "SRHIGIENYM", 90);
    ZapisSetne(f.db(), "SRHIGIENYK", 100);
    f.db().exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'KAPRAL', 1.5)");
    listui::osoba(f, "ADAMSKI", "75031512352");
    QVERIFY(f.show());

    // The password (none) and Enter.
    QTRY_VERIFY(QApplication::focusWidget());
    Klawisz(&f.window(), Qt::Key_Return);
    QCOMPARE(f.window().aktywnaStrona(), QString("pusta"));
    // LISTY PŁAC by Alt+L.
    QTest::keyClick(&f.window(), Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("listy"));

    // NOWA by Tab and Space; the dialog filled by keys: the rate table typed, Enter.
    bool widziany = false, wypelniony = false;
    QVERIFY(TabDo(&f.window(), "sblistydopisz"));
    // The dialog is modal: it is filled once shown (tried again until it is).
    std::function<void(int)> wDialogu = [&](int proby) {
        auto* d = qobject_cast<NewListDialog*>(QApplication::activeModalWidget());
        if (!d) {
            if (proby > 0) QTimer::singleShot(20, [&, proby] { wDialogu(proby - 1); });
            return;
        }
        widziany = true;
        if (TabDo(d, "etabelazaliczki")) {
            Wpisz(d, "12/A/NBP/2027");
            wypelniony = true;
            Klawisz(d, Qt::Key_Return);
        }
        if (d->isVisible()) d->reject(); // never leave the test waiting on it
    };
    QTimer::singleShot(0, [&] { wDialogu(100); });
    Klawisz(&f.window(), Qt::Key_Space);
    QVERIFY(widziany && wypelniony);
    // The window is active again once the dialog is gone, as the desktop makes it.
    QApplication::setActiveWindow(&f.window());
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == &f.window());
    QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));
    const int lista = f.db().scalar("select max(id) from lista").toInt();
    QCOMPARE(f.db().scalar("select tabelazaliczki from lista where id = ?", {lista}).toString(),
             QString("12/A/NBP/2027"));
    const double przed =
        f.db().scalar("select razem from pozycja where idlisty = ?", {lista}).toDouble();
    QVERIFY(przed > 0);

    // The position: Enter opens it, the adjustment typed, Enter confirms.
    f.messages().clear();
    Klawisz(&f.window(), Qt::Key_Return);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("edpozycja"));
    QVERIFY(TabDo(&f.window(), "ewyrownanie"));
    Wpisz(&f.window(), "-50");
    Klawisz(&f.window(), Qt::Key_Return);
    QCOMPARE(f.window().aktywnaStrona(), QString("edlista"));

    // Esc confirms the list and returns to the register.
    // Each header field still missing is refused with the focus on it: typed there, Esc again.
    QStringList odmowy;
    for (int i = 0; i < 8 && f.window().aktywnaStrona() == QLatin1String("edlista"); ++i) {
        f.messages().clear();
        Klawisz(&f.window(), Qt::Key_Escape);
        if (f.messages().count() == 0) break;
        QCOMPARE(f.messages().count(), 1); // said once
        odmowy << f.messages().lastText();
        auto* pole = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY2(pole, qPrintable(f.messages().lastText()));
        Wpisz(&f.window(), "KPT. JAN NOWAK");
    }
    QVERIFY(!odmowy.isEmpty()); // the officer who approves the list is not set in this unit
    QCOMPARE(f.window().aktywnaStrona(), QString("listy"));
    QVERIFY(!f.window().locked());
    QCOMPARE(f.db().scalar("select wyrownanie from pozycja where idlisty = ?", {lista}).toDouble(),
             -50.0);
    const double po = f.db().scalar("select razem from pozycja where idlisty = ?", {lista}).toDouble();
    QCOMPARE(po, przed - 50);
    QCOMPARE(f.db().scalar("select razem from lista where id = ?", {lista}).toDouble(), po);

    // DRUKUJ LISTĘ by Tab and Space (no zero positions), the preview's PDF by its Alt letter.
    auto* podglad = qobject_cast<PreviewPage*>(f.window().strona("podgl"));
    QVERIFY(podglad);
    f.messages().clear();
    f.messages().answer(NIE);
    QVERIFY(TabDo(&f.window(), "sblistywydruk"));
    Klawisz(&f.window(), Qt::Key_Space);
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QVERIFY(podglad->raport().iloscStron() > 0);
    const QString pdf = QDir(f.folder()).filePath("lista.pdf");
    f.files().choose(pdf);
    QTest::keyClick(&f.window(), Qt::Key_F, Qt::AltModifier); // PDF
    QTRY_VERIFY(QFile::exists(pdf));
    QFile plik(pdf);
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.read(5), QByteArray("%PDF-"));
    QVERIFY(f.messages().lastText().startsWith("Wydruk zapisano w pliku:"));
    Klawisz(&f.window(), Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), QString("listy"));

    // ŻOŁNIERZE by Alt+O, WYDRUK KARTOTEKI by Tab and Enter: every soldier, not only those exported.
    QTest::keyClick(&f.window(), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(f.window().aktywnaStrona(), QString("osoba"));
    f.messages().clear();
    f.messages().answer(NIE);
    QVERIFY(TabDo(&f.window(), "sbosobadrukuj"));
    Klawisz(&f.window(), Qt::Key_Return);
    QCOMPARE(f.window().aktywnaStrona(), QString("podgl"));
    QCOMPARE(f.messages().count(), 1);
    QVERIFY(podglad->raport().iloscStron() > 0);
    QVERIFY(podglad->raport().strony.first().tresci().join('|').contains("ADAMSKI"));
    Klawisz(&f.window(), Qt::Key_Escape);
    QCOMPARE(f.window().aktywnaStrona(), QString("osoba"));
}

QTEST_MAIN(KeyboardMonthTest)
#include "keyboard_month_test.moc"
