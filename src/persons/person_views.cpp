#include "persons/person_views.h"

#include "data/database.h"

namespace vexa {

namespace {

// A name that is not there is bound as an empty text, never as null.
QString tekst(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

} // namespace

QList<PozycjaHistorii> HistoriaOsoby(Database& db, const QString& nazwisko, const QString& imie,
                                     const QString& imieojca) {
    // A month is written MM/YYYY, so the text alone would put December before the January of
    // the next year: the year orders first. A name stored empty and one not stored at all are
    // the same missing name.
    QSqlQuery q = db.exec(
        QStringLiteral(
            "select lista.id, lista.typ, lista.nr, lista.miesiacrok, pozycja.iloscdni, "
            "pozycja.zwnaleznpkwproc, pozycja.razem, pozycja.zaliczkapln, pozycja.rachunek, "
            "pozycja.zaliczkawaluta from pozycja, lista where (pozycja.idlisty = lista.id) and "
            "(ifnull(pozycja.nazwisko, '') = ?) and (ifnull(pozycja.imie, '') = ?) and "
            "(ifnull(pozycja.imieojca, '') = ?) "
            "order by substr(lista.miesiacrok, 4, 4) desc, substr(lista.miesiacrok, 1, 2) desc, "
            "lista.id desc, pozycja.id"),
        {tekst(nazwisko), tekst(imie), tekst(imieojca)});
    QList<PozycjaHistorii> out;
    while (q.next()) {
        PozycjaHistorii p;
        p.idlisty = q.value(0).toInt();
        p.typ = q.value(1).toString();
        p.nr = q.value(2).toString();
        p.miesiacrok = q.value(3).toString();
        if (!q.value(4).isNull()) p.iloscdni = q.value(4).toInt();
        p.zwnaleznpkwproc = q.value(5).toDouble();
        p.razem = q.value(6).toDouble();
        p.zaliczkapln = q.value(7).toDouble();
        p.rachunek = q.value(8).toDouble();
        p.zaliczkawaluta = q.value(9).toDouble();
        out.append(p);
    }
    return out;
}

QList<KodPocztowy> KodyPocztowe(Database& db) {
    QSqlQuery q = db.exec(QStringLiteral(
        "select kod, poczta, gmina, powiat, woj from kody_pocztowe order by kod, rowid"));
    QList<KodPocztowy> out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toString(), q.value(4).toString()});
    return out;
}

QStringList MiesiaceWyboru(const QDate& dzis) {
    const QDate first(dzis.year(), dzis.month(), 1);
    QStringList out;
    for (int i = -MIESIAC_BIEZACY_WYBORU; i <= 5; ++i)
        out << first.addMonths(i).toString(QStringLiteral("MM/yyyy"));
    return out;
}

QString WartoscPola(const Osoba& o, const QString& pole) {
    for (const auto& c : Osoba::kolumny()) {
        if (c.name.compare(pole, Qt::CaseInsensitive) != 0) continue;
        const QVariant v = c.get(o);
        return v.isNull() ? QString() : v.toString();
    }
    return QString();
}

} // namespace vexa
