#include "persons/days_off.h"

#include "data/database.h"

#include <QHash>

namespace vexa {

namespace {

struct Miesiac {
    QDate first, last;
    bool valid() const { return first.isValid(); }
};

// "MM/YYYY": month in characters 1-2, year in 4-7.
Miesiac miesiac(const QString& miesiacrok) {
    const int m = miesiacrok.mid(0, 2).toInt();
    const int y = miesiacrok.mid(3, 4).toInt();
    const QDate first(y, m, 1);
    if (!first.isValid())
        return {};
    return {first, QDate(y, m, first.daysInMonth())};
}

// The part of the range inside the month; false when the range does not touch it.
bool clip(const DzienWolny& d, const Miesiac& m, QDate& from, QDate& to) {
    if (!d.od.isValid() || !d.do_.isValid() || d.od > d.do_)
        return false;
    if (d.do_ < m.first || d.od > m.last)
        return false;
    // A range running past both ends of the month covers all of it.
    from = qMax(d.od, m.first);
    to = qMin(d.do_, m.last);
    return true;
}

QList<DzienWolny> read(QSqlQuery& q) { return WczytajWszystkie(q, DzienWolny::kolumny()); }

} // namespace

int DniWolneWMiesiacu(const QList<DzienWolny>& zakresy, const QString& miesiacrok,
                      const QString& typ) {
    const Miesiac m = miesiac(miesiacrok);
    if (!m.valid())
        return 0;
    int days = 0;
    QDate from, to;
    for (const DzienWolny& d : zakresy)
        if (d.typ.compare(typ, Qt::CaseInsensitive) == 0 && clip(d, m, from, to))
            days += int(from.daysTo(to)) + 1;
    return days;
}

int DniWolneWMiesiacu(Database& db, const QString& pesel, const QString& miesiacrok,
                      const QString& typ) {
    return DniWolneWMiesiacu(DniWolneOsoby(db, pesel), miesiacrok, typ);
}

QString OpisDniWolnych(const QList<DzienWolny>& zakresy, const QString& miesiacrok) {
    const Miesiac m = miesiac(miesiacrok);
    if (!m.valid())
        return {};
    QString text;
    QDate from, to;
    for (const DzienWolny& d : zakresy)
        if (clip(d, m, from, to))
            text += QStringLiteral("%1:%2-%3/%4 ").arg(d.typ).arg(from.day()).arg(to.day()).arg(
                d.rozkaz);
    return text;
}

QString OpisDniWolnych(Database& db, const QString& pesel, const QString& miesiacrok) {
    return OpisDniWolnych(DniWolneOsoby(db, pesel), miesiacrok);
}

QList<DzienWolny> DniWolneOsoby(Database& db, const QString& pesel) {
    QSqlQuery q = db.exec(QStringLiteral("select * from dni_wolne where pesel = ? order by od"),
                          {pesel});
    return read(q);
}

QHash<QString, QList<DzienWolny>> DniWolneWMiesiacuWszystkich(Database& db,
                                                              const QString& miesiacrok) {
    QHash<QString, QList<DzienWolny>> out;
    const Miesiac m = miesiac(miesiacrok);
    if (!m.valid())
        return out;
    QSqlQuery q = db.exec(
        QStringLiteral("select * from dni_wolne where od <= ? and do >= ? order by pesel, od"),
        {DataDoBazy(m.last), DataDoBazy(m.first)});
    for (const DzienWolny& d : read(q))
        out[d.pesel] << d;
    return out;
}

QList<DzienWolnyWiersz> DniWolneDoEdycji(Database& db, const QString& pesel) {
    QSqlQuery q = db.exec(
        QStringLiteral("select rowid as wiersz, * from dni_wolne where pesel = ? order by od desc"),
        {pesel});
    QList<DzienWolnyWiersz> out;
    while (q.next()) {
        DzienWolnyWiersz w;
        w.rowid = q.value(0).toLongLong();
        WczytajRekord(w.dane, q.record(), DzienWolny::kolumny());
        out << w;
    }
    return out;
}

qint64 DopiszDzienWolny(Database& db, const DzienWolny& d) {
    QSqlQuery q = db.exec(
        QStringLiteral("insert into dni_wolne (pesel, typ, od, do, rozkaz) values (?, ?, ?, ?, ?)"),
        {d.pesel, d.typ, DataDoBazy(d.od), DataDoBazy(d.do_), d.rozkaz});
    return q.lastInsertId().toLongLong();
}

void ZmienDzienWolny(Database& db, qint64 rowid, const DzienWolny& d) {
    db.exec(QStringLiteral(
                "update dni_wolne set pesel = ?, typ = ?, od = ?, do = ?, rozkaz = ? where rowid = ?"),
            {d.pesel, d.typ, DataDoBazy(d.od), DataDoBazy(d.do_), d.rozkaz, rowid});
}

void UsunDzienWolny(Database& db, qint64 rowid) {
    db.exec(QStringLiteral("delete from dni_wolne where rowid = ?"), {rowid});
}

QStringList DniWolneBezOsoby(Database& db) {
    QSqlQuery q =
        db.exec(QStringLiteral("select rowid, pesel, typ, od, do from dni_wolne d where not exists "
                               "(select 1 from osoba o where o.pesel = d.pesel) order by rowid"));
    QStringList lines;
    while (q.next())
        lines << QStringLiteral("Dni wolne (wiersz %1, PESEL „%2”, typ %3, od %4 do %5): brak "
                                "osoby o tym numerze PESEL.")
                     .arg(q.value(0).toLongLong())
                     .arg(q.value(1).toString(), q.value(2).toString(),
                          DataZBazy(q.value(3)).toString(Qt::ISODate),
                          DataZBazy(q.value(4)).toString(Qt::ISODate));
    return lines;
}

} // namespace vexa
