#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace vexa {

class Database;
class Messages;

// The two dictionaries of page slowniki: sub-units (pododdzial, listed by id) and post grades
// (ste, listed by name). Persons refer to their rows by the short name, as text, so deleting or
// renaming a row never touches a person.
enum class Slownik { Pododdzialy, Stopnie };

// One row of either dictionary.
struct PozycjaSlownika {
    int id = 0; // 0: a row not stored yet
    QString skrot;
    QString nazwa;
};

// A refused row: the message to show and the objectName of the field that gets the focus.
struct BladSlownika {
    QString komunikat;
    QString pole;
};

// What differs between the two dictionaries: table, order and the names of the edit fields.
struct OpisSlownika {
    QString tabela;
    QString porzadek;
    QString poleSkrotu;
    QString poleNazwy;
    QString brakSkrotu;
    QString brakNazwy;
};
const OpisSlownika& opisSlownika(Slownik s);

// Every row of the dictionary in the order of its grid.
QList<PozycjaSlownika> PozycjeSlownika(Database& db, Slownik s);

// The check of ZATWIERDŹ: a short name, then a name (a text of blanks counts as empty).
std::optional<BladSlownika> SprawdzPozycje(Slownik s, const PozycjaSlownika& p);

// Checks the row and stores it: a new row (id 0) is added, any other is updated. On success
// returns the row's id and leaves *blad untouched; on a refusal returns 0 and fills *blad.
// Texts are stored as typed. A new post grade starts with the multiplier 0; an edit keeps it.
int ZapiszPozycje(Database& db, Slownik s, const PozycjaSlownika& p, BladSlownika* blad);

// The question USUŃ asks before a row goes.
QString PytanieUsuniecia(const PozycjaSlownika& p);

// USUŃ: for a stored row (id not 0) asks the question and, on yes, deletes the row even when
// persons or lists use its short name. True when the row was deleted.
bool UsunPozycje(Database& db, Messages& messages, Slownik s, const PozycjaSlownika& p);

} // namespace vexa
