// The statistics of the register's lists: the counts by group, the seventeen sums, marked
// lists only, lists without positions, and the panel's and the printout's texts.
#include "data/settings.h"
#include "lists/list_register.h"
#include "stats/statistics.h"
#include "stats/stats_data.h"
#include "data/numbers.h"
#include "support/page_boxes.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;
using namespace statstest;
using vexa::testy::ObokPodpisu;

namespace {

// Each sum of the panel: its label's name, the column of the positions it adds up, and its
// caption on the printout (with the caption's occurrence: "KASA:" stands twice).
struct Suma {
    const char* nazwa;
    const char* kolumna;
    const char* podpis;
    int ktory = 0;
};
const QList<Suma> kSumy{{"lsnaleznosc", "naleznosc", "NALEŻNOŚĆ ZAGRANICZNA:"},
                        {"lszwiekszmon", "zwnaleznmon", "ZWIĘKSZENIE NALEŻNOŚCI MON:"},
                        {"lszwiekszpkw", "zwnaleznpkw", "ZWIĘKSZENIE NALEŻNOŚCI D-CA PKW:"},
                        {"lsdodwoj3", "dodatekwojenny", "DODATEK WOJENNY 12,5%:"},
                        {"lsdodwoj4", "dodatekwojenny2", "DODATEK WOJENNY 30,0%:"},
                        {"lsdodwoj5", "dodatekwojenny3", "DODATEK WOJENNY 0,0%:"},
                        {"lsdodrozm", "rozm", "DODATEK ZA ROZMINOWANIE:"},
                        {"lssrhig", "srhigieny", "EKWIWALENT ZA ŚRODKI HIGIENY:"},
                        {"lswyr", "wyrownanie", "WYRÓWNANIE / POTRĄCENIE:"},
                        {"lsizw", "innezwiekszenia", "INNE ZWIĘKSZENIA:"},
                        {"lsrazem", "razem", "RAZEM:"},
                        {"lszus", "skladkizus", "SKŁADKI ZUS:"},
                        {"lsizm", "innezmniejszenia", "INNE ZMNIEJSZENIA:"},
                        {"lsdowypl", "dowyplaty", "DO WYPŁATY:"},
                        {"lsrach", "rachunek", "RACHUNEK:"},
                        {"lskasapln", "zaliczkapln", "KASA:", 0},
                        {"lskasa", "zaliczkawaluta", "KASA:", 1}};

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void everySumUnderItsCaption();
    void markedListsOnly();
    void ratesInTheCaptions();
};

