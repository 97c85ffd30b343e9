#include "lists/generation.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "data/validators.h"
#include "lists/calculation.h"
#include "lists/constants.h"
#include "persons/days_off.h"
#include "persons/records.h"

#include <QSet>

namespace vexa {

namespace {

const QString kUnmarked = QString(ZAZ_NIEZAZNACZONY);

QString personKey(const QString& nazwisko, const QString& imie, const QString& imieojca,
                  const QString& nis) {
    return nazwisko.toUpper() + u'\x1f' + imie.toUpper() + u'\x1f' + imieojca.toUpper() +
           u'\x1f' + nis.toUpper();
}

// Positions already on the list, by surname, first name, father's name and post number.
QSet<QString> keysOnList(Database& db, int idlisty) {
    QSet<QString> keys;
    QSqlQuery q = db.exec(
        QStringLiteral("select nazwisko, imie, imieojca, nis from pozycja where idlisty = ?"),
        {idlisty});
    while (q.next())
        keys.insert(personKey(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                              q.value(3).toString()));
    return keys;
}

QList<Osoba> personsFor(Database& db, const QString& pododdzial, const QString& zp) {
    QString sql = QStringLiteral("select * from osoba where (podatekproc=0) and (akt='T') and ");
    QVariantList values;
    if (!pododdzial.isEmpty()) {
        sql += QStringLiteral("(skrotpododdzialu = ?) and ");
        values << pododdzial;
    }
    sql += QStringLiteral("(zp = ?) order by nazwisko,imie");
    values << zp;
    QSqlQuery q = db.exec(sql, values);
    return WczytajWszystkie(q, Osoba::kolumny());
}

void copyPerson(Pozycja& p, const Osoba& o, bool withBic) {
    p.nis = o.nis;
    p.stanowisko = o.stanowisko;
    p.ste = o.ste;
    p.pesel = o.pesel;
    p.nazwisko = o.nazwisko;
    p.imie = o.imie;
    p.imieojca = o.imieojca;
    p.datanabycia = o.datanabycia;
    p.datautraty = o.datautraty;
    p.rozkazprzybyl = o.rozkazprzybyl;
    p.rozkazubyl = o.rozkazubyl;
    p.skrotpododdzial = o.skrotpododdzialu;
    p.nrachunek1 = o.rachunek1;
    p.orachunek1 = o.orachunek1;
    p.brachunek1 = o.brachunek1;
    p.rachunek1czywaluta = o.rachunek1czywaluta;
    p.nrachunek2 = o.rachunek2;
    p.orachunek2 = o.orachunek2;
    p.brachunek2 = o.brachunek2;
    p.rachunek2czywaluta = o.rachunek2czywaluta;
    if (withBic) {
        p.bic1 = o.bic1;
        p.bic2 = o.bic2;
    }
}

class Writer {
public:
    Writer(Database& db, const OpcjeGenerowania& o)
        : m_insert(db, "pozycja", Pozycja::kolumny(), ZapisRekordow<Pozycja>::Wstaw), m_opts(o) {}
    void write(const Pozycja& p) {
        m_insert.zapisz(p);
        ++m_count;
        if (m_opts.poPozycji)
            m_opts.poPozycji(m_count);
    }
    int count() const { return m_count; }

private:
    ZapisRekordow<Pozycja> m_insert;
    const OpcjeGenerowania& m_opts;
    int m_count = 0;
};

} // namespace

QString MiesiacRok(int miesiac, int rok) {
    return QStringLiteral("%1/%2").arg(miesiac, 2, 10, QChar('0')).arg(rok);
}

std::optional<BladListy> SprawdzNowaListe(const NowaLista& n) {
    if (n.wybranyPododdzial && n.skrotpododdzial.isEmpty())
        return BladListy{"Proszę wybrać pododdział!", "epododdzial"};
    if (n.nr.trimmed().isEmpty())
        return BladListy{"Proszę wprowadzić nr listy należności!", "enrlisty"};
    if (n.miesiac < 1 || n.miesiac > 12)
        return BladListy{"Proszę wybrać miesiąc!", "emiesiac"};
    if (n.rok < 2000 || n.rok > 3000)
        return BladListy{"Proszę wprowadzić poprawny rok!", "erok"};
    if (!(n.kurszaliczki > 0))
        return BladListy{"Proszę wprowadzić kurs waluty\rdla wypłaty w kasie!", "ekurswaluty"};
    if (!(n.kursrach > 0))
        return BladListy{
            "Proszę wprowadzić kurs waluty\rdla przelewów na rachunki bankowe w kraju!",
            "ekursrach"};
    if (n.specjalna && n.idWyplaconej == 0)
        return BladListy{"Proszę wybrać listę należności wypłaconych!", "ewyplacona"};
    if (n.specjalna && n.idNaliczonej == 0)
        return BladListy{"Proszę wybrać listę należności naliczonych!", "enaliczona"};
    return std::nullopt;
}

int ProponowanyNumerListy(Database& db) {
    return db.scalar(QStringLiteral("select count(*) from lista where nridpkw = ?"),
                     {Odczyt(db, "NRIDENT")})
               .toInt() +
           1;
}

QList<ListaDoWyboru> ListyMiesiaca(Database& db, const QString& miesiacrok,
                                   const QString* pododdzial) {
    QSqlQuery q = pododdzial
                      ? db.exec(QStringLiteral("select id, nr from lista where miesiacrok = ? and "
                                               "coalesce(skrotpododdzial,'') = coalesce(?,'') "
                                               "order by id"),
                                {miesiacrok, *pododdzial})
                      : db.exec(QStringLiteral("select id, nr from lista where miesiacrok = ? "
                                               "order by id"),
                                {miesiacrok});
    QList<ListaDoWyboru> out;
    while (q.next())
        out << ListaDoWyboru{q.value(0).toInt(), q.value(1).toString()};
    return out;
}

Lista PrzygotujListe(Database& db, const NowaLista& n, const QDate& today) {
    Lista l;
    if (n.podatek) {
        l.czy_podatek = "T";
        l.podatek_kurs = n.podatekKurs;
        l.podatek_dieta = n.podatekDieta;
        l.podatek_kurs_tabela = n.podatekTabela;
        l.podatekproc = OdczytSetne(db, "PODATEKPROC");
    }
    l.typ = n.dodatkowa ? "D" : "P";
    l.rodzaj = n.dodatkowa ? n.rodzaj : QString();
    l.status = "O";
    l.datawykonania = today;
    l.nr = NazwaPliku(n.nr).trimmed();
    l.miesiacrok = MiesiacRok(n.miesiac, n.rok);
    l.zp = n.zp;
    l.nridpkw = Odczyt(db, "NRIDENT");
    l.skrotpkw = Odczyt(db, "SKROT");
    l.nazwa1 = Odczyt(db, "NAZWA1");
    l.nazwa2 = Odczyt(db, "NAZWA2");
    l.dowodca1 = Odczyt(db, "DOWODCA1");
    l.dowodca2 = Odczyt(db, "DOWODCA2");
    l.dowodca3 = Odczyt(db, "DOWODCA3");
    if (n.wybranyPododdzial) {
        l.skrotpododdzial = n.skrotpododdzial;
        l.pododdzial = n.pododdzial;
    }
    l.zgodnoscetatowa = Odczyt(db, "ZGODNOSCETATOWA");
    l.wykonal = Odczyt(db, "WYKONAL");
    l.finansista = Odczyt(db, "FINANSISTA");
    l.walutazaliczki = Odczyt(db, "WALUTAZALICZKI");
    l.walutarach = Odczyt(db, "WALUTARACHUNEK");
    l.kurszaliczki = n.kurszaliczki;
    l.kursrach = n.kursrach;
    l.tabelazaliczki = n.tabelazaliczki;
    l.osobnosrhigieny = "T";
    if (!n.dodatkowa) {
        l.uposazenie = OdczytSetne(db, "UPOSAZENIE");
        l.zwnaleznmon = OdczytSetne(db, "ZWNALMON");
        l.dodatekwojenny = OdczytSetne(db, "DODWOJENNY");
        l.dodatekwojenny2 = OdczytSetne(db, "DODWOJENNY2");
        l.dodatekwojenny3 = OdczytSetne(db, "DODWOJENNY3");
        l.rozm = OdczytSetne(db, "ROZM");
        l.srhigienym = OdczytSetne(db, "SRHIGIENYM");
        l.srhigienyk = OdczytSetne(db, "SRHIGIENYK");
    }
    l.czy_dod_wojenny = n.dodatekWojenny ? "T" : "N";
    l.zaz = kUnmarked;
    return l;
}

int generujpelna(Database& db, int idlisty, const QString& pododdzial, bool potracZaliczki,
                 const QString& zp, const OpcjeGenerowania& opcje) {
    Transakcja t(db);
    const Lista lista = ListRepository(db).lista(idlisty);
    QSet<QString> onList = keysOnList(db, idlisty);
    const auto daysOff = DniWolneWMiesiacuWszystkich(db, lista.miesiacrok);
    const TabelaMnoznikow mnoznik(db);
    const DaneNaliczenia dane = BiezaceDaneNaliczenia(db);
    Writer out(db, opcje);
    int n = 0;
    for (const Osoba& o : personsFor(db, pododdzial, zp)) {
        const QString key = personKey(o.nazwisko, o.imie, o.imieojca, o.nis);
        if (onList.contains(key))
            continue;
        Pozycja p;
        p.idlisty = idlisty;
        p.lp = ++n;
        p.kddw = "T";
        p.zaz = kUnmarked;
        copyPerson(p, o, true);
        p.zwnaleznlekarzproc = o.zwnaleznlekarzproc;
        p.niepobranewkasie = "W";
        const QList<DzienWolny> off = daysOff.value(o.pesel);
        p.dni_wolne_u = DniWolneWMiesiacu(off, lista.miesiacrok, "U");
        p.dni_wolne_w = DniWolneWMiesiacu(off, lista.miesiacrok, "W");
        p.dni_wolne_p = DniWolneWMiesiacu(off, lista.miesiacrok, "P");
        p.mnoznik = mnoznik(o.ste);
        p.innezmniejszenia =
            potracZaliczki ? zaokraglij(static_cast<long double>(o.zaliczka) * lista.kurszaliczki)
                           : 0.0;
        if (!o.pesel.isEmpty()) {
            if (o.plec == QLatin1String("M"))
                p.srhigieny = lista.srhigienym;
            else if (o.plec == QLatin1String("K"))
                p.srhigieny = lista.srhigienyk;
        }
        przeliczpozycje(lista, p, dane);
        if (o.rachunek2kwota > 0) {
            const bool currency = o.rachunek2czywaluta == QLatin1String("T");
            const double amount = o.rachunek2kwota >= p.rachunek ? p.rachunek : o.rachunek2kwota;
            p.rachunek2 = currency ? zaokraglij(static_cast<long double>(amount) / lista.kursrach)
                                   : amount;
            przeliczpozycje(lista, p, dane);
        }
        if (p.dowyplaty < 0) {
            p.uwagi = QStringLiteral("Niepotrącona kwota zaliczki: ") +
                      LiczbaOgolna(zaokraglij(-static_cast<long double>(p.dowyplaty))) +
                      QStringLiteral(" PLN");
            p.innezmniejszenia = p.innezmniejszenia + p.dowyplaty;
            przeliczpozycje(lista, p, dane);
        }
        if (!p.pesel.isEmpty() && p.iloscdni.value_or(0) == 0)
            continue;
        out.write(p);
        onList.insert(key);
    }
    t.commit();
    return out.count();
}

int generujskrocona(Database& db, int idlisty, const QString& pododdzial, const QString& zp,
                    const OpcjeGenerowania& opcje) {
    Transakcja t(db);
    const Lista lista = ListRepository(db).lista(idlisty);
    QSet<QString> onList = keysOnList(db, idlisty);
    const DaneNaliczenia dane = BiezaceDaneNaliczenia(db);
    const double basePay = OdczytSetne(db, "UPOSAZENIE");
    Writer out(db, opcje);
    for (const Osoba& o : personsFor(db, pododdzial, zp)) {
        const QString key = personKey(o.nazwisko, o.imie, o.imieojca, o.nis);
        if (onList.contains(key))
            continue;
        Pozycja p;
        p.idlisty = idlisty;
        p.zaz = kUnmarked;
        copyPerson(p, o, true);
        const int d = dniokresu(lista.miesiacrok, o.datanabycia, o.datautraty);
        p.iloscdni = d;
        p.niepobranewkasie = "W";
        if (lista.rodzaj == QLatin1String("ZK")) {
            p.zaliczkawaluta = o.zaliczka;
            p.razem = zaokraglij(static_cast<long double>(lista.kurszaliczki) * o.zaliczka);
        } else if (lista.rodzaj == QLatin1String("SH")) {
            p.razem = ekwiwalenthigieny(lista.miesiacrok, d, o.pesel, 0, o.datautraty,
                                        o.datanabycia, dane);
        } else if (lista.rodzaj == QLatin1String("JN")) {
            p.razem = basePay;
        }
        przeliczpozycjeskrocona(lista, p, dane);
        if (lista.rodzaj == QLatin1String("SH") && d < 1)
            continue;
        out.write(p);
        onList.insert(key);
    }
    t.commit();
    return out.count();
}

int generujspecjalna(Database& db, int idlisty, int idWyplaconej, int idNaliczonej,
                     const OpcjeGenerowania& opcje) {
    Transakcja t(db);
    ListRepository repo(db);
    const Lista lista = repo.lista(idlisty);
    const DaneNaliczenia dane = BiezaceDaneNaliczenia(db);
    // The paid amounts by person, first position found for each.
    QHash<QString, double> paid;
    for (const Pozycja& p : repo.pozycje(idWyplaconej)) {
        const QString key = personKey(p.nazwisko, p.imie, p.imieojca, QString());
        if (!paid.contains(key))
            paid.insert(key, p.razem);
    }
    Writer out(db, opcje);
    QSqlQuery q = db.exec(QStringLiteral("select * from pozycja where idlisty = ? order by id"),
                          {idNaliczonej});
    for (const Pozycja& c : WczytajWszystkie(q, Pozycja::kolumny())) {
        Pozycja p;
        p.idlisty = idlisty;
        p.zaz = kUnmarked;
        for (auto [dst, src] : {std::pair{&p.nis, &c.nis}, {&p.stanowisko, &c.stanowisko},
                                {&p.ste, &c.ste}, {&p.pesel, &c.pesel},
                                {&p.nazwisko, &c.nazwisko}, {&p.imie, &c.imie},
                                {&p.imieojca, &c.imieojca}, {&p.rozkazprzybyl, &c.rozkazprzybyl},
                                {&p.rozkazubyl, &c.rozkazubyl},
                                {&p.skrotpododdzial, &c.skrotpododdzial},
                                {&p.nrachunek1, &c.nrachunek1}, {&p.orachunek1, &c.orachunek1},
                                {&p.brachunek1, &c.brachunek1},
                                {&p.rachunek1czywaluta, &c.rachunek1czywaluta},
                                {&p.nrachunek2, &c.nrachunek2}, {&p.orachunek2, &c.orachunek2},
                                {&p.brachunek2, &c.brachunek2},
                                {&p.rachunek2czywaluta, &c.rachunek2czywaluta}})
            *dst = *src;
        p.datanabycia = c.datanabycia;
        p.datautraty = c.datautraty;
        p.niepobranewkasie = "W";
        const QString key = personKey(c.nazwisko, c.imie, c.imieojca, QString());
        p.razem = paid.contains(key) ? c.razem - paid.value(key) : c.razem;
        przeliczpozycjeskrocona(lista, p, dane);
        out.write(p);
    }
    t.commit();
    return out.count();
}

int UtworzListe(Database& db, Messages& messages, const NowaLista& n, const QDate& today,
                const OpcjeGenerowania& opcje) {
    if (!n.dodatekWojenny)
        messages.Komunikat(KOMUNIKAT_INFORMACJA, "Zostanie wygenerowana lista należności nie "
                                                 "uwzględniająca dodatku wojennego...");
    Lista l = PrzygotujListe(db, n, today);
    if (l.typ != QLatin1String("D") &&
        db.scalar(QStringLiteral("select count(*) from lista where (coalesce(skrotpododdzial,'') "
                                 "= coalesce(?,'')) and (miesiacrok = ?) and (ZP = ?)"),
                  {l.skrotpododdzial, l.miesiacrok, l.zp})
                .toInt() > 0 &&
        messages.Komunikat(KOMUNIKAT_PYTANIE,
                           "Lista należności już została sporządzona!\r\rPododdział: " +
                               l.skrotpododdzial + "\rMiesiąc: " + l.miesiacrok +
                               "\r\rCzy jesteś pewien, że chcesz utworzyć listę?") != TAK)
        return 0;

    ListRepository repo(db);
    // A chosen list deleted since the dialog showed it would give an empty special list.
    if (n.specjalna && (!repo.istnieje(n.idWyplaconej) || !repo.istnieje(n.idNaliczonej)))
        throw VexaError(QStringLiteral("Wybrana lista należności nie istnieje.\rProszę wybrać "
                                       "listy ponownie."));
    Transakcja t(db);
    const int id = repo.dopiszListe(l);
    if (n.specjalna) {
        generujspecjalna(db, id, n.idWyplaconej, n.idNaliczonej, opcje);
    } else if (l.typ == QLatin1String("D")) {
        generujskrocona(db, id, l.skrotpododdzial, l.zp, opcje);
    } else {
        generujpelna(db, id, l.skrotpododdzial, n.potracZaliczki, l.zp, opcje);
    }
    repo.sumylisty(id);
    repo.odznaczWszystkie(id);
    t.commit();
    return id;
}

int DopiszNoweOsoby(Database& db, int idlisty) {
    Transakcja t(db);
    ListRepository repo(db);
    const Lista l = repo.lista(idlisty);
    int added = 0;
    if (l.typ == QLatin1String("P"))
        added = generujpelna(db, idlisty, l.skrotpododdzial, true, l.zp);
    else if (l.typ == QLatin1String("D"))
        added = generujskrocona(db, idlisty, l.skrotpododdzial, l.zp);
    else
        return 0;
    repo.odznaczWszystkie(idlisty);
    repo.sumylisty(idlisty);
    t.commit();
    return added;
}

} // namespace vexa
