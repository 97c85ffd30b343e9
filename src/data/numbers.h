#pragma once

// Every number format of the program, the parser of typed amounts, the money rounding and the
// whole-hundredths form of numeric settings. Files never go through QLocale: its Polish group
// separator is a non-breaking space and it does not group four-digit numbers.

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace vexa {

// Formats a number by a pattern:
//   '0'  a digit, written even when it is a leading or trailing zero;
//   '#'  a digit, left out when it is a leading zero (or a trailing zero after the point);
//   '.'  the position of the decimal point, written as decimalSep (left out with no digits
//        after it);
//   ','  anywhere before the point: the integer digits are grouped by three with a blank;
//   any other character before the point is written as it is, but only once a digit stands
//   to its left (no leading blanks). Integer digits beyond the placeholders all go before the
//   leftmost placeholder ("# ##0.00" of 1234567.5 gives "1234 567,50").
// The value is taken to 18 significant digits and rounded half away from zero at the last
// written place; a result that rounds to zero has no minus sign. An infinite value gives
// "INF" or "-INF" and a NaN gives "NAN".
QString formatujLiczbe(long double value, QStringView pattern, QChar decimalSep);

// "0.00" with a full stop: transfer files.
QString Kwota00Kropka(long double value);
// "#0.00" with a decimal comma: ZWSI RON files.
QString Kwota00Przecinek(long double value);
// "### ### ### ##0.00" with a decimal comma.
QString KwotaGrupy(long double value);
// "# ##0.00" with a decimal comma.
QString KwotaGrupyKrotka(long double value);
// "#0.000000" with a decimal comma.
QString Liczba6(long double value);
// "#0.0" with a decimal comma.
QString Liczba1(long double value);
// "#0".
QString Liczba0(long double value);
// ",0.00" with a decimal comma: digits grouped by three with blanks, for amount fields.
QString KwotaEdycja(long double value);
// A general decimal number: up to 15 significant digits, no trailing zeros, decimal comma
// (12.5 gives "12,5", 100 gives "100").
QString LiczbaOgolna(double value);

// The shortest text that reads back as exactly the same double, with a full stop and an
// exponent only where it is shorter (1.35 gives "1.35", 1e21 gives "1e+21"), whatever the
// system's locale: for JSON and other files read by programs. An infinite value gives "INF" or
// "-INF" and a NaN gives "NAN".
QString LiczbaDokladna(double value);

// An amount as users type it: an optional sign, digits, a comma or a full stop as the decimal
// separator, blanks or non-breaking spaces between digit groups. An empty (or all-blank) text
// is 0. *ok tells whether the text was a number; a text that is not gives 0.
double ParsujKwote(const QString& text, bool* ok = nullptr);

// The message for a numeric field whose text is not a number.
inline constexpr const char* kNiepoprawnaLiczba = "Wprowadzona wartość nie jest poprawną liczbą!";

// What a numeric field of a dialog accepts: a range and the decimal places it takes.
struct ZakresPola {
    double min = -1e15;
    double max = 1e15;
    int miejsca = 2;
};

// The value typed into a numeric field, read with ParsujKwote but strictly: an empty text
// is no number either (it would silently become 0). A text that is not a number, one outside
// the range or with more decimal places than the field takes gives std::nullopt and *blad
// the Polish message why.
std::optional<double> WartoscPola(const QString& text, const ZakresPola& zakres, QString* blad);

// Money rounding to the grosz: rintl(x * 100 + 0.00001) / 100 computed in extended precision,
// ties to even, returned as a double.
double zaokraglij(long double x);

// A numeric setting as text of whole hundredths: the integer nearest to value * 100, ties to
// even ("0" for zero). Throws VexaError for an infinite value or a NaN.
QString DoSetnych(double value);
// The value of a whole-hundredths setting: empty gives 0; a text that is not an integer
// throws VexaError.
double ZSetnych(const QString& text);

} // namespace vexa
