#include "lists/person_dues.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/record.h"
#include "data/validators.h"
#include "lists/list_printout_parts.h"
#include "printouts/conventions.h"

#include <QSqlRecord>

namespace vexa {

using namespace wydruk_listy;

QList<PozycjaOsoby> NaleznosciOsoby(Database& db, const ZapytanieNaleznosci& z) {
    QString sql = QStringLiteral(
        "select pozycja.*, lista.miesiacrok as l_miesiacrok, lista.skrotpkw as l_skrotpkw, "
        "lista.walutazaliczki as l_walutazaliczki, lista.rodzaj as l_rodzaj, lista.typ as l_typ, "
        "lista.datawykonania as l_datawykonania, lista.dodatekwojenny as l_woj1, "
        "lista.dodatekwojenny2 as l_woj2, lista.dodatekwojenny3 as l_woj3 "
        "from pozycja, lista where pozycja.idlisty = lista.id and ");
    QVariantList args;
    if (z.od != z.do_) {
        sql += QStringLiteral("lista.datawykonania >= ? and lista.datawykonania <= ? and ");
        args << DataDoBazy(z.od) << DataDoBazy(z.do_);
    }
    if (!z.pesel.trimmed().isEmpty()) {
        sql += QStringLiteral("pozycja.pesel = ?");
        args << z.pesel.trimmed();
    } else {
        sql += QStringLiteral("pozycja.nazwisko = ?");
        args << z.nazwisko.trimmed();
    }
    sql += QStringLiteral(" order by pozycja.idlisty, pozycja.id");
    QSqlQuery q = db.exec(sql, args);
    QList<PozycjaOsoby> out;
    QList<QPair<int, const Kolumna<Pozycja>*>> map;
    int m = -1;
    while (q.next()) {
        if (m < 0) {
            const QSqlRecord rec = q.record();
            for (const Kolumna<Pozycja>& c : Pozycja::kolumny())
                if (const int i = rec.indexOf(c.name); i >= 0) map.append({i, &c});
            m = rec.indexOf(QStringLiteral("l_miesiacrok"));
        }
        PozycjaOsoby po;
        for (const auto& [i, c] : map)
            c->set(po.p, q.value(i));
        auto tekst = [&](int i) { return q.isNull(m + i) ? QString() : q.value(m + i).toString(); };
        po.miesiacrok = tekst(0);
        po.skrotpkw = tekst(1);
        po.walutazaliczki = tekst(2);
        po.rodzaj = tekst(3);
        po.typ = tekst(4);
        po.datawykonania = DataZBazy(q.value(m + 5));
        po.woj1 = q.value(m + 6).toDouble();
        po.woj2 = q.value(m + 7).toDouble();
        po.woj3 = q.value(m + 8).toDouble();
        out << po;
    }
    return out;
}

Raport NaleznosciDlaOsoby(const QList<PozycjaOsoby>& pozycje, const QDate& dzis) {
    Raport r;
    r.tytulZadania = TYTUL_LISTA;
    if (pozycje.isEmpty()) return r;
    const PozycjaOsoby* stawki = &pozycje.first();
    for (const PozycjaOsoby& po : pozycje)
        if (po.typ == u"P") {
            stawki = &po;
            break;
        }
    BudowaRaportu b(r);
    stopka(b);
    // Stacked columns, in the printout's order: one position takes three lines.
    QList<double> szer{21, 26, 7, 25, 13, 20, 22, 20, 18, 20, 18, 20, 14, 15};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Miesiąc / rok", "(data wykonania)"},
                    {"PKW, NIS"},
                    {"Lp."},
                    {"Stopień etatowy", "Data nabycia upr.", "Data utraty upr."},
                    {"Mnożnik /", "Il. dni"},
                    {"Należn. zagr.", "Zwiększ. MON", "Zwiększ. PKW"},
                    {podpisDodatkuWojennego(stawki->woj1),
                     podpisDodatkuWojennego(stawki->woj2),
                     podpisDodatkuWojennego(stawki->woj3)},
                    {"Dod.za rozm.", "Wyr. / Potr.", "Wyr. / Potr."},
                    {"RAZEM"},
                    {"Składki ZUS", "Inne zmniejsz.", "Do wypłaty"},
                    {"Kasa", "Kasa PLN"},
                    {"Rachunek", "Rachunek 1", "Rachunek 2"},
                    {"Podpis"},
                    {"Waluta w kasie"},
                    {"Rodzaj listy"}},
                   3);
    const Pozycja& pierwsza = pozycje.first().p;
    const QString tytul = QStringLiteral("LISTA NALEŻNOŚCI DLA OSOBY: ") + pierwsza.imie + u' ' +
                          pierwsza.nazwisko + QStringLiteral(", PESEL ") + pierwsza.pesel;
    b.ustawTytul(14, [=](Pasmo& p) {
        p.tekst(p.szerokosc() - 60, 0, 60, 4, LiniaDaty(dzis), {7}, Wyrownanie::Prawo);
        p.tekst(0, 5, p.szerokosc(), 6, tytul, kTytul, Wyrownanie::Srodek);
    });
    struct {
        double naleznosc = 0, mon = 0, pkw = 0, woj1 = 0, woj2 = 0, woj3 = 0, rozm = 0, wyr = 0,
               inne = 0, razem = 0, zus = 0, zmn = 0, dowyplaty = 0, kasa = 0, kasapln = 0,
               rach = 0, rach1 = 0, rach2 = 0;
    } s;
    int lp = 0;
    for (const PozycjaOsoby& po : pozycje) {
        const Pozycja& p = po.p;
        s.naleznosc += p.naleznosc;
        s.mon += p.zwnaleznmon;
        s.pkw += p.zwnaleznpkw;
        s.woj1 += p.dodatekwojenny;
        s.woj2 += p.dodatekwojenny2;
        s.woj3 += p.dodatekwojenny3;
        s.rozm += p.rozm;
        s.wyr += p.wyrownanie;
        s.inne += p.innezwiekszenia;
        s.razem += p.razem;
        s.zus += p.skladkizus;
        s.zmn += p.innezmniejszenia;
        s.dowyplaty += p.dowyplaty;
        s.kasa += p.zaliczkawaluta;
        s.kasapln += p.zaliczkapln;
        s.rach += p.rachunek;
        s.rach1 += p.rachunek1;
        s.rach2 += p.rachunek2;
        ++lp;
        b.pasmo(3 * kWiersz + 1, [&](Pasmo& pa) {
            const auto L = Wyrownanie::Lewo;
            komorka(pa, k[0], 0, po.miesiacrok, L);
            komorka(pa, k[0], 1, u'(' + data(po.datawykonania) + u')', L);
            komorka(pa, k[1], 0, po.skrotpkw, L);
            komorka(pa, k[1], 1, p.nis, L);
            komorka(pa, k[1], 2, procent(p.zwnaleznpkwproc), L);
            komorka(pa, k[2], 0, QString::number(lp));
            komorka(pa, k[3], 0, p.ste, L);
            komorka(pa, k[3], 1, data(p.datanabycia), L);
            komorka(pa, k[3], 2, DataKonca(p.datautraty), L);
            komorka(pa, k[4], 0, LiczbaOgolna(p.mnoznik) + QStringLiteral(" / ") + dni(p.iloscdni));
            komorka(pa, k[5], 0, kwota(p.naleznosc));
            komorka(pa, k[5], 1, kwota(p.zwnaleznmon));
            komorka(pa, k[5], 2, kwota(p.zwnaleznpkw));
            const double woj[3] = {p.dodatekwojenny, p.dodatekwojenny2, p.dodatekwojenny3};
            const std::optional<int> dniWoj[3] = {p.iloscdniwojna, p.iloscdniwojna2,
                                                  p.iloscdniwojna3};
            for (int i = 0; i < 3; ++i) {
                malaLewa(pa, k[6], i, dni(dniWoj[i]));
                komorka(pa, k[6], i, kwota(woj[i]));
            }
            malaLewa(pa, k[7], 0, dni(p.iloscdnirozm));
            komorka(pa, k[7], 0, kwota(p.rozm));
            komorka(pa, k[7], 1, kwota(p.wyrownanie));
            komorka(pa, k[7], 2, kwota(p.innezwiekszenia));
            komorka(pa, k[8], 0, kwota(p.razem), Wyrownanie::Prawo, {6.5, true});
            komorka(pa, k[9], 0, kwota(p.skladkizus));
            komorka(pa, k[9], 1, kwota(p.innezmniejszenia));
            komorka(pa, k[9], 2, kwota(p.dowyplaty), Wyrownanie::Prawo, {6.5, true});
            komorka(pa, k[10], 0, kwota(p.zaliczkawaluta));
            komorka(pa, k[10], 1, kwota(p.zaliczkapln));
            komorka(pa, k[11], 0, kwota(p.rachunek));
            komorka(pa, k[11], 1, kwota(p.rachunek1));
            komorka(pa, k[11], 2, kwota(p.rachunek2));
            komorka(pa, k[12], 0, p.zaliczkawaluta == 0 ? QStringLiteral("XXXXXXXX") : QString(),
                    Wyrownanie::Srodek);
            komorka(pa, k[13], 0, po.walutazaliczki, Wyrownanie::Srodek);
            komorka(pa, k[14], 0, po.rodzaj, Wyrownanie::Srodek);
            pa.linia(0, 3 * kWiersz + 0.5, pa.szerokosc(), 3 * kWiersz + 0.5, 0.1);
        });
    }
    b.zachowajRazem(3 * kWiersz + 2);
    b.pasmo(3 * kWiersz + 2, [&](Pasmo& pa) {
        pa.linia(0, 0.3, pa.szerokosc(), 0.3, 0.3);
        const Czcionka g{6.5, true};
        auto suma = [&](int kol, int linia, double v) {
            pa.tekst(k[kol].x + 0.6, 1 + linia * kWiersz, k[kol].w - 1.2, kWiersz, kwota(v), g,
                     Wyrownanie::Prawo);
        };
        pa.tekst(0.6, 1, 40, kWiersz, QStringLiteral("OGÓŁEM:"), {7, true});
        suma(5, 0, s.naleznosc);
        suma(5, 1, s.mon);
        suma(5, 2, s.pkw);
        suma(6, 0, s.woj1);
        suma(6, 1, s.woj2);
        suma(6, 2, s.woj3);
        suma(7, 0, s.rozm);
        suma(7, 1, s.wyr);
        suma(7, 2, s.inne);
        suma(8, 0, s.razem);
        suma(9, 0, s.zus);
        suma(9, 1, s.zmn);
        suma(9, 2, s.dowyplaty);
        suma(10, 0, s.kasa);
        suma(10, 1, s.kasapln);
        suma(11, 0, s.rach);
        suma(11, 1, s.rach1);
        suma(11, 2, s.rach2);
    });
    b.zakoncz();
    return r;
}

} // namespace vexa
