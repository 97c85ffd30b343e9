#pragma once

#include "persons/records.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace vexa {

class Messages;

// Dialog Tfdni_wolne "EDYCJA URLOPU LUB PODRÓŻY SŁ.": first and last day, the type of absence
// and the order number (upper case). ZATWIERDŹ or Enter accepts, ANULUJ or Esc cancels. A last
// day before the first is refused.
class DaysOffDialog : public QDialog {
    Q_OBJECT
public:
    explicit DaysOffDialog(Messages& messages, QWidget* parent = nullptr);

    // Shows the range; its type selects the item ("U" first, "W" second, "P" third).
    void ustaw(const DzienWolny& d);
    // The range as edited: the selected item gives the type letter.
    DzienWolny dzien() const;

    // The three types in the order of the drop-down.
    static const QStringList& typy();

public slots:
    void zatwierdz();

private:
    Messages& m_messages;
    DzienWolny m_dzien;
    QDateEdit* m_od = nullptr;
    QDateEdit* m_do = nullptr;
    QComboBox* m_typ = nullptr;
    QLineEdit* m_rozkaz = nullptr;
};

} // namespace vexa
