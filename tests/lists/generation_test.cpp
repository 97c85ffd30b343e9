#include "data/codepage.h"
#include "data/error.h"
#include "data/settings.h"
#include "lists/generation.h"
#include "persons/days_off.h"
#include "persons/person_repository.h"
#include "support/unit_fixture.h"

#include <QtTest>

using namespace vexa;

using Unit = UnitFixture;

class GenerationTest : public QObject {
    Q_OBJECT
private slots:
    void dialogChecksInOrder();
    void fullListTakesEntitledActivePersonsOnce();
    void unrecoveredAdvanceIsNotedAndCleared();
    void appendAddsOnlyNewPersonsNumberedAgain();
    void duplicateMonthAsksAndNoCreatesNothing();
    void failureHalfWayLeavesNoListBehind();
    void shortListsByKind();
    void specialListHoldsTheDifference();
};

void GenerationTest::dialogChecksInOrder() {
    NowaLista n;
    n.wybranyPododdzial = true;
    n.specjalna = true;
    n.kurszaliczki = 0;
    n.kursrach = 0;
    n.rok = 1999;
    QStringList focus;
    auto step = [&] { focus << (SprawdzNowaListe(n) ? SprawdzNowaListe(n)->pole : "ok"); };
    step();
    n.skrotpododdzial = "KOMP";
    step();
    n.nr = "1";
    step();
    n.miesiac = 3;
    step();
    n.rok = 2027;
    step();
    n.kurszaliczki = 3.9;
    step();
    n.kursrach = 1;
    step();
    n.idWyplaconej = 1;
    step();
    n.idNaliczonej = 2;
    step();
    QCOMPARE(focus, (QStringList{"epododdzial", "enrlisty", "emiesiac", "erok", "ekurswaluty",
                                 "ekursrach", "ewyplacona", "enaliczona", "ok"}));
    QCOMPARE(MiesiacRok(3, 2027), "03/2027");
}

void GenerationTest::fullListTakesEntitledActivePersonsOnce() {
    Unit u;
    u.person("ADAMSKI", "80010112340");                                   // whole month
    const int late = u.person("BORSUK", "75031512352", QDate(2027, 3, 10)); // from the 10th
    u.person("CYWIL", "80010112340", QDate(2027, 1, 1), QDate(2999, 1, 1), "P");
    u.person("DAWNY", "80010112340", QDate(2026, 1, 1), QDate(2027, 2, 28)); // gone: dropped
    u.person("ETAT", "");                                                // no PESEL: kept
    const int taxed = u.person("FISKUS", "80010112340");
    u.db.exec("update osoba set podatekproc = 18 where id = ?", {taxed});
    const int inactive = u.person("GONE", "80010112340");
    u.db.exec("update osoba set akt = 'N' where id = ?", {inactive});
    u.db.exec("update osoba set zaliczka = 100 where id = ?", {late});
    DopiszDzienWolny(u.db, {"75031512352", "U", QDate(2027, 3, 20), QDate(2027, 3, 22), "1"});

    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    QVERIFY(id > 0);
    QCOMPARE(u.msg.count(), 0);
    const Lista l = u.lists.lista(id);
    QCOMPARE(l.nr, "1_2027_A");
    QCOMPARE(l.miesiacrok, "03/2027");
    QCOMPARE(l.typ + l.status + l.czy_dod_wojenny + l.osobnosrhigieny, "POTT");
    QCOMPARE(l.uposazenie, 4000.0);
    QCOMPARE(l.walutazaliczki, "USD");

    const QList<Pozycja> pos = u.lists.pozycje(id);
    QStringList names;
    for (const Pozycja& p : pos)
        names << QString("%1:%2").arg(p.nazwisko).arg(p.lp);
    // ETAT keeps its place number 4 after DAWNY (3) was dropped.
    QCOMPARE(names, (QStringList{"ADAMSKI:1", "BORSUK:2", "ETAT:4"}));
    const Pozycja& a = pos[0];
    const Pozycja& b = pos[1];
    QCOMPARE(a.mnoznik, 1.5);
    QCOMPARE(a.iloscdni, std::optional<int>(31));
    QCOMPARE(a.naleznosc, 6000.0); // full month: 4000 × 1.5
    QCOMPARE(a.srhigieny, 100.0);  // a woman (tenth digit even)
    QCOMPARE(a.kddw, "T");
    QCOMPARE(a.niepobranewkasie + a.zaz, "W" + QString(ZAZ_NIEZAZNACZONY));
    QCOMPARE(b.iloscdni, std::optional<int>(22));
    QCOMPARE(b.dni_wolne_u, 3);
    QCOMPARE(b.srhigieny, 90.0);         // a man
    QCOMPARE(b.innezmniejszenia, 400.0); // 100 USD at 4
    QCOMPARE(pos[2].iloscdni, std::optional<int>(0));
    double sum = 0;
    for (const Pozycja& p : pos)
        sum = sum + p.razem;
    QCOMPARE(l.razem, sum);
    QCOMPARE(l.iloscpozycji, 3);
}

void GenerationTest::unrecoveredAdvanceIsNotedAndCleared() {
    Unit u;
    const int id = u.person("ADAMSKI", "80010112340");
    u.db.exec("update osoba set zaliczka = 2000 where id = ?", {id}); // 8000 PLN > 6000 due
    const int list = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    const Pozycja p = u.lists.pozycje(list).first();
    QCOMPARE(p.dowyplaty, 0.0);
    QCOMPARE(p.uwagi, "Niepotrącona kwota zaliczki: 2000 PLN");
    QCOMPARE(p.innezmniejszenia, 6000.0);
}

