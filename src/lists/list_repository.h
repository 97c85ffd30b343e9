#pragma once

#include "lists/records.h"

#include <functional>
#include <optional>

namespace vexa {

class Database;

// Order of the position grid: by surname and first name, or by post number.
enum class KolejnoscPozycji { Nazwisko, Nis };

// Totals of a list over its positions, as written into the list row.
struct SumyListy {
    double razem = 0, zaliczka = 0, zaliczkawaluta = 0, rachunek = 0, skladkizus = 0,
           innezmniejszenia = 0;
    int iloscpozycji = 0;
};

// A refused list header: the message and the name of the field to focus.
struct BladListy {
    QString komunikat;
    QString pole;
};

// Date ranges of the "mark by dates" walk; an unticked range is std::nullopt.
struct ZakresDat {
    QDate od, do_;
};

// Lists and their positions in the database. Every walk over positions runs in one
// transaction and writes through one prepared statement.
class ListRepository {
public:
    explicit ListRepository(Database& db) : m_db(db) {}

    Lista lista(int id);
    void zapiszListe(const Lista& l);
    int dopiszListe(const Lista& l);

    QList<Pozycja> pozycje(int idlisty, KolejnoscPozycji order = KolejnoscPozycji::Nazwisko);
    Pozycja pozycja(int id);
    void zapiszPozycje(const Pozycja& p);
    int dopiszPozycje(const Pozycja& p);

    // Sums the positions, sets the collection flag "W" on positions with a cash amount and no
    // flag, and writes the totals into the list row.
    SumyListy sumylisty(int idlisty);
    // The totals the positions give now, as sumylisty writes them; changes nothing.
    SumyListy policzSumy(int idlisty);
    // The list of that id is in the database.
    bool istnieje(int idlisty);
    // The list of that id; a VexaError saying so when there is none.
    Lista wymaganaLista(int idlisty);
    // The first position (by id) of the person of that PESEL on the list; 0 when none.
    int pozycjaOsoby(int idlisty, const QString& pesel);
    int iloscDoZrobienia(int idlisty);
    int iloscZaznaczonych(int idlisty);

    void zaznaczWszystkie(int idlisty);
    void odznaczWszystkie(int idlisty);
    // Marks the positions with a PLN account ("N") or a currency account ("T") only.
    void zaznaczRachunki(int idlisty, const QString& czyWaluta);
    // The mark cycles: unmarked becomes marked, anything else unmarked.
    void przelaczZaznaczenie(int idpozycji);
    // The collection flag: "W" becomes "N" with a cash amount (else no flag, null); anything
    // else "W".
    void przelaczNiepobrane(int idpozycji);
    // The to-do flag toggles between "T" and empty.
    void przelaczDoZrobienia(int idpozycji);
    // Marks the positions whose start or end of entitlement lies in a ticked range; marks
    // already set stay. Returns how many positions qualified.
    int zaznaczWgDat(int idlisty, const std::optional<ZakresDat>& nabycie,
                     const std::optional<ZakresDat>& utrata);

    // Deletions keep the totals current; each runs in one transaction.
    int usunZaznaczone(int idlisty);
    void usunPozycje(int idpozycji);
    int usunPuste(int idlisty);
    void usunListe(int idlisty);

    // Applies `przelicz` to every position of the list and stores them, all or nothing.
    void przeliczWszystkie(int idlisty, const std::function<void(Pozycja&)>& przelicz);

private:
    SumyListy sumyBezTransakcji(int idlisty);
    Database& m_db;
};

// Closed lists are protected only in the unit whose NRIDJW is "4731086".
bool listyzamkniete(Database& db);

// The checks of the list header in order; the first that fails. Rates are divisors of the
// calculation, so a rate not above 0 is refused as well.
std::optional<BladListy> SprawdzNaglowekListy(const Lista& l);

} // namespace vexa
