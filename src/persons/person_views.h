#pragma once

#include "persons/lookups.h"
#include "persons/records.h"

#include <QDate>
#include <QStringList>
#include <optional>

namespace vexa {

class Database;

// What the person pages show besides the person rows themselves: the history of a person's
// positions, the postal codes of the address look-up, the month choice of the list page and
// the value of a list column as the filter and the search see it.

// One position of a person on some list, as the history grid of the person page shows it.
struct PozycjaHistorii {
    int idlisty = 0;
    QString typ, nr, miesiacrok;
    std::optional<int> iloscdni;
    double zwnaleznpkwproc = 0, razem = 0, zaliczkapln = 0, rachunek = 0, zaliczkawaluta = 0;
};

// Every position of the person on any list, matched by surname, first name and father's name
// (not by PESEL; a missing name, stored empty or null, matches a missing name), the newest month
// first (by year, then month), lists of one month newest first.
QList<PozycjaHistorii> HistoriaOsoby(Database& db, const QString& nazwisko, const QString& imie,
                                     const QString& imieojca);

// Every postal code in code order, for the drop-down list of the address look-up.
QList<KodPocztowy> KodyPocztowe(Database& db);

// The months offered for the newly arrived / departed choice: "MM/YYYY" from four months
// before the month of `dzis` to five months after it (ten items); the month of `dzis` is the
// fifth.
QStringList MiesiaceWyboru(const QDate& dzis);
inline constexpr int MIESIAC_BIEZACY_WYBORU = 4;

// The value of a field of the person (named as in the table, in any case) as text: dates as
// YYYY-MM-DD, numbers as stored; empty for a field the person does not have or a null value.
QString WartoscPola(const Osoba& o, const QString& pole);

} // namespace vexa
