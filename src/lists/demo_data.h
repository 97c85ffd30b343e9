#pragma once

#include <QDate>
#include <QString>

namespace vexa {

class Database;

// A realistic, configured demo unit for newcomers and benchmarks: unit settings with a valid
// identification number, NIP and account, the calculation constants, the twenty-three grades
// with multipliers, four sub-units, `persons` soldiers and employees with valid PESEL numbers
// and accounts, some days off, and the lists of the month before `today` (a full list of
// soldiers and of employees, and a one-off additional list). The same seed gives the same unit.
void WypelnijDemo(Database& db, int persons, const QDate& today, unsigned seed = 2027);

// A valid PESEL for the birth date, serial number and sex ("M" / "K").
QString PeselDemo(const QDate& birth, int serial, const QString& plec);
// A valid 26-digit account number (grouped) for the 8-digit bank sort code and the
// 16-digit customer number.
QString RachunekDemo(const QString& bank8, qint64 customer);

} // namespace vexa
