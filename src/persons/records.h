#pragma once

#include "data/record.h"

namespace vexa {

// One row of osoba: a soldier ("Z") or a civilian employee ("P") of the contingent.
struct Osoba {
    int id = 0;
    QString pesel, zp, akt, zaz, nazwisko, imie, imieojca, plec, nrid, nridpkw, skrotpkw,
        skrotpododdzialu, ste, nis, stanowisko;
    QDate datanabycia, datautraty;
    QString rozkazprzybyl, rozkazubyl;
    QDate datadopisania;
    QString rachunek1, orachunek1, brachunek1, bic1, rachunek1czywaluta;
    QString rachunek2, orachunek2, brachunek2, bic2, rachunek2czywaluta;
    double rachunek2kwota = 0, zaliczka = 0, podatekproc = 0;
    int zwnaleznlekarzproc = 0;
    QString exportzwsi, wydrukzwsi;
    QString adr_kraj, adr_woj, adr_powiat, adr_gmina, adr_poczta, adr_kod, adr_miejsc, adr_ulica,
        adr_nr_domu, adr_nr_lok;
    QString us_nazwa, us_ulica, us_kod, us_kod_is, us_nip;

    static const QList<Kolumna<Osoba>>& kolumny();
};

// One period of a person's days off (dni_wolne): "U" leave outside the mission area, "W" leave
// inside it, "P" business trip; od and do are the first and last day.
struct DzienWolny {
    QString pesel, typ;
    QDate od, do_;
    QString rozkaz;

    static const QList<Kolumna<DzienWolny>>& kolumny();
};

} // namespace vexa
