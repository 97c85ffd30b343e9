#pragma once

#include "data/database.h"
#include "data/error.h"

#include <QDate>
#include <QSqlError>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

namespace vexa {

// One column of a table mapped onto a member of a plain struct: its name as in the database
// and how its value goes to and from a QVariant (null where the member has no value).
template <class S> struct Kolumna {
    QString name;
    std::function<QVariant(const S&)> get;
    std::function<void(S&, const QVariant&)> set;
};

namespace kolumna {

template <class S> Kolumna<S> tekst(const char* name, QString S::*m) {
    return {QString::fromLatin1(name), [m](const S& s) { return QVariant(s.*m); },
            [m](S& s, const QVariant& v) { s.*m = v.isNull() ? QString() : v.toString(); }};
}
template <class S> Kolumna<S> liczba(const char* name, double S::*m) {
    return {QString::fromLatin1(name), [m](const S& s) { return QVariant(s.*m); },
            [m](S& s, const QVariant& v) { s.*m = v.isNull() ? 0.0 : v.toDouble(); }};
}
template <class S> Kolumna<S> calkowita(const char* name, int S::*m) {
    return {QString::fromLatin1(name), [m](const S& s) { return QVariant(s.*m); },
            [m](S& s, const QVariant& v) { s.*m = v.isNull() ? 0 : v.toInt(); }};
}
template <class S> Kolumna<S> dni(const char* name, std::optional<int> S::*m) {
    return {QString::fromLatin1(name),
            [m](const S& s) {
                return (s.*m).has_value() ? QVariant(*(s.*m)) : QVariant(QMetaType(QMetaType::Int));
            },
            [m](S& s, const QVariant& v) {
                s.*m = v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
            }};
}
template <class S> Kolumna<S> data(const char* name, QDate S::*m) {
    return {QString::fromLatin1(name),
            [m](const S& s) {
                return (s.*m).isValid() ? QVariant((s.*m).toString(Qt::ISODate))
                                        : QVariant(QMetaType(QMetaType::QString));
            },
            [m](S& s, const QVariant& v) {
                s.*m = v.isNull() ? QDate() : QDate::fromString(v.toString().left(10), Qt::ISODate);
            }};
}

} // namespace kolumna

// Fills a struct from a query's current record by column name; columns the record lacks keep
// their defaults.
template <class S> void WczytajRekord(S& s, const QSqlRecord& r, const QList<Kolumna<S>>& cols) {
    for (const Kolumna<S>& c : cols) {
        const int i = r.indexOf(c.name);
        if (i >= 0)
            c.set(s, r.value(i));
    }
}

// Reads every remaining row of a query into structs; the columns are looked up by name once.
template <class S> QList<S> WczytajWszystkie(QSqlQuery& q, const QList<Kolumna<S>>& cols) {
    QList<S> out;
    QList<QPair<int, const Kolumna<S>*>> map;
    bool mapped = false;
    while (q.next()) {
        if (!mapped) {
            const QSqlRecord r = q.record();
            for (const Kolumna<S>& c : cols)
                if (const int i = r.indexOf(c.name); i >= 0)
                    map.append({i, &c});
            mapped = true;
        }
        S s;
        for (const auto& [i, c] : map)
            c->set(s, q.value(i));
        out.append(std::move(s));
    }
    return out;
}

// Writes rows of one table from structs through one prepared statement, so a run of many
// rows costs one parse. Insert skips the key "id" (the database assigns it) and returns the
// new key; update writes every other column of the row with the struct's id.
template <class S> class ZapisRekordow {
public:
    enum Tryb { Wstaw, Zmien };
    ZapisRekordow(Database& db, const QString& table, const QList<Kolumna<S>>& cols, Tryb tryb)
        : m_cols(cols), m_tryb(tryb) {
        QStringList names, marks;
        for (const Kolumna<S>& c : cols) {
            if (c.name == QLatin1String("id"))
                continue;
            names << c.name;
            marks << (tryb == Wstaw ? QStringLiteral("?") : c.name + QStringLiteral(" = ?"));
        }
        const QString sql =
            tryb == Wstaw
                ? QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, names.join(u','), marks.join(u','))
                : QStringLiteral("update %1 set %2 where id = ?").arg(table, marks.join(u','));
        m_query = db.prepare(sql);
    }

    int zapisz(const S& s, int id = 0) {
        for (const Kolumna<S>& c : m_cols)
            if (c.name != QLatin1String("id"))
                m_query.addBindValue(c.get(s));
        if (m_tryb == Zmien)
            m_query.addBindValue(id);
        if (!m_query.exec())
            throw VexaError(QStringLiteral("Błąd bazy danych.\r") + m_query.lastError().text());
        return m_tryb == Wstaw ? m_query.lastInsertId().toInt() : id;
    }

private:
    const QList<Kolumna<S>>& m_cols;
    Tryb m_tryb;
    QSqlQuery m_query;
};

} // namespace vexa
