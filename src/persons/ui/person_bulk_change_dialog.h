#pragma once

#include "persons/person_repository.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace vexa {

// Dialog TFZmianaOsoba "GRUPOWA ZMIANA": the end of entitlement, the orders of arrival and
// departure and the status of the marked persons; each is applied only when its box is ticked.
// The status box eakt is ticked for an active person ("T") and cleared for an inactive one
// ("N"). ZATWIERDŹ or Enter accepts, ANAULUJ or Esc cancels.
class PersonBulkChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PersonBulkChangeDialog(QWidget* parent = nullptr);

    // Resets the dialog before each showing: the date to today, the orders empty, the four
    // apply boxes cleared, the status box ticked.
    void przygotuj(const QDate& dzis);
    // The ticked changes.
    ZmianaOsob zmiana() const;

private:
    QDateEdit* m_datautraty = nullptr;
    QLineEdit* m_rozkazprzybyl = nullptr;
    QLineEdit* m_rozkazubyl = nullptr;
    QCheckBox* m_akt = nullptr;
    QCheckBox* m_zmienDate = nullptr;
    QCheckBox* m_zmienPrzybyl = nullptr;
    QCheckBox* m_zmienUbyl = nullptr;
    QCheckBox* m_zmienStatus = nullptr;
};

} // namespace vexa
