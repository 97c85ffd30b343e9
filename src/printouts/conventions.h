#pragma once

// What every printout shares: job titles, the date, page and product lines, the open-ended
// date, and the banknote breakdown printed beside the cash-payment block of the lists.

#include <QDate>
#include <QList>
#include <QString>
#include <array>

namespace vexa {

class Database;

inline const QString TYTUL_LISTA = QStringLiteral("LISTA NALEŻNOŚCI (VEXA-F)");
inline const QString TYTUL_KARTOTEKA = QStringLiteral("KARTOTEKA OSOBOWA (VEXA-F)");
inline const QString TYTUL_PRZELEWY = QStringLiteral("ZESTAWIENIE PRZELEWÓW (VEXA-F)");
inline const QString TYTUL_PIT11 = QStringLiteral("Formularz PIT-11");

// The product's web address, printed after "Wydrukowano z aplikacji VEXA-F, ".
inline const QString STRONA_PROGRAMU = QStringLiteral("www.vexa-f.pl");

// "Data: " and the day in the short form of the screens (dd/MM/yyyy).
QString LiniaDaty(const QDate& dzis);
// "Strona: N z M".
QString LiniaStrony(int strona, int stron);
// "Wydrukowano z aplikacji VEXA-F, " and the address; without it on the tax forms.
QString LiniaProduktu(bool zAdresem = true);
// A date that closes a period: " - " for the open end 2999-01-01, else dd/MM/yyyy; an empty
// text for no date.
QString DataKonca(const QDate& d);

// The PLN equivalent printed for a currency amount at a rate: the product of the two as they
// are stored (each the shortest decimal that reads back as its double, so 0.29 is 0.29, not
// 0.28999…), computed exactly in grosze and rounded halves to even (100,50 at 4,25 = 427,125
// gives 427,12). Lists and transfer lists print and add up this value. Throws VexaError for a
// product beyond 10^16 PLN or an amount that is not a number.
double RownowartoscPln(double kwota, double kurs);

// The unit-name header of the person card, the receipts and the cash-desk summary: the unit
// settings NAZWA1 and NAZWA2, one line each.
QStringList NaglowekJednostki(Database& db);

// The banknotes of the unit (settings N1 to N12 as hundredths): the non-zero ones, largest
// first; equal values keep their order.
QList<double> Nominaly(Database& db);
QList<double> UporzadkujNominaly(const QList<double>& nominaly);

// The counters of the breakdown, one per rank of denomination.
using LicznikiBanknotow = std::array<int, 12>;

// Adds the banknotes of one amount to the counters: the amount in whole hundredths (to the
// nearest) is taken largest denomination first; what is left below the smallest is not counted
// anywhere. Denominations below 0.01 (0 hundredths) are skipped.
void RozlozNaBanknoty(double kwota, const QList<double>& nominaly, LicznikiBanknotow& liczniki);

} // namespace vexa
