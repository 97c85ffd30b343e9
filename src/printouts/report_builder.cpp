#include "printouts/report_builder.h"

namespace vexa {

QStringList StronaRaportu::tresci() const {
    QStringList out;
    for (const Tekst& t : teksty)
        out << t.tresc;
    return out;
}

const Tekst* StronaRaportu::znajdz(const QString& poczatek) const {
    for (const Tekst& t : teksty)
        if (t.tresc.startsWith(poczatek)) return &t;
    return nullptr;
}

Tekst& Pasmo::tekst(double x, double y, double w, double h, const QString& tresc,
                    const Czcionka& czcionka, Wyrownanie wyrownanie) {
    m_strona.teksty.append(
        Tekst{QRectF(m_lewo + x, m_gora + y, w, h), tresc, czcionka, wyrownanie, Qt::black});
    return m_strona.teksty.last();
}

void Pasmo::linia(double x1, double y1, double x2, double y2, double grubosc) {
    m_strona.linie.append(
        Linia{QPointF(m_lewo + x1, m_gora + y1), QPointF(m_lewo + x2, m_gora + y2), grubosc});
}

void Pasmo::ramka(double x, double y, double w, double h, double grubosc,
                  const QColor& wypelnienie) {
    m_strona.ramki.append(Ramka{QRectF(m_lewo + x, m_gora + y, w, h), grubosc, wypelnienie});
}

BudowaRaportu::BudowaRaportu(Raport& raport, double margines)
    : m_raport(raport), m_margines(margines),
      m_szerokosc(raport.rozmiarStrony().width() - 2 * margines),
      m_dol(raport.rozmiarStrony().height() - margines) {}

void BudowaRaportu::ustawTytul(double wysokosc, Rysuj rysuj) {
    m_tytulWys = wysokosc;
    m_tytul = std::move(rysuj);
}

void BudowaRaportu::ustawNaglowekStrony(double wysokosc, Rysuj rysuj) {
    m_naglowekWys = wysokosc;
    m_naglowek = std::move(rysuj);
}

void BudowaRaportu::ustawStopke(double wysokosc, RysujStopke rysuj) {
    m_stopkaWys = wysokosc;
    m_stopka = std::move(rysuj);
}

double BudowaRaportu::wolneMiejsce() const {
    return m_raport.strony.isEmpty() ? m_dol - m_margines - m_stopkaWys : m_dol - m_stopkaWys - m_y;
}

void BudowaRaportu::nowaStrona(bool zNaglowkiem) {
    m_raport.strony.append(StronaRaportu{});
    m_pasmNaStronie = 0;
    m_y = m_margines;
    if (m_tytul && m_raport.strony.size() == 1) {
        Pasmo p(m_raport.strony.last(), m_margines, m_y, m_szerokosc);
        m_tytul(p);
        m_y += m_tytulWys;
    }
    if (m_naglowek && zNaglowkiem) {
        Pasmo p(m_raport.strony.last(), m_margines, m_y, m_szerokosc);
        m_naglowek(p);
        m_y += m_naglowekWys;
    }
    m_pierwszePasmo = m_y;
}

void BudowaRaportu::pasmo(double wysokosc, const Rysuj& rysuj) {
    // A band taller than a whole page is placed on a page of its own and clipped there.
    if (m_raport.strony.isEmpty() ||
        (m_y + wysokosc > m_dol - m_stopkaWys && m_y > m_pierwszePasmo))
        nowaStrona();
    StronaRaportu& s = m_raport.strony.last();
    m_ostatnie =
        Slad{s.ramki.size(), s.linie.size(), s.obrazy.size(), s.teksty.size(), m_y, wysokosc};
    ++m_pasmNaStronie;
    Pasmo p(s, m_margines, m_y, m_szerokosc);
    rysuj(p);
    m_y += wysokosc;
}

namespace {

// Moves the items of a page from `od` on to the end of another page, `dy` mm lower.
template <typename T, typename Przesun>
void przenies(QList<T>& z, QList<T>& na, qsizetype od, Przesun przesun) {
    for (qsizetype i = od; i < z.size(); ++i) {
        T x = z[i];
        przesun(x);
        na << x;
    }
    z.resize(od);
}

} // namespace

void BudowaRaportu::zachowajRazem(double wysokosc) {
    if (m_raport.strony.isEmpty() || m_y + wysokosc <= m_dol - m_stopkaWys ||
        m_y <= m_pierwszePasmo)
        return;
    if (m_pasmNaStronie < 2) {
        nowaStrona(false);
        return;
    }
    // The last band goes along: cut from this page, placed under the next page's header.
    const Slad slad = m_ostatnie;
    const qsizetype stara = m_raport.strony.size() - 1;
    nowaStrona();
    StronaRaportu& z = m_raport.strony[stara];
    StronaRaportu& na = m_raport.strony.last();
    const double dy = m_y - slad.y;
    przenies(z.ramki, na.ramki, slad.ramki, [dy](Ramka& r) { r.pole.translate(0, dy); });
    przenies(z.linie, na.linie, slad.linie, [dy](Linia& l) {
        l.od.ry() += dy;
        l.do_.ry() += dy;
    });
    przenies(z.obrazy, na.obrazy, slad.obrazy, [dy](Obraz& o) { o.pole.translate(0, dy); });
    przenies(z.teksty, na.teksty, slad.teksty, [dy](Tekst& t) { t.pole.translate(0, dy); });
    m_ostatnie.y = m_y;
    m_pasmNaStronie = 1;
    m_y += slad.wysokosc;
}

void BudowaRaportu::zakoncz() {
    if (m_raport.strony.isEmpty()) nowaStrona();
    if (!m_stopka) return;
    const int stron = m_raport.iloscStron();
    for (int i = 0; i < stron; ++i) {
        Pasmo p(m_raport.strony[i], m_margines, m_dol - m_stopkaWys, m_szerokosc);
        m_stopka(p, i + 1, stron);
    }
}

} // namespace vexa
