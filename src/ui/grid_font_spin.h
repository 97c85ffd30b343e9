#pragma once

#include <QWidget>

class QTableView;
class QToolButton;

namespace vexa {

// The up / down buttons beside a grid: up makes the grid's cell font one point larger, down one
// point smaller. An increase is refused while the font is above 20 points and a decrease while
// it is below 6. The titles keep their own size.
class GridFontSpin : public QWidget {
    Q_OBJECT
public:
    GridFontSpin(QTableView* grid, QWidget* parent = nullptr);

    int rozmiar() const;

public slots:
    void wiekszy();
    void mniejszy();

signals:
    void zmieniono(const QFont& font);

private:
    void ustaw(int size);

    QTableView* m_grid;
};

} // namespace vexa
