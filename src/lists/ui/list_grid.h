#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QTableView;
class QPushButton;

namespace vexa {

// Colour numbers of the lists' grids hold blue, green and red in their three low bytes, red
// lowest.
QColor KolorBGR(int bgr);

inline constexpr int KOLOR_WIERSZ_NIEPARZYSTY = 12632256;
inline constexpr int KOLOR_WIERSZ_PARZYSTY = 10658466;
inline constexpr int KOLOR_CZERWONY = 255;
inline constexpr int KOLOR_ZIELONY = 65280;
inline constexpr int KOLOR_ZOLTY = 65535;
inline constexpr int KOLOR_TYTULU = 6052956;
inline constexpr int KOLOR_SZARY = 11974326;

// Background of a row by its record number (row + 1): odd and even records alternate.
QColor TloWiersza(int row);

// A grid of the list pages: rows selected whole, read-only, no row header, banded rows drawn
// by the model.
void UstawSiatke(QTableView* grid);

// The look of the list pages (set on each page).
QString StylStronList();

// A push button of the list pages that never takes the focus from the grid or an edit.
QPushButton* PrzyciskListy(const QString& caption, const QString& objectName, QWidget* parent);

} // namespace vexa
