#include "data/codepage.h"
#include "data/settings.h"
#include "lists/generation.h"
#include "lists/ui/bulk_change_dialog.h"
#include "lists/ui/new_list_dialog.h"
#include "support/app_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

using namespace vexa;

namespace {

void configure(Database& db) {
    Zapis(db, "NRIDENT", "1234567");
    Zapis(db, "WALUTAZALICZKI", "USD");
    Zapis(db, "WALUTARACHUNEK", "PLN");
    ZapisSetne(db, "UPOSAZENIE", 4000);
    ZapisSetne(db, "DODWOJENNY", 12.5);
    db.exec("insert into pododdzial (skrot, nazwa) values ('KOMP', 'KOMPANIA')");
    db.exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'KAPRAL', 1.5)");
    for (const char* name : {"ADAMSKI", "BORSUK"})
        db.exec("insert into osoba (pesel, zp, akt, nazwisko, imie, ste, nis, skrotpododdzialu, "
                "datanabycia, datautraty, podatekproc, rachunek1czywaluta, rachunek2czywaluta) "
                "values ('80010112340', 'Z', 'T', ?, 'JAN', 'kpr.', ?, 'KOMP', '2027-01-01', "
                "'2999-01-01', 0, 'N', 'N')",
                {name, name});
}

template <class T> T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

} // namespace

class NewListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void preparedFromTheUnitAndToday();
    void optionsShowAndHideTheirControls();
    void checksRefuseWithMessageAndFocus();
    void acceptedValuesCreateTheList();
    void bulkChangeNeedsMarksThenChangesThem();
    void badNumbersAreRefusedAndNothingIsWritten();
    void shortListWithTaxIsTaxed();
};

void NewListDialogTest::preparedFromTheUnitAndToday() {
    AppFixture f(QDate(2027, 3, 5));
    configure(f.db());
    f.db().exec("insert into lista (nridpkw, nr, miesiacrok) values ('1234567', 'STARA', '03/2027')");
    NewListDialog d(f.ctx());
    d.przygotuj();
    QCOMPARE(child<QComboBox>(&d, "emiesiac")->currentText(), "MARZEC");
    QCOMPARE(child<QSpinBox>(&d, "erok")->value(), 2027);
    QCOMPARE(child<QLineEdit>(&d, "enrlisty")->text(), "2");
    QVERIFY(child<QLineEdit>(&d, "ekursrach")->isReadOnly());
    QCOMPARE(child<QLineEdit>(&d, "ekurswaluty")->text(), "1,000000");
    QVERIFY(!child<QComboBox>(&d, "epododdzial")->isEnabled());
    QCOMPARE(child<QComboBox>(&d, "ewyplacona")->count(), 2); // "(NIE WYBRANA)" and STARA
    child<QComboBox>(&d, "emiesiac")->setCurrentIndex(3);
    QCOMPARE(child<QComboBox>(&d, "ewyplacona")->count(), 1); // April has no lists
    QVERIFY(child<QCheckBox>(&d, "cbzaliczki")->isChecked());
    QVERIFY(child<QCheckBox>(&d, "cbczy_dod_wojenny")->isChecked());
}

void NewListDialogTest::optionsShowAndHideTheirControls() {
    AppFixture f;
    configure(f.db());
    NewListDialog d(f.ctx());
    d.przygotuj();
    d.show();
    auto* kind = child<QComboBox>(&d, "erodzaj");
    auto* tax = child<QWidget>(&d, "ppodatek");
    QVERIFY(!kind->isVisible());
    child<QCheckBox>(&d, "cbczy_podatek")->setChecked(true);
    QVERIFY(tax->isVisible());
    child<QCheckBox>(&d, "CBSpecjal")->setChecked(true); // also ticks the additional list
    QVERIFY(child<QCheckBox>(&d, "CBDod")->isChecked());
    QVERIFY(kind->isVisible());
    QVERIFY(!tax->isVisible());
    child<QLineEdit>(&d, "ekurswaluty")->setText("3,9876");
    QCOMPARE(child<QLineEdit>(&d, "epodatek_kurs")->text(), "3,9876");
    child<QCheckBox>(&d, "cbpododdzial")->setChecked(true);
    QVERIFY(child<QComboBox>(&d, "epododdzial")->isEnabled());
}

