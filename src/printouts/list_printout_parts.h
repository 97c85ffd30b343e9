#pragma once

// The pieces the list printouts share: columns, cells, the title, header and footer bands,
// the closing blocks and the sums. Only the list printouts use them.

#include "printouts/conventions.h"
#include "printouts/list_printout.h"
#include "printouts/report_builder.h"

#include <optional>

namespace vexa::wydruk_listy {

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

QString opisRodzajuListy(const QString& rodzaj);
// Title band: approval block on the left, date and status on the right, the title across.
void pasmoTytulu(BudowaRaportu& b, const Lista& l, const QString& tytul, const QString& dodatkowy,
                 const QDate& dzis);
void stopka(BudowaRaportu& b);
// The column header: stacked captions per column in boxes, `linii` lines high.
void naglowekKolumn(BudowaRaportu& b, const QList<Kol>& k, const QList<QStringList>& podpisy,
                    int linii);
// The group line ("ŻOŁNIERZE " / "PRACOWNICY WOJSKA " and the contingent, " - " sub-unit) and
// the status line ("LISTA \"OTWARTA\"" / "LISTA \"ZAMKNIĘTA\"").
QString liniaGrupy(const Lista& l);
QString liniaStatusu(const Lista& l);
// Heights of the signature block and of the cash-payment block, in mm.
inline constexpr double kWysokoscPodpisow = 18, kWysokoscWyplaty = 24;
// Signature block: "Za zgodność z etatem:", "Wykonał:" and the finance chief's title, each with
// the list's name under it.
void blokPodpisow(BudowaRaportu& b, const Lista& l, const QString& sfinansista);
// Cash-payment block ("Wypłaciłem kwotę …", "Słownie:", "Data:", "Podpis:"), with the banknote
// breakdown beside it when the banknotes are given.
void blokWyplaty(BudowaRaportu& b, const Lista& l, const QList<double>* nominaly,
                 const LicznikiBanknotow* liczniki);
// Signature block, then the cash-payment block with the banknote breakdown.
void blokiKoncowe(BudowaRaportu& b, const Lista& l, const QString& sfinansista,
                  const QList<double>& nominaly, const LicznikiBanknotow& liczniki);

// Sums of a list over every position.
struct Sumy {
    double naleznosc = 0, zwnaleznmon = 0, zwnaleznpkw = 0, woj1 = 0, woj2 = 0, woj3 = 0, rozm = 0,
           wyrownanie = 0, lekarz = 0, innezmniejszenia = 0, urlop = 0, podstawa = 0, razem = 0,
           skladkizus = 0, innezwiekszenia = 0, dowyplaty = 0, rachunek = 0, zaliczkawaluta = 0,
           zaliczkapln = 0, podatek = 0, srhigieny = 0, podstawapod = 0, zaliczkaus = 0, nfz1 = 0,
           nfz2 = 0;
    void dodaj(const Pozycja& p);
};

bool drukowana(const Pozycja& p, const OpcjeWydrukuListy& o);

void wydrukPelny(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o);
void wydrukZPodatkiem(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o);
void wydrukDodatkowy(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o,
                     bool zPodatkiem);

} // namespace vexa::wydruk_listy
