#include "ui/grid_font_spin.h"

#include "ui/action_guard.h"

#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QToolButton* strzalka(Qt::ArrowType arrow, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::TabFocus);
    b->setFixedSize(22, 13);
    return b;
}

} // namespace

GridFontSpin::GridFontSpin(QTableView* grid, QWidget* parent) : QWidget(parent), m_grid(grid) {
    // The titles keep the size they have now, whatever the cells get.
    grid->horizontalHeader()->setFont(grid->horizontalHeader()->font());
    auto* up = strzalka(Qt::UpArrow, QStringLiteral("Większa czcionka"), this);
    auto* down = strzalka(Qt::DownArrow, QStringLiteral("Mniejsza czcionka"), this);
    connect(up, &QToolButton::clicked, this, guarded(this, &GridFontSpin::wiekszy));
    connect(down, &QToolButton::clicked, this, guarded(this, &GridFontSpin::mniejszy));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(up);
    layout->addWidget(down);
}

int GridFontSpin::rozmiar() const {
    return m_grid->font().pointSize();
}

void GridFontSpin::wiekszy() {
    if (rozmiar() > 20) return;
    ustaw(rozmiar() + 1);
}

void GridFontSpin::mniejszy() {
    if (rozmiar() < 6) return;
    ustaw(rozmiar() - 1);
}

void GridFontSpin::ustaw(int size) {
    QFont f = m_grid->font();
    f.setPointSize(size);
    m_grid->setFont(f);
    m_grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 6);
    m_grid->viewport()->update();
    emit zmieniono(f);
}

} // namespace vexa
