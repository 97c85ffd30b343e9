#pragma once
// Lists and positions written straight into a test database for the statistics and analyses.
#include "data/codepage.h"
#include "data/database.h"
#include "lists/list_repository.h"
#include "support/distinct_amounts.h"

#include <QString>

namespace statstest {

struct L {
    QString zp = "Z", typ = "P", status = "Z", miesiacrok = "03/2027", pkw = "PKW A";
    bool zaznaczona = false;
    QString waluta = "USD";
};

inline int DodajListe(vexa::Database& db, const L& l) {
    db.exec("insert into lista (nr, zp, typ, status, miesiacrok, skrotpkw, zaz, walutazaliczki, "
            "razem) values ('N', ?, ?, ?, ?, ?, ?, ?, 0)",
            {l.zp, l.typ, l.status, l.miesiacrok, l.pkw,
             l.zaznaczona ? QString(vexa::ZAZ_ZAZNACZONY) : QString(vexa::ZAZ_NIEZAZNACZONY),
             l.waluta});
    return db.scalar("select max(id) from lista").toInt();
}

// Positions get their amounts from blocks of the distinct amounts: block 0 starts at amount 1,
// block 1 at amount 101 and so on, so that no amount of one position repeats in another and
// every column of every position differs from every other.
inline int Blok(int blok) { return 1 + 100 * blok; }

// The amount the column `kolumna` of the position of block `blok` holds.
inline double Kw(int blok, const char* kolumna) {
    return vexa::testy::KwotaKolumny(vexa::testy::KwotyPozycji(), kolumna, Blok(blok));
}

// A position of list `lista` whose every money column holds its own amount of block `blok`, of
// grade `ste`; the person-days are 10 + blok. Returns its id.
inline int DodajPozycje(vexa::Database& db, int lista, int blok, const QString& ste = "kpr.",
                         double mnoznik = 1.5) {
    vexa::Pozycja p;
    vexa::testy::RozneKwoty(p, Blok(blok));
    p.idlisty = lista;
    p.nazwisko = "X";
    p.ste = ste;
    p.mnoznik = mnoznik;
    p.iloscdni = 10 + blok;
    return vexa::ListRepository(db).dopiszPozycje(p);
}

} // namespace statstest
