#include "lists/list_printout.h"

#include "data/numbers.h"
#include "data/settings.h"
#include "data/validators.h"
#include "persons/days_off.h"
#include "printouts/conventions.h"
#include "lists/list_printout_parts.h"

namespace vexa {

namespace wydruk_listy {

namespace {

// The account sums of the printed positions of a full list.
struct SumyRachunkow {
    double pln1 = 0, pln2 = 0, wal1 = 0, wal2 = 0, rown1 = 0, rown2 = 0;
};

} // namespace

void wydrukPelny(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o) {
    const Lista& l = d.lista;
    const bool podatek = l.czy_podatek == QLatin1String("T");
    const QColor kolorPodatku = podatek ? QColor(Qt::black) : QColor(Qt::white);
    const QColor kolorSumPodatku = podatek ? QColor(Qt::black) : QColor(233, 233, 233);
    BudowaRaportu b(r);
    stopka(b);
    const QList<Kol> k = kolumny({7, 35, 22, 20, 22, 22, 22, 22, 20, 20, 35, 20, 10}, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Lp."},
                    {"Nazwisko i imię", "Stanowisko, NIS"},
                    {"Imię ojca", "PESEL", "Stopień etatowy"},
                    {"Data nab. upr.", "Data utraty upr.", "Mnożnik / Il. dni"},
                    {"Należn. zagr.", "Zwiększ. MON", "Zwiększ. PKW"},
                    {podpisDodatkuWojennego(l.dodatekwojenny),
                     podpisDodatkuWojennego(l.dodatekwojenny2),
                     podpisDodatkuWojennego(l.dodatekwojenny3)},
                    {"Dod.rozm.", "Wyr. / Potr.", "Zw. lekarz"},
                    {"Zal. w. nal.", "Zmn. urlop", podatek ? "Podst.opod." : ""},
                    {"RAZEM"},
                    {"ZUS/Inne", "Komornik", "Do wypłaty"},
                    {"Rachunek", "Rachunek 1", "Rachunek 2"},
                    {"Kasa " + l.walutazaliczki, "Kasa PLN", podatek ? "Podatek (18%)" : ""},
                    {"Podpis"}},
                   3);
    pasmoTytulu(b, l,
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
        auto konto = [&](bool waluta, double kwotaKonta, double podstawa, double& pln, double& wal,
                         double& rown) -> std::pair<QString, QString> {
            if (!waluta) {
                pln += kwotaKonta;
                return {kwota(kwotaKonta), QString()};
            }
            const double r = RownowartoscPln(podstawa, l.kursrach);
            wal += kwotaKonta;
            rown += r;
            return {kwota(kwotaKonta) + QStringLiteral(" (") + kwota(r) + u')',
                    kwotaKonta > 0 ? l.walutarach : QString()};
        };
        const auto k1 = konto(p.rachunek1czywaluta != QLatin1String("N"), p.rachunek1,
                              p.rachunek1bz, sr.pln1, sr.wal1, sr.rown1);
        const auto k2 = konto(p.rachunek2czywaluta != QLatin1String("N"), p.rachunek2, p.rachunek2,
                              sr.pln2, sr.wal2, sr.rown2);
        const QString uwagi = UwagiPozycji(l, p, d.dniWolne.value(p.pesel));
        b.pasmo(4 * kWiersz + 1, [&](Pasmo& pa) {
            komorka(pa, k[0], 0, QString::number(lp), Wyrownanie::Prawo);
            // The name has two lines of room; the post and the NIS follow under it.
            nazwiskoWDwochLiniach(pa, k[1], 0, p.nazwisko + u' ' + p.imie);
            komorka(pa, k[1], 2, p.stanowisko, Wyrownanie::Lewo);
            komorka(pa, k[1], 3, p.nis, Wyrownanie::Lewo);
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
            kwotaZEtykieta(pa, k[10], 1, k1.first, k1.second);
            kwotaZEtykieta(pa, k[10], 2, k2.first, k2.second);
            komorka(pa, k[11], 0, kwota(p.zaliczkawaluta));
            komorka(pa, k[11], 1, kwota(p.zaliczkapln));
            komorka(pa, k[11], 2, kwota(p.podatek_zaliczka), Wyrownanie::Prawo, kZwykla,
                    kolorPodatku);
            komorka(pa, k[12], 1, p.zaliczkawaluta != 0 ? QString() : QStringLiteral("XXXX"),
                    Wyrownanie::Srodek);
            pa.linia(0, 4 * kWiersz + 0.5, pa.szerokosc(), 4 * kWiersz + 0.5, 0.1);
        });
    }

    // Summary: the rates on the left, the totals of every position under their columns; with
    // the signatures, the cash payment and the closing line on one page.
    b.zachowajRazem(5 * kWiersz + 2 + kWysokoscPodpisow + kWysokoscWyplaty + 8);
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
        // The bottom line has the free line under it: a long currency total breaks there.
        auto konta = [&](int line, const QString& t) {
            Tekst& x = pa.tekst(k[10].x + 0.6, y + line * kWiersz, k[10].w - 1.2,
                                line == 2 ? 2 * kWiersz : kWiersz, t, {6.5, true},
                                Wyrownanie::Prawo);
            x.zawijaj = line == 2;
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
    // With the tax column the others are narrower, so that "Podpis" keeps room for its crosses.
    QList<double> szer = zPodatkiem ? QList<double>{8, 55, 40, 22, 22, 22}
                                    : QList<double>{8, 55, 50, 24, 24, 24};
    const double wKwoty = zPodatkiem ? 22 : 24;
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
    szer << wKwoty << wKwoty << wKwoty;
    podpisy << QStringList{"Rachunek"} << QStringList{"Kasa " + l.walutazaliczki}
            << QStringList{"Kasa PLN"};
    podpisy << QStringList{"Podpis"};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
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
    b.zachowajRazem(3 * kWiersz + 2 + kWysokoscPodpisow + kWysokoscWyplaty);
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

} // namespace wydruk_listy

using namespace wydruk_listy;

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
    if (uklad == QLatin1String("TRLista"))
        wydrukPelny(r, d, o);
    else if (uklad == QLatin1String("TRLista3"))
        wydrukZPodatkiem(r, d, o);
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
