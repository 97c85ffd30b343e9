#include "data/codepage.h"
#include "data/settings.h"
#include "lists/constants.h"
#include "lists/list_editing.h"
#include "support/unit_fixture.h"

#include <QtTest>

using namespace vexa;

namespace {

// A unit with three soldiers on a full list of March 2027 whose header passes every check.
struct Lista3 : UnitFixture {
    int id = 0;
    Lista3() {
        person("ADAMSKI", "80010112340");
        person("BORSUK", "75031512352", QDate(2027, 3, 10));
        person("CEGLA", "82020212345");
        id = UtworzListe(db, msg, full(), QDate(2027, 3, 31));
        Lista l = lists.lista(id);
        l.datawykonania = QDate(2027, 3, 31);
        l.dowodca3 = "płk A. B.";
        l.zgodnoscetatowa = "kpt. C. D.";
        l.wykonal = "st. chor. E. F.";
        l.finansista = "mjr G. H.";
        l.tabelazaliczki = "001/A/NBP/2027";
        lists.zapiszListe(l);
        msg.clear();
    }
    Lista lista() { return lists.lista(id); }
    QList<Pozycja> pozycje() { return lists.pozycje(id); }
    bool zatwierdz(Lista& edited, const Lista& stored, bool* walked = nullptr) {
        return !ZatwierdzListe(db, msg, edited, stored, ZapamietaneWartosci::z(stored),
                               BiezaceDaneNaliczenia(db), walked)
                    .has_value();
    }
};

const QString kZmianaNaleznosci =
    "W związku ze zmianą kursu waluty, zwiększenia należności MON lub najniższego uposażenia "
    "żołnierza zawodowego, aplikacja zaktualizuje wszystkie pozycje listy należności.\r\r"
    "Proszę czekać...";

} // namespace

class ListEditingTest : public QObject {
    Q_OBJECT
private slots:
    void titleNamesContingentSubUnitPersonsAndMonth();
    void unchangedRatesTouchNoPositionButWriteTotals();
    void changedMonIncreaseRecalculatesEveryPosition();
    void taxAndBankRateChangesRecalculateToo();
    void refusedHeaderWritesNothing();
    void protectedClosedListKeepsItsHeaderButCanBeClosed();
    void positionSaveRecalculatesAndTotalsOrRefuses();
    void cancelledHeaderRecalculatesFromTheStoredOne();
    void dateRangesAndRepeatedJnPersons();
};

void ListEditingTest::titleNamesContingentSubUnitPersonsAndMonth() {
    Lista l;
    l.skrotpkw = "PKW";
    l.skrotpododdzial = "KOMP";
    l.miesiacrok = "03/2027";
    l.zp = "Z";
    QCOMPARE(TytulListy(l), "PKW - KOMP - ŻOŁNIERZE  - 03/2027");
    l.zp = "P";
    QCOMPARE(TytulListy(l), "PKW - KOMP - PRACOWNICY WOJSKA  - 03/2027");
    QCOMPARE(RokListy(l), "2027");
}

void ListEditingTest::unchangedRatesTouchNoPositionButWriteTotals() {
    Lista3 u;
    // A stored amount the calculation would never give shows whether a position was touched.
    const Pozycja first = u.pozycje().first();
    u.db.exec("update pozycja set razem = 12345.67, zaliczkapln = 10 where id = ?", {first.id});
    Lista stored = u.lista();
    Lista edited = stored;
    edited.wykonal = "sierż. I. J.";
    bool walked = true;
    QVERIFY(u.zatwierdz(edited, stored, &walked));
    QVERIFY(!walked);
    QCOMPARE(u.msg.count(), 0);
    const Pozycja after = u.lists.pozycja(first.id);
    QCOMPARE(after.razem, 12345.67);
    QCOMPARE(after.niepobranewkasie, "W"); // a cash amount without a flag is paid out
    double sum = 0;
    for (const Pozycja& p : u.pozycje())
        sum += p.razem;
    const Lista l = u.lista();
    QCOMPARE(l.razem, sum);
    QCOMPARE(l.wykonal, "sierż. I. J.");
    QCOMPARE(edited.razem, sum);
}

