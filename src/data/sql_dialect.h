#pragma once

#include <QString>

namespace vexa {

// The program writes its SQL in one dialect (left/right/isnull, #MM/DD/YYYY# date literals,
// "(true)" for no condition, Access column types in "alter table ... add"). NaSqlite turns
// such a text into SQLite before it is prepared. Quoted texts are never touched.
// A malformed date literal throws VexaError.
QString NaSqlite(const QString& sql);

// 'YYYY-MM-DD' for a date literal body "MM/DD/YYYY" (also "M/D/YYYY"); "00/00/0000", the
// form of an empty date, gives the program's empty date 1899-12-31. Throws VexaError when
// the text is not a date.
QString DataLiteralNaIso(const QString& mmddyyyy);

} // namespace vexa
