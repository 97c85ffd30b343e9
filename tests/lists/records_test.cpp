#include "lists/records.h"
#include "persons/records.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

template <class S> QStringList names(const QList<Kolumna<S>>& cols) {
    QStringList n;
    for (const auto& c : cols)
        n << c.name.toLower();
    return n;
}

QStringList lower(QStringList l) {
    for (QString& s : l)
        s = s.toLower();
    return l;
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private slots:
    void structsCoverEveryColumnInTableOrder();
    void positionRoundTripsWithNullDayCountsAndDates();
};

void RecordsTest::structsCoverEveryColumnInTableOrder() {
    TestDb t;
    QCOMPARE(names(Lista::kolumny()), lower(t.db().columns("lista")));
    QCOMPARE(names(Pozycja::kolumny()), lower(t.db().columns("pozycja")));
    QCOMPARE(names(Osoba::kolumny()), lower(t.db().columns("osoba")));
    QCOMPARE(names(DzienWolny::kolumny()), lower(t.db().columns("dni_wolne")));
}

void RecordsTest::positionRoundTripsWithNullDayCountsAndDates() {
    TestDb t;
    Pozycja p;
    p.idlisty = 7;
    p.nazwisko = "O'NEIL-ŻÓŁĆ";
    p.datanabycia = QDate(2027, 3, 10);
    p.iloscdni = 0; // zero is a value, not "derive"
    p.iloscdniwojna = 12;
    p.razem = 1234.565;
    p.rachunek1bz = 1.0 / 3.0;
    p.uwagi = "Niepotrącona kwota zaliczki: 12,5 PLN";
    ZapisRekordow<Pozycja> insert(t.db(), "pozycja", Pozycja::kolumny(), ZapisRekordow<Pozycja>::Wstaw);
    const int id = insert.zapisz(p);
    QVERIFY(id > 0);

    QSqlQuery q = t.db().exec("select * from pozycja where id = ?", {id});
    QVERIFY(q.next());
    Pozycja back;
    WczytajRekord(back, q.record(), Pozycja::kolumny());
    QCOMPARE(back.id, id);
    QCOMPARE(back.nazwisko, p.nazwisko);
    QCOMPARE(back.datanabycia, p.datanabycia);
    QVERIFY(!back.datautraty.isValid());
    QCOMPARE(back.iloscdni, std::optional<int>(0));
    QCOMPARE(back.iloscdniwojna, std::optional<int>(12));
    QVERIFY(!back.iloscdnizwmon.has_value());
    QCOMPARE(back.razem, p.razem);
    QCOMPARE(back.rachunek1bz, p.rachunek1bz); // doubles are kept bit for bit
    QCOMPARE(back.uwagi, p.uwagi);
    QVERIFY(t.db().scalar("select iloscdnizwmon is null and datautraty is null from pozycja").toBool());

    back.iloscdni.reset();
    back.razem = -5;
    ZapisRekordow<Pozycja> update(t.db(), "pozycja", Pozycja::kolumny(), ZapisRekordow<Pozycja>::Zmien);
    update.zapisz(back, id);
    QVERIFY(t.db().scalar("select iloscdni is null from pozycja where id = ?", {id}).toBool());
    QCOMPARE(t.db().scalar("select razem from pozycja where id = ?", {id}).toDouble(), -5.0);
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "records_test.moc"
