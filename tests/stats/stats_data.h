#pragma once
// Lists and positions written straight into a test database for the statistics and analyses.
#include "data/codepage.h"
#include "data/database.h"

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

// A position whose every amount column is `k` (dowyplaty `dowyplaty`), of grade `ste`.
inline void DodajPozycje(vexa::Database& db, int lista, double k, double dowyplaty,
                         const QString& ste = "kpr.", double mnoznik = 1.5) {
    db.exec("insert into pozycja (idlisty, nazwisko, ste, mnoznik, naleznosc, zwnaleznmon, "
            "zwnaleznpkw, dodatekwojenny, dodatekwojenny2, dodatekwojenny3, rozm, srhigieny, "
            "wyrownanie, innezwiekszenia, razem, skladkizus, innezmniejszenia, dowyplaty, "
            "rachunek, zaliczkapln, zaliczkawaluta) values (?, 'X', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {lista, ste, mnoznik, k, k, k, k, k, k, k, k, k, k, k, k, k, dowyplaty, k, k, k});
}

} // namespace statstest