void NewListDialogTest::checksRefuseWithMessageAndFocus() {
    AppFixture f;
    configure(f.db());
    NewListDialog d(f.ctx());
    d.przygotuj();
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    child<QCheckBox>(&d, "cbpododdzial")->setChecked(true);
    d.tworz();
    QCOMPARE(f.messages().lastText(), "Proszę wybrać pododdział!");
    QVERIFY(d.result() != QDialog::Accepted && d.isVisible());
    child<QComboBox>(&d, "epododdzial")->setCurrentIndex(0);
    child<QLineEdit>(&d, "ekurswaluty")->setText("0");
    d.tworz();
    QCOMPARE(f.messages().lastText(), "Proszę wprowadzić kurs waluty\rdla wypłaty w kasie!");
    QCOMPARE(f.messages().count(), 2);
    QVERIFY(d.isVisible());
}

void NewListDialogTest::acceptedValuesCreateTheList() {
    AppFixture f;
    configure(f.db());
    NewListDialog d(f.ctx());
    d.przygotuj();
    child<QLineEdit>(&d, "enrlisty")->setText("1/2027 KOMP");
    child<QLineEdit>(&d, "ekurswaluty")->setText("3.95");
    d.tworz();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(child<QLineEdit>(&d, "enrlisty")->text(), "1_2027_KOMP");
    const NowaLista n = d.nowaLista();
    QCOMPARE(n.kurszaliczki, 3.95);
    QCOMPARE(n.miesiac, 3);
    const int id = UtworzListe(f.db(), f.messages(), n, QDate(2027, 3, 5));
    QCOMPARE(ListRepository(f.db()).lista(id).iloscpozycji, 2);
}

void NewListDialogTest::bulkChangeNeedsMarksThenChangesThem() {
    AppFixture f;
    configure(f.db());
    NowaLista n;
    n.miesiac = 3;
    n.rok = 2027;
    n.nr = "1";
    const int id = UtworzListe(f.db(), f.messages(), n, QDate(2027, 3, 5));
    BulkChangeDialog full(f.messages());
    ShortBulkChangeDialog shortDialog(f.messages());
    QVERIFY(!ZmienZaznaczoneZListy(f.ctx(), id, full, shortDialog));
    QCOMPARE(f.messages().lastText(),
             "Nie zaznaczono żadnej pozycji na liście nalezności zagranicznych!");

    ListRepository repo(f.db());
    repo.przelaczZaznaczenie(repo.pozycje(id).first().id);
    QTimer::singleShot(0, &full, [&] {
        QVERIFY(full.isVisible());
        child<QCheckBox>(&full, "cbwyr")->setChecked(true);
        child<QLineEdit>(&full, "ewyr")->setText("-50");
        QVERIFY(child<QLineEdit>(&full, "ewyr")->styleSheet().contains("red"));
        full.accept();
    });
    QVERIFY(ZmienZaznaczoneZListy(f.ctx(), id, full, shortDialog));
    QCOMPARE(f.messages().lastText(), "Zauktualizowano zaznaczone pozycje.");
    const auto pos = repo.pozycje(id);
    QCOMPARE(pos[0].wyrownanie, -50.0);
    QCOMPARE(pos[1].wyrownanie, 0.0);
    QCOMPARE(f.window().stan().osobaZp, "Z");
    // The war-day captions show the unit's current rate.
    bool found = false;
    for (auto* l : full.findChildren<QLabel*>())
        found = found || l->text() == "ILOŚĆ DNI DODATKU\nWOJENNEGO 13%";
    QVERIFY(found);
}

namespace {

// Types each text into the field of the open dialog, confirms, and collects the messages
// and whether the dialog stayed open; then cancels it.
struct Odrzucenia {
    QStringList komunikaty;
    bool zostal = true;
};

void wpiszIZatwierdz(QDialog& d, ScriptedMessages& msg, const char* box, const char* field,
                     const QStringList& texts, Odrzucenia& out) {
    QTimer::singleShot(0, &d, [&d, &msg, box, field, texts, &out] {
        if (box) child<QCheckBox>(&d, box)->setChecked(true);
        for (const QString& t : texts) {
            const int before = msg.count();
            child<QLineEdit>(&d, field)->setText(t);
            d.accept();
            out.zostal = out.zostal && d.isVisible() && msg.count() == before + 1;
            out.komunikaty << msg.lastText();
        }
        d.reject();
    });
}

} // namespace

