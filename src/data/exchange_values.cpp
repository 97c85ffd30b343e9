#include "data/exchange_values.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/validators.h"

#include <QSqlQuery>
#include <cmath>

namespace vexa {

namespace {

TypKolumny typZDeklaracji(const QString& decl) {
    const QString t = decl.toUpper();
    if (t.startsWith(u"DATE") || t.startsWith(u"TIME")) return TypKolumny::Data;
    if (t.contains(u"DOUBLE") || t.contains(u"REAL") || t.contains(u"FLOAT") ||
        t.contains(u"CURRENCY") || t.contains(u"NUMERIC") || t.contains(u"DECIMAL"))
        return TypKolumny::Liczba;
    if (t.contains(u"INT") || t.contains(u"LONG") || t.contains(u"BYTE") || t.contains(u"BIT"))
        return TypKolumny::Calkowita;
    return TypKolumny::Tekst;
}

// MAKS_LICZBA_PLIKU in millionths, the most a number of a file may hold.
constexpr qlonglong kMaksMilionowych = 9'200'000'000'000'000'000LL;

} // namespace

bool LiczbaMiesciSieWPliku(double x) {
    return std::isfinite(x) && std::fabs(x) <= MAKS_LICZBA_PLIKU;
}

QStringList WierszDoPliku(const std::function<QVariant(const QString&)>& wartosc,
                          const QList<KolumnaTabeli>& kolumny, const QString& wiersz) {
    QStringList out;
    for (const KolumnaTabeli& c : kolumny) {
        const QVariant v = wartosc(c.nazwa);
        const QString gdzie = wiersz + QStringLiteral(", kolumna „") + c.nazwa + QStringLiteral("”.");
        if (c.typ == TypKolumny::Liczba && !LiczbaMiesciSieWPliku(v.toDouble()))
            throw VexaError(QStringLiteral("Liczby „%1” nie można zapisać w pliku: plik mieści "
                                           "liczby od -9200000000000 do 9200000000000.\r\r")
                                .arg(v.toString()) +
                            gdzie);
        const QString tekst = WartoscDoPliku(v, c.typ);
        SprawdzCp1250(tekst, gdzie);
        out << tekst;
    }
    return out;
}

// "names or values" line: each field followed by a TAB, then "#" and a TAB.
QString LiniaPol(const QStringList& pola) {
    QString out;
    for (const QString& p : pola)
        out += p + u'\t';
    return out + QStringLiteral("#\t");
}

QList<KolumnaTabeli> KolumnyTabeli(Database& db, const QString& tabela) {
    QList<KolumnaTabeli> out;
    QSqlQuery q = db.exec(
        QStringLiteral("select name, type from pragma_table_info(?) order by cid"), {tabela});
    while (q.next())
        out << KolumnaTabeli{q.value(0).toString(), typZDeklaracji(q.value(1).toString())};
    return out;
}

QString WartoscDoPliku(const QVariant& v, TypKolumny typ) {
    switch (typ) {
    case TypKolumny::Tekst:
        return BezTabulatorow(v.isNull() ? QString() : v.toString());
    case TypKolumny::Data:
        return DataNaTekst(DataZBazy(v));
    case TypKolumny::Liczba: {
        const double x = v.toDouble();
        if (!LiczbaMiesciSieWPliku(x)) return QString();
        return QString::number(std::llrint(x * 1000000.0));
    }
    case TypKolumny::Calkowita:
        return QString::number(v.toLongLong());
    }
    return QString();
}

QVariant WartoscZPliku(const QString& tekst, TypKolumny typ, bool* ok) {
    *ok = true;
    const QString t = tekst.trimmed();
    switch (typ) {
    case TypKolumny::Tekst:
        return t;
    case TypKolumny::Data:
        try {
            // Files write no date before 1900 but the empty one ("00.00.0000"): an earlier
            // year could not be written back, so it marks a damaged file.
            const QDate d = DataZTekstu(t);
            if (d.year() < 1900 && t != u"00.00.0000") throw VexaError(t);
            return DataDoBazy(d);
        } catch (const VexaError&) {
            *ok = false;
            return {};
        }
    case TypKolumny::Liczba: {
        const qlonglong n = t.toLongLong(ok);
        // Beyond the limit a writer never goes: a damaged file, or one whose number wrapped.
        if (*ok && (n > kMaksMilionowych || n < -kMaksMilionowych)) *ok = false;
        return *ok ? QVariant(double(n) / 1000000.0) : QVariant();
    }
    case TypKolumny::Calkowita: {
        const qlonglong n = t.toLongLong(ok);
        return *ok ? QVariant(n) : QVariant();
    }
    }
    return {};
}

QHash<QString, TypKolumny> TypyKolumn(Database& db, const QString& tabela) {
    QHash<QString, TypKolumny> t;
    for (const KolumnaTabeli& k : KolumnyTabeli(db, tabela))
        t.insert(k.nazwa.toLower(), k.typ);
    return t;
}

void BladPlikuWymiany(const QString& rodzaj, int linia, const QString& opis) {
    throw VexaError(
        QStringLiteral("%1 jest uszkodzony.\r\rWiersz %2: %3").arg(rodzaj).arg(linia).arg(opis));
}

QStringList PolaWiersza(const QString& linia, int n, const QString& rodzaj, int nr) {
    const PolaTab p(linia);
    if (p.liczba() < n + 1 || p[n + 1] != u"#")
        BladPlikuWymiany(
            rodzaj, nr,
            QStringLiteral("wiersz ma inną liczbę pól niż %1 (plik jest niekompletny).").arg(n));
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << p[i];
    return out;
}

QVariantList WartosciWiersza(const QStringList& kolumny, const QStringList& teksty,
                             const QHash<QString, TypKolumny>& typy, const QString& rodzaj,
                             int nr) {
    QVariantList out;
    for (int i = 0; i < kolumny.size(); ++i) {
        bool ok = false;
        out << WartoscZPliku(teksty.value(i), typy.value(kolumny[i].toLower()), &ok);
        if (!ok)
            BladPlikuWymiany(rodzaj, nr,
                             QStringLiteral("niepoprawna wartość „%1” w kolumnie %2.")
                                 .arg(teksty.value(i), kolumny[i]));
    }
    return out;
}

} // namespace vexa
