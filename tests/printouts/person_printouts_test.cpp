// The person register printout (which persons, numbering, titles) and the dues of one person
// over every list (the query by PESEL or surname, the period, the columns and sums).
#include "data/validators.h"
#include "lists/list_repository.h"
#include "lists/list_printout_parts.h"
#include "lists/person_dues.h"
#include "persons/person_printouts.h"
#include "support/distinct_amounts.h"
#include "support/page_boxes.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;
using testy::WPolu;

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
            "('1', ?, ?, ?, 'PKW A', 'USD', ?, ?, ?, ?)",
            {data.mid(5, 2) + "/" + data.left(4), data, typ, typ == "D" ? "NU" : "", woj, woj + 1,
             woj + 2});
    return db.scalar("select max(id) from lista").toInt();
}

void Poz(Database& db, int lista, const QString& pesel, const QString& nazwisko, double razem,
         double kasa, const QString& utraty = "2999-01-01") {
    db.exec("insert into pozycja (idlisty, pesel, nazwisko, imie, razem, zaliczkawaluta, "
            "datanabycia, datautraty, mnoznik, iloscdni) values (?, ?, ?, 'JAN', ?, ?, "
            "'2027-01-01', ?, 1.5, 31)",
            {lista, pesel, nazwisko, razem, kasa, utraty});
}

// A position of NOWAK JAN whose every money column holds its own amount (the n-th from `od`).
Pozycja PozRozna(Database& db, int lista, int od, const QString& utraty = "2999-01-01") {
    Pozycja p;
    testy::RozneKwoty(p, od);
    p.idlisty = lista;
    p.pesel = "80010112340";
    p.nazwisko = "NOWAK";
    p.imie = "JAN";
    p.datanabycia = QDate(2027, 1, 1);
    p.datautraty = QDate::fromString(utraty, Qt::ISODate);
    p.mnoznik = 1.5;
    p.iloscdni = 31;
    ListRepository(db).dopiszPozycje(p);
    return p;
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
    const Pozycja a = PozRozna(db, d, 1);
    Pozycja b = PozRozna(db, p, 101, "2027-06-30");
    db.exec("update pozycja set zaliczkawaluta = 0 where idlisty = ?", {p});
    b.zaliczkawaluta = 0;
    const Raport r = NaleznosciDlaOsoby(NaleznosciOsoby(db, {"80010112340", {}, {}, {}}),
                                        QDate(2027, 4, 2));
    QCOMPARE(r.tytulZadania, QString("LISTA NALEŻNOŚCI (VEXA-F)"));
    QVERIFY(r.poziomo);
    QCOMPARE(r.iloscStron(), 1);
    const QStringList tx = Teksty(r);
    QVERIFY(tx.contains("LISTA NALEŻNOŚCI DLA OSOBY: JAN NOWAK, PESEL 80010112340"));
    // The captions take the rates of the first full list, not of the first list.
    QVERIFY(tx.contains("Dod.woj. 50%") && !tx.contains("Dod.woj. 30%"));
    QCOMPARE(WPolu(r, "Data utraty upr.", "02/2027"), QString("30/06/2027"));
    QCOMPARE(WPolu(r, "Data utraty upr.", "01/2027"), QString(" - "));
    QCOMPARE(WPolu(r, "Data nabycia upr.", "02/2027"), QString("01/01/2027"));
    QCOMPARE(WPolu(r, "Podpis", "02/2027"), QString("XXXXXXXX")); // no cash advance
    QCOMPARE(WPolu(r, "Podpis", "01/2027"), QString());
    QCOMPARE(WPolu(r, "(data wykonania)", "01/2027"), QString("(31/01/2027)"));
    QCOMPARE(WPolu(r, "Mnożnik /", "01/2027"), QString("1,5 / 31"));
    QCOMPARE(WPolu(r, "Rodzaj listy", "01/2027"), QString("NU"));
    // Every amount under its caption on its list's row, and its sum on the totals' row.
    const QList<QPair<const char*, double Pozycja::*>> pola{
        {"Należn. zagr.", &Pozycja::naleznosc},   {"Zwiększ. MON", &Pozycja::zwnaleznmon},
        {"Zwiększ. PKW", &Pozycja::zwnaleznpkw},   {"Dod.woj. 50%", &Pozycja::dodatekwojenny},
        {"Dod.woj. 51%", &Pozycja::dodatekwojenny2}, {"Dod.woj. 52%", &Pozycja::dodatekwojenny3},
        {"Dod.za rozm.", &Pozycja::rozm},          {"RAZEM", &Pozycja::razem},
        {"Składki ZUS", &Pozycja::skladkizus},     {"Inne zmniejsz.", &Pozycja::innezmniejszenia},
        {"Do wypłaty", &Pozycja::dowyplaty},       {"Kasa", &Pozycja::zaliczkawaluta},
        {"Kasa PLN", &Pozycja::zaliczkapln},       {"Rachunek", &Pozycja::rachunek},
        {"Rachunek 1", &Pozycja::rachunek1},       {"Rachunek 2", &Pozycja::rachunek2}};
    for (const auto& [naglowek, pole] : pola) {
        const QString n = naglowek + QString(": ");
        QCOMPARE(n + WPolu(r, naglowek, "01/2027"), n + wydruk_listy::kwota(a.*pole));
        QCOMPARE(n + WPolu(r, naglowek, "02/2027"), n + wydruk_listy::kwota(b.*pole));
        QCOMPARE(n + WPolu(r, naglowek, "OGÓŁEM:"), n + wydruk_listy::kwota(a.*pole + b.*pole));
    }
    // The column under "Dod.za rozm." has the caption "Wyr. / Potr." twice: the equalisation on
    // its middle line, the other increases on its last.
    const QList<double Pozycja::*> wyrPotr{&Pozycja::wyrownanie, &Pozycja::innezwiekszenia};
    for (int i = 0; i < 2; ++i) {
        const QString n = QStringLiteral("Wyr. / Potr. #%1: ").arg(i);
        QCOMPARE(n + WPolu(r, "Wyr. / Potr.", "01/2027", i), n + wydruk_listy::kwota(a.*wyrPotr[i]));
        QCOMPARE(n + WPolu(r, "Wyr. / Potr.", "02/2027", i), n + wydruk_listy::kwota(b.*wyrPotr[i]));
        QCOMPARE(n + WPolu(r, "Wyr. / Potr.", "OGÓŁEM:", i),
                 n + wydruk_listy::kwota(a.*wyrPotr[i] + b.*wyrPotr[i]));
    }
    QCOMPARE(NaleznosciDlaOsoby({}, QDate(2027, 4, 2)).iloscStron(), 0);
}

QTEST_GUILESS_MAIN(PersonPrintoutsTest)
#include "person_printouts_test.moc"
