#pragma once

#include <QString>

struct sqlite3;

namespace vexa {

// Compares two texts the way every text column of the database does: case-insensitively in
// Polish alphabetical order (Ą after A, Ł between L and M, Ś after S, Ż last).
int PorownajPL(const QString& a, const QString& b);

// Registers on one connection what the program's SQL relies on: the collation PL, year(),
// Unicode upper()/lower() and a like() that ignores the case of Polish letters.
// Returns false (with the reason in *error) when SQLite refuses a registration.
bool ZarejestrujFunkcjeSql(sqlite3* db, QString* error);

} // namespace vexa
