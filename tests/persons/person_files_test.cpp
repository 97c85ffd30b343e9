// Person files and the ZWSI RON account file: the marked listed persons go out with every
// column, come back only where their PESEL is not listed, "WP" in values survives, bad files
// change nothing; a person with two accounts gives two account lines.
#include "data/codepage.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "persons/person_files.h"
#include "support/masked_files.h"
#include "support/unit_fixture.h"

#include <QtTest>

using namespace vexa;

namespace {



// The marker and the count, then the records joined back to the count's fields.
QStringList linie(const QByteArray& file) {
    return maskedLines(file, 2, maskedLines(file).value(1).toInt() + 1);
}

void zaznacz(UnitFixture& u, int id) {
    u.db.exec("update osoba set zaz = ? where id = ?", {QString(ZAZ_ZAZNACZONY), id});
}

} // namespace

class PersonFilesTest : public QObject {
    Q_OBJECT
private slots:
    void markedListedPersonsGoOutAndComeBack();
    void badFilesChangeNothing();
    void zwsiAccountLines();
};

void PersonFilesTest::markedListedPersonsGoOutAndComeBack() {
    UnitFixture u;
    const int a = u.person("WPWP", "80010112340");
    const int b = u.person("KOWALSKI", "75031512352");
    const int c = u.person("NOWAK", "90020212345");
    u.db.exec("update osoba set zaliczka = 1234.5 where id = ?", {a});
    zaznacz(u, a);
    zaznacz(u, b);
    int ile = 0;
    // c is not marked; b is marked but not listed.
    const QByteArray bytes = PlikOsob(u.db, {c, a}, &ile);
    QCOMPARE(ile, 1);
    const QStringList l = linie(bytes);
    QCOMPARE(l.size(), 4);
    QCOMPARE(l[0], "LO");
    const QStringList names = l[2].split('\t');
    const QStringList values = l[3].split('\t');
    QCOMPARE(values.value(names.indexOf("zaliczka")), "1234500000");
    QCOMPARE(values.value(names.indexOf("nazwisko")), "WPWP");

    const OsobyZPliku f = CzytajPlikOsob(u.db, bytes);
    QCOMPARE(f.wiersze.size(), 1);
    // Listed on this installation: nobody is added.
    QCOMPARE(DopiszOsobyZPliku(u.db, f, {"80010112340"}), 0);
    QCOMPARE(u.count("osoba"), 3);
    // Not listed (another kind or filtered out): added again with the values of the file.
    QCOMPARE(DopiszOsobyZPliku(u.db, f, {}), 1);
    QCOMPARE(u.db.scalar("select count(*) from osoba where nazwisko = 'WPWP' and zaliczka = 1234.5")
                 .toInt(),
             2);
}

void PersonFilesTest::badFilesChangeNothing() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    zaznacz(u, a);
    int ile = 0;
    const QStringList l = linie(PlikOsob(u.db, {a}, &ile));
    auto refused = [&](const QByteArray& bytes, const QString& part) {
        try {
            DopiszOsobyZPliku(u.db, CzytajPlikOsob(u.db, bytes), {});
        } catch (const VexaError& e) {
            return e.message().contains(part) ? QString() : e.message();
        }
        return QStringLiteral("accepted");
    };
    QCOMPARE(refused({}, NIE_PLIK_OSOB), QString());
    QCOMPARE(refused(maskedFile({"LNZ"}), NIE_PLIK_OSOB), QString());
    QCOMPARE(refused(maskedFile({"LO", "500"}), "Wiersz 2"), QString());
    QStringList unknown = l;
    unknown[2].replace("nazwisko", "nazwisko2");
    QCOMPARE(refused(maskedFile(unknown), "nie ma kolumny „nazwisko2”"), QString());
    QStringList truncated = l;
    truncated[3] = truncated[3].left(30);
    QCOMPARE(refused(maskedFile(truncated), "Wiersz 4"), QString());
    QCOMPARE(u.count("osoba"), 1);
}

void PersonFilesTest::zwsiAccountLines() {
    UnitFixture u;
    const int a = u.person("ADAMSKI", "80010112340");
    const int b = u.person("BORSUK", "75031512352");
    u.db.exec("update osoba set rachunek1 = '60 1020 1026 0000 0422 7020 1111', orachunek1 = "
              "'ADAMSKI JAN', rachunek2 = '27114020040000300201355387', orachunek2 = 'ANNA' "
              "where id = ?",
              {a});
    zaznacz(u, a);
    zaznacz(u, b); // no account: no line
    QList<int> sent;
    const QByteArray bytes = PlikOsobZwsi(u.db, {a, b}, &sent);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 4); // header, two accounts, end of the last line
    QCOMPARE(lines[0], toCp1250OrThrow("JG\tDział\tNazwisko i imię\tPesel\tUlica\tKod. Poczt.\t"
                                       "Miejsc.\tKraj\tTelefon\tFax\tNr Ident. Pod.\tKraj banku\t"
                                       "Kod banku\tKonto bankowe\tKod kontrolny banku\tNazwa "
                                       "Posiadacza konta\tIdentyfikator JW\tStopień\r"));
    QCOMPARE(lines[1], QByteArray("2056\t2056\tADAMSKI JAN\t80010112340\tRadiowa 2\t00-908\t"
                                  "Warszawa\tPL\t\t\t\tPL\t10201026\t0000042270201111\t60\t"
                                  "ADAMSKI JAN\t4731086\tkpr.\r"));
    QVERIFY(lines[2].startsWith("2056\t2056\tADAMSKI JAN\t80010112340\t"));
    QVERIFY(lines[2].contains("\t11402004\t0000300201355387\t27\tANNA\t"));
    QCOMPARE(sent, QList<int>{a});
    OznaczWyslaneDoZwsi(u.db, sent);
    QCOMPARE(u.db.scalar("select exportzwsi || wydrukzwsi from osoba where id = ?", {a}).toString(),
             "TT");
    QCOMPARE(u.db.scalar("select wydrukzwsi from osoba where id = ?", {b}).toString(), "N");
}

QTEST_GUILESS_MAIN(PersonFilesTest)
#include "person_files_test.moc"
