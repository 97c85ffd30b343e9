#pragma once

// Person files (".os"): the marked persons of the register in masked lines whose columns
// describe themselves, and the TAB-separated account file of the marked persons for ZWSI RON.

#include "persons/records.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QStringList>

namespace vexa {

class Database;

inline const QString NIE_PLIK_OSOB = QStringLiteral("Wybrany plik nie zawiera danych osobowych...");

// How many of the listed persons are marked.
int IluZaznaczonych(Database& db, const QList<int>& listowane);

// The marked persons among `listowane` (ids in the order shown), as a person file; *ile tells
// how many were written (0: nobody is marked). A value the file cannot carry (a character
// Windows-1250 lacks, a number beyond its range) throws VexaError naming the person and column.
QByteArray PlikOsob(Database& db, const QList<int>& listowane, int* ile);

// A person file read and checked, not yet written anywhere.
struct OsobyZPliku {
    QStringList kolumny;
    QList<QStringList> wiersze;
};

// Reads a person file from raw bytes. A file of another kind, a truncated line, more than 100
// columns, a column the register lacks or a value that does not read for its column throws
// VexaError in Polish naming the line; nothing is written.
OsobyZPliku CzytajPlikOsob(Database& db, const QByteArray& bytes);

// Adds the persons of the file whose PESEL (the first value) is not among `listowanePesele`,
// all in one transaction; returns how many were added.
int DopiszOsobyZPliku(Database& db, const OsobyZPliku& plik, const QSet<QString>& listowanePesele);

// The account file for ZWSI RON: the header and one line per account of each marked person
// among `listowane`, in that order. *osoby receives the ids of the persons written. Only the
// columns the file writes are encoded: a character Windows-1250 lacks in one of them throws
// VexaError naming the person and the column; the other columns do not matter.
QByteArray PlikOsobZwsi(Database& db, const QList<int>& listowane, QList<int>* osoby);
// After the file is written: every person's print flag cleared, then the persons written get
// exportzwsi and wydrukzwsi "T"; one transaction.
void OznaczWyslaneDoZwsi(Database& db, const QList<int>& osoby);

} // namespace vexa
