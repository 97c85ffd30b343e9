#pragma once

// Fitting texts into their boxes. A text is measured with the font the painter draws it in
// (unhinted, so its width grows with the size and is the same on the preview, a printer and a
// PDF). A text wider than its box is drawn smaller until it fits, down to 5 pt; one that still
// does not fit is broken into lines when the box is high enough for them. Numbers are never
// broken inside: a line breaks only at a blank that does not stand between two digits, or
// before an opening parenthesis. Measuring needs a GUI application (the font database).

#include "printouts/page_model.h"

#include <QFont>

namespace vexa {

// The smallest size a text is drawn in.
inline constexpr double NAJMNIEJSZA_CZCIONKA = 5.0;

// The painter's font of `c` at `punktyUrzadzenia` points of the device it draws on.
QFont FontRaportu(const Czcionka& c, double punktyUrzadzenia);

// Width in millimetres of one line of `tekst` drawn in `c`; the height of a line.
double SzerokoscTekstu(const QString& tekst, const Czcionka& c);
double WysokoscLinii(const Czcionka& c);

// Whether the text as it stands (its size, its line breaks, its wrapping) fits its box.
bool MiesciSie(const Tekst& t);

// The text as it is drawn: unchanged when it fits; else smaller; else broken into lines
// ("\n") when the box holds them; else at the smallest size (and then it does not fit).
// A wrapped text (`zawijaj`, drawn from the box's top) is broken into lines first and made
// smaller only when its lines do not fit the box's height.
Tekst DopasowanyTekst(const Tekst& t);

// Every text of the report that does not fit its box even as drawn, or whose box leaves the
// page: "strona N: «text» (box W mm, needs X mm)". Empty when nothing is cut.
QStringList TekstyNieMieszczaceSie(const Raport& r);

} // namespace vexa
