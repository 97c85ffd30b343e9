#pragma once
// The person register's printouts: the register of the listed persons (TROsoba) and the dues
// of one person over every list (TRListaOsoba).
#include "lists/records.h"
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

// The positions of one person: by PESEL when one is given, else by surname; within the period
// when its two dates differ (the lists' execution dates, both days included).
struct ZapytanieNaleznosci {
    QString pesel, nazwisko;
    QDate od, do_;
};
// A position with what its list adds to the printout.
struct PozycjaOsoby {
    Pozycja p;
    QString miesiacrok, skrotpkw, walutazaliczki, rodzaj, typ;
    QDate datawykonania;
    double woj1 = 0, woj2 = 0, woj3 = 0; // the list's war-supplement rates
};
// In the order of the lists; one query.
QList<PozycjaOsoby> NaleznosciOsoby(Database& db, const ZapytanieNaleznosci& z);
inline const QString BRAK_NALEZNOSCI =
    QStringLiteral("Nie znaleziono pozycji na listach należności.");
// The dues printout (landscape); the war-supplement captions take the rates of the first full
// list ('P') among them, or of the first position's list.
Raport NaleznosciDlaOsoby(const QList<PozycjaOsoby>& pozycje, const QDate& dzis);

} // namespace vexa
