#include "persons/dictionaries.h"
#include "persons/grades.h"
#include "support/scripted_messages.h"
#include "support/test_db.h"

#include <QSet>
#include <QtTest>

using namespace vexa;

class DictionariesTest : public QObject {
    Q_OBJECT
private slots:
    void refusalsNameTheFieldInOrder_data();
    void refusalsNameTheFieldInOrder();
    void subUnitsAreAddedEditedAndListedByEntry();
    void gradesAreListedByNameInPolishOrderAndKeepTheirMultiplier();
    void deleteAsksOnceAndDeletesEvenWhenPersonsUseTheRow_data();
    void deleteAsksOnceAndDeletesEvenWhenPersonsUseTheRow();
    void deleteAnsweredNoOrOfAnUnsavedRowKeepsEverything();
    void gradeChoicesAreTheTwentyThreeAbbreviationsInTheirGroups();
};

void DictionariesTest::refusalsNameTheFieldInOrder_data() {
    QTest::addColumn<int>("slownik");
    QTest::addColumn<QString>("skrot");
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    const int pod = int(Slownik::Pododdzialy);
    const int ste = int(Slownik::Stopnie);
    QTest::newRow("sub-unit, both empty") << pod << ""
                                          << ""
                                          << "Proszę wpisać skrót pododdziału!"
                                          << "epodskrot";
    QTest::newRow("sub-unit, blanks only") << pod << "   "
                                           << "KOMPANIA"
                                           << "Proszę wpisać skrót pododdziału!"
                                           << "epodskrot";
    QTest::newRow("sub-unit, no name") << pod << "1KP"
                                       << ""
                                       << "Proszę wpisać nazwę pododdziału!"
                                       << "epodnazwa";
    QTest::newRow("grade, both empty") << ste << ""
                                       << ""
                                       << "Proszę wpisać skrót stopnia etatowego!"
                                       << "esteskrot";
    QTest::newRow("grade, no name") << ste << "KPT."
                                    << " "
                                    << "Proszę wpisać nazwę stopnia etatowego!"
                                    << "estenazwa";
    QTest::newRow("sub-unit, character outside the code page")
        << pod << "1KØ"
        << "KOMPANIA"
        << "Znak „Ø” nie istnieje w stronie kodowej Windows-1250.\r\rPole: SKRÓT"
        << "epodskrot";
    QTest::newRow("grade, character outside the code page")
        << ste << "KPT."
        << "KAPITAN ✓"
        << "Znak „✓” nie istnieje w stronie kodowej Windows-1250.\r\rPole: NAZWA"
        << "estenazwa";
}

void DictionariesTest::refusalsNameTheFieldInOrder() {
    QFETCH(int, slownik);
    QFETCH(QString, skrot);
    QFETCH(QString, nazwa);
    QFETCH(QString, message);
    QFETCH(QString, field);
    TestDb t;
    const Slownik s = Slownik(slownik);
    BladSlownika blad;
    QCOMPARE(ZapiszPozycje(t.db(), s, {0, skrot, nazwa}, &blad), 0);
    QCOMPARE(blad.komunikat, message);
    QCOMPARE(blad.pole, field);
    QVERIFY(PozycjeSlownika(t.db(), s).isEmpty());

    // A refused edit leaves the stored row as it was.
    const int id = ZapiszPozycje(t.db(), s, {0, "X", "STARA"}, nullptr);
    QVERIFY(id > 0);
    QCOMPARE(ZapiszPozycje(t.db(), s, {id, skrot, nazwa}, &blad), 0);
    QCOMPARE(PozycjeSlownika(t.db(), s).first().nazwa, "STARA");
}

void DictionariesTest::subUnitsAreAddedEditedAndListedByEntry() {
    TestDb t;
    const Slownik s = Slownik::Pododdzialy;
    const int a = ZapiszPozycje(t.db(), s, {0, "ZAB", "ZABEZPIECZENIE"}, nullptr);
    const int b = ZapiszPozycje(t.db(), s, {0, "ADM", "ADMINISTRACJA 'A'"}, nullptr);
    QVERIFY(a > 0 && b > a);
    QList<PozycjaSlownika> rows = PozycjeSlownika(t.db(), s);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).skrot, "ZAB"); // order of entry, not of name
    QCOMPARE(rows.at(1).nazwa, "ADMINISTRACJA 'A'");

    // A person keeps the short name it refers to when the row is renamed.
    t.db().exec("insert into osoba (nazwisko, skrotpododdzialu) values ('KOWALSKI', 'ZAB')");
    QCOMPARE(ZapiszPozycje(t.db(), s, {a, "ZAB2 ", "ZABEZPIECZENIE II"}, nullptr), a);
    rows = PozycjeSlownika(t.db(), s);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).id, a);
    QCOMPARE(rows.at(0).skrot, "ZAB2 "); // stored as typed
    QCOMPARE(rows.at(0).nazwa, "ZABEZPIECZENIE II");
    QCOMPARE(t.db().scalar("select skrotpododdzialu from osoba").toString(), "ZAB");
}

