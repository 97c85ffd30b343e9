#include "data/codepage.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/validators.h"
#include "persons/person_repository.h"
#include "support/scripted_messages.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

const QString kPesel = "80010112340";
const QString kAccount = "60102010260000042270201111";

struct Fixture {
    TestDb t;
    PersonRepository repo{t.db()};
    ScriptedMessages msg;

    Fixture() {
        Zapis(t.db(), "NRIDENT", "1234567");
        Zapis(t.db(), "SKROT", "PKW");
        Zapis(t.db(), "NRETATU", "AA 001");
    }
    // A complete, valid new soldier.
    Osoba valid() {
        Osoba o = repo.nowa("Z", QDate(2027, 3, 5));
        o.skrotpododdzialu = "KOMP";
        o.pesel = kPesel;
        o.nazwisko = "NOWAK";
        o.imie = "JAN";
        o.ste = "st.szer.";
        o.nis = "AA 001 0001";
        o.stanowisko = "STRZELEC";
        return o;
    }
    ZatwierdzenieOsoby save(Osoba& o, bool isNew = true, TekstyDat d = {"01.03.2027", ""}) {
        return repo.zatwierdz(o, isNew, d, msg);
    }
    int add(const QString& name, const QString& zp = "Z", const QString& akt = "T") {
        Osoba o = valid();
        o.nazwisko = name;
        o.zp = zp;
        o.akt = akt;
        o.datanabycia = QDate(2027, 1, 1);
        return repo.dopisz(o);
    }
};

} // namespace

class PersonRepositoryTest : public QObject {
    Q_OBJECT
private slots:
    void newPersonGetsTheUnitDefaults();
    void vacantPostAndDefaultsAreFilledOnSave();
    void personWithoutPeselOrStartIsAskedAndOpenEnded();
    void refusalsComeInOrderWithTheirFocus_data();
    void refusalsComeInOrderWithTheirFocus();
    void duplicatesAreAskedForNewRowsOnly();
    void charactersTheFilesCannotCarryAreRefused();
    void listQueryFiltersSortsAndQuotes();
    void marksAndBulkChangeTouchListedMarkedPersonsOnly();
    void advancesAreResetForOneKind();
};

void PersonRepositoryTest::newPersonGetsTheUnitDefaults() {
    Fixture f;
    const Osoba o = f.repo.nowa("P", QDate(2027, 3, 5));
    QCOMPARE(o.zp, "P");
    QCOMPARE(o.nridpkw, "1234567");
    QCOMPARE(o.skrotpkw, "PKW");
    QCOMPARE(o.nis, "AA 001");
    QCOMPARE(o.datautraty, QDate(2999, 1, 1));
    QCOMPARE(o.akt, "T");
    QCOMPARE(o.rachunek1czywaluta + o.rachunek2czywaluta + o.exportzwsi, "NNN");
    QCOMPARE(o.datadopisania, QDate(2027, 3, 5));
    QVERIFY(o.skrotpododdzialu.isEmpty());
}

void PersonRepositoryTest::vacantPostAndDefaultsAreFilledOnSave() {
    Fixture f;
    Osoba o = f.valid();
    o.nazwisko.clear();
    o.rachunek1 = kAccount;
    o.brachunek1 = "BANK";
    const auto r = f.save(o);
    QVERIFY(r.zapisano);
    QCOMPARE(f.msg.count(), 0);
    const Osoba back = f.repo.osoba(r.id);
    QCOMPARE(back.nis, "AA0010001");
    QCOMPARE(back.nazwisko, "WAKAT - AA0010001");
    QCOMPARE(back.orachunek1, "WAKAT - AA0010001 JAN");
    QCOMPARE(back.rachunek1, "60 1020 1026 0000 0422 7020 1111");
    QCOMPARE(back.datanabycia, QDate(2027, 3, 1));
    QCOMPARE(back.datautraty, QDate(2999, 1, 1));
}

