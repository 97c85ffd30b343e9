#pragma once
// Taxed lists and positions written straight into a test database, so that the forms' sums
// can be checked against amounts chosen to the grosz.
#include "data/database.h"

#include <QString>

namespace pittest {

// A list dated `data` (YYYY-MM-DD) whose tax flag is `podatek`; returns its id.
inline int DodajListe(vexa::Database& db, const QString& data, const QString& podatek = "T") {
    db.exec("insert into lista (nr, datawykonania, czy_podatek, zp) values ('1/PIT', ?, ?, 'Z')",
            {data, podatek});
    return db.scalar("select max(id) from lista").toInt();
}

// A position of `pesel` on the list with its tax base and advance.
inline void DodajPozycje(vexa::Database& db, int lista, const QString& pesel, double podstawa,
                    double zaliczka) {
    db.exec("insert into pozycja (idlisty, pesel, nazwisko, podatek_podstawa_opodatkowania, "
            "podatek_zaliczka) values (?, ?, 'X', ?, ?)",
            {lista, pesel, podstawa, zaliczka});
}

// A person with every field a form copies filled, no two address fields alike.
inline void DodajOsobe(vexa::Database& db, const QString& pesel, const QString& nazwisko,
                  const QString& imie, const QString& nip = QString()) {
    db.exec("insert into osoba (pesel, zp, nazwisko, imie, adr_kraj, adr_woj, adr_powiat, "
            "adr_gmina, adr_ulica, adr_nr_domu, adr_nr_lok, adr_miejsc, adr_kod, adr_poczta, "
            "us_nazwa, us_ulica, us_kod, us_kod_is, us_nip) values (?, 'Z', ?, ?, 'POLSKA', "
            "'MAZOWIECKIE', 'WARSZAWSKI ZACHODNI', 'STARE BABICE', 'ŻWIRKI I WIGURY', '12A', '7', "
            "'BORZĘCIN DUŻY', '02-092', 'ZABOROWEK', 'URZĄD SKARBOWY WARSZAWA-OCHOTA', 'GRÓJECKA 1', '02-019', "
            "'1434', ?)",
            {pesel, nazwisko, imie, nip});
}

} // namespace pittest
