#pragma once

#include "ui/ui_helpers.h"
#include "lists/bulk_change.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vexa {

struct AppContext;
class Messages;


// "GRUPOWA ZMIANA" of a full list (TFZmiana): each line applies only when ticked.
class BulkChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit BulkChangeDialog(Messages& messages, QWidget* parent = nullptr);
    // Clears every box and sets the war-day captions from the unit's current rates.
    void przygotuj(double dodwojenny, double dodwojenny2, double dodwojenny3);
    ZmianaPozycji zmiana() const;
    // ZATWIERDŹ and Enter: every ticked numeric line must hold a valid value, or the message
    // is shown, its field takes the focus and the dialog stays open.
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Messages& m_messages;
    QList<PoleLiczbowe> m_liczby;
    QList<QCheckBox*> m_boxes;
    QLineEdit *m_pkw, *m_woj1, *m_woj2, *m_woj3, *m_hig, *m_wyr, *m_innezw, *m_innezm, *m_uwagi;
    QLabel *m_lwoj1, *m_lwoj2, *m_lwoj3;
};

// "GRUPOWA ZMIANA" of the other lists (TFZmiana2).
class ShortBulkChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShortBulkChangeDialog(Messages& messages, QWidget* parent = nullptr);
    // Clears the personal-data and remarks boxes and sets the rate to 1; the amount and rate
    // boxes keep their last state.
    void przygotuj();
    ZmianaPozycjiSkroconej zmiana() const;
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Messages& m_messages;
    QList<PoleLiczbowe> m_liczby;
    QCheckBox *m_dane, *m_razemBox, *m_przeliczBox, *m_uwagiBox;
    QLineEdit *m_razem, *m_przelicz, *m_uwagi;
};

// The list editor's "ZMIEŃ SKŁ. DLA ZAZNACZ. POZ.": checks, the dialog of the list's kind, the
// change of every marked position and the closing message. True when positions changed.
bool ZmienZaznaczoneZListy(AppContext& ctx, int idlisty, BulkChangeDialog& full,
                           ShortBulkChangeDialog& shortDialog);

} // namespace vexa
