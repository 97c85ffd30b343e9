#include "data/codepage.h"
#include "data/error.h"
#include "data/settings.h"
#include "lists/list_repository.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

struct Fixture {
    TestDb t;
    ListRepository repo{t.db()};
    int list = 0;

    Fixture() {
        Lista l;
        l.miesiacrok = "03/2027";
        l.status = "O";
        l.typ = "P";
        list = repo.dopiszListe(l);
    }
    int add(const QString& surname, double razem, double zaliczkapln = 0,
            const QString& flag = QString(), const QString& konto1 = "N") {
        Pozycja p;
        p.idlisty = list;
        p.nazwisko = surname;
        p.razem = razem;
        p.zaliczkapln = zaliczkapln;
        p.rachunek = razem - zaliczkapln;
        p.niepobranewkasie = flag;
        p.rachunek1czywaluta = konto1;
        p.rachunek2czywaluta = konto1;
        p.zaz = QString(ZAZ_NIEZAZNACZONY);
        return repo.dopiszPozycje(p);
    }
    QString zaz(int id) { return repo.pozycja(id).zaz; }
};

} // namespace

class ListRepositoryTest : public QObject {
    Q_OBJECT
private slots:
    void totalsSumPositionsAndFlagCashAmounts();
    void marksToggleAndFollowAccountKinds();
    void collectionAndToDoFlagsCycle();
    void markByDatesKeepsEarlierMarks();
    void deletionsKeepTotalsAndTakePositionsWithTheList();
    void recalculationIsAllOrNothing();
    void headerChecksInOrder();
    void closedListsAreProtectedOnlyInOneUnit();
};

void ListRepositoryTest::totalsSumPositionsAndFlagCashAmounts() {
    Fixture f;
    const int a = f.add("ABACKI", 100.10, 40.05);
    const int b = f.add("BABACKI", 200.20, 0, "N");
    f.add("CEBULA", 0.3, 0.3, "N");
    const SumyListy s = f.repo.sumylisty(f.list);
    QCOMPARE(s.iloscpozycji, 3);
    QCOMPARE(s.razem, 100.10 + 200.20 + 0.3);
    QCOMPARE(s.zaliczka, 40.05 + 0.0 + 0.3);
    const Lista l = f.repo.lista(f.list);
    QCOMPARE(l.razem, s.razem);
    QCOMPARE(l.zaliczka, s.zaliczka);
    QCOMPARE(l.rachunek, (100.10 - 40.05) + (200.20 - 0) + (0.3 - 0.3));
    QCOMPARE(l.iloscpozycji, 3);
    // A cash amount without a collection flag is taken as paid out; set flags stay.
    QCOMPARE(f.repo.pozycja(a).niepobranewkasie, "W");
    QCOMPARE(f.repo.pozycja(b).niepobranewkasie, "N");
}

void ListRepositoryTest::marksToggleAndFollowAccountKinds() {
    Fixture f;
    const int pln = f.add("A", 1, 0, {}, "N");
    const int wal = f.add("B", 1, 0, {}, "T");
    f.repo.przelaczZaznaczenie(pln);
    QCOMPARE(f.zaz(pln), QString(ZAZ_ZAZNACZONY));
    f.repo.przelaczZaznaczenie(pln);
    QCOMPARE(f.zaz(pln), QString(ZAZ_NIEZAZNACZONY));
    f.t.db().exec("update pozycja set zaz = null where id = ?", {pln});
    f.repo.przelaczZaznaczenie(pln); // anything but the unmarked sign becomes unmarked
    QCOMPARE(f.zaz(pln), QString(ZAZ_NIEZAZNACZONY));

    f.repo.zaznaczRachunki(f.list, "T");
    QCOMPARE(f.zaz(wal), QString(ZAZ_ZAZNACZONY));
    QCOMPARE(f.zaz(pln), QString(ZAZ_NIEZAZNACZONY));
    f.repo.zaznaczRachunki(f.list, "N");
    QCOMPARE(f.zaz(wal), QString(ZAZ_NIEZAZNACZONY));
    QCOMPARE(f.zaz(pln), QString(ZAZ_ZAZNACZONY));
    f.repo.zaznaczWszystkie(f.list);
    QCOMPARE(f.repo.iloscZaznaczonych(f.list), 2);
    f.repo.odznaczWszystkie(f.list);
    QCOMPARE(f.repo.iloscZaznaczonych(f.list), 0);
}

