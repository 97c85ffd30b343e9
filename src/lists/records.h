#pragma once

#include "data/record.h"

namespace vexa {

// One row of lista: an allowance list of one month, kind and sub-unit (or the whole unit).
struct Lista {
    int id = 0;
    QString zp, typ, rodzaj, status, miesiacrok, zaz;
    QDate datawykonania;
    QString nr, nridpkw, skrotpkw, nazwa1, nazwa2, dowodca1, dowodca2, dowodca3;
    QString zgodnoscetatowa, wykonal, finansista, skrotpododdzial, pododdzial;
    double uposazenie = 0, zwnaleznmon = 0;
    QString czy_dod_wojenny;
    double dodatekwojenny = 0, dodatekwojenny2 = 0, dodatekwojenny3 = 0, rozm = 0;
    double srhigienym = 0, srhigienyk = 0;
    QString osobnosrhigieny, czy_podatek;
    double podatekproc = 0, podatek_kurs = 0;
    QString podatek_kurs_tabela;
    double podatek_dieta = 0;
    QString walutazaliczki;
    double kurszaliczki = 0;
    QString tabelazaliczki, walutarach;
    double kursrach = 0;
    double razem = 0, zaliczka = 0, zaliczkawaluta = 0, rachunek = 0, skladkizus = 0,
           innezmniejszenia = 0;
    int iloscpozycji = 0;

    static const QList<Kolumna<Lista>>& kolumny();
};

// One row of pozycja: one person on one list. Day counts are null until derived.
struct Pozycja {
    int id = 0, idlisty = 0, lp = 0;
    QString zaz, wyr, pesel, nazwisko, imie, imieojca, nis, ste, stanowisko, rozkazprzybyl,
        rozkazubyl, skrotpododdzial;
    QDate datanabycia, datautraty;
    double mnoznik = 0;
    int zwnaleznlekarzproc = 0;
    double zwnaleznpkwproc = 0;
    QString kddw;
    int dni_wolne_u = 0, dni_wolne_w = 0, dni_wolne_p = 0;
    std::optional<int> iloscdni, iloscdnizwmon, iloscdniwojna, iloscdniwojna2, iloscdniwojna3,
        iloscdnirozm;
    double naleznosc = 0, zwnaleznlekarz = 0, zwnaleznmon = 0, zwnaleznpkw = 0, dodatekwojenny = 0,
           dodatekwojenny2 = 0, dodatekwojenny3 = 0, rozm = 0, zmniejszenie_urlop = 0, razem = 0,
           dowyplaty = 0, wyrownanie = 0, innezmniejszenia = 0, innezwiekszenia = 0,
           skladkizus = 0, srhigieny = 0;
    QString czyzmianasrhigieny;
    double podatekproc = 0, koszty = 0, wolna = 0, podatek_kwota_zwolniona = 0,
           podatek_podstawa_opodatkowania = 0, podatek_zaliczka = 0, zaliczkawaluta = 0,
           zaliczkapln = 0, rachunek = 0, rachunek1 = 0, rachunek1bz = 0, rachunek2 = 0;
    QString nrachunek1, orachunek1, brachunek1, bic1, rachunek1czywaluta;
    QString nrachunek2, orachunek2, brachunek2, bic2, rachunek2czywaluta;
    QString niepobranewkasie, uwagi;
    double podstawapod = 0, zaliczkaus = 0, nfz1 = 0, nfz2 = 0;

    static const QList<Kolumna<Pozycja>>& kolumny();
};

} // namespace vexa