void PersonRepositoryTest::personWithoutPeselOrStartIsAskedAndOpenEnded() {
    Fixture f;
    Osoba o = f.valid();
    o.pesel.clear();
    f.msg.answer(NIE);
    QVERIFY(!f.save(o, true, {"  .  .    ", ""}).zapisano);
    QCOMPARE(f.msg.texts(), QStringList{"Czy chcesz zapisać do bazy danych osobę bez numeru PESEL?"});
    QCOMPARE(f.t.db().scalar("select count(*) from osoba").toInt(), 0);
    const auto r = f.save(o, true, {"00.00.0000", ""}); // the empty date counts as none
    QVERIFY(r.zapisano);
    const Osoba back = f.repo.osoba(r.id);
    QCOMPARE(back.datanabycia, QDate(2999, 1, 1));
    QCOMPARE(back.datautraty, QDate(2999, 1, 1));
}

void PersonRepositoryTest::refusalsComeInOrderWithTheirFocus_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("sub-unit") << 0 << "Proszę wybrać pododdział!" << "epododdzial";
    QTest::newRow("home unit") << 1
                               << "Proszę wpisać poprawny numer identyfikacyjny macierzystej "
                                  "jednostki wojskowej!"
                               << "enrid";
    QTest::newRow("pesel") << 2 << "Proszę wprowadzić poprawny numer pesel!" << "epesel";
    QTest::newRow("grade") << 3 << "Proszę wybrać stopień etatowy!" << "SpeedButton58";
    QTest::newRow("post number") << 4 << "Proszę wpisać numer identyfikacyjny stanowiska!"
                                 << "enis";
    QTest::newRow("post") << 5 << "Proszę wpisać nazwę stanowiska!" << "estanowisko";
    QTest::newRow("start text") << 6 << "Proszę wpisać poprawną datę nabycia uprawnień!"
                                << "edatanabycia";
    QTest::newRow("end text") << 7 << "Proszę wpisać poprawną datę utraty uprawnień!"
                              << "edatautraty";
    QTest::newRow("start with pesel") << 8 << "Proszę wpisać datę nabycia uprawnień!"
                                      << "edatanabycia";
    QTest::newRow("end before start")
        << 9 << "Data utraty uprawnień nie może być wcześniejsza od daty nabycia!"
        << "edatanabycia";
    QTest::newRow("account 1") << 10
                               << "Błąd sumy kontrolnej głównego rachunku bankowego!\r\rWpisz "
                                  "właściwy numer rachunku."
                               << "erachunek1";
    QTest::newRow("account 2") << 11
                               << "Błąd sumy kontrolnej drugiego rachunku bankowego!\r\rWpisz "
                                  "właściwy numer rachunku."
                               << "erachunek2";
    QTest::newRow("bank 1") << 12 << "Proszę wprowadzić nazwę banku dla rachunku głównego."
                            << "ebrachunek1";
    QTest::newRow("bank 2") << 13
                            << "Proszę wprowadzić nazwę banku dla drugiego rachunku bankowego."
                            << "ebrachunek2";
    QTest::newRow("bic 1") << 14
                           << "Proszę wprowadzić kod BIC (Bank Identifier Code) dla pierwszego "
                              "rachunku w walucie."
                           << "ebic1";
    QTest::newRow("bic 2") << 15
                           << "Proszę wprowadzić kod BIC (Bank Identifier Code) dla drugiego "
                              "rachunku w walucie."
                           << "ebic2";
}

void PersonRepositoryTest::refusalsComeInOrderWithTheirFocus() {
    QFETCH(int, fault);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    Osoba o = f.valid();
    TekstyDat dates{"01.03.2027", "31.12.2027"};
    // Every later check is also broken, so only the order decides which one speaks.
    const QList<std::function<void()>> breaks{
        [&] { o.skrotpododdzialu.clear(); },
        [&] { o.nrid = "1234568"; },
        [&] { o.pesel = "8001011234X"; },
        [&] { o.ste.clear(); },
        [&] { o.nis = "   "; },
        [&] { o.stanowisko.clear(); },
        [&] { dates.nabycia = "01.03.27"; },
        [&] { dates.utraty = "31.02.2027"; },
        [&] { dates.nabycia = ""; },
        [&] { dates.nabycia = "01.01.2028"; },
        [&] { o.rachunek1 = "60102010260000042270201112"; },
        [&] { o.rachunek2 = "PL 61 1090 1014 0000 0712 1981 2875"; },
        [&] { o.rachunek1 = kAccount; o.brachunek1.clear(); },
        [&] { o.rachunek2 = "61109010140000071219812874"; o.brachunek2.clear(); },
        [&] { o.brachunek1 = "A"; o.brachunek2 = "B"; o.rachunek1czywaluta = "T"; },
        [&] { o.rachunek2czywaluta = "T"; },
    };
    for (int i = int(breaks.size()) - 1; i >= fault; --i) {
        if (i == 8) // an empty start only speaks when the end text is complete
            dates.utraty = "31.12.2027";
        breaks[i]();
    }
    if (fault == 9)
        dates.utraty = "31.12.2027";
    const auto r = f.save(o, true, dates);
    QVERIFY(!r.zapisano);
    QCOMPARE(f.msg.lastText(), message);
    QCOMPARE(r.fokus, focus);
    QCOMPARE(f.t.db().scalar("select count(*) from osoba").toInt(), 0);
}

