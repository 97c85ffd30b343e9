#include "data/numbers.h"
#include "data/validators.h"
#include "printouts/conventions.h"
#include "lists/list_printout_parts.h"

namespace vexa::wydruk_listy {

// A full list with tax per person ('U'): four lines a position and the remarks as a fifth,
// the hygiene, NFZ and tax-office columns, accounts as stored; the ordinal counts every
// position, printed or not.
void wydrukZPodatkiem(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o) {
    const Lista& l = d.lista;
    BudowaRaportu b(r);
    stopka(b);
    const QList<Kol> k = kolumny({8, 35, 24, 22, 24, 24, 24, 24, 24, 34, 22, 12}, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Lp."},
                    {"Nazwisko i imię", "Stanowisko, NIS"},
                    {"Imię ojca", "PESEL", "Stopień etatowy"},
                    {"Data nabycia upr.", "Data utraty upr.", "Mnożnik / Il. dni"},
                    {"Należn. zagr.", "Zwiększ. MON", "Zwiększ. PKW"},
                    {podpisDodatkuWojennego(l.dodatekwojenny),
                     podpisDodatkuWojennego(l.dodatekwojenny2),
                     podpisDodatkuWojennego(l.dodatekwojenny3)},
                    {"Dod.za rozm.", "Ekw.śr.higieny", "Zw. lekarz"},
                    {"Wyr. / Potr.", "Zmniejszenia", "RAZEM"},
                    {"ZUS/Zajęcia", "Zaliczki", "Podst.opod.", "Zaliczka US"},
                    {"Do wypłaty", "Rachunek", "Rachunek 1", "Rachunek 2"},
                    {"Kasa " + l.walutazaliczki, "Kasa PLN", "NFZ 7.75%", "NFZ 1.25%"},
                    {"Podpis"}},
                   4);
    pasmoTytulu(b, l,
                QStringLiteral("LISTA NR ") + l.nr.trimmed() +
                    QStringLiteral(" WYPŁAT NALEŻNOŚCI ZAGRANICZNYCH ZA MIESIĄC ") + l.miesiacrok,
                QString(), o.dzis);
    Sumy s;
    LicznikiBanknotow banknoty{};
    int lp = 0;
    for (const Pozycja& p : d.pozycje) {
        ++lp; // the detail counter of every position
        s.dodaj(p);
        RozlozNaBanknoty(p.zaliczkawaluta, d.nominaly, banknoty);
        if (!drukowana(p, o)) continue;
        auto konto = [&](const QString& czyWaluta, double v) {
            return czyWaluta != QLatin1String("N") && v != 0 ? l.walutarach : QString();
        };
        b.pasmo(5 * kWiersz + 1, [&](Pasmo& pa) {
            komorka(pa, k[0], 0, QString::number(lp));
            // The name has two lines of room; the post and the NIS follow under it.
            nazwiskoWDwochLiniach(pa, k[1], 0, p.nazwisko + u' ' + p.imie);
            komorka(pa, k[1], 2, p.stanowisko, Wyrownanie::Lewo);
            komorka(pa, k[1], 3, p.nis, Wyrownanie::Lewo);
            komorka(pa, k[2], 0, p.imieojca, Wyrownanie::Lewo);
            komorka(pa, k[2], 1, p.pesel, Wyrownanie::Lewo);
            komorka(pa, k[2], 2, p.ste, Wyrownanie::Lewo);
            komorka(pa, k[3], 0, p.datanabycia.isValid() ? DataKrotka(p.datanabycia) : QString(),
                    Wyrownanie::Lewo);
            komorka(pa, k[3], 1, DataKonca(p.datautraty), Wyrownanie::Lewo);
            komorka(pa, k[3], 2, procent(p.mnoznik) + QStringLiteral(" / ") + dni(p.iloscdni),
                    Wyrownanie::Lewo);
            komorka(pa, k[4], 0, kwota(p.naleznosc));
            komorka(pa, k[4], 1, kwota(p.zwnaleznmon));
            malaLewa(pa, k[4], 2, procent(p.zwnaleznpkwproc));
            komorka(pa, k[4], 2, kwota(p.zwnaleznpkw));
            const std::optional<int> woj[] = {p.iloscdniwojna, p.iloscdniwojna2, p.iloscdniwojna3};
            const double dod[] = {p.dodatekwojenny, p.dodatekwojenny2, p.dodatekwojenny3};
            for (int i = 0; i < 3; ++i) {
                malaLewa(pa, k[5], i, dni(woj[i]));
                komorka(pa, k[5], i, kwota(dod[i]));
            }
            malaLewa(pa, k[6], 0, dni(p.iloscdnirozm));
            komorka(pa, k[6], 0, kwota(p.rozm));
            komorka(pa, k[6], 1, kwota(p.srhigieny));
            malaLewa(pa, k[6], 2, QString::number(p.zwnaleznlekarzproc));
            komorka(pa, k[6], 2, kwota(p.zwnaleznlekarz));
            komorka(pa, k[7], 0, kwota(p.wyrownanie));
            komorka(pa, k[7], 1, kwota(p.innezwiekszenia));
            komorka(pa, k[7], 2, kwota(p.razem), Wyrownanie::Prawo, {6.5, true});
            komorka(pa, k[8], 0, kwota(p.skladkizus));
            komorka(pa, k[8], 1, kwota(p.innezmniejszenia));
            komorka(pa, k[8], 2, kwota(p.podstawapod));
            komorka(pa, k[8], 3, kwota(p.zaliczkaus));
            komorka(pa, k[9], 0, kwota(p.dowyplaty));
            komorka(pa, k[9], 1, kwota(p.rachunek));
            kwotaZEtykieta(pa, k[9], 2, kwota(p.rachunek1),
                           konto(p.rachunek1czywaluta, p.rachunek1));
            kwotaZEtykieta(pa, k[9], 3, kwota(p.rachunek2),
                           konto(p.rachunek2czywaluta, p.rachunek2));
            komorka(pa, k[10], 0, kwota(p.zaliczkawaluta));
            komorka(pa, k[10], 1, kwota(p.zaliczkapln));
            komorka(pa, k[10], 2, kwota(p.nfz1));
            komorka(pa, k[10], 3, kwota(p.nfz2));
            komorka(pa, k[11], 1, p.zaliczkawaluta != 0 ? QString() : QStringLiteral("XXXXXXXX"),
                    Wyrownanie::Srodek, kMala);
            pa.tekst(k[1].x + 0.6, 4 * kWiersz, pa.szerokosc() - k[1].x - 1.2, kWiersz, p.uwagi,
                     kMala);
            pa.linia(0, 5 * kWiersz + 0.5, pa.szerokosc(), 5 * kWiersz + 0.5, 0.1);
        });
    }
    b.zachowajRazem(5 * kWiersz + 2 + kWysokoscPodpisow + kWysokoscWyplaty + 8);
    b.pasmo(5 * kWiersz + 2, [&](Pasmo& pa) {
        pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
        const double y = 1;
        auto rate = [&](int i, const QString& t) {
            pa.tekst(0.6, y + i * kWiersz, k[3].x + k[3].w - 1, kWiersz, t, kZwykla);
        };
        rate(0, QStringLiteral("Kurs ") + l.walutazaliczki + QStringLiteral(": ") +
                    Liczba6(l.kurszaliczki));
        rate(1, QStringLiteral("Kurs ") + l.walutarach.trimmed() + QStringLiteral(": ") +
                    Liczba6(l.kursrach));
        rate(2, QStringLiteral("Tabela kursu waluty: ") + l.tabelazaliczki);
        pa.tekst(k[3].x, y + 3 * kWiersz, k[3].w, kWiersz, QStringLiteral("OGÓŁEM:"), {7, true},
                 Wyrownanie::Prawo);
        auto sum = [&](int col, int line, double v) {
            pa.tekst(k[col].x + 0.6, y + line * kWiersz, k[col].w - 1.2, kWiersz, kwota(v),
                     {6.5, true}, Wyrownanie::Prawo);
        };
        sum(4, 0, s.naleznosc);
        sum(4, 1, s.zwnaleznmon);
        sum(4, 2, s.zwnaleznpkw);
        sum(5, 0, s.woj1);
        sum(5, 1, s.woj2);
        sum(5, 2, s.woj3);
        sum(6, 0, s.rozm);
        sum(6, 1, s.srhigieny);
        sum(6, 2, s.lekarz);
        sum(7, 0, s.wyrownanie);
        sum(7, 1, s.innezwiekszenia);
        sum(7, 2, s.razem);
        sum(8, 0, s.skladkizus);
        sum(8, 1, s.innezmniejszenia);
        sum(8, 2, s.podstawapod);
        sum(8, 3, s.zaliczkaus);
        sum(9, 0, s.dowyplaty);
        sum(9, 1, s.rachunek);
        sum(10, 0, s.zaliczkawaluta);
        sum(10, 1, s.zaliczkapln);
        sum(10, 2, s.nfz1);
        sum(10, 3, s.nfz2);
    });
    blokiKoncowe(b, l, d.sfinansista, d.nominaly, banknoty);
    b.pasmo(8, [&](Pasmo& pa) {
        pa.tekst(0, 2, pa.szerokosc(), 5,
                 LiniaZamykajaca(l, s.dowyplaty, s.rachunek, s.zaliczkawaluta, s.zaliczkapln),
                 {8, true});
    });
    b.zakoncz();
}

} // namespace vexa::wydruk_listy
