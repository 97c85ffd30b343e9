#pragma once

#include "lists/records.h"

namespace vexa {

class Database;

// Data types of the register's sort column, used to write a filter value.
inline constexpr int TYP_TEKST = 1;
inline constexpr int TYP_LICZBA = 2;
inline constexpr int TYP_DATA = 3;

inline const QString WSZYSTKIE = QStringLiteral("(WSZYSTKIE)");
inline const QString GRUPA = QStringLiteral("(GRUPA)");

// The register's filter controls and its kept state.
struct FiltrRejestru {
    int miesiac = 0;          // 0 = every month, else 1..12
    QString rok = WSZYSTKIE;  // "(WSZYSTKIE)", "2027" or "2010-2012"
    QString pkw = WSZYSTKIE;  // "(WSZYSTKIE)", one contingent, or "(GRUPA)"
    QStringList mpkw;         // the contingents of a group
    bool otwarte = true, zamkniete = true;
    bool pelne = true, dodatkowe = true;
    bool zolnierze = true, cywile = true;
    QString sort = "miesiacrok";
    int sortTyp = TYP_TEKST;
    QString filtr = "(true)";
};

// The conditions of the register's filter on table lista, each "(true)" when it does not
// restrict. An empty group of contingents is "(false)": it shows no lists.
struct WarunkiRejestru {
    QString miesiac = "(true)", rok = "(true)", pkw = "(true)", status = "(true)",
            typ = "(true)", rodzaj = "(true)";
};
WarunkiRejestru Warunki(const FiltrRejestru& f);
// The register's SQL.
QString ZapytanieRejestru(const FiltrRejestru& f);
QList<Lista> Rejestr(Database& db, const FiltrRejestru& f);
// The distinct contingents of all lists, for the contingent chooser.
QStringList KodyPkw(Database& db);

// Data type of a column of lista (TYP_TEKST, TYP_LICZBA or TYP_DATA); 0 when there is none.
int TypKolumnyListy(const QString& field);
// "(field=value)" written so the database accepts it: texts quoted (quotes doubled), dates as
// #MM/DD/YYYY# literals, numbers with a full stop.
QString WarunekFiltruListy(const QString& field, const QVariant& value, int type);

// Text of the year chooser after the year dialog: every year, one year, or a range ("2010-2012";
// the same year twice is the single year). std::nullopt when a range ends before it starts.
std::optional<QString> TekstRoku(int wybor, int od, int do_);
// The contingent chooser after its dialog: every code ticked gives "(WSZYSTKIE)", one gives it,
// several give "(GRUPA)" with `grupa` holding them.
QString TekstPkw(const QStringList& wszystkie, const QStringList& zaznaczone, QStringList& grupa);

void OdznaczWszystkieListy(Database& db);
// How many lists of the whole table are marked.
int LiczbaZaznaczonychList(Database& db);
void PrzelaczZaznaczenieListy(Database& db, int id);

} // namespace vexa
