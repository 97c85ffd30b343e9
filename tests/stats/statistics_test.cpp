// The statistics of the register's lists: the counts by group, the seventeen sums, marked
// lists only, lists without positions, and the panel's and the printout's texts.
#include "data/settings.h"
#include "lists/list_register.h"
#include "stats/statistics.h"
#include "stats/stats_data.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;
using namespace statstest;

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void filteredRegisterCountsAndSums();
    void markedListsOnly();
    void panelAndPrintoutTexts();
};

void StatisticsTest::filteredRegisterCountsAndSums() {
    TestDb t;
    Database& db = t.db();
    const int a = DodajListe(db, {});
    DodajPozycje(db, a, 10, 100);
    DodajPozycje(db, a, 0.25, 0.5);
    const int bez = DodajListe(db, {.zp = "P"}); // closed, full, no positions
    Q_UNUSED(bez);
    const int otwarta = DodajListe(db, {.status = "O"});
    DodajPozycje(db, otwarta, 1000, 1000);
    const int dodatkowa = DodajListe(db, {.typ = "D"});
    DodajPozycje(db, dodatkowa, 1000, 1000);

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
    for (int i = 0; i < 17; ++i)
        QCOMPARE(s.sumy[size_t(i)], i == 13 ? 100.5 : 10.25);

    // Every list: a kind 'U' list counts only in the total.
    DodajListe(db, {.typ = "U"});
    const Statystyka w = ObliczStatystyke(db, Rejestr(db, FiltrRejestru{}));
    QCOMPARE(w.listy, 5);
    QCOMPARE(w.pelne + w.dodatkowe, 4);
    QCOMPARE(w.sumy[10], 2010.25);
}

void StatisticsTest::markedListsOnly() {
    TestDb t;
    Database& db = t.db();
    const int a = DodajListe(db, {.zaznaczona = true});
    DodajPozycje(db, a, 1, 1);
    const int b = DodajListe(db, {});
    DodajPozycje(db, b, 2, 2);
    const int c = DodajListe(db, {.status = "O", .zaznaczona = true});
    DodajPozycje(db, c, 4, 4);
    Statystyka s = ObliczStatystyke(db, Rejestr(db, FiltrRejestru{}));
    QVERIFY(s.tylkoZaznaczone);
    QCOMPARE(s.listy, 2);
    QCOMPARE(s.sumy[0], 5.0);
    // Marks only outside the register's filter: nothing is counted.
    db.exec("update lista set zaz = ? where id <> ?", {QString(ZAZ_NIEZAZNACZONY), c});
    FiltrRejestru zamkniete;
    zamkniete.otwarte = false;
    s = ObliczStatystyke(db, Rejestr(db, zamkniete));
    QVERIFY(s.tylkoZaznaczone);
    QCOMPARE(s.listy, 0);
    QCOMPARE(s.sumy[0], 0.0);
}

void StatisticsTest::panelAndPrintoutTexts() {
    TestDb t;
    Database& db = t.db();
    ZapisSetne(db, "DODWOJENNY", 12.5);
    ZapisSetne(db, "DODWOJENNY2", 30);
    const std::array<double, 3> stawki = StawkiWojenne(db);
    QCOMPARE(stawki[0], 12.5);
    QCOMPARE(stawki[2], 0.0);
    Statystyka s;
    s.listy = 3;
    s.sumy[0] = 1234.5;
    s.sumy[16] = 77;
    const QList<WierszStatystyki> w = WierszeStatystyki(s, stawki, "EUR");
    QCOMPARE(w.size(), 22);
    QCOMPARE(w[0].nazwa, QString("lsil"));
    QCOMPARE(w[0].wartosc, QString("3"));
    QCOMPARE(w[5].nazwa, QString("lsnaleznosc"));
    QCOMPARE(w[5].wartosc, QString("1234,50"));
    QCOMPARE(w[5].jednostka, QString("zł"));
    QCOMPARE(w[8].podpis, QString("Dod.woj 12,5%"));
    QCOMPARE(w[9].podpis, QString("Dod.woj 30,0%"));
    QCOMPARE(w[21].nazwa, QString("lskasa"));
    QCOMPARE(w[21].wartosc, QString("77,00"));
    QCOMPARE(w[21].jednostka, QString("EUR"));
    const Raport r = WydrukStatystyki(s, stawki, "EUR", QDate(2027, 4, 2));
    QVERIFY(!r.poziomo);
    QCOMPARE(r.iloscStron(), 1);
    const QStringList t2 = r.strony[0].tresci();
    QVERIFY(t2.contains("STATYSTYKA ZE ZBIORU LIST NALEŻNOŚCI") && t2.contains("Data: 02/04/2027"));
    QVERIFY(t2.contains("DODATEK WOJENNY 12,5%:") && t2.contains("UWAGI:"));
    QVERIFY(t2.contains("1234,50") && t2.contains("EUR") && t2.contains("Strona: 1 z 1"));
}

QTEST_GUILESS_MAIN(StatisticsTest)
#include "statistics_test.moc"
