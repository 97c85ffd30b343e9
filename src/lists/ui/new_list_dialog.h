#pragma once

#include "lists/generation.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace vexa {

struct AppContext;

// "NOWA LISTA NALEŻNOŚCI" (Tflista): month, kind, sub-unit, rates and options of a new list.
// Its checks run on "TWÓRZ LISTĘ"; the list itself is created by the caller from nowaLista().
class NewListDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewListDialog(AppContext& ctx, QWidget* parent = nullptr);

    // Fills the dialog as it is prepared before every showing.
    void przygotuj();
    // The dialog's values (valid after "TWÓRZ LISTĘ" accepted them).
    NowaLista nowaLista() const;

public slots:
    void tworz();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void odswiezListyMiesiaca();
    void uklad();

    AppContext& m_ctx;
    QCheckBox* m_cbPododdzial;
    QComboBox* m_pododdzial;
    QRadioButton* m_z;
    QRadioButton* m_p;
    QComboBox* m_miesiac;
    QSpinBox* m_rok;
    QLabel* m_lWaluta;
    QLabel* m_lWalutaRach;
    QLabel* m_lPodatekKurs;
    QLineEdit* m_kursWaluty;
    QLineEdit* m_kursRach;
    QLineEdit* m_tabela;
    QCheckBox* m_dod;
    QLabel* m_lRodzaj;
    QComboBox* m_rodzaj;
    QCheckBox* m_specjal;
    QComboBox* m_wyplacona;
    QComboBox* m_naliczona;
    QLineEdit* m_nr;
    QCheckBox* m_zaliczki;
    QCheckBox* m_podatek;
    QWidget* m_pPodatek;
    QLineEdit* m_podatekKurs;
    QLineEdit* m_podatekTabela;
    QLineEdit* m_podatekDieta;
    QCheckBox* m_wojenny;
};

} // namespace vexa
