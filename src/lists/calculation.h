#pragma once

// The calculation of one position of an allowance list. Both routines are pure: they read the
// list and the position, change the position's fields and return the marks the position
// editors show; nothing is read from or written to the database. Intermediate results are held
// in long double and every field is stored as a double in the order of the steps, so a value
// read back by a later step is the stored double, as in the editors.
//
// A rate that has to divide an amount (the cash-desk rate `kurszaliczki`, the bank-account
// rate `kursrach`) must be greater than 0; otherwise the calculation stops with a VexaError
// (a zero amount needs no rate and converts to zero).

#include "lists/records.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vexa {

// Which edit of the short position editor has the focus; it decides, for an advance ("ZK")
// list, whether the total gives the currency advance or the advance gives the total.
enum class FokusZk {
    Brak,     // neither
    Razem,    // ezkrazem
    Zaliczka, // ezkzaliczka
};

// What the calculation takes from outside the list and the position: the current hygiene
// equivalents of the settings (SRHIGIENYM for men, SRHIGIENYK for women, PLN per month; from
// June 2012 on they are read as they are now, not as the list copied them), and the focus of
// the short editor.
struct DaneNaliczenia {
    double srhigienym = 0;
    double srhigienyk = 0;
    FokusZk fokus = FokusZk::Brak;
};

// The marks of the full position editor (page edpozycja). Booleans tell whether the "!"
// caption is shown; the currency captions hold their text.
struct ZnacznikiPozycji {
    bool wokres = false, wiloscdni = false;
    bool wrazem = false, wdowyplaty = false, wrachunek = false, wrachunek2 = false;
    bool wrachunek1czywaluta = false, wrachunek2czywaluta = false;
    QString lrachunek1waluta, lrachunek2waluta, lrachunek2waluta_2;
    bool lbrakrachunku = false; // "BRAK RACHUNKU BANKOWEGO" shown
    // A negative settlement or bailiff's deduction is drawn red in its edit and white in its
    // result caption.
    bool wyrownanieujemne = false, innezwiekszeniaujemne = false;
};

// The marks of the short position editor (page edpozycja2).
struct ZnacznikiPozycjiSkroconej {
    bool wrazem_2 = false, wrachunek_2 = false, wrachunek2_2 = false;
    bool wrachunek1czywaluta_2 = false, wrachunek2czywaluta_2 = false;
    QString lrachunek1waluta_4, lrachunek2waluta_4, lrachunek2waluta_5;
    // "BRAK RACHUNKU BANKOWEGO": shown or hidden, or left as it is (an advance list).
    std::optional<bool> lbrakrachunku2;
};

// The month of a list from `miesiacrok` ("MM/YYYY": month in characters 1–2, the year from
// character 4 on, a year below 100 taken as 20xx). A text that gives no month 1–12 or no year
// 1–9999 throws VexaError.
struct MiesiacListy {
    int miesiac = 0;
    int rok = 0;
    static MiesiacListy z(const QString& miesiacrok);
    QDate pierwszy() const { return QDate(rok, miesiac, 1); }
    int dni() const { return pierwszy().daysInMonth(); }
};

// Days of entitlement in the list month for a right acquired on N and lost on U (an empty date
// stands for the program's empty date, 31.12.1899).
int dniokresu(const QString& miesiacrok, const QDate& N, const QDate& U);
// d is the number of days of the list month.
bool pelnymiesiac(const QString& miesiacrok, int d);
// The hygiene equivalent of a position for d entitled days (see the rules in the .cpp).
double ekwiwalenthigieny(const QString& miesiacrok, int d, const QString& pesel, double srhigieny,
                         const QDate& U, const QDate& N, const DaneNaliczenia& dane);

// The full calculation (lists of kind P and U).
ZnacznikiPozycji przeliczpozycje(const Lista& lista, Pozycja& p, const DaneNaliczenia& dane);
// The short calculation (lists of kind D), where the total `razem` is typed by the user.
ZnacznikiPozycjiSkroconej przeliczpozycjeskrocona(const Lista& lista, Pozycja& p,
                                                  const DaneNaliczenia& dane);

} // namespace vexa
