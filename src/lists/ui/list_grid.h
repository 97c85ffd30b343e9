#pragma once

#include "ui/ui_helpers.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QTableView;
class QPushButton;

namespace vexa {

inline constexpr int KOLOR_CZERWONY = 255;
inline constexpr int KOLOR_ZIELONY = 65280;
inline constexpr int KOLOR_ZOLTY = 65535;
inline constexpr int KOLOR_TYTULU = 6052956;
inline constexpr int KOLOR_SZARY = 11974326;


// A grid of the list pages: rows selected whole, read-only, no row header, banded rows drawn
// by the model.
void UstawSiatke(QTableView* grid);

// The look of the list pages (set on each page).
QString StylStronList();

// A push button of the list pages that never takes the focus from the grid or an edit.
QPushButton* PrzyciskListy(const QString& caption, const QString& objectName, QWidget* parent);

} // namespace vexa
