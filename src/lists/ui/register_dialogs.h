#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vexa {

// TFRok "WPROWADŹ ZAKRES LAT": every year, one year (eod) or a range of years (eod, edo).
class YearDialog : public QDialog {
    Q_OBJECT
public:
    explicit YearDialog(QWidget* parent = nullptr);

    // Sets the choice from the text of the year chooser before each showing.
    void przygotuj(const QString& tekst, int biezacyRok);
    // The chooser's text after "Zatwierdź".
    QString tekst() const { return m_tekst; }

public slots:
    void zatwierdz();

private:
    void wybor();

    QRadioButton* m_wszystkie;
    QRadioButton* m_rok;
    QRadioButton* m_zakres;
    QLineEdit* m_od;
    QLineEdit* m_do;
    QString m_tekst;
    int m_biezacyRok = 0;
};

// TFPkw "WYBÓR PKW": the contingents of the lists as a check list lbpkw.
class ContingentDialog : public QDialog {
    Q_OBJECT
public:
    explicit ContingentDialog(QWidget* parent = nullptr);

    // Every code ticked for "(WSZYSTKIE)"; otherwise the codes of the group `mpkw`.
    void przygotuj(const QStringList& kody, const QString& tekst, const QStringList& mpkw);
    QString tekst() const { return m_tekst; }
    QStringList grupa() const { return m_grupa; }

public slots:
    void zatwierdz();

private:
    QListWidget* m_lista;
    QStringList m_kody;
    QString m_tekst;
    QStringList m_grupa;
};

} // namespace vexa
