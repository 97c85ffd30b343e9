#include "printouts/text_fit.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <cmath>

namespace vexa {

namespace {

// Texts are measured at 600 dots per inch (the PDF's resolution) in points, so a font of N
// points measures as it is drawn there; unhinted widths scale with the resolution.
constexpr double kDpi = 600.0;
constexpr double kPikseliNaMm = kDpi / 25.4;
// Rounding of the metrics: a text this much wider than its box still fits.
constexpr double kTolerancja = 0.05; // mm
constexpr double kKrok = 0.25;       // pt, one step of shrinking

quint64 KluczCzcionki(const Czcionka& c) {
    return (quint64(std::lround(c.punkty * 100)) << 4) | (c.pogrubiona ? 1 : 0) |
           (c.kursywa ? 2 : 0) | (c.podkreslona ? 4 : 0) | (c.stalaSzerokosc ? 8 : 0);
}

const QFontMetricsF& Metryka(const Czcionka& c) {
    static QImage urzadzenie = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dpm = int(std::lround(kDpi / 0.0254));
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    static QHash<quint64, QFontMetricsF*> metryki;
    const quint64 klucz = KluczCzcionki(c);
    auto it = metryki.constFind(klucz);
    if (it != metryki.constEnd()) return **it;
    // Kept for the program's life: a handful of sizes and styles.
    auto* m = new QFontMetricsF(FontRaportu(c, c.punkty), &urzadzenie);
    metryki.insert(klucz, m);
    return *m;
}

bool MiesciSieWSzerokosci(const QStringList& linie, const Czcionka& c, double szerokosc) {
    for (const QString& l : linie)
        if (SzerokoscTekstu(l, c) > szerokosc + kTolerancja) return false;
    return true;
}

bool MiesciSieWWysokosci(qsizetype linii, const Czcionka& c, double wysokosc) {
    // One line may overhang its box by its leading; more lines must fit whole.
    return linii * WysokoscLinii(c) <= wysokosc + (linii == 1 ? 0.6 : kTolerancja);
}

// Where a line may break: at a blank not between two digits (the blank is dropped), and before
// an opening parenthesis.
QStringList Kawalki(const QString& t) {
    QStringList out;
    QString biezacy;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar ch = t[i];
        const bool cyfraPrzed = i > 0 && t[i - 1].isDigit();
        const bool cyfraPo = i + 1 < t.size() && t[i + 1].isDigit();
        if (ch == u' ' && !(cyfraPrzed && cyfraPo)) {
            if (!biezacy.isEmpty()) out << biezacy;
            biezacy.clear();
            out << QStringLiteral(" ");
            continue;
        }
        if (ch == u'(' && !biezacy.isEmpty()) {
            out << biezacy;
            biezacy.clear();
        }
        biezacy += ch;
    }
    if (!biezacy.isEmpty()) out << biezacy;
    return out;
}

// The pieces filled into lines of at most `szerokosc` mm, greedily; a line break of the text
// stays one.
QStringList Lamane(const QString& t, const Czcionka& c, double szerokosc) {
    if (t.contains(u'\n')) {
        QStringList linie;
        for (const QString& akapit : t.split(u'\n'))
            linie << Lamane(akapit, c, szerokosc);
        return linie;
    }
    if (SzerokoscTekstu(t, c) <= szerokosc + kTolerancja) return {t};
    QStringList linie;
    QString linia;
    for (const QString& k : Kawalki(t)) {
        if (k == u" ") {
            if (!linia.isEmpty()) linia += k;
            continue;
        }
        const QString proba = linia + k;
        if (!linia.trimmed().isEmpty() &&
            SzerokoscTekstu(proba.trimmed(), c) > szerokosc + kTolerancja) {
            linie << linia.trimmed();
            linia = k;
        } else {
            linia = proba;
        }
    }
    if (!linia.trimmed().isEmpty()) linie << linia.trimmed();
    return linie;
}

// A text that may break into lines, from the box's top: its lines as broken here.
bool MiesciSieZawijany(const Tekst& t) {
    const QStringList linie = Lamane(t.tresc, t.czcionka, t.pole.width());
    return MiesciSieWSzerokosci(linie, t.czcionka, t.pole.width()) &&
           MiesciSieWWysokosci(linie.size(), t.czcionka, t.pole.height());
}

} // namespace

QFont FontRaportu(const Czcionka& c, double punktyUrzadzenia) {
    QFont f(c.stalaSzerokosc ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punktyUrzadzenia);
    f.setBold(c.pogrubiona);
    f.setItalic(c.kursywa);
    f.setUnderline(c.podkreslona);
    // Unhinted glyphs: a text is as wide on the screen as on paper, in proportion.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double SzerokoscTekstu(const QString& tekst, const Czcionka& c) {
    // A list repeats its texts ("0,00", dates, the crosses): each is shaped once per font.
    static QHash<QPair<quint64, QString>, double> zmierzone;
    const QPair<quint64, QString> klucz(KluczCzcionki(c), tekst);
    if (auto it = zmierzone.constFind(klucz); it != zmierzone.constEnd()) return *it;
    if (zmierzone.size() > 50000) zmierzone.clear();
    const double mm = Metryka(c).horizontalAdvance(tekst) / kPikseliNaMm;
    zmierzone.insert(klucz, mm);
    return mm;
}

