// The person register printout (which persons, numbering, titles) and the dues of one person
// over every list (the query by PESEL or surname, the period, the columns and sums).
#include "data/validators.h"
#include "lists/person_dues.h"
#include "persons/person_printouts.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

vexa::Osoba Os(const QString& nazwisko, QDate od, QDate do_ = DATA_BEZ_KONCA,
               const QString& zwsi = QString()) {
    vexa::Osoba o;
    o.nazwisko = nazwisko;
    o.imie = "JAN";
    o.pesel = "80010112340";
    o.datanabycia = od;
    o.datautraty = do_;
    o.wydrukzwsi = zwsi;
    return o;
}

QStringList Teksty(const Raport& r) {
    QStringList t;
    for (const StronaRaportu& s : r.strony)
        t << s.tresci();
    return t;
}

} // namespace

class PersonPrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    void registerSelectsAndNumbers();
    void duesQueryByPeselOrSurnameAndPeriod();
    void duesPrintout();
};

void PersonPrintoutsTest::registerSelectsAndNumbers() {
    const QList<vexa::Osoba> osoby{
        Os("LUTOWY", QDate(2027, 2, 28), QDate(2027, 3, 1), "T"),
        Os("MARCOWY", QDate(2027, 3, 1), DATA_BEZ_KONCA, "T"),
        Os("ROKWCZESNIEJ", QDate(2026, 3, 15)),
        Os("KONIECMARCA", QDate(2027, 3, 31)),
        Os("BEZDATY", QDate())};
    OpcjeKartoteki o;
    o.miesiac = "03/2027";
    auto drukowani = [&] {
        QStringList n;
        for (const vexa::Osoba& x : osoby)
            if (NaKartotece(x, o)) n << x.nazwisko;
        return n;
    };
    QCOMPARE(drukowani().size(), 5);
    QCOMPARE(OpisKartoteki(o), QString());
    o.nowoprzybyli = true;
    QCOMPARE(drukowani(), (QStringList{"MARCOWY", "KONIECMARCA"}));
    QCOMPARE(OpisKartoteki(o), QString("OSOBY NOWOPRZYBYŁE W MIESIĄCU 03/2027"));
    const Raport r = Kartoteka(osoby, o, {"JW 1234", "PKW"}, QDate(2027, 4, 2));
    const QStringList t = Teksty(r);
    // Numbered over the printed lines: 1 and 2, no 3.
    QVERIFY(t.contains("JAN MARCOWY") && t.contains("JAN KONIECMARCA") && !t.contains("JAN LUTOWY"));
    QVERIFY(t.contains("1") && t.contains("2") && !t.contains("3"));
    QVERIFY(t.contains(" - ") && t.contains("01/03/2027"));
    QVERIFY(t.contains("KARTOTEKA ŻOŁNIERZY") && t.contains("JW 1234") && t.contains("PKW"));
    QVERIFY(t.contains("Data: 02/04/2027"));
    QCOMPARE(r.tytulZadania, QString("KARTOTEKA OSOBOWA (VEXA-F)"));
    QVERIFY(r.poziomo);

    o.nowoprzybyli = false;
    o.nowoubyli = true;
    QCOMPARE(drukowani(), QStringList{"LUTOWY"});
    QCOMPARE(OpisKartoteki(o), QString("OSOBY NOWOUBYŁE W MIESIĄCU 03/2027"));
    o.nowoprzybyli = true;
    QCOMPARE(drukowani(), (QStringList{"LUTOWY", "MARCOWY", "KONIECMARCA"}));
    QCOMPARE(OpisKartoteki(o), QString("OSOBY NOWOPRZYBYŁE I NOWOUBYŁE W MIESIĄCU 03/2027"));
    o.tylkoWyeksportowani = true;
    QCOMPARE(drukowani(), (QStringList{"LUTOWY", "MARCOWY"}));
    QCOMPARE(TytulKartoteki(o), QString("KARTOTEKA ŻOŁNIERZY WYEKSPORTOWANYCH DO ZWSI RON"));
    o.zp = "P";
    QCOMPARE(TytulKartoteki(o),
             QString("KARTOTEKA PRACOWNIKÓW CYWILNYCH WYEKSPORTOWANYCH DO ZWSI RON"));
    o.tylkoWyeksportowani = false;
    QCOMPARE(TytulKartoteki(o), QString("KARTOTEKA PRACOWNIKÓW CYWILNYCH"));
}

