#pragma once
// The dues of one person over every list (TRListaOsoba): the query and its printout.
#include "lists/records.h"
#include "printouts/page_model.h"

namespace vexa {

class Database;

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