void PersonRepositoryTest::duplicatesAreAskedForNewRowsOnly() {
    Fixture f;
    Osoba first = f.valid();
    QVERIFY(f.save(first).zapisano);
    Osoba twin = f.valid();
    f.msg.answer({TAK, NIE});
    QVERIFY(!f.save(twin).zapisano);
    QCOMPARE(f.msg.texts(),
             (QStringList{"Osoba o tym numerze PESEL znajduje się w bazie danych aplikacji.\r\r"
                          "Czy napewno chcesz dopisać kolejną osobę?",
                          "Osoba o tym numerze NIS znajduje się w bazie danych aplikacji.\r\r"
                          "Czy napewno chcesz dopisać kolejną osobę?"}));
    QCOMPARE(twin.nazwisko, "NOWAK"); // everything typed is kept
    f.msg.clear();
    QVERIFY(f.save(twin).zapisano); // default answer yes
    QCOMPARE(f.msg.count(), 2);

    f.msg.clear();
    Osoba edited = f.repo.osoba(first.id);
    edited.imie = "JANUSZ";
    QVERIFY(f.save(edited, false).zapisano);
    QCOMPARE(f.msg.count(), 0);
    QCOMPARE(f.repo.osoba(first.id).imie, "JANUSZ");
    QCOMPARE(f.t.db().scalar("select count(*) from osoba").toInt(), 2);
}

void PersonRepositoryTest::charactersTheFilesCannotCarryAreRefused() {
    Fixture f;
    struct Przypadek {
        QString Osoba::*pole;
        QString tekst, komunikat, fokus;
    };
    const QString znak = "Znak „ø” nie istnieje w stronie kodowej Windows-1250.\r\rPole: ";
    const QList<Przypadek> przypadki{
        {&Osoba::nazwisko, "SØRENSEN",
         "Znak „Ø” nie istnieje w stronie kodowej Windows-1250.\r\rPole: NAZWISKO", "enazwisko"},
        {&Osoba::orachunek2, "TROMSø", znak + "POSIADACZ (dodatkowy rachunek)", "eorachunek2"},
        {&Osoba::rozkazubyl, "ø 12", znak + "ROZKAZ (utrata uprawnień)", "erozkazubyl"},
        // On the tax data page: named, no focus from the editor.
        {&Osoba::adr_miejsc, "Tromsø", znak + "MIEJSCOWOŚĆ (adres zamieszkania)", ""},
        // A column no page edits is named by the column.
        {&Osoba::skrotpkw, "PKWø", znak + "skrotpkw", ""},
    };
    for (const Przypadek& p : przypadki) {
        Osoba o = f.valid();
        o.*p.pole = p.tekst;
        const int przed = f.msg.count();
        const ZatwierdzenieOsoby z = f.save(o);
        QVERIFY(!z.zapisano);
        QCOMPARE(z.fokus, p.fokus);
        QCOMPARE(f.msg.count(), przed + 1);
        QCOMPARE(f.msg.lastText(), p.komunikat);
        QCOMPARE(f.t.db().scalar("select count(*) from osoba").toInt(), 0);
    }
    // Every Polish letter, the euro and the quotes of the code page pass.
    Osoba o = f.valid();
    o.nazwisko = "ŻÓŁĆ-ŚĘŃĄŹ";
    o.adr_miejsc = "Łódź „Bałuty” €";
    QVERIFY(f.save(o).zapisano);
}

