#pragma once

// The printed allowance lists: a full list ('P'), a full list with tax per person ('U') and
// the additional lists ('D', with or without the tax-advance column), built as page models.

#include "lists/list_repository.h"
#include "persons/records.h"
#include "printouts/page_model.h"

#include <QHash>

namespace vexa {

class Database;

struct DaneWydrukuListy {
    Lista lista;
    QList<Pozycja> pozycje;                     // in the order chosen on the list editor
    QHash<QString, QList<DzienWolny>> dniWolne; // by PESEL, the ranges touching the month
    QList<double> nominaly;                     // banknotes, largest first
    QString sfinansista;                        // the finance chief's title (unit setting)
};

struct OpcjeWydrukuListy {
    bool zerowe = false; // positions with a zero total are printed too
    QDate dzis;
};

// The layout by the list's kind: "TRLista" ('P'), "TRLista3" ('U'), "TRLista2pod" ('D' with
// tax), "TRLista2" (other 'D'); empty for any other kind, which prints nothing.
QString UkladListy(const Lista& l);

// The remarks of a position of a full list: arrival and departure in the list's month, the
// position's remarks and the days-off note of the month, joined by blanks and trimmed.
QString UwagiPozycji(const Lista& l, const Pozycja& p, const QList<DzienWolny>& dniWolne);

// The closing line: "OGÓŁEM lista … PLN, z tego: … PLN, … <currency>, tj. … PLN".
QString LiniaZamykajaca(const Lista& l, double doWyplaty, double rachunek, double zaliczkaWaluta,
                        double zaliczkaPln);

// The printout; a report without pages for a kind that prints nothing.
Raport WydrukListy(const DaneWydrukuListy& dane, const OpcjeWydrukuListy& opcje);

// Reads what the printout needs in a few queries: the list, its positions in `kolejnosc`, the
// days off of its month, the banknotes and the finance chief's title.
DaneWydrukuListy DaneListyDoWydruku(Database& db, int idlisty, KolejnoscPozycji kolejnosc);

// The to-do positions that forbid printing: the message, or an empty text when printing may go
// on.
QString BlokadaWydruku(Database& db, int idlisty);

} // namespace vexa