void GenerationTest::appendAddsOnlyNewPersonsNumberedAgain() {
    Unit u;
    u.person("ADAMSKI", "80010112340");
    u.person("BORSUK", "75031512352");
    const int list = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    u.person("CELINA", "02210123458");
    QCOMPARE(DopiszNoweOsoby(u.db, list), 1);
    QCOMPARE(DopiszNoweOsoby(u.db, list), 0);
    const QList<Pozycja> pos = u.lists.pozycje(list);
    QCOMPARE(pos.size(), 3);
    QCOMPARE(pos[2].nazwisko, "CELINA");
    QCOMPARE(pos[2].lp, 1);
    QCOMPARE(u.lists.lista(list).iloscpozycji, 3);
}

void GenerationTest::duplicateMonthAsksAndNoCreatesNothing() {
    Unit u;
    u.person("ADAMSKI", "80010112340");
    QVERIFY(UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31)) > 0);
    u.msg.answer(NIE);
    QCOMPARE(UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31)), 0);
    QCOMPARE(u.msg.texts(),
             QStringList{"Lista należności już została sporządzona!\r\rPododdział: \rMiesiąc: "
                         "03/2027\r\rCzy jesteś pewien, że chcesz utworzyć listę?"});
    QCOMPARE(u.count("lista"), 1);
    NowaLista n = u.full();
    n.dodatekWojenny = false;
    u.msg.clear();
    QVERIFY(UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31)) > 0);
    QCOMPARE(u.msg.texts().first(),
             "Zostanie wygenerowana lista należności nie uwzględniająca dodatku wojennego...");
    QCOMPARE(u.count("lista"), 2);
}

void GenerationTest::failureHalfWayLeavesNoListBehind() {
    Unit u;
    for (int i = 0; i < 5; ++i)
        u.person(QString("OSOBA%1").arg(i), "80010112340");
    OpcjeGenerowania faulty;
    faulty.poPozycji = [](int n) {
        if (n == 3)
            throw VexaError("awaria");
    };
    QVERIFY_THROWS_EXCEPTION(VexaError, UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31), faulty));
    QCOMPARE(u.count("lista"), 0);
    QCOMPARE(u.count("pozycja"), 0);
    QVERIFY(UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31)) > 0);
    QCOMPARE(u.count("pozycja"), 5);
}

void GenerationTest::shortListsByKind() {
    Unit u;
    u.person("ADAMSKI", "80010112340");
    u.person("BYLY", "75031512352", QDate(2026, 1, 1), QDate(2027, 1, 31));
    NowaLista n = u.full();
    n.dodatkowa = true;
    n.rodzaj = "JN";
    const int jn = UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31));
    const QList<Pozycja> onJn = u.lists.pozycje(jn);
    QCOMPARE(onJn.size(), 2); // other kinds keep everybody
    QCOMPARE(onJn[0].razem, 4000.0);
    QCOMPARE(u.lists.lista(jn).uposazenie, 0.0);

    n.rodzaj = "SH";
    const int sh = UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31));
    const QList<Pozycja> onSh = u.lists.pozycje(sh);
    QCOMPARE(onSh.size(), 1); // no entitlement days in March: dropped
    QCOMPARE(onSh[0].razem, 100.0);
    QCOMPARE(u.msg.count(), 0); // additional lists are never duplicates
}

void GenerationTest::specialListHoldsTheDifference() {
    Unit u;
    u.person("ADAMSKI", "80010112340");
    u.person("BORSUK", "75031512352");
    NowaLista n = u.full();
    n.dodatkowa = true;
    n.rodzaj = "JN";
    // Both source lists carry the same number (a proposed number repeats after a deletion):
    // the special list takes them by id.
    n.nr = "7";
    const int computed = UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31));
    const int paid = UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31));
    u.db.exec("update pozycja set razem = 1500 where idlisty = ? and nazwisko = 'ADAMSKI'", {paid});
    u.db.exec("delete from pozycja where idlisty = ? and nazwisko = 'BORSUK'", {paid});
    n.specjalna = true;
    n.nr = "ROZNICA";
    const QList<ListaDoWyboru> choosers = ListyMiesiaca(u.db, "03/2027", nullptr);
    QCOMPARE(choosers.size(), 2);
    QCOMPARE(choosers[0].id, computed);
    QCOMPARE(choosers[1].id, paid);
    QCOMPARE(choosers[0].nr, choosers[1].nr);
    n.idWyplaconej = paid;
    n.idNaliczonej = computed;
    const int diff = UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31));
    QVERIFY(diff != computed);
    const QList<Pozycja> pos = u.lists.pozycje(diff);
    QCOMPARE(pos.size(), 2);
    QCOMPARE(pos[0].razem, 2500.0);
    QCOMPARE(pos[1].razem, 4000.0);
    QVERIFY(pos[0].bic1.isEmpty());

    // A chosen list deleted since it was offered is refused, and no list is left behind.
    u.lists.usunListe(paid);
    const int lists = u.db.scalar("select count(*) from lista").toInt();
    QVERIFY_THROWS_EXCEPTION(VexaError, UtworzListe(u.db, u.msg, n, QDate(2027, 3, 31)));
    QCOMPARE(u.db.scalar("select count(*) from lista").toInt(), lists);
}

QTEST_GUILESS_MAIN(GenerationTest)
#include "generation_test.moc"