void NewListDialogTest::badNumbersAreRefusedAndNothingIsWritten() {
    AppFixture f;
    configure(f.db());
    NowaLista n;
    n.miesiac = 3;
    n.rok = 2027;
    n.nr = "1";
    n.kurszaliczki = 1;
    n.kursrach = 1;
    const int id = UtworzListe(f.db(), f.messages(), n, QDate(2027, 3, 5));
    n.dodatkowa = true;
    n.rodzaj = "ZK";
    const int shortId = UtworzListe(f.db(), f.messages(), n, QDate(2027, 3, 5));
    ListRepository repo(f.db());
    f.db().exec("update pozycja set zaz = ?, razem = 100", {QString(ZAZ_ZAZNACZONY)});
    repo.sumylisty(id);
    repo.sumylisty(shortId);
    const auto snapshot = [&] {
        return f.db()
            .scalar("select group_concat(razem || ':' || zwnaleznpkwproc || ':' || "
                    "iloscdniwojna || ':' || wyrownanie, ';') from pozycja")
            .toString();
    };
    const QString before = snapshot();
    const QString nan = QString::fromUtf8(kNiepoprawnaLiczba);

    BulkChangeDialog full(f.messages());
    ShortBulkChangeDialog shortDialog(f.messages());
    struct Przypadek {
        const char* box;
        const char* field;
        QStringList texts;
        QStringList expected;
    };
    const QList<Przypadek> cases = {
        {"cbzwnaleznpkw", "ezwnaleznpkw", {"abc", "", "1.234,56", "30,5", "12,25"},
         {nan, nan, nan, "Wprowadzona wartość musi mieścić się w przedziale od 0 do 30!",
          "Wprowadzona wartość może mieć najwyżej 1 miejsc(a) po przecinku!"}},
        {"cbildniwoj3", "eildniwoj3", {"abc", "", "32", "2,5", "-1"},
         {nan, nan, "Wprowadzona wartość musi mieścić się w przedziale od 0 do 31!",
          "Wprowadzona wartość musi być liczbą całkowitą!",
          "Wprowadzona wartość musi mieścić się w przedziale od 0 do 31!"}},
        {"cbwyr", "ewyr", {"abc", "", "1.234,56", "1,005"},
         {nan, nan, nan, "Wprowadzona wartość może mieć najwyżej 2 miejsc(a) po przecinku!"}},
    };
    for (const Przypadek& c : cases) {
        Odrzucenia o;
        wpiszIZatwierdz(full, f.messages(), c.box, c.field, c.texts, o);
        QVERIFY(!ZmienZaznaczoneZListy(f.ctx(), id, full, shortDialog));
        QVERIFY2(o.zostal, c.field);
        QCOMPARE(o.komunikaty, c.expected);
    }
    // An emptied rate on a short list would set every amount to 0.
    for (const char* field : {"eprzelicz", "erazem"}) {
        Odrzucenia o;
        wpiszIZatwierdz(shortDialog, f.messages(),
                        field == QLatin1String("eprzelicz") ? "cbprzelicz" : "cbrazem", field,
                        {"abc", "", "1.234,56"}, o);
        QVERIFY(!ZmienZaznaczoneZListy(f.ctx(), shortId, full, shortDialog));
        QVERIFY2(o.zostal, field);
        QCOMPARE(o.komunikaty, (QStringList{nan, nan, nan}));
    }
    QCOMPARE(snapshot(), before);

    // The new-list dialog: rates and, with tax, the tax rate and the diet.
    NewListDialog d(f.ctx());
    d.przygotuj();
    const int lists = f.db().scalar("select count(*) from lista").toInt();
    for (const char* field : {"ekurswaluty", "ekursrach", "epodatek_dieta"}) {
        child<QCheckBox>(&d, "cbczy_podatek")->setChecked(field == QLatin1String("epodatek_dieta"));
        for (const QString& t : {QString("abc"), QString(), QString("1.234,56")}) {
            f.messages().clear();
            child<QLineEdit>(&d, field)->setText(t);
            d.tworz();
            QCOMPARE(f.messages().texts(), QStringList{nan});
            QVERIFY(d.result() != QDialog::Accepted);
        }
        child<QLineEdit>(&d, field)->setText("1");
    }
    QCOMPARE(f.db().scalar("select count(*) from lista").toInt(), lists);
}

void NewListDialogTest::shortListWithTaxIsTaxed() {
    AppFixture f;
    configure(f.db());
    ZapisSetne(f.db(), "PODATEKPROC", 18);
    NewListDialog d(f.ctx());
    d.przygotuj();
    child<QCheckBox>(&d, "CBDod")->setChecked(true);
    child<QCheckBox>(&d, "cbczy_podatek")->setChecked(true);
    child<QLineEdit>(&d, "ekurswaluty")->setText("4,1234");
    d.tworz();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const NowaLista n = d.nowaLista();
    QVERIFY(n.dodatkowa && n.podatek);
    const Lista l =
        ListRepository(f.db()).lista(UtworzListe(f.db(), f.messages(), n, QDate(2027, 3, 5)));
    QCOMPARE(l.typ, "D");
    QCOMPARE(l.czy_podatek, "T");
    QCOMPARE(l.podatek_kurs, 4.1234); // the cash rate
    QCOMPARE(l.podatekproc, 18.0);
}

QTEST_MAIN(NewListDialogTest)
#include "new_list_dialog_test.moc"
