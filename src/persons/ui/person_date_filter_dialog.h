#pragma once

#include <QDialog>

class QDateEdit;

namespace vexa {

// Dialog TFFiltrDataOsoba "FILTR OSOÓB WG DATY": the day from which persons added on or after
// it are marked. ZATWIERDŹ or Enter accepts, ANULUJ or Esc cancels.
class PersonDateFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit PersonDateFilterDialog(QWidget* parent = nullptr);

    // Sets the date to the day given (today) before each showing.
    void przygotuj(const QDate& dzis);
    QDate data() const;

private:
    QDateEdit* m_data = nullptr;
};

} // namespace vexa
