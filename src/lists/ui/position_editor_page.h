#pragma once

#include "lists/ui/position_editor_base.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace vexa {

// Page edpozycja: one position of a full list. Every input recalculates the position when it is
// left; the engine's marks, currency captions and the missing-account caption follow.
class PositionEditorPage : public PositionEditorBase {
    Q_OBJECT
public:
    PositionEditorPage(AppContext& ctx, ListEditorPage* editor, QWidget* parent = nullptr);

protected:
    void przygotuj(const Lista& lista) override;
    void przelicz() override;
    QWidget* pierwszePole() const override;

private:
    QFrame* buildDays();
    QFrame* buildAmounts();
    QFrame* buildPayout();
    void pokazZnaczniki(const ZnacznikiPozycji& z);
    void pokazDniWMiesiacu();
    void wybierzNiepobrane(bool checked);

    QLabel *m_wokres, *m_wiloscdni, *m_wdniwmiesiacu, *m_wrazem, *m_wdowyplaty, *m_wrachunek,
        *m_wrachunek2, *m_wrachunek1czywaluta, *m_wrachunek2czywaluta;
    QLabel *m_lrachunek1waluta, *m_lrachunek2waluta, *m_lrachunek2waluta_2, *m_lbrakrachunku;
    QLabel *m_lpozycjawaluta, *m_lpozycjawaluta2, *m_lpodatekproc, *m_lkurs;
    QLabel* m_ldw[3];
    QLabel* m_lproc[3];
    QLabel* m_ldod[3];
    QLineEdit* m_dniWojna[3];
    QLineEdit *m_iloscdni, *m_wyrownanie, *m_innezwiekszenia;
    QLabel *m_lwyrownanie, *m_linnezwiekszenia;
    QComboBox* m_lekarz;
    QComboBox* m_kddw;
    QCheckBox* m_niepobrane;
    QFrame* m_podatek;
    QString m_miesiacrok;
};

} // namespace vexa
