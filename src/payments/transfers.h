#pragma once

// Transfer import files of the unit's electronic-banking program (".imp"): one file of PLN
// transfers and one of transfers in the list's currency ("wal_" + the name), built from the
// positions of a list, with the report of what was written and what was refused.

#include "lists/list_repository.h"
#include "lists/records.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexa {

class Database;

// The payer's data of the unit settings BANK, POSIADACZ, KONTO and KLBUDZET.
struct PlatnikPrzelewow {
    QString bank, posiadacz, konto, klbudzet;
    static PlatnikPrzelewow z(Database& db);
};

struct OpcjePrzelewow {
    QString tytul1, tytul2, tytul3; // the three title lines; the first is required
    QDate dataWaluty;               // the value date of the currency file
    QString filtr;                  // "N" PLN transfers only, "T" currency only, "" both
    bool niepobrane = false;        // PLN advances not collected at the cash desk
    QString plik;                   // the chosen (PLN) file, as named in the report
    QDate dzis;                     // the date of the report
};

struct WynikPrzelewow {
    QByteArray pln, waluta; // the files' bytes (Windows-1250, CR LF)
    int plnWykonane = 0, plnOdrzucone = 0, walWykonane = 0, walOdrzucone = 0;
    double plnKwota = 0, plnKwotaOdrzucona = 0, walKwota = 0, walKwotaOdrzucona = 0;
    int osoby = 0;      // marked positions (the regular case)
    QStringList raport; // the report, line by line
    // Which files remain after the run: the not-collected case always leaves its PLN file
    // (empty when nothing was written); the regular case only a file with a transfer in it.
    bool zostajePln = false, zostajeWaluta = false;
};

// The name of the currency file beside the chosen one: C:/A/lipiec.imp → C:/A/wal_lipiec.imp.
QString PlikWalutowy(const QString& plikPln);

// Builds both files and the report from the positions in their order. In the regular case
// only marked positions are taken, each paid account (account 1 before account 2) giving one
// transfer in PLN or in the list's currency by the account's flag; the not-collected case
// takes every position whose PLN advance is above 0 and flagged "N", to account 1 in PLN.
// A transfer lacking the account's bank, owner or number, or the payer's BANK, POSIADACZ or
// KONTO is refused: listed in the report and written nowhere. A double quote inside a value
// is written as an apostrophe, so the quoted fields of a line always stay apart.
// Throws VexaError when a text holds a character the Windows-1250 code page lacks, naming
// the person and the column (or the setting, or the title).
WynikPrzelewow GenerujPrzelewy(const Lista& lista, const QList<Pozycja>& pozycje,
                               const PlatnikPrzelewow& platnik, const OpcjePrzelewow& opcje);

// The same for a list of the database: the list, its positions in the list editor's order and
// the payer's data of the unit settings. Throws VexaError for a list that does not exist.
WynikPrzelewow PrzelewyListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc,
                             const OpcjePrzelewow& opcje);

// Writes the files of a run: the chosen file and its currency file, each replaced whole or
// removed when it is not to remain (a stale file of an earlier run goes too). Both change
// together or neither: a failure leaves the files of the earlier run. Throws VexaError with a
// Polish message when a file cannot be written.
void ZapiszPrzelewy(const WynikPrzelewow& wynik, const QString& plikPln, bool niepobrane);

} // namespace vexa
