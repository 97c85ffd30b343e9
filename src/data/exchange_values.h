#pragma once

// The values of the exchange files of lists and persons: each table's columns travel by name,
// and each value is written by the kind of its column.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace vexa {

class Database;

enum class TypKolumny { Tekst, Data, Liczba, Calkowita };

struct KolumnaTabeli {
    QString nazwa;
    TypKolumny typ = TypKolumny::Tekst;
};

// The columns of a table in their order, each with the kind of value it holds.
QList<KolumnaTabeli> KolumnyTabeli(Database& db, const QString& tabela);

// The largest amount (either sign) a file carries: in millionths it stays within 64 bits.
inline constexpr double MAKS_LICZBA_PLIKU = 9.2e12;
// A finite number within ±MAKS_LICZBA_PLIKU.
bool LiczbaMiesciSieWPliku(double x);

// One value as a list file writes it: text without TABs, a date DD.MM.YYYY ("00.00.0000" for
// none), a floating-point number in millionths, an integer as it is. A number the file cannot
// carry (infinite, NaN, beyond MAKS_LICZBA_PLIKU) gives an empty text: WierszDoPliku refuses it.
QString WartoscDoPliku(const QVariant& v, TypKolumny typ);
// The values of one row as a file writes them, each column's value taken from `wartosc` by
// the column's name. A number the file cannot carry or a text with a character Windows-1250
// lacks throws VexaError naming `wiersz` (which row: "Osoba: NOWAK JAN") and the column.
QStringList WierszDoPliku(const std::function<QVariant(const QString&)>& wartosc,
                          const QList<KolumnaTabeli>& kolumny, const QString& wiersz);
// The value back; false in *ok for a text that is no number or no date, and for a number
// beyond ±MAKS_LICZBA_PLIKU.
QVariant WartoscZPliku(const QString& tekst, TypKolumny typ, bool* ok);

// A line of names or values: each field followed by a TAB, then "#" and a TAB.
QString LiniaPol(const QStringList& pola);

// The kinds of a table's columns by their names in lower case.
QHash<QString, TypKolumny> TypyKolumn(Database& db, const QString& tabela);

// A damaged exchange file: "<rodzaj> jest uszkodzony." and the line with what is wrong.
[[noreturn]] void BladPlikuWymiany(const QString& rodzaj, int linia, const QString& opis);
// The first n fields of a names or values line, which must end with "#"; a line with fewer
// fields is refused.
QStringList PolaWiersza(const QString& linia, int n, const QString& rodzaj, int nr);
// Every value of a row read for its column (by name); the first that does not read is refused.
QVariantList WartosciWiersza(const QStringList& kolumny, const QStringList& teksty,
                             const QHash<QString, TypKolumny>& typy, const QString& rodzaj, int nr);

} // namespace vexa
