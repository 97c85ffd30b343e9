#include "payments/payment_printouts.h"

#include "data/numbers.h"
#include "lists/list_kinds.h"
#include "printouts/conventions.h"
#include "lists/list_printout_parts.h"

namespace vexa {

using namespace wydruk_listy;

namespace {

// The columns of both transfer lists (landscape).
QList<Kol> KolumnyPrzelewow(BudowaRaportu& b) {
    QList<double> szer{8, 55, 22, 26, 40, 34, 48, 17};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Lp."},
                    {"Nazwisko i imię", "Stanowisko"},
                    {"Imię ojca", "PESEL"},
                    {"NIS", "Stopień etatowy"},
                    {"Posiadacz rachunku"},
                    {"Nazwa banku"},
                    {"Numer rachunku"},
                    {"SWIFT"},
                    {"Kwota"}},
                   2);
    return k;
}

// One position's two lines: the person and both accounts; `kwoty` the amount of each line
// (empty: none), `waluta` the small currency label of each line.
void WierszPrzelewu(BudowaRaportu& b, const QList<Kol>& k, int lp, const Pozycja& p,
                    const QString (&kwoty)[2], const QString (&waluty)[2]) {
    b.pasmo(2 * kWiersz + 1, [&](Pasmo& pa) {
        komorka(pa, k[0], 0, QString::number(lp));
        komorka(pa, k[1], 0, p.nazwisko + u' ' + p.imie, Wyrownanie::Lewo, {6.5, true});
        komorka(pa, k[1], 1, p.stanowisko, Wyrownanie::Lewo);
        komorka(pa, k[2], 0, p.imieojca, Wyrownanie::Lewo);
        komorka(pa, k[2], 1, p.pesel, Wyrownanie::Lewo);
        komorka(pa, k[3], 0, p.nis, Wyrownanie::Lewo);
        komorka(pa, k[3], 1, p.ste, Wyrownanie::Lewo);
        komorka(pa, k[4], 0, p.orachunek1, Wyrownanie::Lewo);
        komorka(pa, k[4], 1, p.orachunek2, Wyrownanie::Lewo);
        komorka(pa, k[5], 0, p.brachunek1, Wyrownanie::Lewo);
        komorka(pa, k[5], 1, p.brachunek2, Wyrownanie::Lewo);
        komorka(pa, k[6], 0, p.nrachunek1, Wyrownanie::Lewo);
        komorka(pa, k[6], 1, p.nrachunek2, Wyrownanie::Lewo);
        komorka(pa, k[7], 0, p.bic1.trimmed(), Wyrownanie::Lewo, kMala);
        komorka(pa, k[7], 1, p.bic2.trimmed(), Wyrownanie::Lewo, kMala);
        for (int i = 0; i < 2; ++i)
            kwotaZEtykieta(pa, k[8], i, kwoty[i], waluty[i], {6.5, true});
        pa.linia(0, 2 * kWiersz + 0.5, pa.szerokosc(), 2 * kWiersz + 0.5, 0.1);
    });
}

void Ogolem(BudowaRaportu& b, const QList<Kol>& k, const QString& podpis,
            const QList<QPair<int, double>>& sumy) {
    b.pasmo(kWiersz + 2, [&](Pasmo& pa) {
        pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
        pa.tekst(0.6, 0.8, 60, kWiersz, podpis, {7, true});
        for (const auto& [kol, suma] : sumy)
            pa.tekst(k[kol].x + 0.6, 0.8, k[kol].w - 1.2, kWiersz, kwota(suma), {6.5, true},
                     Wyrownanie::Prawo);
    });
}

QString Tytul(const QString& poczatek, const Lista& l) {
    return poczatek + l.nr.trimmed() + QStringLiteral(" ZA MIESIĄC ") + l.miesiacrok;
}

} // namespace

QString OpisRodzajuPrzelewow(const QString& rodzaj, bool zSh) {
    if (rodzaj == u"SH") return zSh ? QStringLiteral("DODATEK ZA ŚRODKI HIGIENY") : QString();
    const RodzajListy* r = RodzajListyKodu(rodzaj);
    // The description the ZWSI RON files carry; the one-off kind JN has none.
    return r ? r->opisZwsi : QString();
}

QString LiniaPrzelewow(const Lista& l, bool waluta, double suma, double sumaPln) {
    if (!waluta) return QStringLiteral("OGÓŁEM przelewy: ") + kwota(suma) + QStringLiteral(" PLN");
    return QStringLiteral("OGÓŁEM przelewy: ") + kwota(suma) + u' ' + l.walutarach.trimmed() +
           QStringLiteral(", ") + kwota(sumaPln) + QStringLiteral(" PLN");
}

