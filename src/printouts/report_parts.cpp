#include "printouts/report_parts.h"

#include "data/error.h"
#include "data/numbers.h"
#include "data/validators.h"

namespace vexa::druk {

QString kwota(double v) {
    return KwotaGrupy(v);
}
QString dni(const std::optional<int>& v) {
    return v ? QString::number(*v) : QString();
}
QString procent(double v) {
    return LiczbaOgolna(v);
}

namespace {

[[noreturn]] void zaSzeroki(double zajete, double szerokosc) {
    throw VexaError(QStringLiteral("Kolumny wydruku nie mieszczą się na stronie: %1 mm na %2 mm.")
                        .arg(LiczbaOgolna(zajete), LiczbaOgolna(szerokosc)));
}

} // namespace

QList<Kol> kolumny(const QList<double>& szerokosci, double szerokosc) {
    QList<Kol> k;
    double x = 0;
    for (double w : szerokosci) {
        k << Kol{x, w};
        x += w;
    }
    if (x > szerokosc + 1e-9) zaSzeroki(x, szerokosc);
    return k;
}

QList<Kol> kolumnyDoKonca(const QList<double>& szerokosci, double szerokosc) {
    double zajete = 0;
    for (double w : szerokosci)
        zajete += w;
    if (szerokosc - zajete < kNajwezszaKolumna - 1e-9)
        zaSzeroki(zajete + kNajwezszaKolumna, szerokosc);
    return kolumny(QList<double>(szerokosci) << szerokosc - zajete, szerokosc);
}

void komorka(Pasmo& p, const Kol& k, int linia, const QString& tekst, Wyrownanie w,
             const Czcionka& c, const QColor& kolor) {
    Tekst& t = p.tekst(k.x + 0.6, linia * kWiersz, k.w - 1.2, kWiersz, tekst, c, w);
    t.kolor = kolor;
}

void nazwiskoWDwochLiniach(Pasmo& p, const Kol& k, int linia, const QString& tekst) {
    Tekst& t = p.tekst(k.x + 0.6, linia * kWiersz, k.w - 1.2, 2 * kWiersz, tekst, {6.5, true});
    t.zawijaj = true;
}

void kwotaZEtykieta(Pasmo& p, const Kol& k, int linia, const QString& kwota,
                    const QString& etykieta, const Czcionka& c) {
    constexpr double kEtykieta = 5; // mm, a three-letter currency code at 5.5 pt
    if (etykieta.isEmpty()) {
        komorka(p, k, linia, kwota, Wyrownanie::Prawo, c);
        return;
    }
    malaLewa(p, k, linia, etykieta);
    komorka(p, Kol{k.x + kEtykieta, k.w - kEtykieta}, linia, kwota, Wyrownanie::Prawo, c);
}

void malaLewa(Pasmo& p, const Kol& k, int linia, const QString& tekst) {
    komorka(p, k, linia, tekst, Wyrownanie::Lewo, kMala);
}

QString data(const QDate& d) {
    return d.isValid() ? DataKrotka(d) : QString();
}

void stopka(BudowaRaportu& b) {
    b.ustawStopke(6, [](Pasmo& p, int strona, int stron) {
        p.linia(0, 0.5, p.szerokosc(), 0.5, 0.1);
        p.tekst(0, 1.5, 150, 4, LiniaProduktu(), {6, false, true});
        p.tekst(p.szerokosc() - 40, 1.5, 40, 4, LiniaStrony(strona, stron), {7}, Wyrownanie::Prawo);
    });
}

// The column header: three stacked captions per column in boxes.
void naglowekKolumn(BudowaRaportu& b, const QList<Kol>& k, const QList<QStringList>& podpisy,
                    int linii) {
    const double h = linii * kWiersz + 1;
    b.ustawNaglowekStrony(h + 1, [k, podpisy, h](Pasmo& p) {
        for (int i = 0; i < k.size(); ++i) {
            p.ramka(k[i].x, 0, k[i].w, h, 0.2, QColor(235, 235, 235));
            const QStringList& c = podpisy.value(i);
            if (c.size() == 1) {
                p.tekst(k[i].x, 0, k[i].w, h, c[0], kNaglowek, Wyrownanie::Srodek);
                continue;
            }
            for (int j = 0; j < c.size(); ++j)
                p.tekst(k[i].x, 0.5 + j * kWiersz, k[i].w, kWiersz, c[j], kNaglowek,
                        Wyrownanie::Srodek);
        }
    });
}

} // namespace vexa::druk
