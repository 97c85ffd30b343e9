#include "support/unit_fixture.h"

#include "data/settings.h"

using namespace vexa;

UnitFixture::UnitFixture() {
    msg.watch(&db);
    for (auto [k, v] : {std::pair{"NRIDENT", "1234567"}, {"SKROT", "PKW"}, {"NAZWA1", "JW"},
                        {"DOWODCA1", "DOWÓDCA"}, {"WALUTAZALICZKI", "USD"},
                        {"WALUTARACHUNEK", "PLN"}})
        Zapis(db, k, v);
    ZapisSetne(db, "UPOSAZENIE", 4000);
    ZapisSetne(db, "SRHIGIENYM", 90);
    ZapisSetne(db, "SRHIGIENYK", 100);
    ZapisSetne(db, "DODWOJENNY", 0);
    db.exec("insert into ste (skrot, nazwa, mnoznik) values ('kpr.', 'KAPRAL', 1.5)");
}

int UnitFixture::person(const QString& surname, const QString& pesel, QDate start, QDate end,
                        const QString& zp) {
    Osoba o = persons.nowa(zp, QDate(2027, 1, 1));
    o.nazwisko = surname;
    o.imie = "JAN";
    o.pesel = pesel;
    o.plec = pesel.isEmpty() ? QString() : (pesel.mid(9, 1).toInt() % 2 ? "M" : "K");
    o.ste = "kpr.";
    o.nis = "N-" + surname;
    o.skrotpododdzialu = "KOMP";
    o.datanabycia = start;
    o.datautraty = end;
    return persons.dopisz(o);
}

NowaLista UnitFixture::full(int month) {
    NowaLista n;
    n.miesiac = month;
    n.rok = 2027;
    n.nr = "1/2027 A";
    n.kurszaliczki = 4;
    n.kursrach = 1;
    return n;
}

int UnitFixture::count(const char* table) {
    return db.scalar(QString("select count(*) from %1").arg(table)).toInt();
}
