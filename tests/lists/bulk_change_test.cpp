#include "data/codepage.h"
#include "lists/bulk_change.h"
#include "lists/calculation.h"
#include "support/unit_fixture.h"

#include <QtTest>

using namespace vexa;

namespace {

struct Marked : UnitFixture {
    int list = 0;
    QList<Pozycja> pos;
    explicit Marked(bool additional = false) {
        person("ADAMSKI", "80010112340");
        person("BORSUK", "75031512352");
        NowaLista n = full();
        if (additional) {
            n.dodatkowa = true;
            n.rodzaj = "JN";
        }
        list = UtworzListe(db, msg, n, QDate(2027, 3, 31));
        lists.przelaczZaznaczenie(lists.pozycje(list).first().id); // ADAMSKI only
    }
    Pozycja at(int i) { return lists.pozycje(list).at(i); }
};

} // namespace

class BulkChangeTest : public QObject {
    Q_OBJECT
private slots:
    void fullListChangesMarkedPositionsOnly();
    void hygieneSetInBulkSurvivesRecalculation();
    void personalDataAndGradeComeFromTheRegister();
    void zeroingKeepsTheMonIncreaseDays();
    void shortListAmountIsSetThenConverted();
    void captionsAndMessages();
};

void BulkChangeTest::fullListChangesMarkedPositionsOnly() {
    Marked m;
    const Pozycja before = m.at(1);
    ZmianaPozycji z;
    z.wyrownanie = 100;
    z.uwagi = "KOREKTA";
    QCOMPARE(ZmienZaznaczonePozycje(m.db, m.list, z), 1);
    QCOMPARE(m.at(0).wyrownanie, 100.0);
    QCOMPARE(m.at(0).razem, 6000.0 + 100.0); // recomputed with the settlement
    QCOMPARE(m.at(0).uwagi, "KOREKTA");
    QCOMPARE(m.at(1).razem, before.razem);
    QCOMPARE(m.at(1).uwagi, before.uwagi);
    QCOMPARE(m.lists.lista(m.list).razem, 6100.0 + before.razem);
}

void BulkChangeTest::hygieneSetInBulkSurvivesRecalculation() {
    Marked m;
    ZmianaPozycji z;
    z.srhigieny = 55.5;
    ZmienZaznaczonePozycje(m.db, m.list, z);
    Pozycja p = m.at(0);
    QCOMPARE(p.czyzmianasrhigieny, "T");
    przeliczpozycje(m.lists.lista(m.list), p, DaneNaliczenia{90, 100});
    QCOMPARE(p.srhigieny, 55.5);
}

void BulkChangeTest::personalDataAndGradeComeFromTheRegister() {
    Marked m;
    m.db.exec("insert into ste (skrot, nazwa, mnoznik) values ('sierż.', 'SIERŻANT', 2)");
    m.db.exec("update osoba set stanowisko = 'DOWÓDCA', ste = 'sierż.', zaliczka = 10, "
              "rachunek1 = '60 1020 1026 0000 0422 7020 1111' where nazwisko = 'ADAMSKI'");
    m.db.exec("update pozycja set wyrownanie = 8");
    ZmianaPozycji z;
    z.daneOsobowe = true;
    z.zaliczka = true;
    z.mnoznik = true;
    ZmienZaznaczonePozycje(m.db, m.list, z);
    const Pozycja p = m.at(0);
    QCOMPARE(p.stanowisko, "DOWÓDCA");
    QCOMPARE(p.ste, "sierż.");
    QCOMPARE(p.mnoznik, 2.0);
    QCOMPARE(p.nrachunek1, "60 1020 1026 0000 0422 7020 1111");
    QCOMPARE(p.zaliczkawaluta, 12.0); // 10 + 8 / 4, kept since there is an account
    QCOMPARE(p.zaliczkapln, 48.0);

    // An inactive person keeps the position's data.
    m.db.exec("update osoba set akt = 'N', stanowisko = 'INNE' where nazwisko = 'ADAMSKI'");
    ZmienZaznaczonePozycje(m.db, m.list, z);
    QCOMPARE(m.at(0).stanowisko, "DOWÓDCA");
}

void BulkChangeTest::zeroingKeepsTheMonIncreaseDays() {
    Marked m;
    ZmianaPozycji z;
    z.iloscdniwojna = 5;
    z.zeruj = true;
    ZmienZaznaczonePozycje(m.db, m.list, z);
    const Pozycja p = m.at(0);
    QCOMPARE(p.mnoznik, 0.0);
    QCOMPARE(p.iloscdniwojna, std::optional<int>(0));
    QCOMPARE(p.iloscdnizwmon, std::optional<int>(31));
    QCOMPARE(p.naleznosc, 0.0);
}

void BulkChangeTest::shortListAmountIsSetThenConverted() {
    Marked m(true);
    ZmianaPozycjiSkroconej z;
    z.przelicz = 1;
    ZmienZaznaczonePozycje(m.db, m.list, z);
    QCOMPARE(m.at(0).razem, 4000.0);
    z.razem = 100.01;
    z.przelicz = 3.333333;
    ZmienZaznaczonePozycje(m.db, m.list, z);
    QCOMPARE(m.at(0).razem, 333.37); // 100.01 × 3.333333 = 333.3666... → 333.37
    QCOMPARE(m.at(1).razem, 4000.0);
}

void BulkChangeTest::captionsAndMessages() {
    QCOMPARE(OpisDniWojennych(12.5), "ILOŚĆ DNI DODATKU\rWOJENNEGO 13%");
    QCOMPARE(BrakZaznaczonychPozycji("P"),
             "Nie zaznaczono żadnej pozycji na liście nalezności zagranicznych!");
    QCOMPARE(BrakZaznaczonychPozycji("D"),
             "Nie zaznaczono żadnej pozycji na dodatkowej liście nalezności zagranicznych!");
}

QTEST_GUILESS_MAIN(BulkChangeTest)
#include "bulk_change_test.moc"
