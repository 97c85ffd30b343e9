#include "lists/calculation.h"

#include "data/error.h"
#include "data/numbers.h"
#include "data/validators.h"

#include <algorithm>
#include <cstdlib>

namespace vexa {

namespace {

using LD = long double;

bool tak(const QString& flag) {
    return flag == QLatin1String("T");
}
// An account flag other than 'N' marks an account kept in the list's currency.
bool walutowy(const QString& flag) {
    return flag != QLatin1String("N");
}
QString walutaRachunku(const QString& flag, const Lista& l) {
    return flag == QLatin1String("N") ? QStringLiteral("PLN") : l.walutarach;
}

// An empty date field holds the program's empty date.
QDate alboPusta(const QDate& d) {
    return d.isValid() ? d : DATA_PUSTA;
}

// Inclusive count of days between two dates, in either order; 0 for an impossible date.
int dniMiedzy(const QDate& a, const QDate& b) {
    auto poprawna = [](const QDate& d) { return d.isValid() && d.year() >= 1 && d.year() <= 9999; };
    if (!poprawna(a) || !poprawna(b)) return 0;
    return int(std::llabs(a.daysTo(b))) + 1;
}

enum class Kurs { Kasa, Rachunki };

// amount / rate for a rate that must be positive. Nothing to convert needs no rate.
LD podziel(LD amount, double rate, Kurs which) {
    if (rate > 0) return amount / rate;
    if (amount == 0) return 0;
    throw VexaError(which == Kurs::Kasa
                        ? QStringLiteral("Kurs waluty wypłacanej w kasie musi być większy od zera.")
                        : QStringLiteral("Kurs waluty rachunków bankowych musi być większy od "
                                         "zera."));
}

// The income-tax advance of a list with tax: the exempt part (30 % of the daily diet in PLN
// per entitled day, only in the full calculation), the base and the advance in whole PLN, the
// advance deducted from the amount due. A rate of 0 on the list means 18 %.
void naliczPodatek(const Lista& l, Pozycja& p, bool zwolnienie) {
    if (!tak(l.czy_podatek)) {
        p.podatek_kwota_zwolniona = 0;
        p.podatek_podstawa_opodatkowania = 0;
        p.podatek_zaliczka = 0;
        return;
    }
    LD r = LD(l.podatekproc) / 100;
    if (r == 0) r = 0.18L;
    p.podatek_kwota_zwolniona =
        zwolnienie ? double(LD(p.iloscdni.value_or(0)) *
                            zaokraglij(LD(l.podatek_dieta) * 0.3L * l.podatek_kurs))
                   : 0.0;
    p.podatek_podstawa_opodatkowania = double(
        LD(zaokraglij((LD(p.dowyplaty) - p.wyrownanie - p.podatek_kwota_zwolniona) / 100)) * 100);
    p.podatek_zaliczka =
        double(LD(zaokraglij(LD(p.podatek_podstawa_opodatkowania) * r / 100)) * 100);
    p.dowyplaty = double(LD(p.dowyplaty) - p.podatek_zaliczka);
}

struct Podzial {
    double rachunek1;
    double rachunek1bz;
};

// Account 1 gets what the banks receive (`rachunek`, PLN) less the amount for account 2, in its
// own currency; k = kursrach converts between PLN and the accounts' currency.
Podzial podzielNaRachunki(const Lista& l, const Pozycja& p) {
    const bool w1 = walutowy(p.rachunek1czywaluta);
    const bool w2 = walutowy(p.rachunek2czywaluta);
    const double k = l.kursrach;
    if (p.rachunek2 == 0) {
        if (!w1) return {p.rachunek, p.rachunek};
        const LD bz = podziel(p.rachunek, k, Kurs::Rachunki);
        return {zaokraglij(bz), double(bz)};
    }
    if (w1 && w2) {
        const LD bz = podziel(LD(p.rachunek) - LD(p.rachunek2) * k, k, Kurs::Rachunki);
        return {zaokraglij(bz), double(bz)};
    }
    if (w1) {
        const LD bz = podziel(LD(p.rachunek) - p.rachunek2, k, Kurs::Rachunki);
        return {zaokraglij(bz), double(bz)};
    }
    if (w2)
        return {double(LD(p.rachunek) - zaokraglij(LD(p.rachunek2) * k)),
                double(LD(p.rachunek) - LD(p.rachunek2) * k)};
    const double r = double(LD(p.rachunek) - p.rachunek2);
    return {r, r};
}

// A negative amount for account 1 is taken from account 2, so account 1 gets nothing. With
// currency accounts the shortfall is converted at k = kursrach into account 2's own currency
// and the result rounded to the grosz (cent):
//   both in currency:               rachunek2 := zaokraglij(rachunek2 + rachunek1)
//   account 1 currency, 2 PLN:      rachunek2 := zaokraglij(rachunek2 + rachunek1 × k)
//   account 1 PLN, 2 currency:      rachunek2 := zaokraglij(rachunek2 + rachunek1 / k)
//   both PLN:                       rachunek2 := rachunek2 + rachunek1 (already in grosze)
// rachunek1bz keeps the unrounded share as computed, in every case.
void pokryjNiedobor(const Lista& l, Pozycja& p) {
    if (!(p.rachunek1 < 0)) return;
    const bool w1 = walutowy(p.rachunek1czywaluta);
    const bool w2 = walutowy(p.rachunek2czywaluta);
    if (!w1 && !w2)
        p.rachunek2 = double(LD(p.rachunek2) + p.rachunek1);
    else if (w1 && w2)
        p.rachunek2 = zaokraglij(LD(p.rachunek2) + p.rachunek1);
    else if (w1)
        p.rachunek2 = zaokraglij(LD(p.rachunek2) + LD(p.rachunek1) * l.kursrach);
    else
        p.rachunek2 =
            zaokraglij(LD(p.rachunek2) + podziel(p.rachunek1, l.kursrach, Kurs::Rachunki));
    p.rachunek1 = 0;
}

} // namespace

MiesiacListy MiesiacListy::z(const QString& miesiacrok) {
    bool okM = false, okR = false;
    const int m = miesiacrok.mid(0, 2).toInt(&okM);
    int y = miesiacrok.mid(3).toInt(&okR);
    if (okR && y >= 0 && y < 100) y += 2000;
    if (!okM || !okR || m < 1 || m > 12 || y < 1 || y > 9999)
        throw VexaError(QStringLiteral("Niepoprawny miesiąc listy: „%1”.").arg(miesiacrok));
    return {m, y};
}

int dniokresu(const QString& miesiacrok, const QDate& nabycie, const QDate& utrata) {
    const MiesiacListy ml = MiesiacListy::z(miesiacrok);
    const QDate S = ml.pierwszy();
    const QDate E = S.addDays(ml.dni() - 1);
    const QDate N = alboPusta(nabycie);
    const QDate U = alboPusta(utrata);
    // The cases in this order, a later match overriding an earlier one.
    int d = 0;
    if (N <= S && U >= E) d = dniMiedzy(S, E);
    if (N > S && U >= E) d = dniMiedzy(N, E);
    if (N <= S && U < E) d = dniMiedzy(S, U);
    if (N >= S && U <= E) d = dniMiedzy(N, U);
    if ((N < S && U < S) || (N > E && U > E)) d = 0;
    return d;
}

bool pelnymiesiac(const QString& miesiacrok, int d) {
    return d == MiesiacListy::z(miesiacrok).dni();
}

// Up to May 2012 the amount set at generation stays, except that a right lost in the list
// month on an earlier day of the month than the day it was acquired gives nothing.
// From June 2012 the current settings decide: the amount for the person's sex, whole for 16
// or more entitled days, half (each rounded) for fewer. A PESEL too short to tell the sex
// gives 0. In June 2012 a right acquired before 1 June loses k daily rates (k = day of the
// month of acquisition − 1), the daily rates being 95.54/30 (men) and 96.09/30 (women).
// A negative result is 0.
double ekwiwalenthigieny(const QString& miesiacrok, int d, const QString& pesel, double srhigieny,
                         const QDate& utrata, const QDate& nabycie, const DaneNaliczenia& dane) {
    const MiesiacListy ml = MiesiacListy::z(miesiacrok);
    const QDate N = alboPusta(nabycie);
    const QDate U = alboPusta(utrata);
    LD wynik = 0;
    if (ml.rok < 2012 || (ml.rok == 2012 && ml.miesiac < 6)) {
        wynik = srhigieny;
        if (U.year() == ml.rok && U.month() == ml.miesiac && U.day() < N.day()) wynik = 0;
    } else {
        const bool znanaPlec = pesel.size() >= 10;
        const bool mezczyzna = znanaPlec && plecpesel(pesel) == QLatin1String("M");
        const LD stawka = !znanaPlec ? 0.0L : mezczyzna ? dane.srhigienym : dane.srhigienyk;
        const LD kwota = d >= 16 ? zaokraglij(stawka) : zaokraglij(stawka / 2);
        wynik = kwota;
        if (ml.rok == 2012 && ml.miesiac == 6 && N < QDate(2012, 6, 1)) {
            const int k = std::max(0, N.day() - 1);
            const LD dzienna = mezczyzna ? 95.54L / 30 : 96.09L / 30;
            wynik = kwota - zaokraglij(k * dzienna);
        }
    }
    if (wynik < 0) wynik = 0;
    return double(wynik);
}

ZnacznikiPozycji przeliczpozycje(const Lista& l, Pozycja& p, const DaneNaliczenia& dane) {
    const int dniMiesiaca = MiesiacListy::z(l.miesiacrok).dni();
    // 1. Entitlement days of the month and leave days.
    int a = dniokresu(l.miesiacrok, p.datanabycia, p.datautraty);
    if (p.pesel.isEmpty()) a = 0;
    const int urlop = p.dni_wolne_u + p.dni_wolne_w;
    // 2–6. Counts not given are derived.
    if (!p.iloscdni) p.iloscdni = a;
    const double h = ekwiwalenthigieny(l.miesiacrok, *p.iloscdni, p.pesel, p.srhigieny,
                                       p.datautraty, p.datanabycia, dane);
    if (!tak(p.czyzmianasrhigieny)) p.srhigieny = h;
    if (!p.iloscdnizwmon) p.iloscdnizwmon = a;
    if (!p.iloscdniwojna) {
        p.iloscdniwojna = tak(l.czy_dod_wojenny) ? a - p.dni_wolne_u - p.dni_wolne_p : 0;
        if (l.dodatekwojenny == 0) p.iloscdniwojna = 0;
    }
    for (std::optional<int>* n : {&p.iloscdnirozm, &p.iloscdniwojna2, &p.iloscdniwojna3})
        if (!*n) *n = 0;
    // 7. Monthly bases.
    const double B = double(LD(l.uposazenie) * p.mnoznik);
    const double Z = double(LD(l.zwnaleznmon) * l.uposazenie / 100);
    const double D = double(LD(p.zwnaleznlekarzproc) * l.uposazenie / 100);
    // 8–9. A full month (or 30 days) pays the monthly amount, otherwise days × daily rate.
    const int dni = *p.iloscdni;
    if (dni == dniMiesiaca || dni == 30) {
        p.naleznosc = zaokraglij(LD(l.uposazenie) * p.mnoznik);
        p.zwnaleznlekarz = zaokraglij(LD(l.uposazenie) * (LD(p.zwnaleznlekarzproc) / 100));
    } else {
        p.naleznosc = double(dni * LD(zaokraglij(LD(l.uposazenie) * p.mnoznik / 30)));
        p.zwnaleznlekarz =
            double(dni * LD(zaokraglij(LD(p.zwnaleznlekarzproc) / 100 * l.uposazenie / 30)));
    }
    const int dniMon = *p.iloscdnizwmon;
    if (dniMon == dniMiesiaca || dniMon == 30)
        p.zwnaleznmon = zaokraglij(LD(l.zwnaleznmon) * l.uposazenie / 100);
    else
        p.zwnaleznmon =
            double(dniMon * LD(zaokraglij(LD(l.zwnaleznmon) / 100 * l.uposazenie / 30)));
    // 10. War-day control: no count above the entitled days, none negative, and together not
    // more than them, taking the excess from rate I first.
    if (tak(p.kddw)) {
        const int c = dni;
        std::optional<int>* wojna[] = {&p.iloscdniwojna, &p.iloscdniwojna2, &p.iloscdniwojna3};
        for (std::optional<int>* w : wojna) {
            if (**w > c) *w = c;
            if (**w < 0) *w = 0;
        }
        for (std::optional<int>* w : wojna) {
            const int t = *p.iloscdniwojna + *p.iloscdniwojna2 + *p.iloscdniwojna3;
            if (t > c) *w = std::max(0, **w - (t - c));
        }
        a = c;
    }
    // 11.
    if (*p.iloscdnirozm > a) p.iloscdnirozm = a;
    // 12–13. Commander's increase per month; supplements and de-mining per day, unrounded.
    p.zwnaleznpkw = double(LD(p.zwnaleznpkwproc) / 100 * l.uposazenie);
    p.dodatekwojenny = double(*p.iloscdniwojna * (LD(l.dodatekwojenny) / 100 * l.uposazenie));
    p.dodatekwojenny2 = double(*p.iloscdniwojna2 * (LD(l.dodatekwojenny2) / 100 * l.uposazenie));
    p.dodatekwojenny3 = double(*p.iloscdniwojna3 * (LD(l.dodatekwojenny3) / 100 * l.uposazenie));
    p.rozm = double(*p.iloscdnirozm * (LD(l.rozm) / 100 * l.uposazenie));
    // 14. Leave reduction.
    p.zmniejszenie_urlop =
        double(LD(zaokraglij(LD(B) / 30)) * urlop + LD(zaokraglij(LD(D) / 30)) * urlop +
               LD(zaokraglij(LD(Z) / 30)) * urlop);
    // 15–16. Total and amount due.
    p.razem = double(LD(p.naleznosc) + p.zwnaleznlekarz + p.zwnaleznmon + p.zwnaleznpkw +
                     p.dodatekwojenny + p.dodatekwojenny2 + p.dodatekwojenny3 + p.rozm +
                     p.wyrownanie - p.innezmniejszenia - p.zmniejszenie_urlop);
    if (!tak(l.osobnosrhigieny)) p.razem = double(LD(p.razem) + p.srhigieny);
    p.dowyplaty = zaokraglij(LD(p.razem) - p.skladkizus - p.innezwiekszenia);
    // 17.
    naliczPodatek(l, p, true);
    // 18. Cash desk and banks.
    ZnacznikiPozycji z;
    if (!p.nrachunek1.trimmed().isEmpty()) {
        p.zaliczkapln = zaokraglij(LD(p.zaliczkawaluta) * l.kurszaliczki);
        p.rachunek = zaokraglij(LD(p.dowyplaty) - p.zaliczkapln);
        if (p.rachunek < 0) {
            p.zaliczkawaluta = 0;
            p.zaliczkapln = 0;
            p.rachunek = zaokraglij(p.dowyplaty);
        }
        z.lbrakrachunku = false;
    } else {
        p.zaliczkawaluta = zaokraglij(podziel(p.dowyplaty, l.kurszaliczki, Kurs::Kasa));
        p.zaliczkapln = zaokraglij(p.dowyplaty);
        p.rachunek = 0;
        z.lbrakrachunku = true;
    }
    // 19–20. The two accounts.
    const Podzial podzial = podzielNaRachunki(l, p);
    p.rachunek1 = podzial.rachunek1;
    p.rachunek1bz = podzial.rachunek1bz;
    pokryjNiedobor(l, p);
    // 21. Marks.
    z.wokres = z.wiloscdni = *p.iloscdni != a;
    z.wrazem = p.razem <= 0;
    z.wdowyplaty = p.dowyplaty <= 0;
    z.wrachunek = p.rachunek < 0;
    z.wrachunek2 = p.rachunek1 < 0;
    z.wrachunek1czywaluta = tak(p.rachunek1czywaluta);
    z.wrachunek2czywaluta = tak(p.rachunek2czywaluta);
    z.lrachunek1waluta = walutaRachunku(p.rachunek1czywaluta, l);
    z.lrachunek2waluta = walutaRachunku(p.rachunek2czywaluta, l);
    z.lrachunek2waluta_2 = z.lrachunek2waluta;
    z.wyrownanieujemne = p.wyrownanie < 0;
    z.innezwiekszeniaujemne = p.innezwiekszenia < 0;
    // 22.
    if (p.zaliczkawaluta == 0) p.niepobranewkasie.clear();
    return z;
}

ZnacznikiPozycjiSkroconej przeliczpozycjeskrocona(const Lista& l, Pozycja& p,
                                                  const DaneNaliczenia& dane) {
    // 1. No days and no computed parts on an additional list.
    for (std::optional<int>* n : {&p.iloscdni, &p.iloscdnizwmon, &p.iloscdniwojna,
                                  &p.iloscdniwojna2, &p.iloscdniwojna3, &p.iloscdnirozm})
        *n = 0;
    for (double* v : {&p.naleznosc, &p.zwnaleznmon, &p.zwnaleznpkw, &p.dodatekwojenny,
                      &p.dodatekwojenny2, &p.dodatekwojenny3, &p.rozm})
        *v = 0;
    // 2–3. Amount due and tax from the total as typed.
    p.dowyplaty = double(LD(p.razem) - p.innezwiekszenia);
    naliczPodatek(l, p, false);
    ZnacznikiPozycjiSkroconej z;
    if (l.rodzaj != QLatin1String("ZK")) {
        // 4. Cash desk, banks and account 1 (no shortfall step here).
        if (!p.nrachunek1.trimmed().isEmpty()) {
            p.zaliczkapln = zaokraglij(LD(p.zaliczkawaluta) * l.kurszaliczki);
            p.rachunek = double(LD(p.dowyplaty) - p.zaliczkapln);
            if (p.rachunek < 0) {
                p.zaliczkawaluta = 0;
                p.zaliczkapln = 0;
                p.rachunek = zaokraglij(p.dowyplaty);
            }
            z.lbrakrachunku2 = false;
        } else {
            p.zaliczkawaluta = zaokraglij(podziel(p.dowyplaty, l.kurszaliczki, Kurs::Kasa));
            p.zaliczkapln = zaokraglij(LD(p.zaliczkawaluta) * l.kurszaliczki);
            p.rachunek = 0;
            z.lbrakrachunku2 = true;
        }
        p.rachunek1 = podzielNaRachunki(l, p).rachunek1;
    } else {
        // 5. An advance is paid at the cash desk only; the focused edit leads.
        p.rachunek = 0;
        p.rachunek1 = 0;
        p.rachunek2 = 0;
        if (dane.fokus == FokusZk::Razem)
            p.zaliczkawaluta = zaokraglij(podziel(p.razem, l.kurszaliczki, Kurs::Kasa));
        else if (dane.fokus == FokusZk::Zaliczka)
            p.razem = zaokraglij(LD(p.zaliczkawaluta) * l.kurszaliczki);
        p.zaliczkapln = p.razem;
    }
    // 6. Marks.
    z.wrazem_2 = p.razem <= 0;
    z.wrachunek_2 = p.rachunek < 0;
    z.wrachunek2_2 = p.rachunek1 < 0;
    z.wrachunek1czywaluta_2 = tak(p.rachunek1czywaluta);
    z.wrachunek2czywaluta_2 = tak(p.rachunek2czywaluta);
    z.lrachunek1waluta_4 = walutaRachunku(p.rachunek1czywaluta, l);
    z.lrachunek2waluta_4 = walutaRachunku(p.rachunek2czywaluta, l);
    z.lrachunek2waluta_5 = z.lrachunek2waluta_4;
    // 7.
    if (p.zaliczkawaluta == 0) p.niepobranewkasie.clear();
    return z;
}

} // namespace vexa
