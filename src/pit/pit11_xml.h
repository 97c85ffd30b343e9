#pragma once
// The PIT-11 e-declarations: one XML file per form, made by filling fixed lines of the
// template "pit11.txt" (kept next to the executable) and, for a form with an explanation,
// appending the ORD-ZU attachment.
#include "pit/pit11.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexa {

class Database;

inline const QString PLIK_SZABLONU_PIT11 = QStringLiteral("pit11.txt");
inline const QString BRAK_SZABLONU_PIT11 = QStringLiteral("Brak pliku \"pit11.txt\"...");

// The template's lines. The file is read as UTF-8 when it is valid UTF-8 (a byte-order mark is
// skipped), else as Windows-1250; lines end with CR LF or LF. A missing or unreadable file
// throws VexaError(BRAK_SZABLONU_PIT11).
QStringList WczytajSzablonPit11(const QString& path);

// The template must hold the replaced lines (at least 44: line 43 carries P_33) and close the
// document on its last line; otherwise throws VexaError saying what is wrong.
void SprawdzSzablonPit11(const QStringList& szablon);

// A text as XML character data: &, <, >, " and ' as entities; characters XML does not allow
// (controls other than TAB, CR and LF, lone surrogates, U+FFFE and U+FFFF) left out.
QString XmlTekst(const QString& t);

// The declaration of one form: the template with its lines filled, the purpose on line 6,
// the ORD-ZU attachment when the form carries an explanation; lines joined by CR LF with one
// after the last, UTF-8 without a byte-order mark.
QByteArray XmlPit11(const QStringList& szablon, const FormularzPit11& f);

// The form's file name: surname, "_", PESEL, ".xml" (characters no file name may hold
// become "_").
QString NazwaPlikuPit11(const FormularzPit11& f);

// Writes the file of every form of the year into `folder` (created when missing; existing
// files of those names are replaced). Returns how many were written. A bad template or a file
// that cannot be written throws VexaError naming the form; files written before it remain.
int GenerujXmlPit11(Database& db, const QString& rok, const QStringList& szablon,
                    const QString& folder);

} // namespace vexa
