#pragma once
// TFPit_11 "KOREKTA / WYJAŚNIENIE PIT-11": the correction mark and the explanation (the ORD-ZU
// text) of one form. Zatwierdź or Enter accepts (Shift+Enter breaks a line of the
// explanation); Anuluj or Esc discards.
#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace vexa {

class Pit11Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Pit11Dialog(QWidget* parent = nullptr);
    void przygotuj(bool korekta, const QString& wyjasnienie);
    bool korekta() const;
    QString wyjasnienie() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* m_korekta = nullptr;
    QPlainTextEdit* m_wyjasnienie = nullptr;
};

} // namespace vexa
