#include "lists/list_editing.h"

#include "data/database.h"
#include "data/messages.h"
#include "data/transaction.h"
#include "data/validators.h"

namespace vexa {

QString TytulListy(const Lista& l) {
    QString t = l.skrotpkw + " - " + l.skrotpododdzial;
    if (l.zp == QLatin1String("Z"))
        t += QStringLiteral(" - ŻOŁNIERZE ");
    else if (l.zp == QLatin1String("P"))
        t += QStringLiteral(" - PRACOWNICY WOJSKA ");
    return t + " - " + l.miesiacrok;
}

RodzajNaliczenia rodzajNaliczenia(const Lista& l) {
    if (l.typ == QLatin1String("P") || l.typ == QLatin1String("U")) return RodzajNaliczenia::Pelne;
    if (l.typ == QLatin1String("D")) return RodzajNaliczenia::Skrocone;
    return RodzajNaliczenia::Brak;
}

void PrzeliczPozycje(const Lista& l, Pozycja& p, const DaneNaliczenia& dane) {
    switch (rodzajNaliczenia(l)) {
    case RodzajNaliczenia::Pelne:
        przeliczpozycje(l, p, dane);
        break;
    case RodzajNaliczenia::Skrocone:
        przeliczpozycjeskrocona(l, p, dane);
        break;
    case RodzajNaliczenia::Brak:
        break;
    }
}

ZapamietaneWartosci ZapamietaneWartosci::z(const Lista& l) {
    ZapamietaneWartosci w;
    w.kurszaliczki = l.kurszaliczki;
    w.kursrach = l.kursrach;
    w.uposazenie = l.uposazenie;
    w.zwnaleznmon = l.zwnaleznmon;
    w.podatek_kurs = l.podatek_kurs;
    w.podatek_dieta = l.podatek_dieta;
    return w;
}

bool ZapamietaneWartosci::zmianaNaleznosci(const Lista& l) const {
    return l.kurszaliczki != kurszaliczki || l.kursrach != kursrach || l.uposazenie != uposazenie ||
           l.zwnaleznmon != zwnaleznmon;
}

bool ZapamietaneWartosci::zmianaPodatku(const Lista& l) const {
    return l.podatek_kurs != podatek_kurs || l.podatek_dieta != podatek_dieta;
}

bool ListaChroniona(Database& db, const Lista& zapisana) {
    return zapisana.status == QLatin1String("Z") && listyzamkniete(db);
}

std::optional<BladListy> ZatwierdzListe(Database& db, Messages& messages, Lista& edytowana,
                                        const Lista& zapisana, const ZapamietaneWartosci& pamiec,
                                        const DaneNaliczenia& dane, bool* przeliczono) {
    if (przeliczono) *przeliczono = false;
    if (auto blad = SprawdzNaglowekListy(edytowana)) return blad;
    if (ListaChroniona(db, zapisana)) {
        messages.Komunikat(KOMUNIKAT_INFORMACJA, LISTA_ZAMKNIETA_ANULOWANO);
        edytowana = zapisana;
    } else {
        edytowana.nr = NazwaPliku(edytowana.nr);
    }

    // Messages come before the transaction opens or after it ends: a message waiting for the
    // user must never hold the file locked for other programs.
    const bool naleznosci = pamiec.zmianaNaleznosci(edytowana);
    const bool podatek = pamiec.zmianaPodatku(edytowana);
    if (naleznosci)
        messages.Komunikat(KOMUNIKAT_INFORMACJA,
                           "W związku ze zmianą kursu waluty, zwiększenia należności MON lub "
                           "najniższego uposażenia żołnierza zawodowego, aplikacja zaktualizuje "
                           "wszystkie pozycje listy należności.\r\rProszę czekać...");
    if (podatek)
        messages.Komunikat(KOMUNIKAT_INFORMACJA,
                           "W związku ze zmianą kursu waluty dla podatku lub diety aplikacja "
                           "zaktualizuje wszystkie pozycje listy należności.\r\rProszę czekać...");
    const bool walked = naleznosci || podatek;
    ListRepository repo(db);
    Transakcja t(db);
    repo.zapiszListe(edytowana);
    // One walk recalculates every position with the whole new header, whichever of the
    // remembered values changed.
    if (walked)
        repo.przeliczWszystkie(edytowana.id,
                               [&](Pozycja& p) { PrzeliczPozycje(edytowana, p, dane); });
    const SumyListy s = repo.sumylisty(edytowana.id);
    t.commit();
    if (walked)
        messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Aktualizacja zakończona."));
    edytowana.razem = s.razem;
    edytowana.zaliczka = s.zaliczka;
    edytowana.zaliczkawaluta = s.zaliczkawaluta;
    edytowana.rachunek = s.rachunek;
    edytowana.skladkizus = s.skladkizus;
    edytowana.innezmniejszenia = s.innezmniejszenia;
    edytowana.iloscpozycji = s.iloscpozycji;
    if (przeliczono) *przeliczono = walked;
    return std::nullopt;
}

bool RozneDoNaliczen(const Lista& a, const Lista& b) {
    const ZapamietaneWartosci wa = ZapamietaneWartosci::z(a);
    return wa.zmianaNaleznosci(b) || wa.zmianaPodatku(b);
}

void PrzeliczListe(Database& db, const Lista& l, const DaneNaliczenia& dane) {
    ListRepository repo(db);
    Transakcja t(db);
    repo.przeliczWszystkie(l.id, [&](Pozycja& p) { PrzeliczPozycje(l, p, dane); });
    repo.sumylisty(l.id);
    t.commit();
}

bool ZapiszPozycjeListy(Database& db, const Lista& lista, const Lista& zapisana, Pozycja& p,
                        const DaneNaliczenia& dane, SumyListy* sumy) {
    if (ListaChroniona(db, zapisana)) return false;
    ListRepository repo(db);
    Transakcja t(db);
    PrzeliczPozycje(lista, p, dane);
    repo.zapiszPozycje(p);
    const SumyListy s = repo.sumylisty(p.idlisty);
    t.commit();
    if (sumy) *sumy = s;
    return true;
}

std::optional<BladZakresu> SprawdzZakresyDat(const std::optional<ZakresDat>& nabycie,
                                             const std::optional<ZakresDat>& utrata) {
    if (nabycie && nabycie->od > nabycie->do_)
        return BladZakresu{QStringLiteral("Niewłaściwy zakres daty nabycia uprawnień!"), true};
    if (utrata && utrata->od > utrata->do_)
        return BladZakresu{QStringLiteral("Niewłaściwy zakres daty utraty uprawnień!"), false};
    return std::nullopt;
}

QSet<QString> PowtorzonePeseleJN(Database& db, const QString& rok) {
    QSqlQuery q = db.exec(QStringLiteral("select pozycja.pesel from lista, pozycja where "
                                         "right(miesiacrok,4) = ? and lista.id = pozycja.idlisty "
                                         "and lista.rodzaj = 'JN' and pozycja.pesel <> '' "
                                         "group by pozycja.pesel having count(*) > 1"),
                          {rok});
    QSet<QString> out;
    while (q.next())
        out.insert(q.value(0).toString());
    return out;
}

QString RokListy(const Lista& l) {
    return l.miesiacrok.mid(3, 4);
}

} // namespace vexa