double WysokoscLinii(const Czcionka& c) {
    return Metryka(c).height() / kPikseliNaMm;
}

bool MiesciSie(const Tekst& t) {
    if (t.tresc.isEmpty()) return true;
    if (t.zawijaj) return MiesciSieZawijany(t);
    if (!t.tresc.contains(u'\n'))
        return SzerokoscTekstu(t.tresc, t.czcionka) <= t.pole.width() + kTolerancja &&
               MiesciSieWWysokosci(1, t.czcionka, t.pole.height());
    const QStringList linie = t.tresc.split(u'\n');
    return MiesciSieWSzerokosci(linie, t.czcionka, t.pole.width()) &&
           MiesciSieWWysokosci(linie.size(), t.czcionka, t.pole.height());
}

Tekst DopasowanyTekst(const Tekst& t) {
    if (t.zawijaj) {
        // Broken into lines here, at the largest size whose lines fit, then smaller.
        Tekst x = t;
        for (double pt = t.czcionka.punkty; pt >= NAJMNIEJSZA_CZCIONKA - 1e-9; pt -= kKrok) {
            x.czcionka.punkty = pt;
            const QStringList linie = Lamane(t.tresc, x.czcionka, t.pole.width());
            if (MiesciSieWSzerokosci(linie, x.czcionka, t.pole.width()) &&
                MiesciSieWWysokosci(linie.size(), x.czcionka, t.pole.height())) {
                x.tresc = linie.join(u'\n');
                return x;
            }
        }
        x.czcionka.punkty = qMin(t.czcionka.punkty, NAJMNIEJSZA_CZCIONKA);
        x.tresc = Lamane(t.tresc, x.czcionka, t.pole.width()).join(u'\n');
        return x;
    }
    if (MiesciSie(t)) return t;
    Tekst x = t;
    // Smaller, a step at a time, down to the smallest size.
    for (double pt = t.czcionka.punkty - kKrok; pt >= NAJMNIEJSZA_CZCIONKA - 1e-9; pt -= kKrok) {
        x.czcionka.punkty = pt;
        if (MiesciSie(x)) return x;
    }
    // Broken into lines, at the largest size whose lines fit the box.
    if (!t.tresc.contains(u'\n')) {
        for (double pt = t.czcionka.punkty; pt >= NAJMNIEJSZA_CZCIONKA - 1e-9; pt -= kKrok) {
            x.czcionka.punkty = pt;
            const QStringList linie = Lamane(t.tresc, x.czcionka, t.pole.width());
            if (linie.size() < 2 || !MiesciSieWWysokosci(linie.size(), x.czcionka, t.pole.height()))
                continue;
            if (!MiesciSieWSzerokosci(linie, x.czcionka, t.pole.width())) continue;
            x.tresc = linie.join(u'\n');
            return x;
        }
    }
    x.tresc = t.tresc;
    x.czcionka.punkty = qMin(t.czcionka.punkty, NAJMNIEJSZA_CZCIONKA);
    return x;
}

QStringList TekstyNieMieszczaceSie(const Raport& r) {
    QStringList out;
    const QRectF kartka(QPointF(0, 0), r.rozmiarStrony());
    for (int s = 0; s < r.iloscStron(); ++s) {
        for (const Tekst& t : r.strony[s].teksty) {
            if (t.tresc.trimmed().isEmpty()) continue;
            const Tekst d = DopasowanyTekst(t);
            const bool naKartce = kartka.contains(t.pole) && t.pole.width() > 0;
            if (naKartce && MiesciSie(d)) continue;
            double potrzeba = 0;
            for (const QString& l : d.tresc.split(u'\n'))
                potrzeba = qMax(potrzeba, SzerokoscTekstu(l, d.czcionka));
            out << QStringLiteral("strona %1: «%2» (pole %3 × %4 mm od %5, %6; potrzeba %7 mm "
                                  "przy %8 pt)")
                       .arg(s + 1)
                       .arg(t.tresc)
                       .arg(t.pole.width(), 0, 'f', 1)
                       .arg(t.pole.height(), 0, 'f', 1)
                       .arg(t.pole.x(), 0, 'f', 1)
                       .arg(t.pole.y(), 0, 'f', 1)
                       .arg(potrzeba, 0, 'f', 1)
                       .arg(d.czcionka.punkty);
        }
    }
    return out;
}

} // namespace vexa
