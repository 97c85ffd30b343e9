#include "lists/ui/list_grid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

namespace vexa {

namespace {

const char* const kStyl = R"(
QFrame[listTitleBar="true"] { background: #1f3a5f; }
QFrame[listTitleBar="true"] QLabel { color: white; font-weight: bold; }
QFrame[listTitleBar="true"] QToolButton { background: transparent; border: none; }
QLabel#llistytytul2 { font-size: 10pt; }
QFrame#pfiltrlisty, QFrame#pnaglowek { background: #f4f6f9; border-bottom: 1px solid #c9d3df; }
QLabel[legend="true"] { color: #37475a; font-size: 8pt; padding: 0 6px; }
QPushButton[listButton="true"] { padding: 4px 6px; }
QPushButton[listButton="true"]:disabled { color: #9aa8b8; border-color: #c9d3df; }
QPushButton#sblistyfiltr[filtrAktywny="true"] { background: #1f3a5f; color: white; }
QLabel#lwyr { background: #ffff00; color: black; font-weight: bold; padding: 1px 6px;
  border: 1px solid #8a8a00; }
QLabel#llistyilosc, QLabel#lpozycjailosc { font-weight: bold; color: #1f3a5f; }
QTableView[listGrid="true"] { gridline-color: #7a7a7a; selection-background-color: #1f3a5f;
  selection-color: white; }
QFrame#ppozycja, QFrame#ppozycja2 { background: #ffffff; border: 1px solid #8a99ab;
  border-radius: 6px; }
QFrame[positionGroup="true"] { background: #f4f6f9; border: 1px solid #c9d3df;
  border-radius: 4px; }
QFrame[personPanel="true"] { background: #e9edf2; border: 1px solid #c9d3df; border-radius: 4px; }
QLabel[groupTitle="true"] { color: #1f3a5f; font-weight: bold; }
QLabel[panelTitle="true"] { background: #1f3a5f; color: white; font-weight: bold;
  padding: 4px 8px; }
QLabel[wynik="true"] { background: #ffffff; border: 1px solid #c9d3df; padding: 2px 4px; }
QLabel[znak="true"] { color: #d00000; font-weight: bold; font-size: 11pt; }
QLabel[ostrzezenie="true"] { color: #c0392b; font-weight: bold; }
QLabel[nazwiskoOsoby="true"] { font-size: 11pt; font-weight: bold; color: #1f3a5f; }
QLabel[podpisOsoby="true"] { color: #5a6b80; }
)";

} // namespace

QString StylStronList() {
    return QString::fromUtf8(kStyl);
}

void UstawSiatke(QTableView* grid) {
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->setProperty("listGrid", true);
}

QPushButton* PrzyciskListy(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    // Reached by Tab (Space presses it); a click leaves the focus where it was.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(false);
    b->setProperty("listButton", true);
    return b;
}

} // namespace vexa
