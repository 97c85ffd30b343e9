#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vexa {

class Database;
class Messages;
struct Osoba;

// Tax offices (urzedy_skarbowe) and postal codes (kody_pocztowe): filled once from the files
// us.txt and kp.txt shipped beside the program, used on the PIT data page of a person.

inline constexpr const char* PLIK_URZEDOW = "us.txt";
inline constexpr const char* PLIK_KODOW = "kp.txt";

// Progress of a load: the bytes of the file read so far and the size of the file.
using PostepWczytania = std::function<void(qint64 wczytano, qint64 razem)>;

// Reads a Windows-1250 text file, one row per line (CR LF or LF), fields split at TABs and
// trimmed, into the named columns of `tabela` in the order of the file's fields. Further fields
// are ignored, missing ones are stored empty, an empty line becomes a row of empty fields.
// Everything is written in one transaction. A file that cannot be read or is not text (it holds
// a NUL byte) throws VexaError with a Polish message and leaves the table as it was.
// Returns the number of rows written.
int WczytajPlikTab(Database& db, const QString& sciezka, const QString& tabela,
                   const QStringList& kolumny, const PostepWczytania& postep = {});

// The loads of the two tables from the program's folder, with the information before and after.
// When the file is missing or unreadable the user is told so in one message, nothing is written
// and false is returned, so the load is tried again the next time.
bool WczytajUrzedy(Database& db, Messages& messages, const QString& folder,
                   const PostepWczytania& postep = {});
bool WczytajKodyPocztowe(Database& db, Messages& messages, const QString& folder,
                         const PostepWczytania& postep = {});

// What the person list does each time it is rebuilt: loads the tax offices when their table has
// no rows, then the postal codes when theirs has none.
void UzupelnijUrzedyIKody(Database& db, Messages& messages, const QString& folder,
                          const PostepWczytania& postep = {});

struct UrzadSkarbowy {
    QString nazwa, ulica, kod, kod_is;
};

struct KodPocztowy {
    QString kod, poczta, gmina, powiat, woj;
};

// The tax offices of the us.txt built into the program (the file shipped beside it), in the
// file's order; the official list of office codes the PIT-11 files are checked against.
const QList<UrzadSkarbowy>& UrzedyWykazu();
// Their office codes.
const QSet<QString>& KodyUrzedowWykazu();

// Every tax office in name order (the drop-down of the PIT data page).
QList<UrzadSkarbowy> UrzedySkarbowe(Database& db);
// The first tax office of that name.
std::optional<UrzadSkarbowy> ZnajdzUrzad(Database& db, const QString& nazwa);
// Adds a tax office typed by the user.
void DopiszUrzad(Database& db, const UrzadSkarbowy& u);
// The tax office chosen for a person: its name, street, postal code and office code.
void WybierzUrzad(Osoba& o, const UrzadSkarbowy& u);

// The first row of a postal code.
std::optional<KodPocztowy> ZnajdzKodPocztowy(Database& db, const QString& kod);
// A postal code typed into the address: adr_kod takes the text; once it is six characters
// long, a known code fills post office, town, commune, district and voivodeship from its row,
// an unknown one clears them; both set the country "POLSKA".
void WpiszKodPocztowy(Database& db, Osoba& o, const QString& tekst);
// A postal code chosen from the drop-down list: the code and everything it fills.
void WybierzKodPocztowy(Osoba& o, const KodPocztowy& k);

} // namespace vexa
