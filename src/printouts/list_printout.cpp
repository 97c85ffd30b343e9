#include "printouts/list_printout.h"

#include "data/numbers.h"
#include "data/settings.h"
#include "data/validators.h"
#include "persons/days_off.h"
#include "printouts/conventions.h"
#include "printouts/report_builder.h"

namespace vexa {

namespace {

const Czcionka kZwykla{6.5};
const Czcionka kMala{5.5};
const Czcionka kNaglowek{6, true};
const Czcionka kTytul{11, true};
const double kWiersz = 3.2; // mm, one line of a position

QString kwota(double v) { return KwotaGrupy(v); }
QString dni(const std::optional<int>& v) { return v ? QString::number(*v) : QString(); }
QString procent(double v) { return LiczbaOgolna(v); }

// Columns of a layout: x and width in mm from the left margin.
struct Kol {
    double x, w;
};

QList<Kol> kolumny(const QList<double>& szerokosci) {
    QList<Kol> k;
    double x = 0;
    for (double w : szerokosci) {
        k << Kol{x, w};
        x += w;
    }
    return k;
}

// One text in a column's line (0-based), with a small left part when given.
void komorka(Pasmo& p, const Kol& k, int linia, const QString& tekst,
             Wyrownanie w = Wyrownanie::Prawo, const Czcionka& c = kZwykla,
             const QColor& kolor = Qt::black) {
    Tekst& t = p.tekst(k.x + 0.6, linia * kWiersz, k.w - 1.2, kWiersz, tekst, c, w);
    t.kolor = kolor;
}

void malaLewa(Pasmo& p, const Kol& k, int linia, const QString& tekst) {
    komorka(p, k, linia, tekst, Wyrownanie::Lewo, kMala);
}

QString opisRodzajuListy(const QString& rodzaj) {
    static const QHash<QString, QString> opisy = {
        {"NU", "NAGRODA UZNANIOWA"},
        {"NP", "NAGRODA PIENIĘŻNA"},
        {"WN", "WYRÓWNANIE NALEŻNOŚCI"},
        {"RD", "RZECZNICY DYSCYPLINARNI"},
        {"EZ", "EKWIWALENT ŻYWNOŚCIOWY"},
        {"ZB", "ZWROT ZA BILET, HOTEL"},
        {"ZP", "NALEŻNOŚĆ ZAGRANICZNA ZA PRZELOT / PRZEJAZD"},
        {"ZA", "ZAPOMOGA"},
        {"NI", "INNA NALEŻNOŚĆ DODATKOWA"},
        {"ZN", "ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJENNY"},
        {"ES", "EKWIWALENT ZA ŚRODKI HIGIENY"},
        {"NN", "NIEPODJĘTE NALEŻNOŚCI PRZEKAZANE NA RACHUNEK"},
        {"PS", "PODRÓŻ SŁUŻBOWA PKW"},
        {"ZK", "ZALICZKA NA POCZET NALEŻNOŚCI ZAGRANICZNEJ"},
        {"SH", "RÓWNOWAŻNIK ZA ŚRODKI DO UTRZYMANIA HIGIENY I KONSERWACJI OBUWIA"},
        {"JN", "JEDNORAZOWA NALEŻNOŚĆ"},
    };
    return opisy.value(rodzaj);
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
        p.tekst(0, 5, 90, 4, (l.dowodca1 + u' ' + l.dowodca2).trimmed(), {7},
                Wyrownanie::Srodek);
        p.tekst(0, 12, 90, 4, l.dowodca3, {7}, Wyrownanie::Srodek);
        p.tekst(p.szerokosc() - 70, 0, 70, 4, LiniaDaty(dzis), {7}, Wyrownanie::Prawo);
        p.tekst(p.szerokosc() - 70, 5, 70, 4, liniaStatusu(l), {7, true}, Wyrownanie::Prawo);
        p.tekst(0, 18, p.szerokosc(), 6, tytul, kTytul, Wyrownanie::Srodek);
        p.tekst(0, 24, p.szerokosc(), 5, liniaGrupy(l), {9, true}, Wyrownanie::Srodek);
        if (!dodatkowy.isNull())
            p.tekst(0, 29, p.szerokosc(), 5, dodatkowy, {9, true}, Wyrownanie::Srodek);
    });
}

