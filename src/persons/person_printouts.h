#pragma once
// The person register's printout: the register of the listed persons (TROsoba).
#include "persons/records.h"
#include "printouts/page_model.h"

namespace vexa {

class Database;

// What the register prints: the kind of persons, the new arrivals and/or departures of a month
// ("MM/YYYY"), or only the persons last exported to ZWSI RON.
struct OpcjeKartoteki {
    QString zp = "Z";
    bool nowoprzybyli = false, nowoubyli = false;
    QString miesiac;
    bool tylkoWyeksportowani = false;
};
QString TytulKartoteki(const OpcjeKartoteki& o);
// The description line: empty, or "OSOBY NOWOPRZYBYŁE [I NOWOUBYŁE] / NOWOUBYŁE W MIESIĄCU …".
QString OpisKartoteki(const OpcjeKartoteki& o);
// Whether the person's line is printed: the month boxes compare the month and year of the
// entitlement's start and end with the chosen month; exported-only takes wydrukzwsi "T".
bool NaKartotece(const Osoba& os, const OpcjeKartoteki& o);
// The register, landscape, numbered over the printed lines.
Raport Kartoteka(const QList<Osoba>& osoby, const OpcjeKartoteki& o,
                 const QStringList& naglowekJednostki, const QDate& dzis);

} // namespace vexa
