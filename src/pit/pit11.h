#pragma once
// The annual PIT-11 forms: one row of pit_11 per person and tax year, created in one step from
// the year's taxed positions and the person register, deleted, and marked as a correction or
// as carrying an explanation (the ORD-ZU attachment).
#include "data/record.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexa {

class Database;

struct FormularzPit11 {
    int id = 0;
    QString rok, nip, platnik, regon, op_imie, op_nazwisko;
    QString os_pesel, os_nip, os_nazwisko, os_imie, os_data_ur;
    QString os_kraj, os_woj, os_powiat, os_gmina, os_ulica, os_nr_domu, os_nr_lok, os_miejsc,
        os_kod, os_poczta;
    QString us_nazwa, us_kod_is, koszty;
    double kw_przychod = 0, kw_koszty = 0, kw_dochod = 0, kw_dochod_zw = 0, kw_podatek = 0;
    QString korekta, wyjasnienie, wyjasnienie_text;

    bool jestKorekta() const { return korekta == u"T"; }
    bool maWyjasnienie() const { return wyjasnienie == u"T"; }
    // The taxpayer is identified by NIP when the form has one (blanks aside), else by PESEL.
    bool identyfikatorNip() const { return !os_nip.trimmed().isEmpty(); }
    // The payer's name as the tax forms and their printouts show it: the line-break marker of
    // the banking program ("???", kept in POSIADACZ for the transfer files) read as a blank.
    QString platnikNaFormularzu() const;
    static const QList<Kolumna<FormularzPit11>>& kolumny();
};

// The first tax year of the year box; item i of the box is the year PIERWSZY_ROK_PIT11 + i.
inline constexpr int PIERWSZY_ROK_PIT11 = 2014;
// The years of the year box: from 2014 to 2030, and on to the year after `dzis` when that is
// later.
QStringList LataPit11(const QDate& dzis);
// The year the page opens on: the previous calendar year.
int RokDomyslnyPit11(const QDate& dzis);

// The forms of a year ordered by surname and first name.
QList<FormularzPit11> FormularzePit11(Database& db, const QString& rok);
// One form by its id (id 0 when there is none).
FormularzPit11 FormularzPit11ById(Database& db, int id);

inline const QString BRAK_OSOBY_SPORZADZAJACEJ = QStringLiteral(
    "Proszę wprowadzić imię i nazwisko osoboy wyznaczonej do obliczenia pobrania podatku...");
// Stores the preparer's names in the unit settings OP_IMIE and OP_NAZWISKO.
void ZapiszSporzadzajacego(Database& db, const QString& imie, const QString& nazwisko);
// Replaces every form of the year, in one transaction, by one form per PESEL with income tax
// withheld on the year's taxed lists (by the list's date, open or closed, of any kind): the
// sums of the tax base and the advances, the payer from the unit settings, the person from the
// register when the PESEL is there. A failure leaves the year's forms as they were. Returns
// how many forms were created.
int UtworzFormularzePit11(Database& db, const QString& rok, const QString& opImie,
                          const QString& opNazwisko);
void UsunFormularzePit11(Database& db, const QString& rok);
void UsunFormularzPit11(Database& db, int id);
// The correction mark and the explanation: korekta 'T' or empty, wyjasnienie 'T' when the text
// is not empty.
void ZapiszKorektePit11(Database& db, int id, bool korekta, const QString& wyjasnienie);

} // namespace vexa