Raport WykazPrzelewow(const DaneWydrukuListy& d, bool waluta, const QDate& dzis) {
    const Lista& l = d.lista;
    Raport r;
    r.tytulZadania = TYTUL_PRZELEWY;
    BudowaRaportu b(r);
    stopka(b);
    const QList<Kol> k = KolumnyPrzelewow(b);
    pasmoTytulu(b, l,
                Tytul(waluta ? QStringLiteral("WYKAZ PRZELEWÓW WALUTOWYCH NA RACHUNKI DLA LISTY "
                                              "NALEŻNOŚCI NR ")
                             : QStringLiteral("WYKAZ PRZELEWÓW ZŁOTÓWKOWYCH NA RACHUNKI DLA "
                                              "LISTY NALEŻNOŚCI NR "),
                      l),
                OpisRodzajuPrzelewow(l.rodzaj, true), dzis);
    const QString flaga = waluta ? QStringLiteral("T") : QStringLiteral("N");
    double suma = 0, sumaPln = 0;
    int lp = 0;
    for (const Pozycja& p : d.pozycje) {
        const double kw[2] = {p.rachunek1, p.rachunek2};
        const bool kwal[2] = {kw[0] > 0 && p.rachunek1czywaluta == flaga,
                              kw[1] > 0 && p.rachunek2czywaluta == flaga};
        if (!kwal[0] && !kwal[1]) continue;
        // The PLN equivalent of account 1 comes from its unrounded amount.
        const double podstawa[2] = {p.rachunek1bz, p.rachunek2};
        QString kwoty[2], waluty[2];
        for (int i = 0; i < 2; ++i) {
            if (!kwal[i]) continue;
            kwoty[i] = kwota(kw[i]);
            suma += kw[i];
            if (waluta) {
                waluty[i] = l.walutarach;
                sumaPln += RownowartoscPln(podstawa[i], l.kursrach);
            }
        }
        WierszPrzelewu(b, k, ++lp, p, kwoty, waluty);
    }
    b.zachowajRazem(kWiersz + 2 + kWysokoscPodpisow + kWiersz + 3);
    Ogolem(b, k, QStringLiteral("OGÓŁEM"), {{8, suma}});
    blokPodpisow(b, l, d.sfinansista);
    b.pasmo(kWiersz + 3, [&](Pasmo& pa) {
        pa.tekst(0, 1, pa.szerokosc(), kWiersz + 1, LiniaPrzelewow(l, waluta, suma, sumaPln),
                 {8, true});
    });
    b.zakoncz();
    return r;
}

Raport WykazPrzelewowNiepobranych(const DaneWydrukuListy& d, const QDate& dzis) {
    const Lista& l = d.lista;
    Raport r;
    r.tytulZadania = TYTUL_PRZELEWY;
    BudowaRaportu b(r);
    stopka(b);
    const QList<Kol> k = KolumnyPrzelewow(b);
    pasmoTytulu(b, l,
                Tytul(QStringLiteral("WYKAZ PRZELEWÓW DLA NALEŻNOŚCI NIEPOBRANYCH W KASIE - "
                                     "LISTA NALEŻNOŚCI NR "),
                      l),
                OpisRodzajuPrzelewow(l.rodzaj, false), dzis);
    double suma = 0;
    int lp = 0;
    for (const Pozycja& p : d.pozycje) {
        if (p.zaliczkapln == 0 || p.niepobranewkasie != u"N") continue;
        suma += p.zaliczkapln;
        const QString kwoty[2] = {kwota(p.zaliczkapln), QString()};
        const QString waluty[2];
        WierszPrzelewu(b, k, ++lp, p, kwoty, waluty);
    }
    b.zachowajRazem(kWiersz + 2 + kWysokoscPodpisow);
    Ogolem(b, k, QStringLiteral("OGÓŁEM"), {{8, suma}});
    blokPodpisow(b, l, d.sfinansista);
    b.zakoncz();
    return r;
}

