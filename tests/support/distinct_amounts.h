#pragma once

// Amounts that tell columns apart. A test that gives two similar columns the same value (or
// leaves one at 0) cannot see a writer, a printout or a sum take one column for the other, so
// every fixture of a position, a list or a person starts from these builders: each money column
// gets its own non-zero amount, and no amount is the sum of two others.
//
// The n-th amount is n + (2n - 1) / 100: 1.01, 2.03, 3.05, 4.07 ... Several of them (2.03, 3.05,
// 5.09 ...) have a double just below the grosz, so a formula that truncates instead of rounding
// shows too.

#include "lists/records.h"
#include "persons/records.h"

#include <QList>
#include <QPair>

namespace vexa::testy {

inline double RoznaKwota(int n) {
    return n + (2 * n - 1) / 100.0;
}

template <class S> using KolumnyKwot = QList<QPair<const char*, double S::*>>;

// The money columns of pozycja (rates, percents and the multiplier are not money: a test sets
// them itself).
inline const KolumnyKwot<Pozycja>& KwotyPozycji() {
    static const KolumnyKwot<Pozycja> k{
        {"naleznosc", &Pozycja::naleznosc},
        {"zwnaleznlekarz", &Pozycja::zwnaleznlekarz},
        {"zwnaleznmon", &Pozycja::zwnaleznmon},
        {"zwnaleznpkw", &Pozycja::zwnaleznpkw},
        {"dodatekwojenny", &Pozycja::dodatekwojenny},
        {"dodatekwojenny2", &Pozycja::dodatekwojenny2},
        {"dodatekwojenny3", &Pozycja::dodatekwojenny3},
        {"rozm", &Pozycja::rozm},
        {"zmniejszenie_urlop", &Pozycja::zmniejszenie_urlop},
        {"razem", &Pozycja::razem},
        {"dowyplaty", &Pozycja::dowyplaty},
        {"wyrownanie", &Pozycja::wyrownanie},
        {"innezmniejszenia", &Pozycja::innezmniejszenia},
        {"innezwiekszenia", &Pozycja::innezwiekszenia},
        {"skladkizus", &Pozycja::skladkizus},
        {"srhigieny", &Pozycja::srhigieny},
        {"koszty", &Pozycja::koszty},
        {"wolna", &Pozycja::wolna},
        {"podatek_kwota_zwolniona", &Pozycja::podatek_kwota_zwolniona},
        {"podatek_podstawa_opodatkowania", &Pozycja::podatek_podstawa_opodatkowania},
        {"podatek_zaliczka", &Pozycja::podatek_zaliczka},
        {"zaliczkawaluta", &Pozycja::zaliczkawaluta},
        {"zaliczkapln", &Pozycja::zaliczkapln},
        {"rachunek", &Pozycja::rachunek},
        {"rachunek1", &Pozycja::rachunek1},
        {"rachunek1bz", &Pozycja::rachunek1bz},
        {"rachunek2", &Pozycja::rachunek2},
        {"podstawapod", &Pozycja::podstawapod},
        {"zaliczkaus", &Pozycja::zaliczkaus},
        {"nfz1", &Pozycja::nfz1},
        {"nfz2", &Pozycja::nfz2},
    };
    return k;
}

// The money columns of lista (its sums and per-list amounts).
inline const KolumnyKwot<Lista>& KwotyListy() {
    static const KolumnyKwot<Lista> k{
        {"uposazenie", &Lista::uposazenie},
        {"zwnaleznmon", &Lista::zwnaleznmon},
        {"dodatekwojenny", &Lista::dodatekwojenny},
        {"dodatekwojenny2", &Lista::dodatekwojenny2},
        {"dodatekwojenny3", &Lista::dodatekwojenny3},
        {"rozm", &Lista::rozm},
        {"srhigienym", &Lista::srhigienym},
        {"srhigienyk", &Lista::srhigienyk},
        {"podatek_dieta", &Lista::podatek_dieta},
        {"razem", &Lista::razem},
        {"zaliczka", &Lista::zaliczka},
        {"zaliczkawaluta", &Lista::zaliczkawaluta},
        {"rachunek", &Lista::rachunek},
        {"skladkizus", &Lista::skladkizus},
        {"innezmniejszenia", &Lista::innezmniejszenia},
    };
    return k;
}

// The money columns of osoba.
inline const KolumnyKwot<Osoba>& KwotyOsoby() {
    static const KolumnyKwot<Osoba> k{
        {"rachunek2kwota", &Osoba::rachunek2kwota},
        {"zaliczka", &Osoba::zaliczka},
    };
    return k;
}

// Gives every money column of `s` its own amount, the first column RoznaKwota(od), the next
// RoznaKwota(od + 1) and so on; returns the next unused n, so that two records (or a list and its
// positions) built one after the other share no amount.
template <class S> int RozneKwoty(S& s, const KolumnyKwot<S>& kolumny, int od = 1) {
    for (const auto& [nazwa, pole] : kolumny) {
        Q_UNUSED(nazwa);
        s.*pole = RoznaKwota(od++);
    }
    return od;
}

inline int RozneKwoty(Pozycja& p, int od = 1) { return RozneKwoty(p, KwotyPozycji(), od); }
inline int RozneKwoty(Lista& l, int od = 1) { return RozneKwoty(l, KwotyListy(), od); }
inline int RozneKwoty(Osoba& o, int od = 1) { return RozneKwoty(o, KwotyOsoby(), od); }

// The amount RozneKwoty gave the column named `nazwa` of a record built from `od`.
template <class S> double KwotaKolumny(const KolumnyKwot<S>& kolumny, const char* nazwa, int od = 1) {
    for (int i = 0; i < kolumny.size(); ++i)
        if (qstrcmp(kolumny[i].first, nazwa) == 0)
            return RoznaKwota(od + i);
    qFatal("no money column %s", nazwa);
    return 0;
}

} // namespace vexa::testy
