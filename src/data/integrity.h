#pragma once

#include <QString>
#include <QStringList>

namespace vexa {

class Database;

// SQLite's own check of every page, table and index of the open database, run on the
// program's connection, where the collation PL is registered (the sqlite3 tool cannot check
// what is ordered by it). The problems reported, one per entry; empty when the file is sound.
QStringList BledyIntegralnosci(Database& db);

// SQLite's quick check of a database file, on a read-only connection of its own with the
// program's collation and functions. A file that cannot be opened or read gives its error;
// empty when the file is sound.
QStringList BledySzybkiejKontroli(const QString& path);

} // namespace vexa
