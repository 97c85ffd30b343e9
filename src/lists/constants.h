#pragma once

// The unit-wide calculation constants ("DANE DO NALICZEŃ"): rates, currencies, the tax rate
// and the cash denominations, kept as settings; and the multipliers of the post grades.
// List creation copies the rates into each new list, so a change here never alters a list
// that already exists.

#include "lists/calculation.h"

#include <QHash>
#include <QList>
#include <QString>
#include <array>

namespace vexa {

class Database;

struct DaneDoNaliczen {
    double uposazenie = 0;             // UPOSAZENIE, PLN
    double zwnalmon = 0;               // ZWNALMON, %
    double dodwojenny = 0;             // DODWOJENNY, % per day
    double dodwojenny2 = 0;            // DODWOJENNY2
    double dodwojenny3 = 0;            // DODWOJENNY3
    double rozm = 0;                   // ROZM, % per day
    double srhigienym = 0;             // SRHIGIENYM, PLN per month
    double srhigienyk = 0;             // SRHIGIENYK, PLN per month
    QString walutazaliczki;            // WALUTAZALICZKI
    QString walutarachunek;            // WALUTARACHUNEK
    double podatekproc = 0;            // PODATEKPROC, %
    std::array<double, 12> nominaly{}; // N1 … N12
};

// The refusal of an empty cash currency.
inline constexpr const char* kBrakWalutyZaliczki = "Wprowadź skrót waluty dla wypłacanej zaliczki!";
// The refusal of a rate, denomination or multiplier that is not a number.

// Reads every key (a missing one reads as 0 or an empty text). A numeric value that is not a
// whole number of hundredths throws VexaError.
DaneDoNaliczen WczytajDaneDoNaliczen(Database& db);

// The message refusing the values, or an empty text when they may be stored: the cash
// currency must be given (blanks alone do not count).
QString SprawdzDaneDoNaliczen(const DaneDoNaliczen& d);

// Checks the values (false, with the message in *blad, when refused: nothing is stored), sets a
// blank bank-account currency to "PLN", and stores every key as whole hundredths or as typed,
// in the fixed order, all together or not at all.
bool ZapiszDaneDoNaliczen(Database& db, DaneDoNaliczen& d, QString* blad = nullptr);

// The current hygiene equivalents for the calculation (focus: none).
DaneNaliczenia BiezaceDaneNaliczenia(Database& db);

// One post grade of table ste with its multiplier.
struct MnoznikStopnia {
    int id = 0;
    QString skrot;
    QString nazwa;
    double mnoznik = 0;
};

// Every post grade, ordered by name.
QList<MnoznikStopnia> MnoznikiStopni(Database& db);
// The multiplier of a grade abbreviation as positions look it up: the exact abbreviation
// first, then ignoring the case; 0 for a grade that is not in the table.
class TabelaMnoznikow {
public:
    explicit TabelaMnoznikow(Database& db);
    double operator()(const QString& ste) const;

private:
    QHash<QString, double> m_exact, m_folded;
};

// Sets the multiplier of one post grade.
void ZapiszMnoznik(Database& db, int id, double mnoznik);

} // namespace vexa
