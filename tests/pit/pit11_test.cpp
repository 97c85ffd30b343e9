// The year's forms: sums of the taxed positions by PESEL, the person and payer copied, the
// year replaced whole in one transaction, the correction mark and the explanation.
#include "data/error.h"
#include "data/settings.h"
#include "pit/pit11.h"
#include "pit_data.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;
using namespace pittest;

class Pit11Test : public QObject {
    Q_OBJECT
private slots:
    void formsSumTheYearsTaxedPositions();
    void personAndPayerAreCopied();
    void formsInOrderOfSurnameThenFirstNameWithPolishLetters();
    void creatingAgainReplacesTheYearOnlyAndAFailureKeepsIt();
    void correctionAndExplanation();
    void aFormOnlyForAnAdvanceOfAtLeastAGrosz();
    void yearBox();
};

void Pit11Test::formsSumTheYearsTaxedPositions() {
    TestDb t;
    Database& db = t.db();
    const int marzec = DodajListe(db, "2026-03-31"), czerwiec = DodajListe(db, "2026-06-30");
    DodajPozycje(db, marzec, "80010112340", 1000.00, 180.00);
    DodajPozycje(db, czerwiec, "80010112340", 500.00, 90.00);
    // The first and the last day of the year count; the days around them do not.
    DodajPozycje(db, DodajListe(db, "2026-01-01"), "81020212345", 100.00, 18.00);
    DodajPozycje(db, DodajListe(db, "2026-12-31"), "81020212345", 200.00, 36.00);
    DodajPozycje(db, DodajListe(db, "2025-12-31"), "81020212345", 5000.00, 900.00);
    DodajPozycje(db, DodajListe(db, "2027-01-01"), "81020212345", 7000.00, 1260.00);
    // Untaxed lists do not count; a tax base without an advance gives no form.
    DodajPozycje(db, DodajListe(db, "2026-05-31", "N"), "82030312345", 3000.00, 540.00);
    DodajPozycje(db, DodajListe(db, "2026-05-31", QString()), "82030312345", 3000.00, 540.00);
    DodajPozycje(db, DodajListe(db, "2026-05-31", ""), "82030312345", 3000.00, 540.00);
    DodajPozycje(db, marzec, "83040412345", 2500.00, 0.00);
    DodajPozycje(db, marzec, "84050512345", 100.00, 18.00);
    DodajPozycje(db, czerwiec, "84050512345", 0.00, -18.00);

    QCOMPARE(UtworzFormularzePit11(db, "2026", "ANNA", "KOWALSKA"), 2);
    const QList<FormularzPit11> f = FormularzePit11(db, "2026");
    QCOMPARE(f.size(), 2);
    QHash<QString, FormularzPit11> wg;
    for (const FormularzPit11& x : f)
        wg.insert(x.os_pesel, x);
    QVERIFY(wg.contains("80010112340") && wg.contains("81020212345"));
    const FormularzPit11 a = wg.value("80010112340");
    QCOMPARE(a.kw_przychod, 1500.00);
    QCOMPARE(a.kw_dochod, 1500.00);
    QCOMPARE(a.kw_podatek, 270.00);
    QCOMPARE(a.kw_koszty, 0.0);
    QCOMPARE(a.kw_dochod_zw, 0.0);
    QCOMPARE(a.koszty, QString("1"));
    QCOMPARE(a.rok, QString("2026"));
    QCOMPARE(a.op_imie, QString("ANNA"));
    QCOMPARE(a.op_nazwisko, QString("KOWALSKA"));
    QVERIFY(a.korekta.isEmpty() && a.wyjasnienie.isEmpty());
    QCOMPARE(wg.value("81020212345").kw_przychod, 300.00);
    QCOMPARE(wg.value("81020212345").kw_podatek, 54.00);
    // The other years have no forms.
    QVERIFY(FormularzePit11(db, "2025").isEmpty());
}

