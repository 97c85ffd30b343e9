#pragma once

#include <QString>
#include <optional>

namespace vexa {

class Database;

// The changes of the bulk-change dialog of a full list; an unticked line is std::nullopt or
// false. They are applied in this order.
struct ZmianaPozycji {
    std::optional<double> zwnaleznpkwproc;
    std::optional<int> iloscdniwojna, iloscdniwojna2, iloscdniwojna3;
    std::optional<double> srhigieny; // also fixes it against recalculation
    std::optional<double> wyrownanie, innezwiekszenia, innezmniejszenia;
    std::optional<QString> uwagi;
    bool daneOsobowe = false; // personal and bank data from the person record
    bool zaliczka = false;    // the cash amount in currency from the person's advance
    bool mnoznik = false;     // the multiplier of the position's grade
    bool zeruj = false;       // every component but the MON increase set to zero
};

// The changes of the bulk-change dialog of the other lists, applied in this order.
struct ZmianaPozycjiSkroconej {
    bool daneOsobowe = false;
    std::optional<double> razem;
    std::optional<double> przelicz; // razem := zaokraglij(rate × razem)
    std::optional<QString> uwagi;
};

// The message when nothing is marked, by the list's kind.
QString BrakZaznaczonychPozycji(const QString& typ);

// Applies the changes to every marked position of the list, recomputes each, writes the
// totals; one transaction. Returns how many positions were changed.
int ZmienZaznaczonePozycje(Database& db, int idlisty, const ZmianaPozycji& z);
int ZmienZaznaczonePozycje(Database& db, int idlisty, const ZmianaPozycjiSkroconej& z);

// The caption of a war-day line of the dialog from the current unit rate ("0" format).
QString OpisDniWojennych(double rate);

} // namespace vexa