void ListEditingTest::changedMonIncreaseRecalculatesEveryPosition() {
    Lista3 u;
    u.db.exec("update lista set zwnaleznmon = 10.2 where id = ?", {u.id});
    u.db.exec("update pozycja set razem = 1 where idlisty = ?", {u.id});
    Lista stored = u.lista();
    Lista edited = stored;
    edited.zwnaleznmon = 10.0;
    edited.nr = "2/2027 B\\C";
    bool walked = false;
    QVERIFY(u.zatwierdz(edited, stored, &walked));
    QVERIFY(walked);
    QCOMPARE(u.msg.texts(), (QStringList{kZmianaNaleznosci, "Aktualizacja zakończona."}));
    const Lista l = u.lista();
    QCOMPARE(l.nr, "2_2027_B_C");
    double sum = 0;
    for (Pozycja p : u.pozycje()) {
        QVERIFY(p.razem > 1000);
        if (p.nazwisko == "ADAMSKI")
            QCOMPARE(p.zwnaleznmon, 400.0); // 10 % of 4000 for the whole month
        const double stored = p.razem;
        przeliczpozycje(l, p, BiezaceDaneNaliczenia(u.db));
        QCOMPARE(p.razem, stored);
        sum += stored;
    }
    QCOMPARE(l.razem, sum);
}

void ListEditingTest::taxAndBankRateChangesRecalculateToo() {
    Lista3 u;
    Lista stored = u.lista();
    Lista edited = stored;
    edited.podatek_dieta = 50;
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.msg.texts(),
             (QStringList{"W związku ze zmianą kursu waluty dla podatku lub diety aplikacja "
                          "zaktualizuje wszystkie pozycje listy należności.\r\rProszę czekać...",
                          "Aktualizacja zakończona."}));
    // The bank rate converts currency accounts: changing it alone updates the positions.
    u.msg.clear();
    stored = u.lista();
    edited = stored;
    edited.kursrach = 4;
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.msg.texts(), (QStringList{kZmianaNaleznosci, "Aktualizacja zakończona."}));

    // Both kinds of change: both notices, then the work, then the closing message, and not one
    // of them while the list's transaction holds the file.
    u.msg.clear();
    stored = u.lista();
    edited = stored;
    edited.kurszaliczki = 4.5;
    edited.podatek_kurs = 4.5;
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.msg.count(), 3);
    QCOMPARE(u.msg.texts().first(), kZmianaNaleznosci);
    QCOMPARE(u.msg.texts().last(), "Aktualizacja zakończona.");
    for (const ScriptedMessages::Asked& a : u.msg.asked())
        QVERIFY2(!a.inTransaction, qPrintable(a.text));
    QCOMPARE(u.lista().kurszaliczki, 4.5);
}

void ListEditingTest::refusedHeaderWritesNothing() {
    Lista3 u;
    Lista stored = u.lista();
    Lista edited = stored;
    edited.finansista = "  ";
    edited.zwnaleznmon = 0;
    const auto blad = ZatwierdzListe(u.db, u.msg, edited, stored, ZapamietaneWartosci::z(stored),
                                     BiezaceDaneNaliczenia(u.db));
    QVERIFY(blad);
    QCOMPARE(blad->pole, "finansista");
    QCOMPARE(u.msg.count(), 0);
    QCOMPARE(u.lista().finansista, "mjr G. H.");
    QCOMPARE(u.lista().zwnaleznmon, stored.zwnaleznmon);
    edited.finansista = "mjr X";
    edited.kurszaliczki = 0;
    QCOMPARE(ZatwierdzListe(u.db, u.msg, edited, stored, ZapamietaneWartosci::z(stored),
                            BiezaceDaneNaliczenia(u.db))
                 ->pole,
             "kurszaliczki");
}

void ListEditingTest::protectedClosedListKeepsItsHeaderButCanBeClosed() {
    Lista3 u;
    Zapis(u.db, "NRIDJW", "4731086");
    // Closing an open list is a change of an open list: it is stored.
    Lista stored = u.lista();
    Lista edited = stored;
    edited.status = "Z";
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.msg.count(), 0);
    QCOMPARE(u.lista().status, "Z");
    // Once closed, nothing of it changes: neither its header nor its status.
    stored = u.lista();
    edited = stored;
    edited.status = "O";
    edited.uposazenie = 5000;
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.msg.texts(), QStringList{LISTA_ZAMKNIETA_ANULOWANO});
    QCOMPARE(u.lista().status, "Z");
    QCOMPARE(u.lista().uposazenie, 4000.0);
    QCOMPARE(edited.uposazenie, 4000.0);
    // In any other unit closed lists stay editable.
    Zapis(u.db, "NRIDJW", "1234567");
    u.msg.clear();
    edited.status = "O";
    QVERIFY(u.zatwierdz(edited, stored));
    QCOMPARE(u.lista().status, "O");
}