// Positions whose every column holds its own amount: a sum that reads another column, or misses
// one position, shows in the panel and on the printout.
void StatisticsTest::everySumUnderItsCaption() {
    TestDb t;
    Database& db = t.db();
    ZapisSetne(db, "DODWOJENNY", 12.5);
    ZapisSetne(db, "DODWOJENNY2", 30);
    const int a = DodajListe(db, {});
    DodajPozycje(db, a, 0);
    DodajPozycje(db, a, 1);
    const int bez = DodajListe(db, {.zp = "P"}); // closed, full, no positions
    Q_UNUSED(bez);
    const int otwarta = DodajListe(db, {.status = "O"});
    DodajPozycje(db, otwarta, 2);
    const int dodatkowa = DodajListe(db, {.typ = "D"});
    DodajPozycje(db, dodatkowa, 3);

    FiltrRejestru f;
    f.otwarte = false; // closed lists only
    f.dodatkowe = false; // full lists only
    const QList<Lista> rejestr = Rejestr(db, f);
    QCOMPARE(rejestr.size(), 2);
    const Statystyka s = ObliczStatystyke(db, rejestr);
    QVERIFY(!s.tylkoZaznaczone);
    QCOMPARE(s.listy, 2);
    QCOMPARE(s.zolnierzy, 1);
    QCOMPARE(s.pracownikow, 1);
    QCOMPARE(s.pelne, 2);
    QCOMPARE(s.dodatkowe, 0);

    const QList<WierszStatystyki> w = WierszeStatystyki(s, StawkiWojenne(db), "EUR");
    QCOMPARE(w.size(), 22);
    const QStringList liczby{"lsil", "2", "lsilz", "1", "lsilp", "1", "lslp", "2", "lsld", "0"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(w[i].nazwa + "=" + w[i].wartosc, liczby[2 * i] + "=" + liczby[2 * i + 1]);
    const Raport r = WydrukStatystyki(s, StawkiWojenne(db), "EUR", QDate(2027, 4, 2));
    QCOMPARE(r.iloscStron(), 1);
    QCOMPARE(ObokPodpisu(r.strony[0], "ILOŚĆ LIST NALEŻNOŚCI:"), QString("2"));
    QCOMPARE(ObokPodpisu(r.strony[0], "LISTY PRACOWNIKÓW WOJSKA:"), QString("1"));
    for (int i = 0; i < kSumy.size(); ++i) {
        const Suma& x = kSumy[i];
        const double oczekiwana = Kw(0, x.kolumna) + Kw(1, x.kolumna);
        const QString jednostka = i == 16 ? "EUR" : "zł";
        QCOMPARE(w[5 + i].nazwa, QString(x.nazwa));
        QCOMPARE(w[5 + i].wartosc + " " + w[5 + i].jednostka,
                 Kwota00Przecinek(oczekiwana) + " " + jednostka);
        QCOMPARE(ObokPodpisu(r.strony[0], x.podpis, x.ktory),
                 Kwota00Przecinek(oczekiwana) + " " + jednostka);
    }

    // Every list: a kind 'U' list counts only in the total; every position adds to RAZEM.
    DodajListe(db, {.typ = "U"});
    const Statystyka v = ObliczStatystyke(db, Rejestr(db, FiltrRejestru{}));
    QCOMPARE(v.listy, 5);
    QCOMPARE(v.pelne, 3);
    QCOMPARE(v.dodatkowe, 1);
    QCOMPARE(v.sumy[10], Kw(0, "razem") + Kw(1, "razem") + Kw(2, "razem") + Kw(3, "razem"));
}

void StatisticsTest::markedListsOnly() {
    TestDb t;
    Database& db = t.db();
    const int a = DodajListe(db, {.zaznaczona = true});
    DodajPozycje(db, a, 0);
    const int b = DodajListe(db, {});
    DodajPozycje(db, b, 1);
    const int c = DodajListe(db, {.status = "O", .zaznaczona = true});
    DodajPozycje(db, c, 2);
    Statystyka s = ObliczStatystyke(db, Rejestr(db, FiltrRejestru{}));
    QVERIFY(s.tylkoZaznaczone);
    QCOMPARE(s.listy, 2);
    QCOMPARE(s.sumy[0], Kw(0, "naleznosc") + Kw(2, "naleznosc"));
    QCOMPARE(s.sumy[16], Kw(0, "zaliczkawaluta") + Kw(2, "zaliczkawaluta"));
    // Marks only outside the register's filter: nothing is counted.
    db.exec("update lista set zaz = ? where id <> ?", {QString(ZAZ_NIEZAZNACZONY), c});
    FiltrRejestru zamkniete;
    zamkniete.otwarte = false;
    s = ObliczStatystyke(db, Rejestr(db, zamkniete));
    QVERIFY(s.tylkoZaznaczone);
    QCOMPARE(s.listy, 0);
    QCOMPARE(s.sumy[0], 0.0);
}

void StatisticsTest::ratesInTheCaptions() {
    TestDb t;
    Database& db = t.db();
    ZapisSetne(db, "DODWOJENNY", 12.5);
    ZapisSetne(db, "DODWOJENNY2", 30);
    ZapisSetne(db, "DODWOJENNY3", 7.75);
    const std::array<double, 3> stawki = StawkiWojenne(db);
    const QList<WierszStatystyki> w = WierszeStatystyki(Statystyka{}, stawki, "EUR");
    QCOMPARE(w[8].podpis, QString("Dod.woj 12,5%"));
    QCOMPARE(w[9].podpis, QString("Dod.woj 30,0%"));
    QCOMPARE(w[10].podpis, QString("Dod.woj 7,8%"));
    const Raport r = WydrukStatystyki(Statystyka{}, stawki, "EUR", QDate(2027, 4, 2));
    QVERIFY(!r.poziomo);
    const StronaRaportu& s = r.strony[0];
    QVERIFY(s.tresci().contains("STATYSTYKA ZE ZBIORU LIST NALEŻNOŚCI"));
    QVERIFY(s.tresci().contains("Data: 02/04/2027") && s.tresci().contains("Strona: 1 z 1"));
    QCOMPARE(ObokPodpisu(s, "DODATEK WOJENNY 7,8%:"), QString("0,00 zł"));
    QVERIFY(s.znajdz("UWAGI:"));
}

QTEST_GUILESS_MAIN(StatisticsTest)
#include "statistics_test.moc"
