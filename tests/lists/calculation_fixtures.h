#pragma once

// The list and the position the calculation tests start from.

#include "data/validators.h"
#include "lists/calculation.h"

namespace vexa::testy {

inline const QString MEZCZYZNA = "80010112350"; // 10th digit 5: a man
inline const QString KOBIETA = "80010112340";   // 10th digit 4: a woman

// A full list of March 2027: base pay 3000, cash desk and bank rate 4, no tax, no war
// supplement, hygiene paid separately (so it stays out of `razem` unless a test says so).
inline Lista lista(const QString& miesiacrok = "03/2027") {
    Lista l;
    l.typ = "P";
    l.miesiacrok = miesiacrok;
    l.uposazenie = 3000;
    l.czy_dod_wojenny = "N";
    l.osobnosrhigieny = "T";
    l.czy_podatek = "N";
    l.kurszaliczki = 4;
    l.kursrach = 4;
    l.walutarach = "EUR";
    return l;
}

// A man serving the whole month, multiplier 2, with a PLN account 1 and nothing else.
inline Pozycja pozycja() {
    Pozycja p;
    p.pesel = MEZCZYZNA;
    p.datanabycia = QDate(2020, 1, 1);
    p.datautraty = DATA_BEZ_KONCA;
    p.kddw = "N";
    p.mnoznik = 2;
    p.nrachunek1 = "11 1111 1111 1111 1111 1111 1111";
    p.rachunek1czywaluta = "N";
    p.rachunek2czywaluta = "N";
    p.niepobranewkasie = "W";
    return p;
}

inline const DaneNaliczenia kHigiena{95.54, 96.09, FokusZk::Brak};

inline std::optional<int> dni(int n) {
    return n < 0 ? std::nullopt : std::optional<int>(n);
}

} // namespace vexa::testy
