#pragma once

#include <QDialog>

namespace vexa {

// Dialog Tfste "WYBÓR STOPNIA ETATOWEGO": one button per post grade, grouped; a grade button
// closes the dialog with OK and leaves its abbreviation in wybranyStopien(), "ANULUJ" closes it
// with Cancel.
class GradeDialog : public QDialog {
    Q_OBJECT
public:
    explicit GradeDialog(QWidget* parent = nullptr);

    // The abbreviation of the grade chosen last (empty until a grade button is pressed).
    QString wybranyStopien() const { return m_wybrany; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_wybrany;
};

} // namespace vexa
