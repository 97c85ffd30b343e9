#pragma once
// The PIT-11 forms (three pages) and the ORD-ZU explanation on paper: each page is the
// program's own vector drawing of the official page (boxes, position numbers, captions) with
// the form's values written into their boxes.
#include "pit/pit11.h"
#include "printouts/page_model.h"

#include <QHash>

namespace vexa {

// The page definitions: Trpit_11, Trpit_11_2, Trpit_11_3 and Trord_zu.
enum class StronaPit11 { Strona1, Strona2, Strona3, OrdZu };

// What a printing button prints: the three pages together (qrc_pit_11, duplex), one of them,
// or the ORD-ZU.
enum class WydrukPit11 { Calosc, Strona1, Strona2, Strona3, OrdZu };

// One drawn page without values: the image that an official scan may replace later, and the
// value boxes of its positions (by position number), in millimetres of an A4 portrait page.
struct ObrazStrony {
    StronaRaportu strona;
    QHash<int, QRectF> pola;       // the box of each numbered position
    QHash<QString, QRectF> znaczniki; // tick boxes and struck captions by name
};
const ObrazStrony& ObrazStronyPit11(StronaPit11 s);

// The page of one form: the image, the form's values in their boxes, the marks, and the
// footer line "Wydrukowano z aplikacji VEXA-F".
StronaRaportu StronaPit11Formularza(StronaPit11 s, const FormularzPit11& f);

// The report of the forms: portrait A4, titled "Formularz PIT-11" (a single page or the
// ORD-ZU) or "PIT-11" (the three pages of each form, one after the other).
Raport RaportPit11(WydrukPit11 co, const QList<FormularzPit11>& formularze);

inline const QString STOPKA_PIT11 = QStringLiteral("Wydrukowano z aplikacji VEXA-F");

} // namespace vexa
