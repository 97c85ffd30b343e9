#pragma once

#include "persons/records.h"

#include <QHash>

namespace vexa {

class Database;

// Days of one type ("U", "W", "P") of the given ranges that fall inside the list month
// ("MM/YYYY"), each range counted inclusively and clipped to the month. A range covering the
// whole month counts every day of it. Overlapping ranges are summed as they are.
int DniWolneWMiesiacu(const QList<DzienWolny>& zakresy, const QString& miesiacrok,
                      const QString& typ);
int DniWolneWMiesiacu(Database& db, const QString& pesel, const QString& miesiacrok,
                      const QString& typ);

// Summary of every range touching the month, in the given order: typ + ":" + first day +
// "-" + last day + "/" + rozkaz + " " for each (days of the month, clipped, no leading zero).
QString OpisDniWolnych(const QList<DzienWolny>& zakresy, const QString& miesiacrok);
QString OpisDniWolnych(Database& db, const QString& pesel, const QString& miesiacrok);

// The person's ranges ordered by their first day (oldest first).
QList<DzienWolny> DniWolneOsoby(Database& db, const QString& pesel);
// Every person's ranges that touch the month, grouped by PESEL, in one query.
QHash<QString, QList<DzienWolny>> DniWolneWMiesiacuWszystkich(Database& db,
                                                              const QString& miesiacrok);

// A stored range with its row identity, for the grid of the person page.
struct DzienWolnyWiersz {
    qint64 rowid = 0;
    DzienWolny dane;
};
// The person's ranges newest first, as the person page lists them.
QList<DzienWolnyWiersz> DniWolneDoEdycji(Database& db, const QString& pesel);
qint64 DopiszDzienWolny(Database& db, const DzienWolny& d);
void ZmienDzienWolny(Database& db, qint64 rowid, const DzienWolny& d);
void UsunDzienWolny(Database& db, qint64 rowid);

// Ranges whose PESEL belongs to no person (compared as the program compares texts), one Polish
// line each, in the order they were stored; empty when every range has its person.
QStringList DniWolneBezOsoby(Database& db);

} // namespace vexa