void ListEditingTest::positionSaveRecalculatesAndTotalsOrRefuses() {
    Lista3 u;
    Pozycja p = u.pozycje().first();
    const double before = u.lista().razem;
    p.wyrownanie = 100;
    SumyListy s;
    QVERIFY(ZapiszPozycjeListy(u.db, u.lista(), u.lista(), p, BiezaceDaneNaliczenia(u.db), &s));
    QCOMPARE(u.lists.pozycja(p.id).wyrownanie, 100.0);
    QCOMPARE(s.razem, before + 100);
    QCOMPARE(u.lista().razem, before + 100);

    Zapis(u.db, "NRIDJW", "4731086");
    u.db.exec("update lista set status = 'Z' where id = ?", {u.id});
    p.wyrownanie = 0;
    QVERIFY(!ZapiszPozycjeListy(u.db, u.lista(), u.lista(), p, BiezaceDaneNaliczenia(u.db)));
    QCOMPARE(u.lists.pozycja(p.id).wyrownanie, 100.0);
}

void ListEditingTest::cancelledHeaderRecalculatesFromTheStoredOne() {
    Lista3 u;
    const Lista stored = u.lista();
    const Pozycja original = u.pozycje().first();
    Lista typed = stored;
    typed.uposazenie = 5000;
    QVERIFY(RozneDoNaliczen(typed, stored));
    QVERIFY(!RozneDoNaliczen(stored, stored));
    Pozycja p = original;
    QVERIFY(ZapiszPozycjeListy(u.db, typed, stored, p, BiezaceDaneNaliczenia(u.db)));
    QVERIFY(u.lists.pozycja(p.id).razem > original.razem);
    PrzeliczListe(u.db, stored, BiezaceDaneNaliczenia(u.db));
    QCOMPARE(u.lists.pozycja(p.id).razem, original.razem);
    QCOMPARE(u.lista().razem, stored.razem);
}

void ListEditingTest::dateRangesAndRepeatedJnPersons() {
    const QDate a(2027, 3, 1), b(2027, 3, 31);
    QVERIFY(!SprawdzZakresyDat(ZakresDat{a, a}, ZakresDat{a, b}));
    QVERIFY(!SprawdzZakresyDat(std::nullopt, std::nullopt));
    const auto nab = SprawdzZakresyDat(ZakresDat{b, a}, ZakresDat{b, a});
    QVERIFY(nab && nab->nabycie);
    QCOMPARE(nab->komunikat, "Niewłaściwy zakres daty nabycia uprawnień!");
    const auto utr = SprawdzZakresyDat(std::nullopt, ZakresDat{b, a});
    QVERIFY(utr && !utr->nabycie);
    QCOMPARE(utr->komunikat, "Niewłaściwy zakres daty utraty uprawnień!");

    TestDb t;
    ListRepository repo(t.db());
    auto list = [&](const QString& month, const QString& rodzaj) {
        Lista l;
        l.miesiacrok = month;
        l.rodzaj = rodzaj;
        l.typ = "D";
        return repo.dopiszListe(l);
    };
    auto pos = [&](int idlisty, const QString& pesel) {
        Pozycja p;
        p.idlisty = idlisty;
        p.pesel = pesel;
        repo.dopiszPozycje(p);
    };
    const int jan = list("01/2027", "JN"), feb = list("02/2027", "JN");
    const int other = list("02/2027", "NP"), old = list("12/2026", "JN");
    pos(jan, "111"), pos(feb, "111");   // twice in 2027
    pos(jan, "222"), pos(other, "222"); // the second is not a JN list
    pos(jan, "333"), pos(old, "333");   // the second is of another year
    pos(jan, ""), pos(feb, "");         // no PESEL: nobody to repeat
    QCOMPARE(PowtorzonePeseleJN(t.db(), "2027"), QSet<QString>{"111"});
}

QTEST_GUILESS_MAIN(ListEditingTest)
#include "list_editing_test.moc"
