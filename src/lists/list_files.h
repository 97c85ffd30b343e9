#pragma once

// List files (".lnz"): a whole list — its row of lista and every row of pozycja — in masked
// lines whose columns describe themselves, moved between installations.

#include "data/exchange_values.h"
#include "lists/list_repository.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <QVariant>

class QIODevice;

namespace vexa {

class Database;

// The file of a list, positions in `kolejnosc`, as bytes (masked lines, CR LF).
QByteArray PlikListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc, const QDate& dzis);

// A list file read and checked, not yet written anywhere.
struct ListaZPliku {
    QString wersja, data;
    QStringList kolumnyListy, kolumnyPozycji;
    QStringList wartosciListy;
    QList<QStringList> pozycje;
    // The question before the import (the list's number and month from the file).
    QString pytanie() const;
};

inline const QString NIE_PLIK_LISTY = QStringLiteral(
    "Plik nie zawiera listy należności zagranicznych!\r\rW wersji 5.8 nastąpiła zmiana formatu "
    "pliku list należności zagranicznych. Jeśli posiadasz wersję niższą zauktualizuj "
    "aplikację...");

// Reads a list file from raw bytes. A file that is not a list file, a truncated line, more
// than 100 columns, a column the database lacks or a value that does not read for its column
// throws VexaError in Polish naming the line and the column; nothing is written.
ListaZPliku CzytajPlikListy(Database& db, const QByteArray& bytes);

// Adds the list and its positions in one transaction; returns the new list's id. The list
// keeps every value of the file, status and totals included.
int ZaimportujListe(Database& db, const ListaZPliku& plik);

} // namespace vexa
