// Person files against what a hostile or damaged file, or an odd stored value, brings: an
// empty last line, millions of bare line ends, numbers a file cannot carry, characters that
// Windows-1250 lacks (named by person and column, and only where the file writes them).
#include "data/codepage.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "persons/person_files.h"
#include "support/masked_files.h"
#include "support/unit_fixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <limits>

using namespace vexa;

namespace {

void zaznacz(UnitFixture& u, int id) {
    u.db.exec("update osoba set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), id});
}

// The refusal of a call, or an empty text when it went through.
template <class F> QString odmowa(F&& f) {
    try {
        f();
    } catch (const VexaError& e) {
        return e.message();
    }
    return QString();
}

// The file's header (marker, count, names) followed by these value lines.
QByteArray plikZWierszami(UnitFixture& u, int id, const QStringList& dalsze) {
    int ile = 0;
    const QStringList l = maskedLines(PlikOsob(u.db, {id}, &ile), 2, 0);
    return maskedFile(QStringList{l[0], l[1], l[2]} + dalsze);
}

} // namespace

class PersonFilesHostileTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyLastLineEndsTheFile();
    void millionsOfBareLineEndsAreRefusedQuickly();
    void numbersTheFileCannotCarryAreRefused();
    void zwsiFileTakesOnlyItsColumns();
    void charactersOutsideTheCodePageNamePersonAndColumn();
};

void PersonFilesHostileTest::anEmptyLastLineEndsTheFile() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    zaznacz(u, a);
    int ile = 0;
    const QByteArray plik = PlikOsob(u.db, {a}, &ile);
    const OsobyZPliku f = CzytajPlikOsob(u.db, plik + "\r\n");
    QCOMPARE(f.wiersze.size(), 1);
    QCOMPARE(f.wiersze[0].value(f.kolumny.indexOf("nazwisko")), "ADAMSKI");
    // Two empty lines at the end: the first is a damaged record.
    const QString blad = odmowa([&] { CzytajPlikOsob(u.db, plik + "\r\n\r\n"); });
    QVERIFY2(blad.contains("Wiersz 5"), qPrintable(blad));
    // An empty line that is not the end: the file is refused at that line.
    const QByteArray zPustaWSrodku = plik + "\r\n" + maskedFile(QStringList{"X"});
    QVERIFY(odmowa([&] { CzytajPlikOsob(u.db, zPustaWSrodku); }).contains("Wiersz 5"));
}

void PersonFilesHostileTest::millionsOfBareLineEndsAreRefusedQuickly() {
    UnitFixture u;
    QByteArray plik = maskedFile({"LO", "100"});
    plik += QByteArray(2000000 * 2, '\0');
    for (qsizetype i = plik.size() - 4000000; i < plik.size(); i += 2) {
        plik[i] = '\r';
        plik[i + 1] = '\n';
    }
    QElapsedTimer t;
    t.start();
    const QString blad = odmowa([&] { CzytajPlikOsob(u.db, plik); });
    const qint64 ms = t.elapsed();
    QVERIFY2(blad.startsWith("Plik z osobami jest uszkodzony.\r\rWiersz 3: "), qPrintable(blad));
    QVERIFY2(ms < 1000, qPrintable(QString::number(ms) + " ms"));
}

