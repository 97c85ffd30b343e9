#pragma once

#include "data/numbers.h"

#include <QColor>
#include <QList>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexa {

class Messages;

// What the user types into the field is turned into upper case as it is typed.
void WielkieLitery(QLineEdit* edit);

// Every text field of the page shows the start of its text when the program fills it (a name
// longer than the field reads "mjr Adam NOW", never "dam NOWAK"); typing is left alone.
void PokazujPoczatekTekstu(QWidget* strona);

// Places a page's panel in the middle of the main window's client area: Left = (width −
// panel width) / 2, Top = (height − (panel height + 74)) / 2, never off the page. A panel with a
// largest size (setMaximumSize) is made that large, or as large as the page allows.
void CentrujPanel(QWidget* panel);

// The confirm and cancel row of a dialog: "sbzatwierdz" (the default button; the caller
// connects it, *ok receives it) and "sbanuluj" (rejects the dialog), aligned to the right.
QHBoxLayout* PrzyciskiDialogu(QDialog* dialog, const QString& zatwierdz, const QString& anuluj,
                              QPushButton** ok);

// A numeric field of a page or dialog and what it accepts; with a check box, only while the
// box is ticked.
struct PoleLiczbowe {
    QLineEdit* edit = nullptr;
    ZakresPola zakres;
    QCheckBox* box = nullptr;
};

// Every field holds a value it accepts (WartoscPola); else the first that does not is
// refused with its message and takes the focus, its text selected.
bool PolaLiczbowePoprawne(Messages& messages, const QList<PoleLiczbowe>& pola);

// Colour numbers of the program hold blue, green and red in their three low bytes, red lowest.
QColor KolorBGR(int bgr);

inline constexpr int KOLOR_WIERSZ_NIEPARZYSTY = 12632256;
inline constexpr int KOLOR_WIERSZ_PARZYSTY = 10658466;

// Background of a grid row by its record number (row + 1): odd and even records alternate.
QColor TloWiersza(int row);

} // namespace vexa
