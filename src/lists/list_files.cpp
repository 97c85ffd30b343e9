#include "lists/list_files.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "data/transaction.h"
#include "data/validators.h"

#include <QBuffer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace vexa {

namespace {

const QString kRodzaj = QStringLiteral("Plik listy należności");

[[noreturn]] void blad(int linia, const QString& opis) {
    BladPlikuWymiany(kRodzaj, linia, opis);
}

// The fields of a record line; a missing line is a truncated file.
QStringList pola(const std::optional<QString>& linia, int n, int nr) {
    if (!linia) blad(nr, QStringLiteral("brak wiersza (plik jest niekompletny)."));
    return PolaWiersza(*linia, n, kRodzaj, nr);
}

QVariantList wartosci(const QStringList& kolumny, const QStringList& teksty,
                      const QHash<QString, TypKolumny>& t, int nr) {
    return WartosciWiersza(kolumny, teksty, t, kRodzaj, nr);
}

constexpr int kMaksKolumn = 100;
const QString kWersja = QStringLiteral("W14.2");

int liczba(const std::optional<QString>& linia, int nr) {
    bool ok = false;
    const int n = linia ? linia->trimmed().toInt(&ok) : 0;
    if (!ok || n < 1 || n > kMaksKolumn)
        blad(nr, QStringLiteral("liczba kolumn musi być liczbą od 1 do %1.").arg(kMaksKolumn));
    return n;
}

void sprawdzKolumny(const QStringList& kolumny, const QHash<QString, TypKolumny>& t,
                    const QString& tabela, int nr) {
    for (const QString& k : kolumny)
        if (k.isEmpty() || !t.contains(k.toLower()) || k.compare(u"id", Qt::CaseInsensitive) == 0)
            blad(nr, QStringLiteral("tabela %1 nie ma kolumny „%2”.").arg(tabela, k));
}

QString wstaw(const QString& tabela, const QStringList& kolumny) {
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(tabela, kolumny.join(u','),
             QStringList(kolumny.size(), QStringLiteral("?")).join(u','));
}

} // namespace

QByteArray PlikListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc, const QDate& dzis) {
    ListRepository(db).wymaganaLista(idlisty);
    const QList<KolumnaTabeli> kl = KolumnyTabeli(db, QStringLiteral("lista")).mid(1);
    const QList<KolumnaTabeli> kp = KolumnyTabeli(db, QStringLiteral("pozycja")).mid(1);
    auto nazwy = [](const QList<KolumnaTabeli>& k) {
        QStringList n;
        for (const KolumnaTabeli& c : k)
            n << c.nazwa;
        return n;
    };
    auto wiersz = [](const QSqlQuery& q, const QList<KolumnaTabeli>& k, const QString& opis) {
        return WierszDoPliku([&q](const QString& c) { return q.value(c); }, k, opis);
    };
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PiszLinie(out, QStringLiteral("LNZ"));
    PiszLinie(out, kWersja);
    PiszLinie(out, dzis.toString(u"dd.MM.yyyy"));
    PiszLinie(out, QString::number(kl.size()));
    PiszLinie(out, LiniaPol(nazwy(kl)));
    PiszLinie(out, QString::number(kp.size()));
    PiszLinie(out, LiniaPol(nazwy(kp)));
    QSqlQuery l = db.exec(QStringLiteral("select * from lista where id = ?"), {idlisty});
    l.next();
    PiszLinie(out, LiniaPol(wiersz(l, kl,
                                   QStringLiteral("Lista ") + l.value(QStringLiteral("nr")).toString())));
    QSqlQuery p = db.exec(kolejnosc == KolejnoscPozycji::Nis
                              ? QStringLiteral("select * from pozycja where idlisty = ? order by "
                                               "nis, id")
                              : QStringLiteral("select * from pozycja where idlisty = ? order by "
                                               "nazwisko, imie, id"),
                          {idlisty});
    while (p.next())
        PiszLinie(out, LiniaPol(wiersz(p, kp,
                                       QStringLiteral("Pozycja: ") +
                                           p.value(QStringLiteral("nazwisko")).toString() + u' ' +
                                           p.value(QStringLiteral("imie")).toString() +
                                           QStringLiteral(" (PESEL ") +
                                           p.value(QStringLiteral("pesel")).toString() + u')')));
    return bytes;
}

