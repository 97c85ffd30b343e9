#pragma once
// The PIT-11 (29) e-declaration the tax office's gateway accepts for incomes from 2024: written
// element by element from the same form rows as the template files, checked field by field
// against the limits of the form's schema, so that a form with incomplete data gets no file
// instead of a file the gateway refuses.
#include "pit/pit11.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vexa {

class Database;

// The two ways of writing the e-declarations, chosen on the PIT-11 page.
enum class WariantPit11 { Szablon, Wzor29 };

inline const QString NAZWA_WARIANTU_29 = QStringLiteral("PIT-11 (29)");
inline const QString NAZWA_WARIANTU_SZABLON = QStringLiteral("szablon pit11.txt");
// The unit setting that remembers the last choice: "29" or "SZABLON".
inline const QString KLUCZ_WARIANTU_PIT11 = QStringLiteral("PIT11_WARIANT");
// The first tax year of PIT-11 (29).
inline constexpr int PIERWSZY_ROK_PIT11_29 = 2024;

// The variant the page proposes for a tax year: the template for years before 2024 (the
// (29) form cannot carry them), else the remembered choice, (29) when none is remembered.
WariantPit11 ProponowanyWariantPit11(int rok, const QString& zapamietany);
QString KodWariantuPit11(WariantPit11 w);

// What keeps a form from a valid (29) file, one Polish phrase per fault ("brak kodu urzędu
// skarbowego", "imię ma 31 znaków, a może mieć najwyżej 30", …); empty when the form can be
// written. `kodyUrzedow` are the tax-office codes of us.txt.
QStringList BrakiPit11Wzor29(const FormularzPit11& f, const QSet<QString>& kodyUrzedow);

// The faults of the payer's data (NIP and full name) and of the year, shared by every form.
QStringList BrakiPlatnikaPit11Wzor29(const FormularzPit11& f);

// The document of one form that has no faults: UTF-8 without a byte-order mark, lines ended
// by CR LF; the ORD-ZU (3) attachment when the form carries an explanation.
QByteArray XmlPit11Wzor29(const FormularzPit11& f);

// The list of the persons left without a (29) file, written beside the files.
inline const QString PLIK_BRAKOW_PIT11 = QStringLiteral("BRAKI_PIT11.txt");

struct WynikXmlPit11 {
    int zapisane = 0;
    // One message naming the persons without a file and what is missing (the first eight; the
    // whole list is in PLIK_BRAKOW_PIT11 beside the files); empty when every form got its file.
    QString pominiete;
};

// Writes the (29) file of every form of the year that has no faults into `folder` (the same
// file names as the template files; a file left there by an earlier run for a form now without
// a file is removed), and the list of the persons without a file to PLIK_BRAKOW_PIT11 (removed
// when every form got its file). The payer's data or a year before 2024 that no file could carry
// throw VexaError before anything is written; so does a document that would not read back.
WynikXmlPit11 GenerujXmlPit11Wzor29(Database& db, const QString& rok, const QString& folder,
                                    const QSet<QString>& kodyUrzedow);

} // namespace vexa