void Pit11Test::personAndPayerAreCopied() {
    TestDb t;
    Database& db = t.db();
    Zapis(db, "NIP", "5261040828");
    Zapis(db, "POSIADACZ", "JEDNOSTKA WOJSKOWA 1234 & S-KA");
    Zapis(db, "REGON", "012345678");
    DodajOsobe(db, "80010112340", "ŁUKASIEWICZ", "ŻANETA", "1234563218");
    const int l = DodajListe(db, "2026-04-30");
    DodajPozycje(db, l, "80010112340", 100, 18);
    DodajPozycje(db, l, "99999999999", 200, 36); // nobody in the register

    QCOMPARE(UtworzFormularzePit11(db, "2026", "ANNA", "KOWALSKA"), 2);
    const QList<FormularzPit11> f = FormularzePit11(db, "2026");
    QCOMPARE(f.size(), 2);
    // Ordered by surname: the form without a person (empty surname) comes first.
    const FormularzPit11& bez = f[0];
    const FormularzPit11& o = f[1];
    QCOMPARE(bez.os_pesel, QString("99999999999"));
    QVERIFY(bez.os_nazwisko.isEmpty() && bez.os_ulica.isEmpty() && bez.os_data_ur.isEmpty() &&
            bez.os_nip.isEmpty());
    QCOMPARE(bez.nip, QString("5261040828"));
    QCOMPARE(bez.kw_podatek, 36.0);

    QCOMPARE(o.nip, QString("5261040828"));
    QCOMPARE(o.platnik, QString("JEDNOSTKA WOJSKOWA 1234 & S-KA"));
    QCOMPARE(o.regon, QString("012345678"));
    QCOMPARE(o.os_nazwisko, QString("ŁUKASIEWICZ"));
    QCOMPARE(o.os_imie, QString("ŻANETA"));
    QCOMPARE(o.os_nip, QString("1234563218"));
    QCOMPARE(o.os_data_ur, QString("01.01.1980"));
    QCOMPARE(o.us_nazwa, QString("URZĄD SKARBOWY WARSZAWA-OCHOTA, GRÓJECKA 1, 02-019"));
    QCOMPARE(o.us_kod_is, QString("1434"));
    QCOMPARE(o.os_kraj, QString("POLSKA"));
    QCOMPARE(o.os_woj, QString("MAZOWIECKIE"));
    QCOMPARE(o.os_powiat, QString("WARSZAWSKI ZACHODNI"));
    QCOMPARE(o.os_gmina, QString("STARE BABICE"));
    QCOMPARE(o.os_ulica, QString("ŻWIRKI I WIGURY"));
    QCOMPARE(o.os_nr_domu, QString("12A"));
    QCOMPARE(o.os_nr_lok, QString("7"));
    QCOMPARE(o.os_miejsc, QString("BORZĘCIN DUŻY"));
    QCOMPARE(o.os_kod, QString("02-092"));
    QCOMPARE(o.os_poczta, QString("ZABOROWEK"));
    QCOMPARE(FormularzPit11ById(db, o.id).os_pesel, o.os_pesel);
    QCOMPARE(FormularzPit11ById(db, 999999).id, 0);
}

// Ł comes between L and M, Ż after Z; the surname first, then the first name.
void Pit11Test::formsInOrderOfSurnameThenFirstNameWithPolishLetters() {
    TestDb t;
    Database& db = t.db();
    const QList<QStringList> osoby{{"80010112340", "MAZUR", "BARTOSZ"},
                                   {"81020212345", "LIS", "ŻANETA"},
                                   {"82030312345", "ŁADA", "ADAM"},
                                   {"83040412345", "LIS", "ANNA"},
                                   {"84050512345", "LIS", "ZENON"}};
    const int l = DodajListe(db, "2026-04-30");
    for (const QStringList& o : osoby) {
        DodajOsobe(db, o[0], o[1], o[2]);
        DodajPozycje(db, l, o[0], 100, 18);
    }
    QCOMPARE(UtworzFormularzePit11(db, "2026", "A", "B"), 5);
    QStringList kolejnosc;
    for (const FormularzPit11& f : FormularzePit11(db, "2026"))
        kolejnosc << f.os_nazwisko + " " + f.os_imie;
    QCOMPARE(kolejnosc, (QStringList{"LIS ANNA", "LIS ZENON", "LIS ŻANETA", "ŁADA ADAM",
                                     "MAZUR BARTOSZ"}));
}

