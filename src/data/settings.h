#pragma once

#include <QString>

namespace vexa {

class Database;

// Unit settings: one text value per key in table dane. Keys are matched case-insensitively
// ("nazwa1" reads the row written as "NAZWA1"). Nothing is cached: every call goes to the
// database, so a value written anywhere is seen everywhere at once.

// The value of `key`, or an empty text when there is no such row (nothing is created).
QString Odczyt(Database& db, const QString& key);
// Sets the value of `key`, creating the row when it is missing.
void Zapis(Database& db, const QString& key, const QString& value);

// Numeric settings are kept as whole hundredths ("11125" for 111.25; "0" for 0).
// OdczytSetne gives 0 for a missing or empty value and throws VexaError for a value that is
// not a whole number; ZapisSetne stores the nearest whole number of hundredths, ties to even.
double OdczytSetne(Database& db, const QString& key);
void ZapisSetne(Database& db, const QString& key, double value);

// The password gate: the typed text must equal setting HASLO exactly (a missing key reads as
// empty, so an empty password opens a database that has none).
bool HasloPoprawne(Database& db, const QString& typed);
// False only while setting DANE reads "N": the unit settings were never confirmed.
bool UstawieniaPotwierdzone(Database& db);

} // namespace vexa
