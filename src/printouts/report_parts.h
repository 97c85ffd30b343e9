#pragma once

// The table pieces the reports share: fonts, columns and cells of a layout, the column header
// and the page footer.

#include "printouts/conventions.h"
#include "printouts/report_builder.h"

#include <QDate>
#include <optional>

namespace vexa::druk {

inline const Czcionka kZwykla{6.5};
inline const Czcionka kMala{5.5};
inline const Czcionka kNaglowek{6, true};
inline const Czcionka kTytul{11, true};
inline constexpr double kWiersz = 3.2; // mm, one line of a position

QString kwota(double v);
QString dni(const std::optional<int>& v);
QString procent(double v);

// Columns of a layout: x and width in mm from the left margin.
struct Kol {
    double x, w;
};
// The narrowest column a layout may end with (a signature, an amount).
inline constexpr double kNajwezszaKolumna = 15;
// The columns of those widths, which must add up to no more than `szerokosc` (the printable
// width): a wider layout throws VexaError rather than print columns past the margin.
QList<Kol> kolumny(const QList<double>& szerokosci, double szerokosc);
// The columns of those widths and one more after them taking the rest of `szerokosc`, which
// must leave at least kNajwezszaKolumna for it (else VexaError).
QList<Kol> kolumnyDoKonca(const QList<double>& szerokosci, double szerokosc);

// One text in a column's line (0-based).
void komorka(Pasmo& p, const Kol& k, int linia, const QString& tekst,
             Wyrownanie w = Wyrownanie::Prawo, const Czcionka& c = kZwykla,
             const QColor& kolor = Qt::black);
// The person's name in bold from a column's line, with the line under it as room to break a
// long name into two lines (the painter wraps it from the box's top).
void nazwiskoWDwochLiniach(Pasmo& p, const Kol& k, int linia, const QString& tekst);
// An amount in a column's line with its small currency label on the left (none when empty);
// the amount keeps clear of the label, so that shrinking it never runs it into the label.
void kwotaZEtykieta(Pasmo& p, const Kol& k, int linia, const QString& kwota,
                    const QString& etykieta, const Czcionka& c = kZwykla);
// The small left part of a column's line (a day count, a percentage, a currency label).
void malaLewa(Pasmo& p, const Kol& k, int linia, const QString& tekst);
// A date as the reports print it ("dd.MM.yyyy"), empty when there is none.
QString data(const QDate& d);
// The page footer: a rule, the product line on the left, "Strona n z m" on the right.
void stopka(BudowaRaportu& b);
// The column header: stacked captions per column in boxes, `linii` lines high.
void naglowekKolumn(BudowaRaportu& b, const QList<Kol>& k, const QList<QStringList>& podpisy,
                    int linii);

} // namespace vexa::druk
