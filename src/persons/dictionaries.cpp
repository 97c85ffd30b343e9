#include "persons/dictionaries.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/messages.h"

namespace vexa {

const OpisSlownika& opisSlownika(Slownik s) {
    static const OpisSlownika pododdzialy{
        QStringLiteral("pododdzial"),
        QStringLiteral("id"),
        QStringLiteral("epodskrot"),
        QStringLiteral("epodnazwa"),
        QStringLiteral("Proszę wpisać skrót pododdziału!"),
        QStringLiteral("Proszę wpisać nazwę pododdziału!"),
    };
    static const OpisSlownika stopnie{
        QStringLiteral("ste"),
        QStringLiteral("nazwa"),
        QStringLiteral("esteskrot"),
        QStringLiteral("estenazwa"),
        QStringLiteral("Proszę wpisać skrót stopnia etatowego!"),
        QStringLiteral("Proszę wpisać nazwę stopnia etatowego!"),
    };
    return s == Slownik::Pododdzialy ? pododdzialy : stopnie;
}

QList<PozycjaSlownika> PozycjeSlownika(Database& db, Slownik s) {
    const OpisSlownika& o = opisSlownika(s);
    // Rows of equal names keep the order in which they were added.
    QSqlQuery q = db.exec(QStringLiteral("select id, skrot, nazwa from %1 order by %2, id")
                              .arg(o.tabela, o.porzadek));
    QList<PozycjaSlownika> out;
    while (q.next())
        out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
    return out;
}

std::optional<BladSlownika> SprawdzPozycje(Slownik s, const PozycjaSlownika& p) {
    const OpisSlownika& o = opisSlownika(s);
    if (p.skrot.trimmed().isEmpty()) return BladSlownika{o.brakSkrotu, o.poleSkrotu};
    if (p.nazwa.trimmed().isEmpty()) return BladSlownika{o.brakNazwy, o.poleNazwy};
    // Short names and names go to persons, lists and their files, all Windows-1250.
    const struct {
        const QString& tekst;
        const QString& pole;
        const char* etykieta;
    } pola[] = {{p.skrot, o.poleSkrotu, "SKRÓT"}, {p.nazwa, o.poleNazwy, "NAZWA"}};
    for (const auto& f : pola) {
        const QString znak = ZnakSpozaCp1250(f.tekst);
        if (!znak.isEmpty())
            return BladSlownika{OpisZnakuSpozaCp1250(znak, QStringLiteral("Pole: ") +
                                                               QString::fromUtf8(f.etykieta)),
                                f.pole};
    }
    return std::nullopt;
}

int ZapiszPozycje(Database& db, Slownik s, const PozycjaSlownika& p, BladSlownika* blad) {
    if (const auto b = SprawdzPozycje(s, p)) {
        if (blad) *blad = *b;
        return 0;
    }
    const OpisSlownika& o = opisSlownika(s);
    if (p.id != 0) {
        db.exec(QStringLiteral("update %1 set skrot = ?, nazwa = ? where id = ?").arg(o.tabela),
                {p.skrot, p.nazwa, p.id});
        return p.id;
    }
    QSqlQuery q =
        s == Slownik::Stopnie
            ? db.exec(QStringLiteral("insert into ste (skrot, nazwa, mnoznik) values (?, ?, 0)"),
                      {p.skrot, p.nazwa})
            : db.exec(QStringLiteral("insert into pododdzial (skrot, nazwa) values (?, ?)"),
                      {p.skrot, p.nazwa});
    return q.lastInsertId().toInt();
}

QString PytanieUsuniecia(const PozycjaSlownika& p) {
    return QStringLiteral("Czy jesteś pewien, że chcesz usunąć pozycję ze słownika?\r\rPozycja: ") +
           p.nazwa;
}

bool UsunPozycje(Database& db, Messages& messages, Slownik s, const PozycjaSlownika& p) {
    if (p.id == 0) return false;
    if (messages.Komunikat(KOMUNIKAT_PYTANIE, PytanieUsuniecia(p)) != TAK) return false;
    db.exec(QStringLiteral("delete from %1 where id = ?").arg(opisSlownika(s).tabela), {p.id});
    return true;
}

} // namespace vexa