Raport ListaKasy(const DaneWydrukuListy& d, bool uproszczona, const QDate& dzis) {
    const Lista& l = d.lista;
    Raport r;
    r.tytulZadania = TYTUL_LISTA;
    r.poziomo = !uproszczona;
    BudowaRaportu b(r);
    stopka(b);
    // The last column takes the rest of the width: "Kasa PLN", or "Podpis" when simplified.
    QList<double> szer = uproszczona ? QList<double>{8, 56, 24, 22, 25, 25}
                                     : QList<double>{10, 80, 50, 35, 50};
    QList<QStringList> podpisy{{"Lp."},          {"Nazwisko i imię"},
                               {"Stopień etatowy"}, {"PESEL"},
                               {"Kasa " + l.walutazaliczki}, {"Kasa PLN"}};
    if (uproszczona) podpisy << QStringList{"Podpis"};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
    naglowekKolumn(b, k, podpisy, 1);
    const QString tytul = Tytul(QStringLiteral("NALEŻNOŚCI WYPŁACONE W KASIE Z LISTY NR "), l);
    if (uproszczona)
        b.ustawTytul(22, [l, tytul](Pasmo& p) {
            p.tekst(0, 0, 80, 5, l.skrotpkw, {9, true});
            p.tekst(0, 7, p.szerokosc(), 6, tytul, kTytul, Wyrownanie::Srodek);
            p.tekst(0, 14, p.szerokosc(), 5, liniaGrupy(l), {9, true}, Wyrownanie::Srodek);
        });
    else
        pasmoTytulu(b, l, tytul, QString(), dzis);

    double wal = 0, pln = 0;
    int lp = 0;
    const double h = uproszczona ? 2 * kWiersz : kWiersz + 1;
    for (const Pozycja& p : d.pozycje) {
        if (p.niepobranewkasie != u"W") continue;
        wal += p.zaliczkawaluta;
        pln += p.zaliczkapln;
        ++lp;
        b.pasmo(h, [&](Pasmo& pa) {
            const double dy = uproszczona ? kWiersz / 2 : 0;
            auto kom = [&](int kol, const QString& t, Wyrownanie w, const Czcionka& c) {
                pa.tekst(k[kol].x + 0.6, dy, k[kol].w - 1.2, kWiersz, t, c, w);
            };
            kom(0, QString::number(lp), Wyrownanie::Prawo, kZwykla);
            kom(1, p.nazwisko + u' ' + p.imie, Wyrownanie::Lewo, {6.5, true});
            kom(2, p.ste, Wyrownanie::Lewo, kZwykla);
            kom(3, p.pesel, Wyrownanie::Lewo, kZwykla);
            kom(4, kwota(p.zaliczkawaluta), Wyrownanie::Prawo, {6.5, true});
            kom(5, kwota(p.zaliczkapln), Wyrownanie::Prawo, kZwykla);
            if (uproszczona)
                for (const Kol& c : k)
                    pa.ramka(c.x, 0, c.w, h, 0.1);
            else
                pa.linia(0, h - 0.5, pa.szerokosc(), h - 0.5, 0.1);
        });
    }
    if (!uproszczona) {
        b.zachowajRazem(kWiersz + 2 + kWysokoscPodpisow);
        Ogolem(b, k, QStringLiteral("OGÓŁEM:"), {{4, wal}, {5, pln}});
        blokPodpisow(b, l, d.sfinansista);
    } else {
        b.zachowajRazem(3 * kWiersz + 3 + kWysokoscWyplaty);
        b.pasmo(3 * kWiersz + 3, [&](Pasmo& pa) {
            pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
            const QStringList kursy{
                QStringLiteral("Kurs ") + l.walutazaliczki + QStringLiteral(": ") +
                    Liczba6(l.kurszaliczki),
                QStringLiteral("Kurs ") + l.walutarach.trimmed() + QStringLiteral(": ") +
                    Liczba6(l.kursrach),
                QStringLiteral("Tabela kursu waluty: ") + l.tabelazaliczki};
            for (int i = 0; i < 3; ++i)
                pa.tekst(0.6, 1 + i * kWiersz, k[3].x, kWiersz, kursy[i], kZwykla);
            pa.tekst(k[3].x + 0.6, 1, k[3].w, kWiersz, QStringLiteral("OGÓŁEM:"), {7, true});
            pa.tekst(k[4].x + 0.6, 1, k[4].w - 1.2, kWiersz, kwota(wal), {6.5, true},
                     Wyrownanie::Prawo);
            pa.tekst(k[5].x + 0.6, 1, k[5].w - 1.2, kWiersz, kwota(pln), {6.5, true},
                     Wyrownanie::Prawo);
        });
        blokWyplaty(b, l, nullptr, nullptr);
    }
    b.zakoncz();
    return r;
}

