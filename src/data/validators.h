#pragma once

// Identity-number and account checks, date conversions between the program's text forms
// and the small text helpers of the file formats. Every function is pure.

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

namespace vexa {

// The program's empty date: a date field with no value holds 31.12.1899.
inline const QDate DATA_PUSTA{1899, 12, 31};
// 1 January 2999 closes a period that has no end.
inline const QDate DATA_BEZ_KONCA{2999, 1, 1};

// PESEL: 11 ASCII digits with a valid check digit.
bool CzyPesel(const QString& t);
// Sex from the 10th character of a PESEL: "M" for an odd digit, "K" otherwise.
QString plecpesel(const QString& t);
// The unit identification number: 1 to 7 digits, checked in its form padded with zeros to 7.
bool CzyNrIdent(const QString& t);
// The 26-digit Polish account number, checked as a "PL" IBAN; non-digits are ignored.
bool CzyRachunek(const QString& t);
// 26 characters (after trimming blanks) grouped as NN NNNN NNNN NNNN NNNN NNNN NNNN;
// any other text is returned unchanged.
QString FormatRachunek(const QString& t);
// Every character is a digit or a blank; an empty text is true.
bool CzyCyfry(const QString& t);
// NIP: CzyCyfry and exactly 10 characters.
bool CzyNip(const QString& t);
// Background of a numeric field while the user types: white when CzyCyfry, red otherwise.
QColor KolorCyfr(const QString& t);

// DD.MM.YYYY to a date; "00.00.0000" gives DATA_PUSTA. A malformed text or an impossible
// date throws VexaError.
QDate DataZTekstu(const QString& t);
// DD.MM.YYYY; a date before 1900 (the empty date) or an invalid date gives "00.00.0000".
QString DataNaTekst(const QDate& d);
// MM/DD/YYYY for SQL date literals; a date before 1900 or an invalid date gives "00/00/0000".
QString DataNaSql(const QDate& d);
// The birth date encoded in a PESEL as DD.MM.YYYY; empty text when the PESEL is too short,
// holds a non-digit in its first six characters, or does not encode an existing date.
QString DataUrodzeniaZPesel(const QString& p);
// DD.MM.YYYY to YYYY-MM-DD, by character positions.
QString DataIso(const QString& t);
// Days of the month written "MM?YYYY" (any one separator); 0 for a malformed text.
int DniMiesiaca(const QString& t);
// The short date form of screens: dd/MM/yyyy.
QString DataKrotka(const QDate& d);
// The short time form of screens: hh:mm.
QString CzasKrotki(const QTime& t);

// The line-break marker of the receiving banking program inside transfer texts.
inline constexpr QStringView ZNACZNIK_LINII = u"???";
// Texts longer than 35 characters: the first 35, "???", then characters 36 to 70.
QString Podziel35(const QString& t);
// The text without blanks (code 32).
QString BezSpacji(const QString& t);
// The text without TAB characters; applied to every value written to a TAB-separated file.
QString BezTabulatorow(const QString& t);
// "/", "\" and blanks replaced by "_", for file names built from list numbers.
QString NazwaPliku(const QString& t);
// The text as UTF-8 bytes.
QByteArray NaUtf8(const QString& t);

// The fields of one TAB-separated line, numbered from 1, each trimmed of leading and trailing
// characters up to U+0020. At most POLA_TAB_MAX fields are kept; the rest of a longer line is
// ignored. A field number beyond those present reads as empty.
class PolaTab {
public:
    static constexpr int POLA_TAB_MAX = 500;

    explicit PolaTab(const QString& linia);
    // Field n (from 1); empty when absent.
    QString pole(int n) const;
    QString operator[](int n) const { return pole(n); }
    // The number of fields present (at least 1: an empty line has one empty field).
    int liczba() const { return int(m_pola.size()); }

private:
    QStringList m_pola;
};

} // namespace vexa
