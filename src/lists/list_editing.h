#pragma once

// The rules of the list editor and the position editors that are not plain reads and writes
// of the repository: the title, the values remembered on opening, the confirmation of a list,
// the save step of a position, the date-filter ranges and the repeated persons of "JN" lists.

#include "lists/calculation.h"
#include "lists/list_repository.h"

#include <QSet>

namespace vexa {

class Database;
class Messages;

inline const QString LISTA_ZAMKNIETA_ANULOWANO =
    QStringLiteral("Lista należności jest zamknięta!\r\rWszystkie wprowadzone zmiany zostały "
                   "anulowane.");

// The title of the list editor: contingent, sub-unit, kind of persons and month
// ("PKW - KOMP - ŻOŁNIERZE  - 03/2027").
QString TytulListy(const Lista& l);

// The calculation a list's positions go through: the full one for "P" and "U", the short one
// for "D", none for any other kind.
enum class RodzajNaliczenia { Brak, Pelne, Skrocone };
RodzajNaliczenia rodzajNaliczenia(const Lista& l);
// Recalculates one position by its list's kind (nothing for other kinds).
void PrzeliczPozycje(const Lista& l, Pozycja& p, const DaneNaliczenia& dane);

// The header values remembered when the editor opens; a change of one of them makes the
// confirmation recalculate every position. The bank-account rate is remembered too: it
// converts the amounts of currency accounts, which would otherwise keep the old rate.
struct ZapamietaneWartosci {
    double kurszaliczki = 0, kursrach = 0, uposazenie = 0, zwnaleznmon = 0;
    double podatek_kurs = 0, podatek_dieta = 0;

    static ZapamietaneWartosci z(const Lista& l);
    // The cash rate, the bank rate, the base pay or the MON increase changed.
    bool zmianaNaleznosci(const Lista& l) const;
    // The tax rate or the daily diet changed.
    bool zmianaPodatku(const Lista& l) const;
};

// A closed list of the unit that protects closed lists: nothing of it may change.
bool ListaChroniona(Database& db, const Lista& zapisana);

// ZATWIERDŹ of the list editor. `edytowana` is the header as typed, `zapisana` as stored when
// the editor opened. The header checks come first (the failure is returned and nothing is
// written). A protected closed list gets its header changes cancelled (`edytowana` is reset)
// with the message above. Then, all in one transaction: the header is written (the list number
// with '_' for '/', '\' and blanks), every position is recalculated after the messages when a
// remembered value changed, and the totals are written.
// Returns the failed check, or std::nullopt when the list was confirmed; *przeliczono tells
// whether the positions were recalculated.
std::optional<BladListy> ZatwierdzListe(Database& db, Messages& messages, Lista& edytowana,
                                        const Lista& zapisana, const ZapamietaneWartosci& pamiec,
                                        const DaneNaliczenia& dane, bool* przeliczono = nullptr);

// The values of the header that enter the calculation of a position differ.
bool RozneDoNaliczen(const Lista& a, const Lista& b);
// Recalculates every position with the list as stored and writes the totals, in one
// transaction: after ANULUJ no position keeps amounts computed from a header that was dropped.
void PrzeliczListe(Database& db, const Lista& l, const DaneNaliczenia& dane);

// The save step of the position editors (ZATWIERDŹ, NASTĘPNA / POPRZEDNIA OSOBA): a protected
// closed list refuses (false, nothing written); otherwise the position is recalculated with the
// list as shown in the editor, written and the list's totals rewritten, in one transaction.
bool ZapiszPozycjeListy(Database& db, const Lista& lista, const Lista& zapisana, Pozycja& p,
                        const DaneNaliczenia& dane, SumyListy* sumy = nullptr);

// The ranges of the date-filter dialog: a ticked range that starts after its end is refused.
struct BladZakresu {
    QString komunikat;
    bool nabycie = true; // the range of the start of entitlement (else of its end)
};
std::optional<BladZakresu> SprawdzZakresyDat(const std::optional<ZakresDat>& nabycie,
                                             const std::optional<ZakresDat>& utrata);

// The PESEL numbers that occur on more than one position of the "JN" lists of a year (the year
// as four characters). Positions without a PESEL are not counted.
QSet<QString> PowtorzonePeseleJN(Database& db, const QString& rok);
// The year of a list: characters 4–7 of `miesiacrok`.
QString RokListy(const Lista& l);

} // namespace vexa
