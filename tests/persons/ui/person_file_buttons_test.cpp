// The person list's file buttons: ZAPISZ DO PLIKU of the marked persons, WCZYTAJ Z PLIKU adding
// only those not listed, and GENERUJ PLIK DO ZWSI RON with its flags.
#include "persons/ui/person_ui.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;
using namespace personui;

class PersonFileButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void writeReadAndZwsi();
    void zwsiFileIgnoresColumnsItDoesNotWrite();
};

void PersonFileButtonsTest::writeReadAndZwsi() {
    AppFixture f(QDate(2027, 3, 5));
    przygotuj(f);
    const int a = osoba(f, Dane("ADAMSKI").zPeselem(pesel("8001011234")));
    osoba(f, Dane("BORSUK").zPeselem(pesel("7503151235")));
    f.db().exec("update osoba set rachunek1 = '60 1020 1026 0000 0422 7020 1111', "
                "orachunek1 = 'ADAMSKI JAN' where id = ?",
                {a});
    f.find<QAbstractButton>("sbzolnierze")->click();
    QTemporaryDir dir;
    auto klik = [&](const char* name) {
        auto* b = na<QAbstractButton>(f, "osoba", name);
        QVERIFY2(b, name);
        b->click();
    };
    // Nobody marked.
    klik("SpeedButton44");
    QCOMPARE(f.messages().lastText(), "Nie zaznaczono żadnej osoby w kartotece!");
    f.db().exec("update osoba set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), a});

    const QString os = dir.filePath("osoby.os");
    f.files().choose(os);
    klik("SpeedButton44");
    QCOMPARE(f.messages().lastText(), "Plik został wygenerowany...\r\rLiczba osób: 1");
    QVERIFY(QFile::exists(os));
    // The person file is overwritten without a question: the dialog asks none either.
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);
    f.files().choose(os);
    klik("SpeedButton45"); // ADAMSKI is listed: nobody added
    QCOMPARE(f.messages().lastText(), "Osoby z pliku zostały dopisane...\r\rLiczba osób: 0");
    QCOMPARE(f.db().scalar("select count(*) from osoba").toInt(), 2);

    const QString txt = dir.filePath("osoby.txt");
    f.files().choose(txt);
    klik("SpeedButton43");
    QCOMPARE(f.messages().lastText(), "Plik został wygenerowany...");
    QCOMPARE(f.files().requests().last().pytanie, PytanieONadpisanie::BezPytania);
    // The same name again: the program asks once; "no" leaves the file as it was.
    const int pytan = f.messages().count();
    f.files().choose(txt);
    f.messages().answer(NIE);
    klik("SpeedButton43");
    QCOMPARE(f.messages().count(), pytan + 1);
    QCOMPARE(f.messages().lastText(), "Plik o takiej nazwie już istnieje!\r\rCzy chcesz go nadpisać?");
    QFile file(txt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 2); // the header and the one account
    QCOMPARE(f.db().scalar("select exportzwsi from osoba where id = ?", {a}).toString(), "T");
}

void PersonFileButtonsTest::zwsiFileIgnoresColumnsItDoesNotWrite() {
    AppFixture f(QDate(2027, 3, 5));
    przygotuj(f);
    const int a = osoba(f, Dane("ADAMSKI").zPeselem(pesel("8001011234")));
    // Tromsø in a column the account file does not carry blocks nobody.
    f.db().exec("update osoba set rachunek1 = '60 1020 1026 0000 0422 7020 1111', "
                "orachunek1 = 'ADAMSKI JAN', adr_miejsc = 'Tromsø' where id = ?",
                {a});
    f.find<QAbstractButton>("sbzolnierze")->click();
    f.db().exec("update osoba set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), a});
    QTemporaryDir dir;
    const QString txt = dir.filePath("osoby.txt");
    f.files().choose(txt);
    na<QAbstractButton>(f, "osoba", "SpeedButton43")->click();
    QCOMPARE(f.messages().lastText(), "Plik został wygenerowany...");
    QFile file(txt);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 2);
    QCOMPARE(f.db().scalar("select exportzwsi from osoba where id = ?", {a}).toString(), "T");
    // In a column it writes, the refusal names the person and the column; nothing is marked.
    f.db().exec("update osoba set orachunek1 = 'ÅSE', exportzwsi = 'N' where id = ?", {a});
    f.files().choose(dir.filePath("inne.txt"));
    na<QAbstractButton>(f, "osoba", "SpeedButton43")->click();
    QCOMPARE(f.messages().lastText(),
             "Znak „Å” nie istnieje w stronie kodowej Windows-1250.\r\rOsoba: ADAMSKI JAN "
             "(PESEL 80010112340), kolumna „Nazwa Posiadacza konta”.");
    QVERIFY(!QFile::exists(dir.filePath("inne.txt")));
    QCOMPARE(f.db().scalar("select exportzwsi from osoba where id = ?", {a}).toString(), "N");
}

QTEST_MAIN(PersonFileButtonsTest)
#include "person_file_buttons_test.moc"
