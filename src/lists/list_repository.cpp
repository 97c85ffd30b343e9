#include "lists/list_repository.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/settings.h"
#include "data/transaction.h"

namespace vexa {

namespace {

const QString kMarked = QString(ZAZ_ZAZNACZONY);
const QString kUnmarked = QString(ZAZ_NIEZAZNACZONY);

template <class S> S readOne(Database& db, const QString& table, int id) {
    QSqlQuery q = db.exec(QStringLiteral("select * from %1 where id = ?").arg(table), {id});
    if (!q.next())
        throw VexaError(QStringLiteral("Brak zapisu o numerze %1 w tabeli %2.").arg(id).arg(table));
    S s;
    WczytajRekord(s, q.record(), S::kolumny());
    return s;
}

} // namespace

Lista ListRepository::lista(int id) { return readOne<Lista>(m_db, QStringLiteral("lista"), id); }

void ListRepository::zapiszListe(const Lista& l) {
    ZapisRekordow<Lista>(m_db, "lista", Lista::kolumny(), ZapisRekordow<Lista>::Zmien)
        .zapisz(l, l.id);
}

int ListRepository::dopiszListe(const Lista& l) {
    return ZapisRekordow<Lista>(m_db, "lista", Lista::kolumny(), ZapisRekordow<Lista>::Wstaw)
        .zapisz(l);
}

QList<Pozycja> ListRepository::pozycje(int idlisty, KolejnoscPozycji order) {
    const QString sql =
        order == KolejnoscPozycji::Nis
            ? QStringLiteral("select * from pozycja where idlisty = ? order by nis, id")
            : QStringLiteral("select * from pozycja where idlisty = ? order by nazwisko, imie, id");
    QSqlQuery q = m_db.exec(sql, {idlisty});
    return WczytajWszystkie(q, Pozycja::kolumny());
}

Pozycja ListRepository::pozycja(int id) {
    return readOne<Pozycja>(m_db, QStringLiteral("pozycja"), id);
}

void ListRepository::zapiszPozycje(const Pozycja& p) {
    ZapisRekordow<Pozycja>(m_db, "pozycja", Pozycja::kolumny(), ZapisRekordow<Pozycja>::Zmien)
        .zapisz(p, p.id);
}

int ListRepository::dopiszPozycje(const Pozycja& p) {
    return ZapisRekordow<Pozycja>(m_db, "pozycja", Pozycja::kolumny(),
                                  ZapisRekordow<Pozycja>::Wstaw)
        .zapisz(p);
}

SumyListy ListRepository::policzSumy(int idlisty) {
    SumyListy s;
    QSqlQuery q = m_db.exec(QStringLiteral("select razem, zaliczkapln, zaliczkawaluta, rachunek, "
                                           "skladkizus, innezmniejszenia from pozycja where "
                                           "idlisty = ? order by id"),
                            {idlisty});
    // Each partial sum is kept as a double, row by row.
    while (q.next()) {
        s.razem = s.razem + q.value(0).toDouble();
        s.zaliczka = s.zaliczka + q.value(1).toDouble();
        s.zaliczkawaluta = s.zaliczkawaluta + q.value(2).toDouble();
        s.rachunek = s.rachunek + q.value(3).toDouble();
        s.skladkizus = s.skladkizus + q.value(4).toDouble();
        s.innezmniejszenia = s.innezmniejszenia + q.value(5).toDouble();
        ++s.iloscpozycji;
    }
    return s;
}

SumyListy ListRepository::sumyBezTransakcji(int idlisty) {
    const SumyListy s = policzSumy(idlisty);
    // No collection flag is null; '' of older data counts the same.
    m_db.exec(QStringLiteral("update pozycja set niepobranewkasie='W' where zaliczkapln>0 and "
                             "(isnull(niepobranewkasie) or niepobranewkasie = '') and "
                             "idlisty = ?"),
              {idlisty});
    m_db.exec(QStringLiteral("update lista set razem = ?, zaliczka = ?, zaliczkawaluta = ?, "
                             "rachunek = ?, skladkizus = ?, innezmniejszenia = ?, "
                             "iloscpozycji = ? where id = ?"),
              {s.razem, s.zaliczka, s.zaliczkawaluta, s.rachunek, s.skladkizus,
               s.innezmniejszenia, s.iloscpozycji, idlisty});
    return s;
}

SumyListy ListRepository::sumylisty(int idlisty) {
    Transakcja t(m_db);
    const SumyListy s = sumyBezTransakcji(idlisty);
    t.commit();
    return s;
}

int ListRepository::iloscDoZrobienia(int idlisty) {
    return m_db.scalar(QStringLiteral("select count(*) from pozycja where (idlisty = ?) and "
                                      "(wyr='T')"),
                       {idlisty})
        .toInt();
}

int ListRepository::iloscZaznaczonych(int idlisty) {
    return m_db.scalar(QStringLiteral("select count(*) from pozycja where (idlisty = ?) and "
                                      "(zaz = ?)"),
                       {idlisty, kMarked})
        .toInt();
}

void ListRepository::zaznaczWszystkie(int idlisty) {
    m_db.exec(QStringLiteral("update pozycja set zaz = ? where idlisty = ?"), {kMarked, idlisty});
}

void ListRepository::odznaczWszystkie(int idlisty) {
    m_db.exec(QStringLiteral("update pozycja set zaz = ? where idlisty = ?"), {kUnmarked, idlisty});
}

void ListRepository::zaznaczRachunki(int idlisty, const QString& czyWaluta) {
    Transakcja t(m_db);
    odznaczWszystkie(idlisty);
    m_db.exec(QStringLiteral("update pozycja set zaz = ? where (rachunek1czywaluta = ? or "
                             "rachunek2czywaluta = ?) and idlisty = ?"),
              {kMarked, czyWaluta, czyWaluta, idlisty});
    t.commit();
}

void ListRepository::przelaczZaznaczenie(int idpozycji) {
    m_db.exec(QStringLiteral("update pozycja set zaz = case when zaz = ? then ? else ? end "
                             "where id = ?"),
              {kUnmarked, kMarked, kUnmarked, idpozycji});
}

void ListRepository::przelaczNiepobrane(int idpozycji) {
    m_db.exec(QStringLiteral("update pozycja set niepobranewkasie = case "
                             "when niepobranewkasie = 'W' then "
                             "(case when zaliczkapln <> 0 then 'N' else null end) "
                             "else 'W' end where id = ?"),
              {idpozycji});
}

void ListRepository::przelaczDoZrobienia(int idpozycji) {
    m_db.exec(QStringLiteral("update pozycja set wyr = case when wyr = 'T' then '' else 'T' end "
                             "where id = ?"),
              {idpozycji});
}

int ListRepository::zaznaczWgDat(int idlisty, const std::optional<ZakresDat>& nabycie,
                                 const std::optional<ZakresDat>& utrata) {
    auto within = [](const QDate& d, const std::optional<ZakresDat>& r) {
        return r && d.isValid() && d >= r->od && d <= r->do_;
    };
    Transakcja t(m_db);
    QSqlQuery mark = m_db.prepare(QStringLiteral("update pozycja set zaz = ? where id = ?"));
    int count = 0;
    for (const Pozycja& p : pozycje(idlisty)) {
        if (!within(p.datanabycia, nabycie) && !within(p.datautraty, utrata))
            continue;
        mark.addBindValue(kMarked);
        mark.addBindValue(p.id);
        if (!mark.exec())
            throw VexaError(QStringLiteral("Błąd bazy danych."));
        ++count;
    }
    t.commit();
    return count;
}

int ListRepository::usunZaznaczone(int idlisty) {
    Transakcja t(m_db);
    QSqlQuery q = m_db.exec(QStringLiteral("delete from pozycja where idlisty = ? and zaz = ?"),
                            {idlisty, kMarked});
    const int n = q.numRowsAffected();
    sumyBezTransakcji(idlisty);
    t.commit();
    return n;
}

void ListRepository::usunPozycje(int idpozycji) {
    Transakcja t(m_db);
    const int idlisty =
        m_db.scalar(QStringLiteral("select idlisty from pozycja where id = ?"), {idpozycji}).toInt();
    m_db.exec(QStringLiteral("delete from pozycja where id = ?"), {idpozycji});
    sumyBezTransakcji(idlisty);
    t.commit();
}

int ListRepository::usunPuste(int idlisty) {
    Transakcja t(m_db);
    QSqlQuery q = m_db.exec(
        QStringLiteral("delete from pozycja where idlisty = ? and (razem=0 or razem is null)"),
        {idlisty});
    const int n = q.numRowsAffected();
    sumyBezTransakcji(idlisty);
    t.commit();
    return n;
}

void ListRepository::usunListe(int idlisty) {
    Transakcja t(m_db);
    m_db.exec(QStringLiteral("delete from pozycja where idlisty = ?"), {idlisty});
    m_db.exec(QStringLiteral("delete from lista where id = ?"), {idlisty});
    t.commit();
}

void ListRepository::przeliczWszystkie(int idlisty,
                                       const std::function<void(Pozycja&)>& przelicz) {
    Transakcja t(m_db);
    ZapisRekordow<Pozycja> write(m_db, "pozycja", Pozycja::kolumny(),
                                 ZapisRekordow<Pozycja>::Zmien);
    for (Pozycja p : pozycje(idlisty)) {
        przelicz(p);
        write.zapisz(p, p.id);
    }
    t.commit();
}

bool ListRepository::istnieje(int idlisty) {
    return m_db.scalar(QStringLiteral("select count(*) from lista where id = ?"), {idlisty})
               .toInt() > 0;
}

Lista ListRepository::wymaganaLista(int idlisty) {
    if (!istnieje(idlisty))
        throw VexaError(
            QStringLiteral("Nie ma listy należności o numerze identyfikacyjnym %1.").arg(idlisty));
    return lista(idlisty);
}

int ListRepository::pozycjaOsoby(int idlisty, const QString& pesel) {
    return m_db
        .scalar(QStringLiteral("select id from pozycja where idlisty = ? and pesel = ? order by id"),
                {idlisty, pesel})
        .toInt();
}

bool listyzamkniete(Database& db) { return Odczyt(db, "NRIDJW") == QLatin1String("4731086"); }

std::optional<BladListy> SprawdzNaglowekListy(const Lista& l) {
    auto blank = [](const QString& s) { return s.trimmed().isEmpty(); };
    if (!l.datawykonania.isValid())
        return BladListy{"Proszę wprowadzić datę wykonania listy należności!", "datawykonania"};
    if (blank(l.dowodca1))
        return BladListy{"Proszę wprowadzić stanowisko osoby zatwierdzającej listę należności!",
                         "dowodca1"};
    if (blank(l.dowodca3))
        return BladListy{"Proszę wprowadzić stopień, imię i nazwisko osoby zatwierdzającej "
                         "listę należności!",
                         "dowodca3"};
    if (blank(l.zgodnoscetatowa))
        return BladListy{"Proszę wprowadzić stopień, imię i nazwisko osoby stwierdzającej "
                         "zgodność z etatem jednostki!",
                         "zgodnoscetatowa"};
    if (blank(l.wykonal))
        return BladListy{"Proszę wprowadzić stopień, imię i nazwisko osoby wykonującej listę "
                         "należności!",
                         "wykonal"};
    if (blank(l.finansista))
        return BladListy{"Proszę wprowadzić stopień, imię i nazwisko szefa sekcji finansów!",
                         "finansista"};
    if (l.walutazaliczki != QLatin1String("PLN") && blank(l.tabelazaliczki))
        return BladListy{"Proszę wprowadzić tabelę kursu waluty!", "tabelazaliczki"};
    if (blank(l.walutazaliczki))
        return BladListy{"Proszę wprowadzić nazwę waluty (3 znaki)!", "walutazaliczki"};
    if (!(l.kurszaliczki > 0))
        return BladListy{"Proszę wprowadzić kurs waluty\rdla wypłaty w kasie!", "kurszaliczki"};
    if (!(l.kursrach > 0))
        return BladListy{
            "Proszę wprowadzić kurs waluty\rdla przelewów na rachunki bankowe w kraju!",
            "kursrach"};
    return std::nullopt;
}

} // namespace vexa
