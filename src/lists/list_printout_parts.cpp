#include "lists/list_printout_parts.h"

#include "data/numbers.h"
#include "data/validators.h"
#include "lists/list_kinds.h"
#include "printouts/conventions.h"

namespace vexa::wydruk_listy {

QString podpisDodatkuWojennego(double stawka) {
    return QStringLiteral("Dod.woj. ") + procent(stawka) + u'%';
}

QString opisRodzajuListy(const QString& rodzaj) {
    const RodzajListy* r = RodzajListyKodu(rodzaj);
    return r ? r->tytul : QString();
}

QString liniaGrupy(const Lista& l) {
    QString t;
    if (l.zp == QLatin1String("Z"))
        t = QStringLiteral("ŻOŁNIERZE ") + l.skrotpkw;
    else if (l.zp == QLatin1String("P"))
        t = QStringLiteral("PRACOWNICY WOJSKA ") + l.skrotpkw;
    if (!l.skrotpododdzial.isEmpty()) t += QStringLiteral(" - ") + l.skrotpododdzial;
    return t;
}

QString liniaStatusu(const Lista& l) {
    if (l.status == QLatin1String("O")) return QStringLiteral("LISTA \"OTWARTA\"");
    if (l.status == QLatin1String("Z")) return QStringLiteral("LISTA \"ZAMKNIĘTA\"");
    return QString();
}

// Title band: approval block on the left, date and status on the right, the title across.
void pasmoTytulu(BudowaRaportu& b, const Lista& l, const QString& tytul, const QString& dodatkowy,
                 const QDate& dzis) {
    b.ustawTytul(dodatkowy.isNull() ? 31 : 36, [=](Pasmo& p) {
        p.tekst(0, 0, 90, 4, QStringLiteral("\"ZATWIERDZAM\""), {8, true}, Wyrownanie::Srodek);
        // Two lines of room: a long commander's name breaks rather than shrinks to nothing.
        p.tekst(0, 5, 90, 6.8, (l.dowodca1 + u' ' + l.dowodca2).trimmed(), {7}, Wyrownanie::Srodek);
        p.tekst(0, 12, 90, 4, l.dowodca3, {7}, Wyrownanie::Srodek);
        p.tekst(p.szerokosc() - 70, 0, 70, 4, LiniaDaty(dzis), {7}, Wyrownanie::Prawo);
        p.tekst(p.szerokosc() - 70, 5, 70, 4, liniaStatusu(l), {7, true}, Wyrownanie::Prawo);
        p.tekst(0, 18, p.szerokosc(), 6, tytul, kTytul, Wyrownanie::Srodek);
        p.tekst(0, 24, p.szerokosc(), 5, liniaGrupy(l), {9, true}, Wyrownanie::Srodek);
        if (!dodatkowy.isNull())
            p.tekst(0, 29, p.szerokosc(), 5, dodatkowy, {9, true}, Wyrownanie::Srodek);
    });
}

void blokPodpisow(BudowaRaportu& b, const Lista& l, const QString& sfinansista) {
    b.pasmo(kWysokoscPodpisow, [&](Pasmo& p) {
        const double w = p.szerokosc() / 3;
        const QStringList podpisy{QStringLiteral("Za zgodność z etatem:"),
                                  QStringLiteral("Wykonał:"), sfinansista};
        const QStringList nazwiska{l.zgodnoscetatowa, l.wykonal, l.finansista};
        for (int i = 0; i < 3; ++i) {
            p.tekst(i * w, 3, w, 4, podpisy[i], {7}, Wyrownanie::Srodek);
            p.tekst(i * w, 11, w, 4, nazwiska[i], {7, true}, Wyrownanie::Srodek);
        }
    });
}

void blokWyplaty(BudowaRaportu& b, const Lista& l, const QList<double>* nominaly,
                 const LicznikiBanknotow* liczniki) {
    b.pasmo(kWysokoscWyplaty, [&](Pasmo& p) {
        p.tekst(0, 1, 80, 4, QStringLiteral("Wypłaciłem kwotę ") + l.walutazaliczki + u':',
                {7, true});
        p.tekst(0, 7, 80, 4, QStringLiteral("Słownie:"), {7});
        p.tekst(0, 13, 80, 4, QStringLiteral("Data:"), {7});
        p.tekst(0, 19, 80, 4, QStringLiteral("Podpis:"), {7});
        if (!nominaly || !liczniki) return;
        // Twelve columns wide enough for a control sum of 99 999 999,99 at 5 pt.
        const double x0 = 85, wPodpisu = 22, w = (p.szerokosc() - x0 - wPodpisu) / 12;
        const QStringList wiersze{QStringLiteral("Nominał:"), QStringLiteral("Ilość banknotów:"),
                                  QStringLiteral("Suma kontrolna:")};
        for (int r = 0; r < 3; ++r) {
            p.tekst(x0, 1 + r * 5, wPodpisu, 4, wiersze[r], {6.5});
            for (int k = 0; k < 12; ++k) {
                p.ramka(x0 + wPodpisu + k * w, 0.5 + r * 5, w, 5, 0.1);
                if (k >= nominaly->size()) continue;
                const double n = (*nominaly)[k];
                const int ile = (*liczniki)[size_t(k)];
                const QString t = r == 0   ? Kwota00Przecinek(n)
                                  : r == 1 ? QString::number(ile)
                                           : Kwota00Przecinek(ile * n);
                p.tekst(x0 + wPodpisu + k * w + 0.5, 1 + r * 5, w - 1, 4, t, {6.5},
                        Wyrownanie::Prawo);
            }
        }
    });
}

void blokiKoncowe(BudowaRaportu& b, const Lista& l, const QString& sfinansista,
                  const QList<double>& nominaly, const LicznikiBanknotow& liczniki) {
    blokPodpisow(b, l, sfinansista);
    blokWyplaty(b, l, &nominaly, &liczniki);
}

void Sumy::dodaj(const Pozycja& p) {
    naleznosc += p.naleznosc;
    zwnaleznmon += p.zwnaleznmon;
    zwnaleznpkw += p.zwnaleznpkw;
    woj1 += p.dodatekwojenny;
    woj2 += p.dodatekwojenny2;
    woj3 += p.dodatekwojenny3;
    rozm += p.rozm;
    wyrownanie += p.wyrownanie;
    lekarz += p.zwnaleznlekarz;
    innezmniejszenia += p.innezmniejszenia;
    urlop += p.zmniejszenie_urlop;
    podstawa += p.podatek_podstawa_opodatkowania;
    razem += p.razem;
    skladkizus += p.skladkizus;
    innezwiekszenia += p.innezwiekszenia;
    dowyplaty += p.dowyplaty;
    rachunek += p.rachunek;
    zaliczkawaluta += p.zaliczkawaluta;
    zaliczkapln += p.zaliczkapln;
    podatek += p.podatek_zaliczka;
    srhigieny += p.srhigieny;
    podstawapod += p.podstawapod;
    zaliczkaus += p.zaliczkaus;
    nfz1 += p.nfz1;
    nfz2 += p.nfz2;
}

bool drukowana(const Pozycja& p, const OpcjeWydrukuListy& o) {
    return o.zerowe || p.razem > 0;
}

} // namespace vexa::wydruk_listy