void ListRepositoryTest::collectionAndToDoFlagsCycle() {
    Fixture f;
    const int cash = f.add("A", 10, 5, "W");
    const int bank = f.add("B", 10, 0, "W");
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        f.repo.przelaczNiepobrane(cash);
        f.repo.przelaczNiepobrane(bank);
        seen << f.repo.pozycja(cash).niepobranewkasie + "/" + f.repo.pozycja(bank).niepobranewkasie;
    }
    QCOMPARE(seen, (QStringList{"N/", "W/W", "N/"}));
    // Without a cash amount the flag cycles to no flag, stored as null like the calculation's.
    QVERIFY(f.t.db().scalar("select niepobranewkasie from pozycja where id = ?", {bank}).isNull());

    // A position left without a flag and later given a cash amount is paid out again by the
    // totals; a '' of older data counts the same as null.
    const int old = f.add("C", 10, 0, "W");
    f.t.db().exec("update pozycja set niepobranewkasie = '' where id = ?", {old});
    f.t.db().exec("update pozycja set zaliczkapln = 5 where id in (?, ?)", {bank, old});
    f.repo.sumylisty(f.list);
    QCOMPARE(f.repo.pozycja(bank).niepobranewkasie, "W");
    QCOMPARE(f.repo.pozycja(old).niepobranewkasie, "W");
    QCOMPARE(f.repo.pozycja(cash).niepobranewkasie, "N");

    f.repo.przelaczDoZrobienia(cash);
    f.repo.przelaczDoZrobienia(bank);
    QCOMPARE(f.repo.iloscDoZrobienia(f.list), 2);
    f.repo.przelaczDoZrobienia(cash);
    f.repo.przelaczDoZrobienia(bank);
    QCOMPARE(f.repo.iloscDoZrobienia(f.list), 0);
}

void ListRepositoryTest::markByDatesKeepsEarlierMarks() {
    Fixture f;
    auto withDates = [&](const char* name, QDate start, QDate end) {
        Pozycja p = f.repo.pozycja(f.add(name, 1));
        p.datanabycia = start;
        p.datautraty = end;
        f.repo.zapiszPozycje(p);
        return p.id;
    };
    const int early = withDates("A", QDate(2027, 3, 1), QDate(2999, 1, 1));
    const int leaving = withDates("B", QDate(2026, 9, 1), QDate(2027, 3, 20));
    const int other = withDates("C", QDate(2026, 9, 1), QDate(2999, 1, 1));
    const int marked = withDates("D", QDate(2026, 1, 1), QDate(2999, 1, 1));
    f.repo.przelaczZaznaczenie(marked);
    const int n = f.repo.zaznaczWgDat(f.list, ZakresDat{QDate(2027, 3, 1), QDate(2027, 3, 1)},
                                      ZakresDat{QDate(2027, 3, 20), QDate(2027, 3, 31)});
    QCOMPARE(n, 2);
    QCOMPARE(f.zaz(early), QString(ZAZ_ZAZNACZONY));
    QCOMPARE(f.zaz(leaving), QString(ZAZ_ZAZNACZONY));
    QCOMPARE(f.zaz(other), QString(ZAZ_NIEZAZNACZONY));
    QCOMPARE(f.zaz(marked), QString(ZAZ_ZAZNACZONY));
    QCOMPARE(f.repo.zaznaczWgDat(f.list, std::nullopt, std::nullopt), 0);
}

