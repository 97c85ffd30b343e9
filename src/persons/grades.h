#pragma once

#include <QList>
#include <QString>

namespace vexa {

// One post grade a person can be given in the grade dialog: the group it is shown in, the
// caption of its button and the abbreviation stored in osoba.ste. The abbreviation must equal
// the short name of a row of the post-grade dictionary for the person's multiplier to be found.
struct StopienEtatowy {
    QString grupa;
    QString napis;
    QString skrot;
};

// The twenty-three grades in the order of the dialog, group by group.
const QList<StopienEtatowy>& StopnieEtatowe();
// The groups in their order.
QStringList GrupyStopni();

} // namespace vexa