void PersonRepositoryTest::listQueryFiltersSortsAndQuotes() {
    Fixture f;
    f.add("ŻAK");
    f.add("LIS");
    f.add("ŁOŚ");
    f.add("O'NEIL");
    f.add("NIEAKTYWNY", "Z", "N");
    f.add("CYWIL", "P");
    WidokOsob w;
    auto names = [&] {
        QStringList n;
        for (const Osoba& o : f.repo.lista(w))
            n << o.nazwisko;
        return n;
    };
    QCOMPARE(names(), (QStringList{"LIS", "ŁOŚ", "O'NEIL", "ŻAK"}));
    w.nieaktywni = true;
    QCOMPARE(names().size(), 5);
    w.filtr = PersonRepository::warunekFiltru("NAZWISKO", "O'NEIL");
    QCOMPARE(w.filtr, "(NAZWISKO='O''NEIL')");
    QCOMPARE(names(), QStringList{"O'NEIL"});
    w.filtr = PersonRepository::warunekFiltru("DATANABYCIA", "2027-01-01");
    QCOMPARE(w.filtr, "(DATANABYCIA=#01/01/2027#)");
    QCOMPARE(names().size(), 5);
    w.filtr = "(true)";
    w.zp = "P";
    QCOMPARE(names(), QStringList{"CYWIL"});
    w.zp = "Z";
    w.pododdzial = "INNY";
    QCOMPARE(names(), QStringList{});
    // An unknown sort field falls back to the surname instead of breaking the query.
    w.pododdzial.clear();
    w.sort = "nazwisko; drop table osoba";
    QCOMPARE(names().first(), "LIS");
    w.sort = "NAZWISKO";
    QVERIFY(PersonRepository::zapytanie(w).endsWith("order by NAZWISKO,IMIE"));
    QCOMPARE(f.repo.pododdzialyOsob("Z"), QStringList{"KOMP"});
}

void PersonRepositoryTest::marksAndBulkChangeTouchListedMarkedPersonsOnly() {
    Fixture f;
    const int a = f.add("A");
    const int b = f.add("B");
    const int c = f.add("C");
    const int other = f.add("D", "P");
    f.repo.zaznaczRodzaj("Z");
    QCOMPARE(f.repo.iloscZaznaczonych(), 3);
    f.repo.przelaczZaznaczenie(b);
    f.repo.przelaczZaznaczenie(other);
    QCOMPARE(f.repo.iloscZaznaczonych(), 3);

    ZmianaOsob z;
    z.datautraty = QDate(2027, 6, 30);
    z.akt = "N";
    // Only a and b are listed: c is marked but not listed, b is listed but not marked.
    QCOMPARE(f.repo.zmienZaznaczonych({a, b}, z), 1);
    QCOMPARE(f.repo.osoba(a).datautraty, QDate(2027, 6, 30));
    QCOMPARE(f.repo.osoba(a).akt, "N");
    QCOMPARE(f.repo.osoba(b).akt, "T");
    QCOMPARE(f.repo.osoba(c).datautraty, QDate(2999, 1, 1));
    QCOMPARE(f.repo.iloscZaznaczonych(), 0);

    f.t.db().exec("update osoba set datadopisania = ? where id = ?", {"2027-02-01", a});
    f.t.db().exec("update osoba set datadopisania = ? where id = ?", {"2027-03-10", b});
    QCOMPARE(f.repo.zaznaczDopisanychPo({a, b, c}, QDate(2027, 3, 5)), 2);
    QCOMPARE(f.repo.osoba(a).zaz, QString(ZAZ_NIEZAZNACZONY));
    QCOMPARE(f.repo.osoba(b).zaz, QString(ZAZ_ZAZNACZONY));
    f.repo.odznaczWszystkich();
    QCOMPARE(f.repo.iloscZaznaczonych(), 0);
}

void PersonRepositoryTest::advancesAreResetForOneKind() {
    Fixture f;
    const int z = f.add("Z");
    const int p = f.add("P", "P");
    f.t.db().exec("update osoba set zaliczka = 150");
    f.repo.zerujZaliczki("Z");
    QCOMPARE(f.repo.osoba(z).zaliczka, 0.0);
    QCOMPARE(f.repo.osoba(p).zaliczka, 150.0);
}

QTEST_GUILESS_MAIN(PersonRepositoryTest)
#include "person_repository_test.moc"
