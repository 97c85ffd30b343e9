#pragma once
// TFDataOsoba "NALEŻNOŚCI DLA OSOBY": whose dues to print (a PESEL or else a surname) and,
// with "NALEŻNOŚCI Z OKRESU:" ticked, the period (preset to the current year). ZATWIERDŹ or
// Enter refuses an end before the start; ANAULUJ or Esc cancels.
#include "lists/person_dues.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace vexa {

class Messages;

class PersonDuesDialog : public QDialog {
    Q_OBJECT
public:
    PersonDuesDialog(Messages& messages, QWidget* parent = nullptr);
    // Empties the fields and clears the period box; the dates are preset to the year of `dzis`.
    void przygotuj(const QDate& dzis);
    // The query as chosen: no period (equal dates, today) unless the box is ticked.
    ZapytanieNaleznosci zapytanie() const;

private:
    void zatwierdz();
    void pokazOkres(bool widoczny);

    Messages& m_messages;
    QLineEdit* m_pesel = nullptr;
    QLineEdit* m_nazwisko = nullptr;
    QCheckBox* m_okres = nullptr;
    QLabel* m_odL = nullptr;
    QLabel* m_doL = nullptr;
    QDateEdit* m_od = nullptr;
    QDateEdit* m_do = nullptr;
    QDate m_dzis;
};

} // namespace vexa
