#include "lists/bulk_change.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "lists/calculation.h"
#include "lists/constants.h"
#include "lists/list_repository.h"
#include "persons/records.h"

#include <QHash>

namespace vexa {

namespace {

// Active persons of the list's kind by PESEL, surname and first name.
QHash<QString, Osoba> activePersons(Database& db, const QString& zp) {
    QSqlQuery q = db.exec(QStringLiteral("select * from osoba where zp = ? and akt = 'T'"), {zp});
    QHash<QString, Osoba> out;
    for (const Osoba& o : WczytajWszystkie(q, Osoba::kolumny())) {
        const QString key = o.pesel + u'\x1f' + o.nazwisko.toUpper() + u'\x1f' + o.imie.toUpper();
        if (!out.contains(key))
            out.insert(key, o);
    }
    return out;
}

const Osoba* find(const QHash<QString, Osoba>& persons, const Pozycja& p) {
    auto it = persons.constFind(p.pesel + u'\x1f' + p.nazwisko.toUpper() + u'\x1f' +
                                p.imie.toUpper());
    return it == persons.cend() ? nullptr : &*it;
}

void copyPersonalData(Pozycja& p, const Osoba& o) {
    p.nis = o.nis;
    p.stanowisko = o.stanowisko;
    p.ste = o.ste;
    p.datanabycia = o.datanabycia;
    p.datautraty = o.datautraty;
    p.imieojca = o.imieojca;
    p.nrachunek1 = o.rachunek1;
    p.nrachunek2 = o.rachunek2;
    p.brachunek1 = o.brachunek1;
    p.brachunek2 = o.brachunek2;
    p.orachunek1 = o.orachunek1;
    p.orachunek2 = o.orachunek2;
    p.rachunek1czywaluta = o.rachunek1czywaluta;
    p.rachunek2czywaluta = o.rachunek2czywaluta;
    p.bic1 = o.bic1;
    p.bic2 = o.bic2;
}

template <class Apply>
int walkMarked(Database& db, int idlisty, Apply apply) {
    Transakcja t(db);
    ListRepository repo(db);
    const Lista lista = repo.lista(idlisty);
    const DaneNaliczenia dane = BiezaceDaneNaliczenia(db);
    const QHash<QString, Osoba> persons = activePersons(db, lista.zp);
    ZapisRekordow<Pozycja> write(db, "pozycja", Pozycja::kolumny(), ZapisRekordow<Pozycja>::Zmien);
    int count = 0;
    for (Pozycja p : repo.pozycje(idlisty)) {
        if (p.zaz != QString(ZAZ_ZAZNACZONY))
            continue;
        apply(lista, p, persons, dane);
        write.zapisz(p, p.id);
        ++count;
    }
    repo.sumylisty(idlisty);
    t.commit();
    return count;
}

} // namespace

QString BrakZaznaczonychPozycji(const QString& typ) {
    return typ == QLatin1String("P")
               ? QStringLiteral("Nie zaznaczono żadnej pozycji na liście nalezności zagranicznych!")
               : QStringLiteral("Nie zaznaczono żadnej pozycji na dodatkowej liście nalezności "
                                "zagranicznych!");
}

QString OpisDniWojennych(double rate) {
    return QStringLiteral("ILOŚĆ DNI DODATKU\rWOJENNEGO ") + Liczba0(rate) + u'%';
}

int ZmienZaznaczonePozycje(Database& db, int idlisty, const ZmianaPozycji& z) {
    const TabelaMnoznikow grades(db);
    return walkMarked(db, idlisty, [&](const Lista& lista, Pozycja& p, const auto& persons,
                                       const DaneNaliczenia& dane) {
        if (z.zwnaleznpkwproc)
            p.zwnaleznpkwproc = *z.zwnaleznpkwproc;
        if (z.iloscdniwojna)
            p.iloscdniwojna = *z.iloscdniwojna;
        if (z.iloscdniwojna2)
            p.iloscdniwojna2 = *z.iloscdniwojna2;
        if (z.iloscdniwojna3)
            p.iloscdniwojna3 = *z.iloscdniwojna3;
        if (z.srhigieny) {
            p.srhigieny = *z.srhigieny;
            p.czyzmianasrhigieny = QStringLiteral("T");
        }
        if (z.wyrownanie)
            p.wyrownanie = *z.wyrownanie;
        if (z.innezwiekszenia)
            p.innezwiekszenia = *z.innezwiekszenia;
        if (z.innezmniejszenia)
            p.innezmniejszenia = *z.innezmniejszenia;
        if (z.uwagi)
            p.uwagi = *z.uwagi;
        const Osoba* o = find(persons, p);
        if (z.daneOsobowe && o)
            copyPersonalData(p, *o);
        if (z.zaliczka && o && o->zaliczka > 0)
            p.zaliczkawaluta =
                o->zaliczka + zaokraglij(static_cast<long double>(p.wyrownanie) / lista.kurszaliczki);
        if (z.mnoznik)
            p.mnoznik = grades(p.ste);
        if (z.zeruj) {
            p.mnoznik = p.zwnaleznpkwproc = p.wyrownanie = p.srhigieny = p.innezwiekszenia =
                p.skladkizus = p.innezmniejszenia = p.zaliczkawaluta = 0;
            p.zwnaleznlekarzproc = 0;
            p.iloscdniwojna = p.iloscdniwojna2 = p.iloscdniwojna3 = p.iloscdnirozm = 0;
        }
        przeliczpozycje(lista, p, dane);
    });
}

int ZmienZaznaczonePozycje(Database& db, int idlisty, const ZmianaPozycjiSkroconej& z) {
    return walkMarked(db, idlisty, [&](const Lista& lista, Pozycja& p, const auto& persons,
                                       const DaneNaliczenia& dane) {
        if (z.daneOsobowe)
            if (const Osoba* o = find(persons, p))
                copyPersonalData(p, *o);
        if (z.razem)
            p.razem = *z.razem;
        if (z.przelicz)
            p.razem = zaokraglij(static_cast<long double>(*z.przelicz) * p.razem);
        if (z.uwagi)
            p.uwagi = *z.uwagi;
        przeliczpozycjeskrocona(lista, p, dane);
    });
}

} // namespace vexa
