#pragma once

#include "persons/lookups.h"

#include <QDialog>

class QLineEdit;

namespace vexa {

class Messages;

// Dialog Tfurzad_sk "WPROWADŹ DANE URZĘDU SKARBOWEGO": name, street, postal code and town, and
// the office code (at most 4 characters), all upper case. "Zatwierdź" or Enter accepts (a name
// is required), "Anuluj" or Esc cancels.
class TaxOfficeDialog : public QDialog {
    Q_OBJECT
public:
    explicit TaxOfficeDialog(Messages& messages, QWidget* parent = nullptr);

    // Empties the fields before each showing.
    void przygotuj();
    UrzadSkarbowy urzad() const;

public slots:
    void zatwierdz();

private:
    Messages& m_messages;
    QLineEdit* m_nazwa = nullptr;
    QLineEdit* m_ulica = nullptr;
    QLineEdit* m_kod = nullptr;
    QLineEdit* m_kodIs = nullptr;
};

} // namespace vexa
