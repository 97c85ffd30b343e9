#pragma once

#include <QDialog>

namespace vexa {

// "RODZAJ LISTY DODATKOWEJ": the legend of the sixteen additional-list kinds, a window that
// stays on top and does not block the main window.
class ListKindsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ListKindsDialog(QWidget* parent = nullptr);
};

} // namespace vexa
