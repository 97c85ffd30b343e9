#pragma once

#include <QString>

namespace vexa {

class Database;

// Bank names by sort code (table bank): the program learns the pair (digits 3-10 of an account
// number, bank name) from the unit settings and offers the name again while an account number
// is typed.

// The name of the bank of an account, found by characters 3 to 10 of the account with its
// blanks removed; the account need not be complete. Empty when fewer than ten characters are
// left or the prefix is not known.
QString NazwaBanku(Database& db, const QString& rachunek);

// Remembers the bank of a complete account (26 characters once the blanks are removed) under
// its prefix; a known prefix gets the new name. Nothing happens for another length or an empty
// name.
void ZapamietajBank(Database& db, const QString& rachunek, const QString& nazwa);

// The bank field after an account number was typed: a field that already holds a name keeps
// it, an empty one gets the name known for the account (or stays empty).
QString BankDlaRachunku(Database& db, const QString& rachunek, const QString& bank);

} // namespace vexa
