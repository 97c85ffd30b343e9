#pragma once

// The program's one Windows-1250 codec. Every file for other systems and every exchange file
// goes through it, so a character the code page lacks is always noticed, never written as a
// silent substitute.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace vexa {

// The marks of persons, lists and positions: byte 0xFE marked, 0xA8 unmarked.
inline constexpr QChar ZAZ_ZAZNACZONY{u'\u0163'};
inline constexpr QChar ZAZ_NIEZAZNACZONY{u'\u00A8'};

// Text to Windows-1250 bytes. A character the code page lacks is written as '?' and sets
// *ok to false (a surrogate pair counts as one character); otherwise *ok is true.
QByteArray doCp1250(const QString& text, bool* ok = nullptr);

// Text to Windows-1250 bytes for writers that must refuse: a character the code page lacks
// throws VexaError naming it.
QByteArray toCp1250OrThrow(const QString& text);

// The first character of the text that Windows-1250 lacks (a surrogate pair as one
// character), or an empty text when the code page carries them all.
QString ZnakSpozaCp1250(const QString& text);

// The refusal of a character the code page lacks: "Znak „ø” nie istnieje w stronie kodowej
// Windows-1250." and, when `gdzie` is not empty, two line breaks and `gdzie` (which field,
// which person and column).
QString OpisZnakuSpozaCp1250(const QString& znak, const QString& gdzie = QString());

// Throws VexaError with OpisZnakuSpozaCp1250 when the text holds a character the code page
// lacks; nothing otherwise.
void SprawdzCp1250(const QString& text, const QString& gdzie);

// Windows-1250 bytes to text; the five bytes the code page leaves undefined give U+FFFD.
QString zCp1250(const QByteArray& bytes);

} // namespace vexa
