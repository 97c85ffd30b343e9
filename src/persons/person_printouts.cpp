#include "persons/person_printouts.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/validators.h"
#include "printouts/conventions.h"
#include "printouts/report_parts.h"


namespace vexa {

using namespace druk;

namespace {

// The chosen month "MM/YYYY" against a date's month and year.
bool WMiesiacu(const QDate& d, const QString& miesiac) {
    if (!d.isValid() || miesiac.size() < 7) return false;
    return d.month() == miesiac.left(2).toInt() && d.year() == miesiac.mid(3, 4).toInt();
}

} // namespace

QString TytulKartoteki(const OpcjeKartoteki& o) {
    QString t = o.zp == u"P" ? QStringLiteral("KARTOTEKA PRACOWNIKÓW CYWILNYCH")
                             : QStringLiteral("KARTOTEKA ŻOŁNIERZY");
    if (o.tylkoWyeksportowani) t += QStringLiteral(" WYEKSPORTOWANYCH DO ZWSI RON");
    return t;
}

QString OpisKartoteki(const OpcjeKartoteki& o) {
    if (o.nowoprzybyli && o.nowoubyli)
        return QStringLiteral("OSOBY NOWOPRZYBYŁE I NOWOUBYŁE W MIESIĄCU ") + o.miesiac;
    if (o.nowoprzybyli) return QStringLiteral("OSOBY NOWOPRZYBYŁE W MIESIĄCU ") + o.miesiac;
    if (o.nowoubyli) return QStringLiteral("OSOBY NOWOUBYŁE W MIESIĄCU ") + o.miesiac;
    return QString();
}

bool NaKartotece(const Osoba& os, const OpcjeKartoteki& o) {
    if (o.tylkoWyeksportowani && os.wydrukzwsi != u"T") return false;
    if (!o.nowoprzybyli && !o.nowoubyli) return true;
    return (o.nowoprzybyli && WMiesiacu(os.datanabycia, o.miesiac)) ||
           (o.nowoubyli && WMiesiacu(os.datautraty, o.miesiac));
}

Raport Kartoteka(const QList<Osoba>& osoby, const OpcjeKartoteki& o,
                 const QStringList& naglowekJednostki, const QDate& dzis) {
    Raport r;
    r.tytulZadania = TYTUL_KARTOTEKA;
    BudowaRaportu b(r);
    stopka(b);
    QList<double> szer{10, 26, 54, 24, 26, 58, 30, 24};
    const QList<Kol> k = kolumnyDoKonca(szer, b.szerokosc());
    naglowekKolumn(b, k,
                   {{"Lp."},
                    {"Pododdział"},
                    {"Imię i nazwisko"},
                    {"PESEL"},
                    {"Imię ojca"},
                    {"NIS i nazwa stanowiska"},
                    {"Stopień etatowy"},
                    {"Data nabycia", "uprawnień"},
                    {"Data utraty", "uprawnień"}},
                   2);
    const QString tytul = TytulKartoteki(o), opis = OpisKartoteki(o);
    b.ustawTytul(27, [=](Pasmo& p) {
        p.tekst(p.szerokosc() - 60, 0, 60, 4, LiniaDaty(dzis), {7}, Wyrownanie::Prawo);
        p.tekst(0, 2, p.szerokosc(), 6, tytul, kTytul, Wyrownanie::Srodek);
        p.tekst(0, 9, p.szerokosc(), 5, naglowekJednostki.value(0), {9, true}, Wyrownanie::Srodek);
        p.tekst(0, 14, p.szerokosc(), 5, naglowekJednostki.value(1), {9, true}, Wyrownanie::Srodek);
        p.tekst(0, 20, p.szerokosc(), 5, opis, {9, true}, Wyrownanie::Srodek);
    });
    int lp = 0;
    for (const Osoba& os : osoby) {
        if (!NaKartotece(os, o)) continue;
        ++lp;
        b.pasmo(kWiersz + 1, [&](Pasmo& pa) {
            komorka(pa, k[0], 0, QString::number(lp));
            komorka(pa, k[1], 0, os.skrotpododdzialu, Wyrownanie::Lewo);
            komorka(pa, k[2], 0, os.imie + u' ' + os.nazwisko, Wyrownanie::Lewo, {6.5, true});
            komorka(pa, k[3], 0, os.pesel, Wyrownanie::Lewo);
            komorka(pa, k[4], 0, os.imieojca, Wyrownanie::Lewo);
            komorka(pa, k[5], 0, (os.nis + u' ' + os.stanowisko).trimmed(), Wyrownanie::Lewo);
            komorka(pa, k[6], 0, os.ste, Wyrownanie::Lewo);
            komorka(pa, k[7], 0, data(os.datanabycia), Wyrownanie::Srodek);
            komorka(pa, k[8], 0, DataKonca(os.datautraty), Wyrownanie::Srodek);
            pa.linia(0, kWiersz + 0.5, pa.szerokosc(), kWiersz + 0.5, 0.1);
        });
    }
    b.zakoncz();
    return r;
}

} // namespace vexa
