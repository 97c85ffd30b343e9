#pragma once
// The printouts that go with paying a list out: the lists of its bank transfers (PLN and
// currency accounts), of the transfers replacing advances not collected at the cash desk, and
// of what the cash desk paid (full and simplified); and for the person register the cash-payout
// declaration and the receipt of an advance.
#include "persons/records.h"
#include "lists/list_printout.h"

namespace vexa {

// TRPrzelewy: the qualifying accounts of every position, two lines a position (account 1 and
// account 2). An account qualifies with an amount above 0 and its currency flag exactly "N"
// (`waluta` false) or "T" (`waluta` true).
Raport WykazPrzelewow(const DaneWydrukuListy& d, bool waluta, const QDate& dzis);
// The closing line of a transfer list: "OGÓŁEM przelewy: … PLN", or for currency "OGÓŁEM
// przelewy: … <walutarach>, … PLN" (the PLN equivalents, each rounded to the grosz).
QString LiniaPrzelewow(const Lista& l, bool waluta, double suma, double sumaPln);
// TRPrzelewyKasa: the positions whose PLN cash advance (not 0) was not collected ("N").
Raport WykazPrzelewowNiepobranych(const DaneWydrukuListy& d, const QDate& dzis);
// TRListaKasa (full, landscape) and TRListaKasa2 (simplified, portrait, with a signature
// column and the cash-payment block): the positions paid out at the cash desk ("W").
Raport ListaKasy(const DaneWydrukuListy& d, bool uproszczona, const QDate& dzis);
// The kind line of the transfer lists; the not-collected list has no line for SH.
QString OpisRodzajuPrzelewow(const QString& rodzaj, bool zSh);

// TRDoKasy: every person with a PESEL, in the given order, with empty amount and signature
// columns; `walutaZaliczki` heads the amount column.
Raport DeklaracjaWyplatyWKasie(const QList<Osoba>& osoby, const QStringList& naglowekJednostki,
                               const QString& walutaZaliczki, const QDate& dzis);
// TRPokw: the receipt of the person's advance.
Raport Pokwitowanie(const Osoba& o, const QStringList& naglowekJednostki,
                    const QString& walutaZaliczki, const QDate& dzis);
// "Kwituję odbiór kwoty 150,5 USD na poczet przysługującej mi należności zagranicznej."
QString TekstPokwitowania(double zaliczka, const QString& waluta);

} // namespace vexa