void stopka(BudowaRaportu& b) {
    b.ustawStopke(6, [](Pasmo& p, int strona, int stron) {
        p.linia(0, 0.5, p.szerokosc(), 0.5, 0.1);
        p.tekst(0, 1.5, 150, 4, LiniaProduktu(), {6, false, true});
        p.tekst(p.szerokosc() - 40, 1.5, 40, 4, LiniaStrony(strona, stron), {7},
                Wyrownanie::Prawo);
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

// Signature block, then the cash-payment block with the banknote breakdown.
void blokiKoncowe(BudowaRaportu& b, const Lista& l, const QString& sfinansista,
                  const QList<double>& nominaly, const LicznikiBanknotow& liczniki) {
    b.pasmo(18, [&](Pasmo& p) {
        const double w = p.szerokosc() / 3;
        const QStringList podpisy{QStringLiteral("Za zgodność z etatem:"),
                                  QStringLiteral("Wykonał:"), sfinansista};
        const QStringList nazwiska{l.zgodnoscetatowa, l.wykonal, l.finansista};
        for (int i = 0; i < 3; ++i) {
            p.tekst(i * w, 3, w, 4, podpisy[i], {7}, Wyrownanie::Srodek);
            p.tekst(i * w, 11, w, 4, nazwiska[i], {7, true}, Wyrownanie::Srodek);
        }
    });
    b.pasmo(24, [&](Pasmo& p) {
        p.tekst(0, 1, 80, 4, QStringLiteral("Wypłaciłem kwotę ") + l.walutazaliczki + u':',
                {7, true});
        p.tekst(0, 7, 80, 4, QStringLiteral("Słownie:"), {7});
        p.tekst(0, 13, 80, 4, QStringLiteral("Data:"), {7});
        p.tekst(0, 19, 80, 4, QStringLiteral("Podpis:"), {7});
        const double x0 = 100, wPodpisu = 26, w = (p.szerokosc() - x0 - wPodpisu) / 12;
        const QStringList wiersze{QStringLiteral("Nominał:"), QStringLiteral("Ilość banknotów:"),
                                  QStringLiteral("Suma kontrolna:")};
        for (int r = 0; r < 3; ++r) {
            p.tekst(x0, 1 + r * 5, wPodpisu, 4, wiersze[r], {6.5});
            for (int k = 0; k < 12; ++k) {
                p.ramka(x0 + wPodpisu + k * w, 0.5 + r * 5, w, 5, 0.1);
                if (k >= nominaly.size()) continue;
                const double n = nominaly[k];
                const int ile = liczniki[size_t(k)];
                const QString t = r == 0   ? Kwota00Przecinek(n)
                                  : r == 1 ? QString::number(ile)
                                           : Kwota00Przecinek(ile * n);
                p.tekst(x0 + wPodpisu + k * w + 0.5, 1 + r * 5, w - 1, 4, t, {6.5},
                        Wyrownanie::Prawo);
            }
        }
    });
}

// Sums of a full list over every position.
struct Sumy {
    double naleznosc = 0, zwnaleznmon = 0, zwnaleznpkw = 0, woj1 = 0, woj2 = 0, woj3 = 0,
           rozm = 0, wyrownanie = 0, lekarz = 0, innezmniejszenia = 0, urlop = 0, podstawa = 0,
           razem = 0, skladkizus = 0, innezwiekszenia = 0, dowyplaty = 0, rachunek = 0,
           zaliczkawaluta = 0, zaliczkapln = 0, podatek = 0, srhigieny = 0, podstawapod = 0,
           zaliczkaus = 0, nfz1 = 0, nfz2 = 0;
    void dodaj(const Pozycja& p) {
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
};

// The account sums of the printed positions of a full list.
struct SumyRachunkow {
    double pln1 = 0, pln2 = 0, wal1 = 0, wal2 = 0, rown1 = 0, rown2 = 0;
};

bool drukowana(const Pozycja& p, const OpcjeWydrukuListy& o) { return o.zerowe || p.razem > 0; }

void wydrukPelny(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o) {
    const Lista& l = d.lista;
    const bool podatek = l.czy_podatek == QLatin1String("T");
    const QColor kolorPodatku = podatek ? QColor(Qt::black) : QColor(Qt::white);
    const QColor kolorSumPodatku = podatek ? QColor(Qt::black) : QColor(233, 233, 233);
    BudowaRaportu b(r);
    stopka(b);
    const QList<Kol> k = kolumny({8, 35, 24, 20, 22, 22, 22, 22, 20, 20, 30, 20, 12});
    auto woj = [](double v) { return QStringLiteral("Dod.woj. ") + procent(v) + u'%'; };
    naglowekKolumn(
        b, k,
        {{"Lp."},
         {"Nazwisko i imię", "Stanowisko, NIS"},
         {"Imię ojca", "PESEL", "Stopień etatowy"},
         {"Data nab. upr.", "Data utraty upr.", "Mnożnik / Il. dni"},
         {"Należn. zagr.", "Zwiększ. MON", "Zwiększ. PKW"},
         {woj(l.dodatekwojenny), woj(l.dodatekwojenny2), woj(l.dodatekwojenny3)},
         {"Dod.rozm.", "Wyr. / Potr.", "Zw. lekarz"},
         {"Zal. w. nal.", "Zmn. urlop", podatek ? "Podst.opod." : ""},
         {"RAZEM"},
         {"ZUS/Inne", "Komornik", "Do wypłaty"},
         {"Rachunek", "Rachunek 1", "Rachunek 2"},
         {"Kasa " + l.walutazaliczki, "Kasa PLN", podatek ? "Podatek (18%)" : ""},
         {"Podpis"}},
        3);
    pasmoTytulu(b,
                l,
                QStringLiteral("LISTA NR ") + l.nr.trimmed() +
                    QStringLiteral(" WYPŁAT NALEŻNOŚCI ZAGRANICZNYCH ZA MIESIĄC ") + l.miesiacrok,
                QString(), o.dzis);

    Sumy s;
    SumyRachunkow sr;
    LicznikiBanknotow banknoty{};
    int lp = 0;
    for (const Pozycja& p : d.pozycje) {
        s.dodaj(p);
        RozlozNaBanknoty(p.zaliczkawaluta, d.nominaly, banknoty);
        if (!drukowana(p, o)) continue;
        ++lp;
        // The accounts: amount, PLN equivalent of a currency account and the sums.
        auto konto = [&](bool waluta, double kwotaKonta, double podstawa, double& pln,
                         double& wal, double& rown) -> std::pair<QString, QString> {
            if (!waluta) {
                pln += kwotaKonta;
                return {kwota(kwotaKonta), QString()};
            }
            const double r = zaokraglij(static_cast<long double>(podstawa) * l.kursrach);
            wal += kwotaKonta;
            rown += r;
            return {kwota(kwotaKonta) + QStringLiteral(" (") + kwota(r) + u')',
                    kwotaKonta > 0 ? l.walutarach : QString()};
        };
        const auto k1 = konto(p.rachunek1czywaluta != QLatin1String("N"), p.rachunek1,
                              p.rachunek1bz, sr.pln1, sr.wal1, sr.rown1);
        const auto k2 = konto(p.rachunek2czywaluta != QLatin1String("N"), p.rachunek2,
                              p.rachunek2, sr.pln2, sr.wal2, sr.rown2);
        const QString uwagi = UwagiPozycji(l, p, d.dniWolne.value(p.pesel));
        b.pasmo(4 * kWiersz + 1, [&](Pasmo& pa) {
            komorka(pa, k[0], 0, QString::number(lp), Wyrownanie::Prawo);
            komorka(pa, k[1], 0, p.nazwisko + u' ' + p.imie, Wyrownanie::Lewo,
                    {6.5, true});
            komorka(pa, k[1], 1, p.stanowisko, Wyrownanie::Lewo);
            komorka(pa, k[1], 2, p.nis, Wyrownanie::Lewo);
            komorka(pa, k[2], 0, p.imieojca, Wyrownanie::Lewo);
            komorka(pa, k[2], 1, p.pesel, Wyrownanie::Lewo);
            komorka(pa, k[2], 2, p.ste, Wyrownanie::Lewo);
            pa.tekst(k[2].x + 0.6, 3 * kWiersz, pa.szerokosc() - k[2].x - 1.2, kWiersz, uwagi,
                     kMala);
            komorka(pa, k[3], 0, p.datanabycia.isValid() ? DataKrotka(p.datanabycia) : QString(),
                    Wyrownanie::Lewo);
            komorka(pa, k[3], 1, DataKonca(p.datautraty), Wyrownanie::Lewo);
            komorka(pa, k[3], 2, procent(p.mnoznik) + QStringLiteral(" / ") + dni(p.iloscdni),
                    Wyrownanie::Lewo);
            komorka(pa, k[4], 0, kwota(p.naleznosc));
            komorka(pa, k[4], 1, kwota(p.zwnaleznmon));
            malaLewa(pa, k[4], 2, procent(p.zwnaleznpkwproc));
            komorka(pa, k[4], 2, kwota(p.zwnaleznpkw));
            malaLewa(pa, k[5], 0, dni(p.iloscdniwojna));
            komorka(pa, k[5], 0, kwota(p.dodatekwojenny));
            malaLewa(pa, k[5], 1, dni(p.iloscdniwojna2));
            komorka(pa, k[5], 1, kwota(p.dodatekwojenny2));
            malaLewa(pa, k[5], 2, dni(p.iloscdniwojna3));
            komorka(pa, k[5], 2, kwota(p.dodatekwojenny3));
            malaLewa(pa, k[6], 0, dni(p.iloscdnirozm));
            komorka(pa, k[6], 0, kwota(p.rozm));
            komorka(pa, k[6], 1, kwota(p.wyrownanie));
            malaLewa(pa, k[6], 2, QString::number(p.zwnaleznlekarzproc));
            komorka(pa, k[6], 2, kwota(p.zwnaleznlekarz));
            komorka(pa, k[7], 0, kwota(p.innezmniejszenia));
            malaLewa(pa, k[7], 1, Liczba0(p.dni_wolne_u + p.dni_wolne_w));
            komorka(pa, k[7], 1, kwota(p.zmniejszenie_urlop));
            komorka(pa, k[7], 2, kwota(p.podatek_podstawa_opodatkowania), Wyrownanie::Prawo,
                    kZwykla, kolorPodatku);
            komorka(pa, k[8], 1, kwota(p.razem), Wyrownanie::Prawo, {6.5, true});
            komorka(pa, k[9], 0, kwota(p.skladkizus));
            komorka(pa, k[9], 1, kwota(p.innezwiekszenia));
            komorka(pa, k[9], 2, kwota(p.dowyplaty));
            komorka(pa, k[10], 0, kwota(p.rachunek));
            komorka(pa, k[10], 1, k1.first);
            malaLewa(pa, k[10], 1, k1.second);
            komorka(pa, k[10], 2, k2.first);
            malaLewa(pa, k[10], 2, k2.second);
            komorka(pa, k[11], 0, kwota(p.zaliczkawaluta));
            komorka(pa, k[11], 1, kwota(p.zaliczkapln));
            komorka(pa, k[11], 2, kwota(p.podatek_zaliczka), Wyrownanie::Prawo, kZwykla,
                    kolorPodatku);
            komorka(pa, k[12], 1, p.zaliczkawaluta != 0 ? QString() : QStringLiteral("XXXX"),
                    Wyrownanie::Srodek);
            pa.linia(0, 4 * kWiersz + 0.5, pa.szerokosc(), 4 * kWiersz + 0.5, 0.1);
        });
    }

    // Summary: the rates on the left, the totals of every position under their columns.
    b.pasmo(5 * kWiersz + 2, [&](Pasmo& pa) {
        pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
        const double y = 1;
        auto rate = [&](int i, const QString& t, const QColor& c = Qt::black) {
            Tekst& x = pa.tekst(0.6, y + i * kWiersz, k[3].x + k[3].w - 1, kWiersz, t, kZwykla);
            x.kolor = c;
        };
        rate(0, QStringLiteral("Kurs ") + l.walutazaliczki + QStringLiteral(": ") +
                    Liczba6(l.kurszaliczki));
        rate(1, QStringLiteral("Kurs ") + l.walutarach.trimmed() + QStringLiteral(": ") +
                    Liczba6(l.kursrach));
        rate(2, QStringLiteral("Tabela kursu waluty: ") + l.tabelazaliczki);
        rate(3, QStringLiteral("Podatek kurs: ") + Liczba6(l.podatek_kurs), kolorSumPodatku);
        rate(4, QStringLiteral("Podatek dieta: ") + Kwota00Przecinek(l.podatek_dieta),
             kolorSumPodatku);
        auto sum = [&](int col, int line, double v, const QColor& c = Qt::black) {
            Tekst& x = pa.tekst(k[col].x + 0.6, y + line * kWiersz, k[col].w - 1.2, kWiersz,
                                kwota(v), {6.5, true}, Wyrownanie::Prawo);
            x.kolor = c;
        };
        pa.tekst(k[3].x, y, k[3].w, kWiersz, QStringLiteral("OGÓŁEM:"), {7, true},
                 Wyrownanie::Prawo);
        sum(4, 0, s.naleznosc);
        sum(4, 1, s.zwnaleznmon);
        sum(4, 2, s.zwnaleznpkw);
        sum(5, 0, s.woj1);
        sum(5, 1, s.woj2);
        sum(5, 2, s.woj3);
        sum(6, 0, s.rozm);
        sum(6, 1, s.wyrownanie);
        sum(6, 2, s.lekarz);
        sum(7, 0, s.innezmniejszenia);
        sum(7, 1, s.urlop);
        sum(7, 2, s.podstawa, kolorSumPodatku);
        sum(8, 1, s.razem);
        sum(9, 0, s.skladkizus);
        sum(9, 1, s.innezwiekszenia);
        sum(9, 2, s.dowyplaty);
        sum(10, 0, s.rachunek);
        sum(11, 0, s.zaliczkawaluta);
        sum(11, 1, s.zaliczkapln);
        sum(11, 2, s.podatek, kolorSumPodatku);
        // Account totals: in PLN and, with currency accounts, the currency with its equivalent.
        auto konta = [&](int line, const QString& t) {
            pa.tekst(k[10].x + 0.6, y + line * kWiersz, k[10].w - 1.2, kWiersz, t, {6.5, true},
                     Wyrownanie::Prawo);
        };
        if (sr.wal1 + sr.wal2 > 0) {
            konta(1, kwota(sr.pln1 + sr.pln2) + QStringLiteral(" PLN"));
            konta(2, kwota(sr.wal1 + sr.wal2) + u'(' + kwota(sr.rown1 + sr.rown2) + u')' +
                         l.walutarach);
        } else {
            konta(1, kwota(sr.pln1));
            konta(2, kwota(sr.pln2));
        }
    });
    blokiKoncowe(b, l, d.sfinansista, d.nominaly, banknoty);
    b.pasmo(8, [&](Pasmo& pa) {
        pa.tekst(0, 2, pa.szerokosc(), 5,
                 LiniaZamykajaca(l, s.dowyplaty, s.rachunek, s.zaliczkawaluta, s.zaliczkapln),
                 {8, true});
    });
    b.zakoncz();
}

void wydrukDodatkowy(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o,
                     bool zPodatkiem) {
    const Lista& l = d.lista;
    BudowaRaportu b(r);
    stopka(b);
    QList<double> szer{8, 55, 50, 24, 24, 24};
    QList<QStringList> podpisy{{"Lp."},
                               {"Nazwisko i imię,", "stopień etatowy"},
                               {"Stanowisko, NIS"},
                               {"PESEL"},
                               {"Należność"},
                               {"Potrącenia"}};
    if (zPodatkiem) {
        szer << 22;
        podpisy << QStringList{"Zal. podatek"};
    }
    szer << 24 << 24 << 24;
    podpisy << QStringList{"Rachunek"} << QStringList{"Kasa " + l.walutazaliczki}
            << QStringList{"Kasa PLN"};
    double used = 0;
    for (double w : szer)
        used += w;
    szer << b.szerokosc() - used;
    podpisy << QStringList{"Podpis"};
    const QList<Kol> k = kolumny(szer);
    naglowekKolumn(b, k, podpisy, 2);
    pasmoTytulu(b, l,
                QStringLiteral("DODATKOWA LISTA NALEŻNOŚCI NR ") + l.nr +
                    QStringLiteral(" ZA MIESIĄC ") + l.miesiacrok,
                opisRodzajuListy(l.rodzaj), o.dzis);
    const int kolRach = zPodatkiem ? 7 : 6;
    double razem = 0, potracenia = 0, podatek = 0, rachunek = 0, wal = 0, pln = 0;
    LicznikiBanknotow banknoty{};
    int lp = 0;
    for (const Pozycja& p : d.pozycje) {
        razem += p.razem;
        potracenia += p.innezwiekszenia;
        podatek += p.podatek_zaliczka;
        rachunek += p.rachunek;
        wal += p.zaliczkawaluta;
        pln += p.zaliczkapln;
        RozlozNaBanknoty(p.zaliczkawaluta, d.nominaly, banknoty);
        if (!drukowana(p, o)) continue;
        ++lp;
        b.pasmo(2 * kWiersz + 1, [&](Pasmo& pa) {
            komorka(pa, k[0], 0, QString::number(lp));
            komorka(pa, k[1], 0, (p.nazwisko + u' ' + p.imie).trimmed(), Wyrownanie::Lewo,
                    {6.5, true});
            komorka(pa, k[2], 0, p.stanowisko, Wyrownanie::Lewo);
            komorka(pa, k[3], 0, p.pesel, Wyrownanie::Lewo);
            komorka(pa, k[4], 0, kwota(p.razem));
            komorka(pa, k[5], 0, kwota(p.innezwiekszenia));
            if (zPodatkiem) komorka(pa, k[6], 0, kwota(p.podatek_zaliczka));
            komorka(pa, k[kolRach], 0, kwota(p.rachunek));
            komorka(pa, k[kolRach + 1], 0, kwota(p.zaliczkawaluta));
            komorka(pa, k[kolRach + 2], 0, kwota(p.zaliczkapln));
            komorka(pa, k[kolRach + 3], 0,
                    p.zaliczkawaluta != 0 ? QString() : QStringLiteral("XXXXXXXX"),
                    Wyrownanie::Srodek);
            // The second line: grade, NIS and remarks.
            pa.tekst(k[1].x + 0.6, kWiersz, pa.szerokosc() - k[1].x - 1.2, kWiersz,
                     QStringList{p.ste, p.nis, p.uwagi}.join(QStringLiteral("   ")).trimmed(),
                     kMala);
            pa.linia(0, 2 * kWiersz + 0.5, pa.szerokosc(), 2 * kWiersz + 0.5, 0.1);
        });
    }
    b.pasmo(3 * kWiersz + 2, [&](Pasmo& pa) {
        pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
        pa.tekst(0.6, 1, k[2].x + k[2].w, kWiersz,
                 QStringLiteral("Kurs ") + l.walutazaliczki + QStringLiteral(": ") +
                     Liczba6(l.kurszaliczki),
                 kZwykla);
        pa.tekst(0.6, 1 + kWiersz, k[2].x + k[2].w, kWiersz, l.tabelazaliczki, kZwykla);
        pa.tekst(k[3].x, 1, k[3].w, kWiersz, QStringLiteral("OGÓŁEM:"), {7, true},
                 Wyrownanie::Prawo);
        auto sum = [&](int col, double v) {
            pa.tekst(k[col].x + 0.6, 1, k[col].w - 1.2, kWiersz, kwota(v), {6.5, true},
                     Wyrownanie::Prawo);
        };
        sum(4, razem);
        sum(5, potracenia);
        if (zPodatkiem) sum(6, podatek);
        sum(kolRach, rachunek);
        sum(kolRach + 1, wal);
        sum(kolRach + 2, pln);
    });
    blokiKoncowe(b, l, d.sfinansista, d.nominaly, banknoty);
    b.zakoncz();
}

} // namespace

QString UkladListy(const Lista& l) {
    if (l.typ == QLatin1String("P")) return QStringLiteral("TRLista");
    if (l.typ == QLatin1String("U")) return QStringLiteral("TRLista3");
    if (l.typ == QLatin1String("D"))
        return l.czy_podatek == QLatin1String("T") ? QStringLiteral("TRLista2pod")
                                                  : QStringLiteral("TRLista2");
    return QString();
}

QString UwagiPozycji(const Lista& l, const Pozycja& p, const QList<DzienWolny>& dniWolne) {
    const int miesiac = l.miesiacrok.left(2).toInt();
    const int rok = l.miesiacrok.mid(3, 4).toInt();
    auto wMiesiacu = [&](const QDate& d) {
        return d.isValid() && d.month() == miesiac && d.year() == rok;
    };
    QString ruch;
    if (wMiesiacu(p.datanabycia)) ruch = QStringLiteral("Przybył rozkaz nr ") + p.rozkazprzybyl;
    if (wMiesiacu(p.datautraty)) ruch += QStringLiteral(" Ubył rozkaz nr ") + p.rozkazubyl;
    return (ruch.trimmed() + u' ' + p.uwagi + u' ' + OpisDniWolnych(dniWolne, l.miesiacrok))
        .trimmed();
}

QString LiniaZamykajaca(const Lista& l, double doWyplaty, double rachunek, double zaliczkaWaluta,
                        double zaliczkaPln) {
    return QStringLiteral("OGÓŁEM lista ") + KwotaGrupy(doWyplaty).trimmed() +
           QStringLiteral(" PLN, z tego: ") + KwotaGrupy(rachunek).trimmed() +
           QStringLiteral(" PLN, ") + KwotaGrupy(zaliczkaWaluta).trimmed() + u' ' +
           l.walutazaliczki + QStringLiteral(", tj. ") + KwotaGrupy(zaliczkaPln).trimmed() +
           QStringLiteral(" PLN");
}

Raport WydrukListy(const DaneWydrukuListy& d, const OpcjeWydrukuListy& o) {
    Raport r;
    r.tytulZadania = TYTUL_LISTA;
    r.poziomo = true;
    const QString uklad = UkladListy(d.lista);
    if (uklad == QLatin1String("TRLista") || uklad == QLatin1String("TRLista3"))
        wydrukPelny(r, d, o);
    else if (!uklad.isEmpty())
        wydrukDodatkowy(r, d, o, uklad == QLatin1String("TRLista2pod"));
    return r;
}

DaneWydrukuListy DaneListyDoWydruku(Database& db, int idlisty, KolejnoscPozycji kolejnosc) {
    ListRepository repo(db);
    DaneWydrukuListy d;
    d.lista = repo.wymaganaLista(idlisty);
    d.pozycje = repo.pozycje(idlisty, kolejnosc);
    d.dniWolne = DniWolneWMiesiacuWszystkich(db, d.lista.miesiacrok);
    d.nominaly = Nominaly(db);
    d.sfinansista = Odczyt(db, "SFINANSISTA");
    return d;
}

QString BlokadaWydruku(Database& db, int idlisty) {
    if (ListRepository(db).iloscDoZrobienia(idlisty) > 0)
        return QStringLiteral("Na liście znajdują się osoby oznaczone\rDO ZROBIENIA.\r\rWydruk "
                              "listy jest niemożliwy...");
    return QString();
}

} // namespace vexa
