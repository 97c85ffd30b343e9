#include "lists/ui/list_kinds_dialog.h"

#include "ui/action_guard.h"
#include "lists/list_kinds.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

ListKindsDialog::ListKindsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFrodzaj"));
    setWindowTitle(QStringLiteral("RODZAJ LISTY DODATKOWEJ"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("RODZAJ LISTY DODATKOWEJ"), this);
    heading->setObjectName(QStringLiteral("ltytul"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    for (const RodzajListy& k : RodzajeListyLegenda()) {
        auto* code = new QLabel(k.kod, this);
        code->setStyleSheet(QStringLiteral("font-weight: bold;"));
        grid->addWidget(code, row, 0);
        grid->addWidget(new QLabel(k.legenda, this), row, 1);
        ++row;
    }
    layout->addLayout(grid);
    auto* close = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    close->setObjectName(QStringLiteral("sbzamknij"));
    connect(close, &QPushButton::clicked, this, guarded(this, &QDialog::close));
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace vexa
