#include "persons/person_views.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

class PersonViewsTest : public QObject {
    Q_OBJECT
private slots:
    void historyIsMatchedByTheNamesNewestMonthFirst();
    void postalCodesComeInCodeOrder();
    void monthChoiceRunsFromFourBeforeToFiveAfter_data();
    void monthChoiceRunsFromFourBeforeToFiveAfter();
    void fieldValueAsTheFilterSeesIt();
};

void PersonViewsTest::historyIsMatchedByTheNamesNewestMonthFirst() {
    TestDb t;
    Database& db = t.db();
    db.exec("insert into lista (id, typ, nr, miesiacrok) values (1, 'P', 'A', '12/2026'), "
            "(2, 'U', 'B', '01/2027'), (3, 'P', 'C', '11/2027'), (4, 'D', 'D', '01/2027')");
    db.exec("insert into pozycja (idlisty, nazwisko, imie, imieojca, iloscdni, razem) values "
            "(1, 'D''ARC', 'JOANNA', null, 30, 100), (2, 'D''ARC', 'JOANNA', '', null, 200), "
            "(3, 'D''ARC', 'JOANNA', 'JAKUB', 30, 300), (4, 'D''ARC', 'JOANNA', '', 5, 400), "
            "(3, 'D''ARC', 'ANNA', null, 30, 500)");
    const QList<PozycjaHistorii> h = HistoriaOsoby(db, "D'ARC", "JOANNA", QString());
    QStringList got;
    for (const PozycjaHistorii& p : h)
        got << p.miesiacrok + "/" + p.nr + "/" + QString::number(p.razem) + "/" +
                   (p.iloscdni ? QString::number(*p.iloscdni) : "-");
    QCOMPARE(got, (QStringList{"01/2027/D/400/5", "01/2027/B/200/-", "12/2026/A/100/30"}));
    QCOMPARE(h.first().idlisty, 4);
    QCOMPARE(h.first().typ, "D");
    QCOMPARE(HistoriaOsoby(db, "D'ARC", "JOANNA", "JAKUB").size(), 1);
    QVERIFY(HistoriaOsoby(db, "D'ARC", "JOAN", QString()).isEmpty());
}

void PersonViewsTest::postalCodesComeInCodeOrder() {
    TestDb t;
    t.db().exec("insert into kody_pocztowe (kod, poczta) values ('06-100', 'PUŁTUSK'), "
                "('00-950', 'WARSZAWA'), ('06-100', 'GRABÓWIEC')");
    QStringList got;
    for (const KodPocztowy& k : KodyPocztowe(t.db()))
        got << k.kod + " " + k.poczta;
    QCOMPARE(got, (QStringList{"00-950 WARSZAWA", "06-100 PUŁTUSK", "06-100 GRABÓWIEC"}));
}

void PersonViewsTest::monthChoiceRunsFromFourBeforeToFiveAfter_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("last");
    QTest::newRow("across the year back") << QDate(2027, 2, 28) << "10/2026"
                                          << "02/2027"
                                          << "07/2027";
    QTest::newRow("across the year on") << QDate(2026, 10, 31) << "06/2026"
                                        << "10/2026"
                                        << "03/2027";
}

void PersonViewsTest::monthChoiceRunsFromFourBeforeToFiveAfter() {
    QFETCH(QDate, today);
    QFETCH(QString, first);
    QFETCH(QString, current);
    QFETCH(QString, last);
    const QStringList m = MiesiaceWyboru(today);
    QCOMPARE(m.size(), 10);
    QCOMPARE(m.first(), first);
    QCOMPARE(m.at(MIESIAC_BIEZACY_WYBORU), current);
    QCOMPARE(m.last(), last);
}

void PersonViewsTest::fieldValueAsTheFilterSeesIt() {
    Osoba o;
    o.nazwisko = "O'HARA";
    o.datautraty = QDate(2027, 5, 31);
    QCOMPARE(WartoscPola(o, "NAZWISKO"), "O'HARA");
    QCOMPARE(WartoscPola(o, "datautraty"), "2027-05-31");
    QCOMPARE(WartoscPola(o, "DATANABYCIA"), QString()); // no date
    QCOMPARE(WartoscPola(o, "miesiacrok"), QString());  // not a person's field
}

QTEST_GUILESS_MAIN(PersonViewsTest)
#include "person_views_test.moc"
