#pragma once

#include "lists/ui/position_editor_base.h"

class QLabel;
class QLineEdit;

namespace vexa {

// Page edpozycja2: one position of a short list of additional allowances, where the amount is
// typed. Every change recalculates the position at once.
class ShortPositionEditorPage : public PositionEditorBase {
    Q_OBJECT
public:
    ShortPositionEditorPage(AppContext& ctx, ListEditorPage* editor, QWidget* parent = nullptr);

protected:
    void przygotuj(const Lista& lista) override;
    void przelicz() override;
    DaneNaliczenia dane() const override;
    QWidget* pierwszePole() const override;

private:
    QLineEdit* m_razem;
    QLineEdit* m_zaliczka;
    QLabel *m_wrazem, *m_wrachunek, *m_wrachunek2, *m_wrachunek1czywaluta, *m_wrachunek2czywaluta;
    QLabel *m_lrachunek1waluta, *m_lrachunek2waluta, *m_lrachunek2waluta_5, *m_lbrakrachunku;
    QLabel *m_lpozycjawaluta, *m_lpozycjawaluta2, *m_lpodatekproc, *m_lkurs;
    QFrame* m_podatek;
};

} // namespace vexa
