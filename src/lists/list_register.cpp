#include "lists/list_register.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/validators.h"

namespace vexa {

namespace {

QString quoted(const QString& v) {
    return u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString pair(bool first, bool second, const char* a, const char* b) {
    if (first && !second)
        return QString::fromLatin1(a);
    if (second && !first)
        return QString::fromLatin1(b);
    return QStringLiteral("(true)");
}

} // namespace

WarunkiRejestru Warunki(const FiltrRejestru& f) {
    WarunkiRejestru w;
    w.status = pair(f.otwarte, f.zamkniete, "(status='O')", "(status='Z')");
    w.typ = pair(f.pelne, f.dodatkowe, "(typ='P')", "(typ='D')");
    w.rodzaj = pair(f.zolnierze, f.cywile, "(zp='Z')", "(zp='P')");
    if (f.pkw == GRUPA) {
        QStringList codes;
        for (const QString& c : f.mpkw)
            if (!c.isEmpty())
                codes << quoted(c);
        // A group without codes would be invalid SQL; it shows no lists.
        w.pkw = codes.isEmpty() ? QStringLiteral("(false)")
                                : QStringLiteral("(skrotpkw in (%1))").arg(codes.join(u','));
    } else if (f.pkw != WSZYSTKIE) {
        w.pkw = QStringLiteral("(skrotpkw=%1)").arg(quoted(f.pkw));
    }
    if (f.rok.size() == 4)
        w.rok = QStringLiteral("(right(miesiacrok,4)=%1)").arg(quoted(f.rok));
    else if (f.rok.size() == 9)
        w.rok = QStringLiteral("(right(miesiacrok,4)>=%1) and (right(miesiacrok,4)<=%2)")
                    .arg(quoted(f.rok.left(4)), quoted(f.rok.mid(5, 4)));
    if (f.miesiac > 0)
        w.miesiac =
            QStringLiteral("(left(miesiacrok,2)='%1')").arg(f.miesiac, 2, 10, QChar('0'));
    return w;
}

QString ZapytanieRejestru(const FiltrRejestru& f) {
    const WarunkiRejestru w = Warunki(f);
    const QString sort = TypKolumnyListy(f.sort) ? f.sort : QStringLiteral("miesiacrok");
    return QStringLiteral("select * from lista where %1 and %2 and %3 and %4 and %5 and %6 and "
                          "(%7) order by %8")
        .arg(w.miesiac, w.rok, w.pkw, w.status, w.typ, w.rodzaj, f.filtr, sort);
}

QList<Lista> Rejestr(Database& db, const FiltrRejestru& f) {
    QSqlQuery q = db.exec(ZapytanieRejestru(f));
    return WczytajWszystkie(q, Lista::kolumny());
}

QStringList KodyPkw(Database& db) {
    QSqlQuery q = db.exec(QStringLiteral("select skrotpkw, count(*) from lista group by skrotpkw"));
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

int TypKolumnyListy(const QString& field) {
    static const QStringList numbers{"id",        "uposazenie",     "zwnaleznmon",
                                     "dodatekwojenny", "dodatekwojenny2", "dodatekwojenny3",
                                     "rozm",      "srhigienym",     "srhigienyk",
                                     "podatekproc", "podatek_kurs", "podatek_dieta",
                                     "kurszaliczki", "kursrach",    "razem",
                                     "zaliczka",  "zaliczkawaluta", "rachunek",
                                     "skladkizus", "innezmniejszenia", "iloscpozycji"};
    const QString f = field.toLower();
    if (f == QLatin1String("datawykonania"))
        return TYP_DATA;
    if (numbers.contains(f))
        return TYP_LICZBA;
    for (const auto& c : Lista::kolumny())
        if (c.name == f)
            return TYP_TEKST;
    return 0;
}

QString WarunekFiltruListy(const QString& field, const QVariant& value, int type) {
    if (type == TYP_DATA) {
        const QDate d = DataZBazy(value);
        return QStringLiteral("(%1=#%2#)").arg(field, DataNaSql(d));
    }
    if (type == TYP_LICZBA)
        return QStringLiteral("(%1=%2)").arg(field, QString::number(value.toDouble(), 'g', 17));
    return QStringLiteral("(%1=%2)").arg(field, quoted(value.toString()));
}

std::optional<QString> TekstRoku(int wybor, int od, int do_) {
    if (wybor == 0)
        return WSZYSTKIE;
    if (wybor == 1 || od == do_)
        return QString::number(od);
    if (do_ < od)
        return std::nullopt;
    return QStringLiteral("%1-%2").arg(od).arg(do_);
}

QString TekstPkw(const QStringList& wszystkie, const QStringList& zaznaczone, QStringList& grupa) {
    grupa = zaznaczone;
    if (!wszystkie.isEmpty() && zaznaczone.size() == wszystkie.size())
        return WSZYSTKIE;
    if (zaznaczone.size() == 1)
        return zaznaczone.first();
    return GRUPA;
}

int LiczbaZaznaczonychList(Database& db) {
    return db.scalar(QStringLiteral("select count(*) from lista where zaz = ?"),
                     {QString(ZAZ_ZAZNACZONY)})
        .toInt();
}

void OdznaczWszystkieListy(Database& db) {
    db.exec(QStringLiteral("update lista set zaz = ?"), {QString(ZAZ_NIEZAZNACZONY)});
}

void PrzelaczZaznaczenieListy(Database& db, int id) {
    db.exec(QStringLiteral("update lista set zaz = case when zaz = ? then ? else ? end where id = ?"),
            {QString(ZAZ_NIEZAZNACZONY), QString(ZAZ_ZAZNACZONY), QString(ZAZ_NIEZAZNACZONY), id});
}

} // namespace vexa
