#pragma once

#include <QDate>
#include <QString>

namespace vexa {

// The names celebrated on the given day of the Polish calendar, separated by ", "
// (month 1-12, day 1-31). A day that does not exist (30 February) or a month or day
// out of range gives an empty text.
QString Imieniny(int month, int day);

// The greeting of the start page: "  Dziś imieniny: " + the day's names + "  ".
QString EtykietaImienin(const QDate& date);

} // namespace vexa