void PersonFilesHostileTest::numbersTheFileCannotCarryAreRefused() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    zaznacz(u, a);
    // (SQLite keeps no NaN: the codec's own check of it is in the exchange values test.)
    const double zle[] = {std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 9.2e12 * 1.0000001, -1e13};
    for (const double x : zle) {
        u.db.exec("update osoba set zaliczka = ? where id = ?", {x, a});
        int ile = 0;
        const QString blad = odmowa([&] { PlikOsob(u.db, {a}, &ile); });
        QVERIFY2(blad.contains("nie można zapisać w pliku") &&
                     blad.endsWith("Osoba: ADAMSKI JAN (PESEL 80010112340), kolumna „zaliczka”."),
                 qPrintable(blad));
    }
    // The limit itself is written and read back.
    u.db.exec("update osoba set zaliczka = -9200000000000, rachunek2kwota = 9200000000000.5 "
              "where id = ?",
              {a});
    int ile = 0;
    QVERIFY(odmowa([&] { PlikOsob(u.db, {a}, &ile); }).contains("rachunek2kwota"));
    u.db.exec("update osoba set rachunek2kwota = 9200000000000 where id = ?", {a});
    const OsobyZPliku f = CzytajPlikOsob(u.db, PlikOsob(u.db, {a}, &ile));
    QCOMPARE(f.wiersze[0].value(f.kolumny.indexOf("zaliczka")), "-9200000000000000000");
    QCOMPARE(f.wiersze[0].value(f.kolumny.indexOf("rachunek2kwota")), "9200000000000000000");

    // On reading: what a wrapped number looks like, and one just beyond the limit.
    const QStringList naglowek = maskedLines(PlikOsob(u.db, {a}, &ile), 2, 0);
    const QStringList nazwy = naglowek[2].split('\t');
    const int kolumna = int(nazwy.indexOf("zaliczka"));
    QStringList wartosci = naglowek[3].split('\t');
    for (const char* liczba :
         {"-9223372036854775808", "9223372036854775807", "9200000000000000001"}) {
        wartosci[kolumna] = QString::fromLatin1(liczba);
        const QString blad = odmowa(
            [&] { CzytajPlikOsob(u.db, plikZWierszami(u, a, {wartosci.join('\t')})); });
        QCOMPARE(blad, QString("Plik z osobami jest uszkodzony.\r\rWiersz 4: niepoprawna wartość "
                               "„%1” w kolumnie zaliczka.")
                           .arg(liczba));
    }
}

void PersonFilesHostileTest::zwsiFileTakesOnlyItsColumns() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    const int b = u.person("BORSUK", "75031512352");
    // Tromsø lies in a column the account file does not write.
    u.db.exec("update osoba set rachunek1 = '60 1020 1026 0000 0422 7020 1111', orachunek1 = "
              "'ADAMSKI JAN', adr_miejsc = 'Tromsø', stanowisko = 'Ærø' where id = ?",
              {a});
    zaznacz(u, a);
    zaznacz(u, b);
    QCOMPARE(IluZaznaczonych(u.db, {b, a}), 2);
    QCOMPARE(IluZaznaczonych(u.db, {b}), 1);
    QList<int> wyslane;
    const QByteArray bajty = PlikOsobZwsi(u.db, {a, b}, &wyslane);
    QCOMPARE(bajty.count('\n'), 2);
    QCOMPARE(wyslane, QList<int>{a});
    // The person file writes every column: there Tromsø is refused, naming the person.
    int ile = 0;
    const QString blad = odmowa([&] { PlikOsob(u.db, {a, b}, &ile); });
    QCOMPARE(blad, QString("Znak „Æ” nie istnieje w stronie kodowej Windows-1250.\r\rOsoba: "
                           "ADAMSKI JAN (PESEL 80010112340), kolumna „stanowisko”."));
}

void PersonFilesHostileTest::charactersOutsideTheCodePageNamePersonAndColumn() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    const int b = u.person("BORSUK", "75031512352");
    u.db.exec("update osoba set rachunek1 = '60 1020 1026 0000 0422 7020 1111', orachunek1 = "
              "'ADAMSKI JAN'");
    u.db.exec("update osoba set rachunek2 = '27114020040000300201355387', orachunek2 = 'ÅSE "
              "BORSUK' where id = ?",
              {b});
    zaznacz(u, a);
    zaznacz(u, b);
    QList<int> wyslane{99};
    QCOMPARE(odmowa([&] { PlikOsobZwsi(u.db, {a, b}, &wyslane); }),
             QString("Znak „Å” nie istnieje w stronie kodowej Windows-1250.\r\rOsoba: BORSUK "
                     "JAN (PESEL 75031512352), kolumna „Nazwa Posiadacza konta”."));
    // A character beyond the basic plane counts as one.
    u.db.exec("update osoba set orachunek2 = 'BORSUK', ste = ? where id = ?",
              {QString::fromUtf8("kpr.\xF0\x9F\x98\x80"), b});
    QCOMPARE(odmowa([&] { PlikOsobZwsi(u.db, {a, b}, &wyslane); }),
             QString::fromUtf8("Znak „\xF0\x9F\x98\x80” nie istnieje w stronie kodowej "
                               "Windows-1250.\r\rOsoba: BORSUK JAN (PESEL 75031512352), kolumna "
                               "„Stopień”."));
}

QTEST_GUILESS_MAIN(PersonFilesHostileTest)
#include "person_files_hostile_test.moc"