namespace {

int DodajListe(Database& db, const QString& data, const QString& typ, double woj) {
    db.exec("insert into lista (nr, miesiacrok, datawykonania, typ, skrotpkw, walutazaliczki, "
            "rodzaj, dodatekwojenny, dodatekwojenny2, dodatekwojenny3) values "
            "('1', ?, ?, ?, 'PKW A', 'USD', ?, ?, 0, 0)",
            {data.mid(5, 2) + "/" + data.left(4), data, typ, typ == "D" ? "NU" : "", woj});
    return db.scalar("select max(id) from lista").toInt();
}

void Poz(Database& db, int lista, const QString& pesel, const QString& nazwisko, double razem,
         double kasa, const QString& utraty = "2999-01-01") {
    db.exec("insert into pozycja (idlisty, pesel, nazwisko, imie, razem, zaliczkawaluta, "
            "datanabycia, datautraty, mnoznik, iloscdni) values (?, ?, ?, 'JAN', ?, ?, "
            "'2027-01-01', ?, 1.5, 31)",
            {lista, pesel, nazwisko, razem, kasa, utraty});
}

} // namespace

void PersonPrintoutsTest::duesQueryByPeselOrSurnameAndPeriod() {
    TestDb t;
    Database& db = t.db();
    const int d = DodajListe(db, "2027-01-31", "D", 30);
    const int p1 = DodajListe(db, "2027-02-28", "P", 50);
    const int p2 = DodajListe(db, "2027-12-31", "P", 70);
    Poz(db, p2, "80010112340", "NOWAK", 300, 0);
    Poz(db, d, "80010112340", "NOWAK", 100, 10);
    Poz(db, p1, "80010112340", "NOWAK", 200, 0, "2027-06-30");
    Poz(db, p1, "81020212345", "NOWAK", 999, 0); // another NOWAK
    auto razem = [](const QList<PozycjaOsoby>& l) {
        QList<double> r;
        for (const PozycjaOsoby& x : l)
            r << x.p.razem;
        return r;
    };
    // By PESEL, in the order of the lists; equal dates apply no period.
    ZapytanieNaleznosci z{"80010112340", "NOWAK", QDate(2027, 5, 5), QDate(2027, 5, 5)};
    QCOMPARE(razem(NaleznosciOsoby(db, z)), (QList<double>{100, 200, 300}));
    // A period includes both ends.
    z.od = QDate(2027, 1, 31);
    z.do_ = QDate(2027, 2, 28);
    QCOMPARE(razem(NaleznosciOsoby(db, z)), (QList<double>{100, 200}));
    z.od = QDate(2027, 2, 1);
    z.do_ = QDate(2027, 12, 30);
    QCOMPARE(razem(NaleznosciOsoby(db, z)), QList<double>{200});
    // No PESEL: by surname, which finds both NOWAKs.
    z = {QString("  "), "NOWAK", QDate(), QDate()};
    QCOMPARE(NaleznosciOsoby(db, z).size(), 4);
    z.nazwisko = "O'BRIEN";
    QVERIFY(NaleznosciOsoby(db, z).isEmpty());
    const PozycjaOsoby first = NaleznosciOsoby(db, {"80010112340", {}, {}, {}}).first();
    QCOMPARE(first.miesiacrok, QString("01/2027"));
    QCOMPARE(first.datawykonania, QDate(2027, 1, 31));
    QCOMPARE(first.typ, QString("D"));
    QCOMPARE(first.rodzaj, QString("NU"));
    QCOMPARE(first.skrotpkw, QString("PKW A"));
    QCOMPARE(first.walutazaliczki, QString("USD"));
    QCOMPARE(first.woj1, 30.0);
    QCOMPARE(first.p.mnoznik, 1.5);
}

void PersonPrintoutsTest::duesPrintout() {
    TestDb t;
    Database& db = t.db();
    const int d = DodajListe(db, "2027-01-31", "D", 30);
    const int p = DodajListe(db, "2027-02-28", "P", 50);
    Poz(db, d, "80010112340", "NOWAK", 100.25, 10);
    Poz(db, p, "80010112340", "NOWAK", 1200, 0, "2027-06-30");
    const Raport r = NaleznosciDlaOsoby(NaleznosciOsoby(db, {"80010112340", {}, {}, {}}),
                                        QDate(2027, 4, 2));
    QCOMPARE(r.tytulZadania, QString("LISTA NALEŻNOŚCI (VEXA-F)"));
    QVERIFY(r.poziomo);
    const QStringList tx = Teksty(r);
    QVERIFY(tx.contains("LISTA NALEŻNOŚCI DLA OSOBY: JAN NOWAK, PESEL 80010112340"));
    // The captions take the rates of the first full list, not of the first list.
    QVERIFY(tx.contains("Dod.woj. 50%") && !tx.contains("Dod.woj. 30%"));
    QVERIFY(tx.contains(" - ") && tx.contains("30/06/2027"));
    QCOMPARE(tx.count("XXXXXXXX"), 1); // the position without a cash advance
    QVERIFY(tx.contains("(31/01/2027)") && tx.contains("1,5 / 31"));
    QVERIFY(tx.contains("1 300,25")); // RAZEM summed
    QVERIFY(tx.contains("OGÓŁEM:") && tx.contains("NU"));
    QCOMPARE(NaleznosciDlaOsoby({}, QDate(2027, 4, 2)).iloscStron(), 0);
}

QTEST_GUILESS_MAIN(PersonPrintoutsTest)
#include "person_printouts_test.moc"
