#pragma once

#include <QStringList>

namespace vexa {

class Database;

// The program's rules over lists, one Polish line per breach: each list's stored totals and
// position count equal what its positions give now (as sumylisty computes them), and every
// position belongs to an existing list. Empty when every list is sound.
QStringList SprawdzListy(Database& db);

// A database checked as the program sees it: SQLite's integrity check on the program's own
// connection (with the collation PL), then the rules of lists and of days off. One Polish line
// per problem; empty when all is sound. Reads only.
QStringList SprawdzBaze(Database& db);

} // namespace vexa