void DictionariesTest::gradesAreListedByNameInPolishOrderAndKeepTheirMultiplier() {
    TestDb t;
    const Slownik s = Slownik::Stopnie;
    const std::pair<const char*, const char*> grades[] = {{"MJR", "MAJOR"},
                                                          {"PŁK", "PUŁKOWNIK"},
                                                          {"ŁĄCZ.", "ŁĄCZNOŚCIOWIEC"},
                                                          {"LEK.", "LEKARZ"},
                                                          {"KPT.", "kapitan"}};
    for (const auto& [skrot, nazwa] : grades)
        QVERIFY(ZapiszPozycje(t.db(), s, {0, skrot, nazwa}, nullptr) > 0);
    QStringList order;
    for (const PozycjaSlownika& p : PozycjeSlownika(t.db(), s))
        order << p.skrot;
    // Case does not matter and Ł comes between L and M.
    QCOMPARE(order, (QStringList{"KPT.", "LEK.", "ŁĄCZ.", "MJR", "PŁK"}));

    QCOMPARE(t.db().scalar("select mnoznik from ste where skrot = 'MJR'").toDouble(), 0.0);
    QVERIFY(!t.db().scalar("select mnoznik from ste where skrot = 'MJR'").isNull());
    t.db().exec("update ste set mnoznik = 2.15 where skrot = 'MJR'");
    const int id = t.db().scalar("select id from ste where skrot = 'MJR'").toInt();
    QCOMPARE(ZapiszPozycje(t.db(), s, {id, "MJR", "MAJOR / KMDR PPOR."}, nullptr), id);
    QCOMPARE(t.db().scalar("select mnoznik from ste where id = ?", {id}).toDouble(), 2.15);
}

void DictionariesTest::deleteAsksOnceAndDeletesEvenWhenPersonsUseTheRow_data() {
    QTest::addColumn<int>("slownik");
    QTest::newRow("sub-unit") << int(Slownik::Pododdzialy);
    QTest::newRow("grade") << int(Slownik::Stopnie);
}

void DictionariesTest::deleteAsksOnceAndDeletesEvenWhenPersonsUseTheRow() {
    QFETCH(int, slownik);
    const Slownik s = Slownik(slownik);
    TestDb t;
    const int keep = ZapiszPozycje(t.db(), s, {0, "A", "PIERWSZA"}, nullptr);
    const int gone = ZapiszPozycje(t.db(), s, {0, "B", "DRUGA"}, nullptr);
    t.db().exec("insert into osoba (nazwisko, skrotpododdzialu, ste) values ('NOWAK', 'B', 'B')");
    t.db().exec("insert into lista (skrotpododdzial, miesiacrok) values ('B', '03/2027')");

    ScriptedMessages m;
    m.answer(TAK);
    QVERIFY(UsunPozycje(t.db(), m, s, {gone, "B", "DRUGA"}));
    QCOMPARE(m.count(), 1);
    QCOMPARE(m.asked().first().kind, KOMUNIKAT_PYTANIE);
    QCOMPARE(m.lastText(),
             "Czy jesteś pewien, że chcesz usunąć pozycję ze słownika?\r\rPozycja: DRUGA");
    const QList<PozycjaSlownika> rows = PozycjeSlownika(t.db(), s);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().id, keep);
    // References are texts and stay as they were.
    QCOMPARE(t.db().scalar("select skrotpododdzialu || ste from osoba").toString(), "BB");
    QCOMPARE(t.db().scalar("select skrotpododdzial from lista").toString(), "B");
}

void DictionariesTest::deleteAnsweredNoOrOfAnUnsavedRowKeepsEverything() {
    TestDb t;
    const int id = ZapiszPozycje(t.db(), Slownik::Pododdzialy, {0, "A", "PIERWSZA"}, nullptr);
    ScriptedMessages m;
    m.answer(NIE);
    QVERIFY(!UsunPozycje(t.db(), m, Slownik::Pododdzialy, {id, "A", "PIERWSZA"}));
    QCOMPARE(m.count(), 1);
    QVERIFY(!UsunPozycje(t.db(), m, Slownik::Pododdzialy, {0, "", ""}));
    QCOMPARE(m.count(), 1); // no question for a row that is not stored
    QCOMPARE(PozycjeSlownika(t.db(), Slownik::Pododdzialy).size(), 1);
}

void DictionariesTest::gradeChoicesAreTheTwentyThreeAbbreviationsInTheirGroups() {
    const QList<StopienEtatowy>& all = StopnieEtatowe();
    QCOMPARE(all.size(), 23);
    QCOMPARE(GrupyStopni(), (QStringList{"SZEREGOWI", "PODOFICEROWIE", "OFICEROWIE", "GENERAŁOWIE",
                                         "PRACOWNICY WOJSKA"}));
    QSet<QString> abbreviations;
    for (const StopienEtatowy& s : all)
        abbreviations.insert(s.skrot);
    QCOMPARE(abbreviations.size(), 23); // each grade stores its own value
    QCOMPARE(all.at(1).grupa, "SZEREGOWI");
    QCOMPARE(all.at(2).grupa, "PODOFICEROWIE");
    // Spot checks of values whose spelling matters to the multiplier look-up.
    QCOMPARE(all.at(10).skrot, "ST.CHOR.SZTAB.");
    QCOMPARE(all.at(15).skrot, "PPŁK");
    QCOMPARE(all.at(19).skrot, "GEN. BRONI");
    QCOMPARE(all.at(20).skrot, "PW ŚREDNIE");
}

QTEST_GUILESS_MAIN(DictionariesTest)
#include "dictionaries_test.moc"