Raport DeklaracjaWyplatyWKasie(const QList<Osoba>& osoby, const QStringList& naglowekJednostki,
                               const QString& walutaZaliczki, const QDate& dzis) {
    Raport r;
    r.tytulZadania = TYTUL_KARTOTEKA;
    r.poziomo = false;
    BudowaRaportu b(r);
    stopka(b);
    QList<double> szer{10, 62, 48, 24, 22};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Lp."},
                    {"Stopień, nazwisko i imię"},
                    {"Rachunek bankowy"},
                    {"PESEL"},
                    {"Kwota do", "wypł. w kasie", "w " + walutaZaliczki},
                    {"Podpis"}},
                   3);
    b.ustawTytul(30, [naglowekJednostki, dzis](Pasmo& p) {
        // Each line of the unit's name has room to break into two.
        p.tekst(0, 0, 125, 5.5, naglowekJednostki.value(0), {8, true});
        p.tekst(0, 5.5, 125, 5.5, naglowekJednostki.value(1), {8, true});
        p.tekst(p.szerokosc() - 60, 0, 60, 4, LiniaDaty(dzis), {7}, Wyrownanie::Prawo);
        p.tekst(0, 13, p.szerokosc(), 6, QStringLiteral("DEKLARACJA WYPŁATY NALEŻNOŚCI ZAGRANICZNEJ"),
                kTytul, Wyrownanie::Srodek);
        p.tekst(0, 20, p.szerokosc(), 5,
                QStringLiteral("(DODATKU ZAGRANICZNEGO)  W KASIE NA MIESIĄC "
                               "..........................."),
                {9, true}, Wyrownanie::Srodek);
    });
    int lp = 0;
    const double h = 8;
    for (const Osoba& o : osoby) {
        // Persons without a PESEL are left out and not counted.
        if (o.pesel.isEmpty()) continue;
        ++lp;
        b.pasmo(h, [&](Pasmo& pa) {
            // The whole row's height: a long name breaks into two lines, centred.
            auto kom = [&](int kol, const QString& t, Wyrownanie w, const Czcionka& c) {
                pa.tekst(k[kol].x + 0.6, 0.5, k[kol].w - 1.2, h - 1, t, c, w);
            };
            kom(0, QString::number(lp), Wyrownanie::Prawo, kZwykla);
            kom(1, (o.ste + u' ' + o.nazwisko + u' ' + o.imie).trimmed(), Wyrownanie::Lewo,
                {6.5, true});
            kom(2, o.rachunek1, Wyrownanie::Lewo, kMala);
            kom(3, o.pesel, Wyrownanie::Lewo, kZwykla);
            for (const Kol& c : k)
                pa.ramka(c.x, 0, c.w, h, 0.1);
        });
    }
    b.zakoncz();
    return r;
}

QString TekstPokwitowania(double zaliczka, const QString& waluta) {
    return QStringLiteral("Kwituję odbiór kwoty ") + LiczbaOgolna(zaliczka) + u' ' + waluta +
           QStringLiteral(" na poczet przysługującej mi należności zagranicznej.");
}

Raport Pokwitowanie(const Osoba& o, const QStringList& naglowekJednostki,
                    const QString& walutaZaliczki, const QDate& dzis) {
    Raport r;
    r.tytulZadania = TYTUL_KARTOTEKA;
    r.poziomo = false;
    r.strony << StronaRaportu{};
    Pasmo p(r.strony.last(), 15, 15, 180);
    p.tekst(0, 0, 120, 5, naglowekJednostki.value(0), {9, true});
    p.tekst(0, 5, 120, 5, naglowekJednostki.value(1), {9, true});
    p.tekst(120, 0, 60, 5, LiniaDaty(dzis), {9}, Wyrownanie::Prawo);
    p.tekst(0, 22, 180, 5, (o.ste + u' ' + o.imie + u' ' + o.nazwisko).trimmed(), {10, true});
    p.tekst(0, 28, 180, 5, o.stanowisko, {9});
    p.tekst(0, 34, 180, 5, QStringLiteral("PESEL: ") + o.pesel, {9});
    Czcionka tytul{14, true};
    tytul.podkreslona = true;
    p.tekst(0, 50, 180, 8, QStringLiteral("POKWITOWANIE"), tytul, Wyrownanie::Srodek);
    const QStringList linie{
        TekstPokwitowania(o.zaliczka, walutaZaliczki),
        QStringLiteral("Jednocześnie wyrażam zgodę na potrącenie ww. kwoty, po jej przeliczeniu "
                       "na złote polskie"),
        QStringLiteral("(wg. kursu waluty zgodnego z obowiązującymi w tym zakresie przepisami) z "
                       "listy należności"),
        QStringLiteral("zagranicznych.")};
    for (int i = 0; i < linie.size(); ++i)
        p.tekst(0, 66 + i * 6, 180, 5, linie[i], {9});
    p.tekst(95, 105, 85, 5, QString(76, u'.'), {9}, Wyrownanie::Srodek);
    Czcionka kursywa{8};
    kursywa.kursywa = true;
    p.tekst(95, 110, 85, 4, QStringLiteral("(data i podpis)"), kursywa, Wyrownanie::Srodek);
    Pasmo stopka(r.strony.last(), 10, 285, 190);
    stopka.linia(0, 0.5, 190, 0.5, 0.1);
    stopka.tekst(0, 1.5, 150, 4, LiniaProduktu(), {6, false, true});
    return r;
}

} // namespace vexa
