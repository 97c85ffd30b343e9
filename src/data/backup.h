#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace vexa {

class Database;

// Name of the backup made on `day`: day_month_year.ach, without leading zeros (5_3_2027.ach).
QString NazwaKopii(const QDate& day);

// Copies the open database into the folder Archiwum of `programFolder` (created when
// missing) under NazwaKopii(day), replacing a copy of the same day. Returns the folder, with
// a trailing separator. The copy is checked before it replaces the earlier one (see
// Database::backupTo, which also calls `afterWrite`). Throws VexaError when no complete, sound
// copy could be made; the earlier copy then stays as it was.
QString WykonajKopie(Database& db, const QString& programFolder, const QDate& day,
                     const std::function<void(const QString& temp)>& afterWrite = {});

} // namespace vexa
