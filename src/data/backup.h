#pragma once

#include <QDate>
#include <QString>

namespace vexa {

class Database;

// Name of the backup made on `day`: day_month_year.ach, without leading zeros (5_3_2027.ach).
QString NazwaKopii(const QDate& day);

// Copies the open database into the folder Archiwum of `programFolder` (created when
// missing) under NazwaKopii(day), replacing a copy of the same day. Returns the folder, with
// a trailing separator. Throws VexaError when no complete copy could be made.
QString WykonajKopie(Database& db, const QString& programFolder, const QDate& day);

} // namespace vexa