void ListRepositoryTest::deletionsKeepTotalsAndTakePositionsWithTheList() {
    Fixture f;
    const int a = f.add("A", 10);
    const int b = f.add("B", 20);
    f.add("C", 0);
    f.add("D", 40);
    f.repo.przelaczZaznaczenie(a);
    f.repo.przelaczZaznaczenie(b);
    QCOMPARE(f.repo.usunZaznaczone(f.list), 2);
    QCOMPARE(f.repo.lista(f.list).razem, 40.0);
    QCOMPARE(f.repo.usunPuste(f.list), 1);
    QCOMPARE(f.repo.lista(f.list).iloscpozycji, 1);
    f.repo.usunPozycje(f.repo.pozycje(f.list).first().id);
    QCOMPARE(f.repo.lista(f.list).iloscpozycji, 0);
    QCOMPARE(f.repo.lista(f.list).razem, 0.0);

    f.add("E", 5);
    Fixture other; // another list stays untouched
    f.repo.usunListe(f.list);
    QCOMPARE(f.t.db().scalar("select count(*) from pozycja").toInt(), 0);
    QCOMPARE(f.t.db().scalar("select count(*) from lista").toInt(), 0);
}

void ListRepositoryTest::recalculationIsAllOrNothing() {
    Fixture f;
    f.add("A", 1);
    f.add("B", 2);
    f.add("C", 3);
    f.repo.przeliczWszystkie(f.list, [](Pozycja& p) { p.razem *= 10; });
    QCOMPARE(f.repo.sumylisty(f.list).razem, 60.0);
    int seen = 0;
    QVERIFY_THROWS_EXCEPTION(VexaError, f.repo.przeliczWszystkie(f.list, [&](Pozycja& p) {
        p.razem = -1;
        if (++seen == 3)
            throw VexaError("przerwane");
    }));
    QCOMPARE(f.repo.sumylisty(f.list).razem, 60.0);
}

void ListRepositoryTest::headerChecksInOrder() {
    Lista l;
    QStringList fields;
    auto next = [&] {
        const auto e = SprawdzNaglowekListy(l);
        return e ? e->pole : QString("ok");
    };
    fields << next();
    l.datawykonania = QDate(2027, 3, 31);
    fields << next();
    l.dowodca1 = "DOWÓDCA";
    fields << next();
    l.dowodca3 = "płk JAN NOWAK";
    fields << next();
    l.zgodnoscetatowa = "X";
    fields << next();
    l.wykonal = "X";
    fields << next();
    l.finansista = "X";
    fields << next(); // empty currency is not PLN: the table is asked first
    l.tabelazaliczki = "A/1";
    fields << next();
    l.walutazaliczki = "USD";
    fields << next();
    l.kurszaliczki = 3.9;
    fields << next();
    l.kursrach = 1;
    fields << next();
    QCOMPARE(fields, (QStringList{"datawykonania", "dowodca1", "dowodca3", "zgodnoscetatowa",
                                  "wykonal", "finansista", "tabelazaliczki", "walutazaliczki",
                                  "kurszaliczki", "kursrach", "ok"}));
    l.walutazaliczki = "PLN";
    l.tabelazaliczki.clear();
    QVERIFY(!SprawdzNaglowekListy(l));
    l.kursrach = 0;
    QCOMPARE(SprawdzNaglowekListy(l)->komunikat,
             "Proszę wprowadzić kurs waluty\rdla przelewów na rachunki bankowe w kraju!");
}

void ListRepositoryTest::closedListsAreProtectedOnlyInOneUnit() {
    TestDb t;
    QVERIFY(!listyzamkniete(t.db()));
    Zapis(t.db(), "NRIDJW", "1234567");
    QVERIFY(!listyzamkniete(t.db()));
    Zapis(t.db(), "NRIDJW", "4731086");
    QVERIFY(listyzamkniete(t.db()));
}

QTEST_GUILESS_MAIN(ListRepositoryTest)
#include "list_repository_test.moc"