QString ListaZPliku::pytanie() const {
    return QStringLiteral("Czy chcesz zaimportować listę?\r\rWersja : ") + wersja +
           QStringLiteral(", wygenerowana: ") + data + u'\r' + wartosciListy.value(7) +
           QStringLiteral(", Miesiąc: ") + wartosciListy.value(4);
}

ListaZPliku CzytajPlikListy(Database& db, const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    MaskedLineReader r(in);
    if (r.CzytajLinie() != QStringLiteral("LNZ")) throw VexaError(NIE_PLIK_LISTY);
    ListaZPliku f;
    const auto wersja = r.CzytajLinie();
    const auto data = r.CzytajLinie();
    if (!wersja || !data) blad(2, QStringLiteral("brak wiersza (plik jest niekompletny)."));
    f.wersja = wersja->mid(1).trimmed();
    f.data = data->trimmed();
    const int n1 = liczba(r.CzytajLinie(), 4);
    f.kolumnyListy = pola(r.CzytajRekord(n1 + 1), n1, 5);
    const int n2 = liczba(r.CzytajLinie(), 6);
    f.kolumnyPozycji = pola(r.CzytajRekord(n2 + 1), n2, 7);
    const auto tl = TypyKolumn(db, QStringLiteral("lista"));
    const auto tp = TypyKolumn(db, QStringLiteral("pozycja"));
    sprawdzKolumny(f.kolumnyListy, tl, QStringLiteral("lista"), 5);
    sprawdzKolumny(f.kolumnyPozycji, tp, QStringLiteral("pozycja"), 7);
    f.wartosciListy = pola(r.CzytajRekord(n1 + 1), n1, 8);
    wartosci(f.kolumnyListy, f.wartosciListy, tl, 8);
    int nr = 9;
    while (auto linia = r.CzytajRekord(n2 + 1)) {
        if (linia->isEmpty() && r.koniec()) break;
        f.pozycje << pola(linia, n2, nr);
        wartosci(f.kolumnyPozycji, f.pozycje.last(), tp, nr);
        ++nr;
    }
    return f;
}

int ZaimportujListe(Database& db, const ListaZPliku& f) {
    const auto tl = TypyKolumn(db, QStringLiteral("lista"));
    const auto tp = TypyKolumn(db, QStringLiteral("pozycja"));
    Transakcja t(db);
    db.exec(wstaw(QStringLiteral("lista"), f.kolumnyListy),
            wartosci(f.kolumnyListy, f.wartosciListy, tl, 8));
    const int id = db.scalar(QStringLiteral("select last_insert_rowid()")).toInt();
    // The positions belong to the new list whatever list the file named.
    QStringList kolumny;
    int idlisty = -1;
    for (int i = 0; i < f.kolumnyPozycji.size(); ++i) {
        if (f.kolumnyPozycji[i].compare(u"idlisty", Qt::CaseInsensitive) == 0) idlisty = i;
        kolumny << f.kolumnyPozycji[i];
    }
    if (idlisty < 0) kolumny << QStringLiteral("idlisty");
    QSqlQuery q = db.prepare(wstaw(QStringLiteral("pozycja"), kolumny));
    int nr = 9;
    for (const QStringList& p : f.pozycje) {
        QVariantList v = wartosci(f.kolumnyPozycji, p, tp, nr++);
        if (idlisty >= 0)
            v[idlisty] = id;
        else
            v << id;
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v[i]);
        if (!q.exec())
            throw VexaError(
                QStringLiteral("Nie można dopisać pozycji listy (wiersz %1).").arg(nr - 1));
    }
    t.commit();
    return id;
}

} // namespace vexa