void Pit11Test::creatingAgainReplacesTheYearOnlyAndAFailureKeepsIt() {
    TestDb t;
    Database& db = t.db();
    DodajPozycje(db, DodajListe(db, "2026-04-30"), "80010112340", 100, 18);
    DodajPozycje(db, DodajListe(db, "2025-04-30"), "80010112340", 100, 18);
    QCOMPARE(UtworzFormularzePit11(db, "2025", "A", "B"), 1);
    QCOMPARE(UtworzFormularzePit11(db, "2026", "A", "B"), 1);
    const int id = FormularzePit11(db, "2026").first().id;
    ZapiszKorektePit11(db, id, true, "opis");
    DodajPozycje(db, DodajListe(db, "2026-05-31"), "81020212345", 100, 18);

    // A failure half-way (the second form cannot be stored) leaves the year as it was.
    db.exec("create trigger odmowa before insert on pit_11 when new.os_pesel = '81020212345' "
            "begin select raise(abort, 'odmowa'); end");
    QVERIFY_THROWS_EXCEPTION(VexaError, UtworzFormularzePit11(db, "2026", "A", "B"));
    QCOMPARE(db.scalar("select count(*) from pit_11 where rok = '2026'").toInt(), 1);
    QCOMPARE(FormularzPit11ById(db, id).korekta, QString("T"));
    QVERIFY(!db.wTransakcji());

    db.exec("drop trigger odmowa");
    QCOMPARE(UtworzFormularzePit11(db, "2026", "A", "B"), 2);
    // The year's forms are new: the correction mark is gone with the old row.
    for (const FormularzPit11& f : FormularzePit11(db, "2026"))
        QVERIFY(f.korekta.isEmpty() && f.id != id);
    QCOMPARE(FormularzePit11(db, "2025").size(), 1);

    // A year with no taxed position: the forms go, none comes.
    QCOMPARE(UtworzFormularzePit11(db, "2024", "A", "B"), 0);
    UsunFormularzPit11(db, FormularzePit11(db, "2026").first().id);
    QCOMPARE(FormularzePit11(db, "2026").size(), 1);
    UsunFormularzePit11(db, "2026");
    QVERIFY(FormularzePit11(db, "2026").isEmpty());
    QCOMPARE(FormularzePit11(db, "2025").size(), 1);
}

void Pit11Test::aFormOnlyForAnAdvanceOfAtLeastAGrosz() {
    TestDb t;
    Database& db = t.db();
    const int l = DodajListe(db, "2026-04-30");
    // 0.10 + 0.20 - 0.30 is 2.8e-17 in binary: no advance was withheld.
    for (double z : {0.10, 0.20, -0.30})
        DodajPozycje(db, l, "80010112340", 100.00, z);
    // Less than half a grosz rounds to nothing ...
    DodajPozycje(db, l, "81020212345", 100.00, 0.004);
    // ... one grosz is an advance.
    DodajPozycje(db, l, "82030312345", 100.00, 0.01);
    // Just below a grosz rounds up to it.
    DodajPozycje(db, l, "83040412345", 100.00, 0.00999);
    QCOMPARE(UtworzFormularzePit11(db, "2026", "ANNA", "KOWALSKA"), 2);
    QStringList pesele;
    for (const FormularzPit11& f : FormularzePit11(db, "2026"))
        pesele << f.os_pesel;
    pesele.sort();
    QCOMPARE(pesele, (QStringList{"82030312345", "83040412345"}));
}

void Pit11Test::correctionAndExplanation() {
    TestDb t;
    Database& db = t.db();
    DodajPozycje(db, DodajListe(db, "2026-04-30"), "80010112340", 100, 18);
    UtworzFormularzePit11(db, "2026", "A", "B");
    const int id = FormularzePit11(db, "2026").first().id;

    ZapiszKorektePit11(db, id, true, "Błędna kwota przychodu; źródło: lista 3/2026.");
    FormularzPit11 f = FormularzPit11ById(db, id);
    QVERIFY(f.jestKorekta() && f.maWyjasnienie());
    QCOMPARE(f.wyjasnienie_text, QString("Błędna kwota przychodu; źródło: lista 3/2026."));

    ZapiszKorektePit11(db, id, false, QString());
    f = FormularzPit11ById(db, id);
    QVERIFY(!f.jestKorekta() && !f.maWyjasnienie());
    QVERIFY(f.korekta.isEmpty() && f.wyjasnienie.isEmpty() && f.wyjasnienie_text.isEmpty());

    ZapiszKorektePit11(db, id, false, "tylko wyjaśnienie");
    f = FormularzPit11ById(db, id);
    QVERIFY(!f.jestKorekta() && f.maWyjasnienie());
}

void Pit11Test::yearBox() {
    // January 2026 opens on 2025; item i is the year 2014 + i.
    QCOMPARE(RokDomyslnyPit11(QDate(2026, 1, 15)), 2025);
    QCOMPARE(RokDomyslnyPit11(QDate(2026, 12, 31)), 2025);
    const QStringList lata = LataPit11(QDate(2026, 1, 15));
    QCOMPARE(lata.first(), QString("2014"));
    QCOMPARE(lata.last(), QString("2030"));
    for (int i = 0; i < lata.size(); ++i)
        QCOMPARE(lata[i].toInt(), PIERWSZY_ROK_PIT11 + i);
    // Past 2030 the box goes on to the year after the current one.
    QCOMPARE(LataPit11(QDate(2031, 1, 2)).last(), QString("2032"));
    QCOMPARE(LataPit11(QDate(2031, 1, 2)).indexOf("2030"), 16);
}

QTEST_GUILESS_MAIN(Pit11Test)
#include "pit11_test.moc"
