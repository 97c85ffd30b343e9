#pragma once

#include <QList>
#include <QString>

namespace vexa {

// The sixteen kinds of an additional list (lista.rodzaj), in the order the program shows them.
struct RodzajListy {
    QString kod;       // "NU"
    QString pozycja;   // item of the new-list dialog: "NU - Nagroda uznaniowa"
    QString legenda;   // line of the legend window: "- Nagroda uznaniowa"
    QString opisZwsi;  // description in the ZWSI RON files (none for "JN")
    QString tytul;     // title line of the printed additional list
};

// The kind of that code; nullptr for a code that is none of the sixteen.
const RodzajListy* RodzajListyKodu(const QString& kod);

// In the order of the new-list dialog's choice.
const QList<RodzajListy>& RodzajeListy();
// In the order of the legend window (NI before PS there).
QList<RodzajListy> RodzajeListyLegenda();

} // namespace vexa
