#pragma once

// The values of the exchange files of lists and persons: each table's columns travel by name,
// and each value is written by the kind of its column.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vexa {

class Database;

enum class TypKolumny { Tekst, Data, Liczba, Calkowita };

struct KolumnaTabeli {
    QString nazwa;
    TypKolumny typ = TypKolumny::Tekst;
};

// The columns of a table in their order, each with the kind of value it holds.
QList<KolumnaTabeli> KolumnyTabeli(Database& db, const QString& tabela);

// One value as a list file writes it: text without TABs, a date DD.MM.YYYY ("00.00.0000" for
// none), a floating-point number in millionths, an integer as it is.
QString WartoscDoPliku(const QVariant& v, TypKolumny typ);
// The value back; false in *ok for a text that is no number or no date.
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
