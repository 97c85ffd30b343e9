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

// The template must hold the replaced lines (at least 44: line 43 carries P_33), each line the
// program fills must hold the element it expects (line 6 CelZlozenia, line 7 Rok, ... line 19
// NIP or PESEL, ... line 43 P_33), and the last line must close the document; otherwise throws
// VexaError naming the template line.
void SprawdzSzablonPit11(const QStringList& szablon);

// The amounts of a form in its files: P_29 to P_32 to the grosz with a full stop whatever the
// locale, P_33 in whole złoty (the sum first taken to the grosz, halves to the even number).
QString KwotaPit11(double v);
QString KwotaCalkowitaPit11(double v);

// A text as the bytes of a PIT-11 file: UTF-8 without a byte-order mark, every line break
// (CR LF, a lone CR or LF, also inside a value typed over several lines) written as CR LF, and
// one CR LF after the last line.
QByteArray TekstPlikuPit11(const QString& tekst);

// Reads a produced document back with an XML parser: an empty text when it is well-formed,
// else the parser's message; `linia` gets the line of the fault (from 1).
QString BladDokumentuXml(const QByteArray& xml, qint64* linia = nullptr);

// A text as XML character data: &, <, >, " and ' as entities; characters XML does not allow
// (controls other than TAB, CR and LF, lone surrogates, U+FFFE and U+FFFF) left out.
QString XmlTekst(const QString& t);
// Whether XML can carry the character: TAB, CR, LF and everything from U+0020 except the
// surrogates, U+FFFE and U+FFFF.
bool ZnakDozwolonyWXml(char32_t u);

// The declaration of one form: the template with its lines filled, the purpose on line 6,
// the ORD-ZU attachment when the form carries an explanation; lines joined by CR LF with one
// after the last, UTF-8 without a byte-order mark.
QByteArray XmlPit11(const QStringList& szablon, const FormularzPit11& f);

// The form's file name: surname, "_", PESEL, ".xml" (characters no file name may hold
// become "_").
QString NazwaPlikuPit11(const FormularzPit11& f);

// Writes the file of every form of the year into `folder` (created when missing; existing
// files of those names are replaced). Returns how many were written. Every document is built
// and read back before the first file is written: a template that does not match, or a
// document that is not well-formed, throws VexaError naming the template line and writes
// nothing. A file that cannot be written throws VexaError naming the form; files written
// before it remain.
int GenerujXmlPit11(Database& db, const QString& rok, const QStringList& szablon,
                    const QString& folder);

} // namespace vexa
