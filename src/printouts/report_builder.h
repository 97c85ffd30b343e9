#pragma once

// Bands build the pages of a report: a band has a height and places its texts, lines and
// boxes relative to its top. The page header (the column titles of a list) repeats at the top
// of every page; a band that no longer fits above the page footer starts a new page. The page
// footers are placed last, when the number of pages is known ("Strona: N z M").

#include "printouts/page_model.h"

#include <functional>

namespace vexa {

// The place of one band on its page; coordinates are millimetres from the band's top left.
class Pasmo {
public:
    Pasmo(StronaRaportu& strona, double lewo, double gora, double szerokosc)
        : m_strona(strona), m_lewo(lewo), m_gora(gora), m_szerokosc(szerokosc) {}

    double szerokosc() const { return m_szerokosc; }
    double gora() const { return m_gora; }

    Tekst& tekst(double x, double y, double w, double h, const QString& tresc,
                 const Czcionka& czcionka = {}, Wyrownanie wyrownanie = Wyrownanie::Lewo);
    void linia(double x1, double y1, double x2, double y2, double grubosc = 0.2);
    void ramka(double x, double y, double w, double h, double grubosc = 0.2,
               const QColor& wypelnienie = QColor());

private:
    StronaRaportu& m_strona;
    double m_lewo, m_gora, m_szerokosc;
};

class BudowaRaportu {
public:
    using Rysuj = std::function<void(Pasmo&)>;
    // The page footer gets the page's number and the number of pages.
    using RysujStopke = std::function<void(Pasmo&, int strona, int stron)>;

    // Margins in millimetres on every side of the page.
    explicit BudowaRaportu(Raport& raport, double margines = 10);

    // The title band: at the top of the first page, above the page header.
    void ustawTytul(double wysokosc, Rysuj rysuj);
    void ustawNaglowekStrony(double wysokosc, Rysuj rysuj);
    void ustawStopke(double wysokosc, RysujStopke rysuj);

    // A band of that height: on the current page when it fits, else on a new one.
    void pasmo(double wysokosc, const Rysuj& rysuj);
    // The bands of the next `wysokosc` mm (the closing blocks: totals, signatures, banknotes,
    // the closing line) stay together on one page. When they do not fit the room left, they
    // start a new page and take the last band of this page with them, so that the column
    // header of the new page has a row under it; when that band is the only one of its page,
    // the new page gets no column header.
    void zachowajRazem(double wysokosc);
    // Room left on the current page above the footer.
    double wolneMiejsce() const;
    void nowaStrona(bool zNaglowkiem = true);
    // Places the footers on every page; a report without a band still gets one page.
    void zakoncz();

    double szerokosc() const { return m_szerokosc; }

private:
    Raport& m_raport;
    double m_margines, m_szerokosc, m_dol;
    double m_y = 0;
    double m_pierwszePasmo = 0; // where the first band of the current page starts
    // The last band placed: where its items start in the lists of its page, its top and
    // height, and how many bands the page holds.
    struct Slad {
        qsizetype ramki = 0, linie = 0, obrazy = 0, teksty = 0;
        double y = 0, wysokosc = 0;
    } m_ostatnie;
    int m_pasmNaStronie = 0;
    double m_naglowekWys = 0, m_stopkaWys = 0, m_tytulWys = 0;
    Rysuj m_naglowek, m_tytul;
    RysujStopke m_stopka;
};

} // namespace vexa
