#pragma once

#include "persons/records.h"

#include <optional>
#include <utility>

namespace vexa {

class Database;
class Messages;

// What the person list shows: the kind, the sub-unit ("" = all), inactive persons too or not,
// the extra condition and the sort field (as the main window keeps them).
struct WidokOsob {
    QString zp = "Z";
    QString pododdzial;
    bool nieaktywni = false;
    QString filtr = "(true)";
    QString sort = "nazwisko";
};

// The changes of the bulk change dialog; an unticked field stays as it is.
struct ZmianaOsob {
    std::optional<QDate> datautraty;
    std::optional<QString> rozkazprzybyl, rozkazubyl;
    std::optional<QString> akt;
};

// The outcome of confirming the person editor: saved (with the row's id), or stopped with the
// name of the control to focus (empty after a "no" to a question).
struct ZatwierdzenieOsoby {
    bool zapisano = false;
    int id = 0;
    QString fokus;
};

// The texts of the date fields as typed, which the checks look at before the dates themselves.
struct TekstyDat {
    QString nabycia, utraty;
};

// The first text of the person holding a character Windows-1250 lacks: the refusal naming
// the character and the field, and the objectName of the form's field (empty for a column
// the form does not edit). Nothing when every text is carried.
std::optional<std::pair<QString, QString>> ZnakSpozaCp1250Osoby(const Osoba& o);

class PersonRepository {
public:
    explicit PersonRepository(Database& db) : m_db(db) {}

    // The SQL of the person list; values in the condition are quoted, never spliced raw.
    static QString zapytanie(const WidokOsob& w);
    // "(field='value')", or a date literal for the two date fields; quotes are doubled.
    static QString warunekFiltru(const QString& field, const QString& value);

    QList<Osoba> lista(const WidokOsob& w);
    Osoba osoba(int id);
    // A new person of the kind with the defaults of a new row (unit number, post, dates, flags).
    Osoba nowa(const QString& zp, const QDate& today);
    int dopisz(const Osoba& o);
    void zapisz(const Osoba& o);
    void usun(int id);

    // The checks and questions of ZATWIERDŹ in order; saves when all pass.
    ZatwierdzenieOsoby zatwierdz(Osoba& o, bool nowa, const TekstyDat& daty, Messages& messages);

    // Sub-units used by persons of the kind, in the order of their groups.
    QStringList pododdzialyOsob(const QString& zp);

    // Marks: every person unmarked (both kinds), one person toggled, all of a kind marked.
    void odznaczWszystkich();
    void przelaczZaznaczenie(int id);
    void zaznaczRodzaj(const QString& zp);
    int iloscZaznaczonych();
    // Marks the listed persons added on or after the day; returns how many.
    int zaznaczDopisanychPo(const QList<int>& ids, const QDate& day);
    // Applies the change to the marked persons among the listed ones, then clears every mark;
    // returns how many were changed.
    int zmienZaznaczonych(const QList<int>& ids, const ZmianaOsob& zmiana);
    void zerujZaliczki(const QString& zp);

private:
    Database& m_db;
};

} // namespace vexa
