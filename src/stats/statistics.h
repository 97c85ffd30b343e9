#pragma once
// The statistics of a set of allowance lists: how many lists of each group, and the totals of
// every amount column of their positions; shown on the list register and printed.
#include "lists/records.h"
#include "printouts/page_model.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace vexa {

class Database;

struct Statystyka {
    int listy = 0, zolnierzy = 0, pracownikow = 0, pelne = 0, dodatkowe = 0;
    // In the order of the panel: naleznosc, zwnaleznmon, zwnaleznpkw, the three war
    // supplements, rozm, srhigieny, wyrownanie, innezwiekszenia, razem, skladkizus,
    // innezmniejszenia, dowyplaty, rachunek, zaliczkapln, zaliczkawaluta.
    std::array<double, 17> sumy{};
    bool tylkoZaznaczone = false;
};

inline const QString STATYSTYKA_ZAZNACZONE =
    QStringLiteral("Statystyka obejmie tylko zaznaczone listy należności...");
inline const QString STATYSTYKA_WSZYSTKIE =
    QStringLiteral("Statystyka obejmie wszystkie listy należności...");

// The lists shown in the register, or only the marked ones among them when any list of the
// whole table is marked; the sums of their positions (a list without positions adds 0).
Statystyka ObliczStatystyke(Database& db, const QList<Lista>& rejestr);

// The unit's three war-supplement rates (settings DODWOJENNY, DODWOJENNY2, DODWOJENNY3).
std::array<double, 3> StawkiWojenne(Database& db);

// One row of the panel and of the printout: the label's object name, its caption, the value
// as shown and the unit after it.
struct WierszStatystyki {
    QString nazwa, podpis, wartosc, jednostka;
};
// The panel's rows: the five counts, then the seventeen sums ("zł", the last the advance
// currency `waluta`); captions of the war supplements "Dod.woj " + rate + "%".
QList<WierszStatystyki> WierszeStatystyki(const Statystyka& s, const std::array<double, 3>& stawki,
                                          const QString& waluta);
// TRStat: portrait, the rows of the panel under their printout captions, then "UWAGI:".
Raport WydrukStatystyki(const Statystyka& s, const std::array<double, 3>& stawki,
                        const QString& waluta, const QDate& dzis);

} // namespace vexa
