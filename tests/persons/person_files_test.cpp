// Person files and the ZWSI RON account file: the marked listed persons go out with every
// column, come back only where their PESEL is not listed, "WP" in values survives, bad files
// change nothing; a person with two accounts gives two account lines.
#include "data/codepage.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "persons/person_files.h"
#include "data/exchange_values.h"
#include "support/distinct_amounts.h"
#include "support/masked_files.h"
#include "support/unit_fixture.h"

#include <QtTest>

using namespace vexa;

namespace {



// The marker and the count, then the records joined back to the count's fields.
QStringList linie(const QByteArray& file) {
    return maskedLines(file, 2, maskedLines(file).value(1).toInt() + 1);
}

// A person file whose rows have n columns: the file's own, then "imieojca" again and again,
// or the first n of them.
QStringList kolumn(QStringList l, int n) {
    const int k = l[1].toInt();
    QStringList nazwy = l[2].split('\t').mid(0, k), wartosci = l[3].split('\t').mid(0, k);
    while (nazwy.size() < n) {
        nazwy << "imieojca";
        wartosci << "X";
    }
    l[1] = QString::number(n);
    l[2] = vexa::LiniaPol(nazwy.mid(0, n));
    l[3] = vexa::LiniaPol(wartosci.mid(0, n));
    return l;
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
    const int d = u.person("ZIELINSKI", "85050512349");
    // Each money column of each person its own amount.
    int od = 1;
    for (int id : {a, b, c, d})
        for (const auto& [kolumna, pole] : testy::KwotyOsoby()) {
            Q_UNUSED(pole);
            u.db.exec(QString("update osoba set %1 = ? where id = ?").arg(kolumna),
                      {testy::RoznaKwota(od++), id});
        }
    zaznacz(u, a);
    zaznacz(u, b);
    zaznacz(u, d);
    int ile = 0;
    // c is listed but not marked; b is marked but not listed; a and d in the listed order.
    const QByteArray bytes = PlikOsob(u.db, {c, a, d}, &ile);
    QCOMPARE(ile, 2);
    const QStringList l = linie(bytes);
    QCOMPARE(l.size(), 5);
    QCOMPARE(l[0], "LO");
    QCOMPARE(l[1].toInt(), l[2].split('\t').size() - 2);
    const QStringList names = l[2].split('\t');
    const QStringList wpwp = l[3].split('\t'), zielinski = l[4].split('\t');
    QCOMPARE(wpwp.value(names.indexOf("nazwisko")), "WPWP");
    QCOMPARE(wpwp.value(names.indexOf("pesel")), "80010112340");
    QCOMPARE(zielinski.value(names.indexOf("nazwisko")), "ZIELINSKI");
    // RoznaKwota 1, 2 for a, 7, 8 for d, in millionths.
    QCOMPARE(wpwp.value(names.indexOf("rachunek2kwota")), "1010000");
    QCOMPARE(wpwp.value(names.indexOf("zaliczka")), "2030000");
    QCOMPARE(zielinski.value(names.indexOf("rachunek2kwota")), "7130000");
    QCOMPARE(zielinski.value(names.indexOf("zaliczka")), "8150000");

    const OsobyZPliku f = CzytajPlikOsob(u.db, bytes);
    QCOMPARE(f.wiersze.size(), 2);
    // Listed on this installation: not added; the next person of the file still is.
    QCOMPARE(DopiszOsobyZPliku(u.db, f, {"80010112340"}), 1);
    QCOMPARE(u.count("osoba"), 5);
    auto kopia = [&](const QString& nazwisko) {
        return u.db.scalar("select count(*) from osoba where nazwisko = ? and abs(rachunek2kwota - ?) "
                           "< 1e-9 and abs(zaliczka - ?) < 1e-9 and id > ?",
                           {nazwisko, testy::RoznaKwota(nazwisko == "WPWP" ? 1 : 7),
                            testy::RoznaKwota(nazwisko == "WPWP" ? 2 : 8), d})
            .toInt();
    };
    QCOMPARE(kopia("ZIELINSKI"), 1);
    QCOMPARE(kopia("WPWP"), 0);
    // Not listed (another kind or filtered out): added again with the values of the file.
    QCOMPARE(DopiszOsobyZPliku(u.db, f, {}), 2);
    QCOMPARE(kopia("WPWP"), 1);
    QCOMPARE(kopia("ZIELINSKI"), 2);
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
    // The column count on both sides of its limits.
    const QString liczba = "Wiersz 2: liczba kolumn musi być liczbą od 1 do 100.";
    for (const char* n : {"0", "101", "500", "x"})
        QCOMPARE(refused(maskedFile({"LO", n}), liczba), QString());
    for (int n : {1, 99, 100}) {
        const OsobyZPliku f = CzytajPlikOsob(u.db, maskedFile(kolumn(l, n)));
        QCOMPARE(f.kolumny.size(), n);
        QCOMPARE(f.wiersze.value(0).size(), n);
    }
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
    QCOMPARE(lines[2], QByteArray("2056\t2056\tADAMSKI JAN\t80010112340\tRadiowa 2\t00-908\t"
                                  "Warszawa\tPL\t\t\t\tPL\t11402004\t0000300201355387\t27\t"
                                  "ANNA\t4731086\tkpr.\r"));
    // A person with account 2 only: its line alone.
    const int c = u.person("CEGIELSKI", "90020212345");
    u.db.exec("update osoba set rachunek2 = '27114020040000300201355387', orachunek2 = 'EWA' "
              "where id = ?",
              {c});
    zaznacz(u, c);
    const QList<QByteArray> only2 = PlikOsobZwsi(u.db, {c}, &sent).split('\n');
    QCOMPARE(only2.size(), 3);
    QCOMPARE(only2[1], QByteArray("2056\t2056\tCEGIELSKI JAN\t90020212345\tRadiowa 2\t00-908\t"
                                  "Warszawa\tPL\t\t\t\tPL\t11402004\t0000300201355387\t27\t"
                                  "EWA\t4731086\tkpr.\r"));
    QCOMPARE(sent, QList<int>{c});
    PlikOsobZwsi(u.db, {a, b}, &sent);
    QCOMPARE(sent, QList<int>{a});
    OznaczWyslaneDoZwsi(u.db, sent);
    QCOMPARE(u.db.scalar("select exportzwsi || wydrukzwsi from osoba where id = ?", {a}).toString(),
             "TT");
    QCOMPARE(u.db.scalar("select wydrukzwsi from osoba where id = ?", {b}).toString(), "N");
}

QTEST_GUILESS_MAIN(PersonFilesTest)
#include "person_files_test.moc"
