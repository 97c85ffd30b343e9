#pragma once

// The fixed-width payment files of the armed forces' finance system ZWSI RON: for a chosen
// name N, "kasa_" + N (cash desk), "rachunek_" + N (bank accounts), "zaliczka_" + N (advances
// settled against the allowance) and "niepobrane_" + N (cash advances not collected).

#include "lists/list_repository.h"
#include "lists/records.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vexa {

class Database;

struct PlikiZwsi {
    QByteArray kasa, rachunek, zaliczka, niepobrane; // Windows-1250, CR LF
    int ileKasa = 0, ileRachunek = 0, ileZaliczka = 0, ileNiepobrane = 0;
};

// One field of a record: full stops become commas, the text is trimmed, cut to the width and
// padded with blanks on the right.
QString PoleZwsi(const QString& value, int width);
// An amount field: "#0.00" with a decimal comma in 16 characters; zero is "0".
QString KwotaZwsi(double value);
// The description of an additional list's kind code (blank for an unknown code).
QString OpisRodzaju(const QString& rodzaj);

// The records of every position in its order, by the list's kind: advance and not-collected
// records for every list, account and cash records for full ("P") and additional ("D") lists.
PlikiZwsi GenerujPlikiZwsi(const Lista& lista, const QList<Pozycja>& pozycje);

// The same for a list of the database, its positions in the list editor's order. Throws
// VexaError for a list that does not exist.
PlikiZwsi PlikiZwsiListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc);

// The four files beside the chosen name (folder/kasa_name, ...); those that got no record are
// removed, also when an earlier run left one; all four together or none (a failure leaves the
// files of the earlier run). Returns the folder. Throws VexaError with a Polish message when a
// file cannot be written.
QString ZapiszPlikiZwsi(const PlikiZwsi& pliki, const QString& wybranyPlik);

// The information shown after writing: "Pliki dla ZWSI RON zostały utworzone." and the folder.
QString KomunikatZwsi(const QString& folder);

} // namespace vexa
