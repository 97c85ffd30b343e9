#include "data/settings.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/transaction.h"

namespace vexa {

QString Odczyt(Database& db, const QString& key) {
    const QVariant v =
        db.scalar(QStringLiteral("select wartosc from dane where kod = ? order by kod"), {key});
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

void Zapis(Database& db, const QString& key, const QString& value) {
    Transakcja t(db);
    QSqlQuery q =
        db.exec(QStringLiteral("update dane set wartosc = ? where kod = ?"), {value, key});
    if (q.numRowsAffected() <= 0)
        db.exec(QStringLiteral("insert into dane (kod, wartosc) values (?, ?)"), {key, value});
    t.commit();
}

double OdczytSetne(Database& db, const QString& key) { return ZSetnych(Odczyt(db, key)); }

void ZapisSetne(Database& db, const QString& key, double value) {
    Zapis(db, key, DoSetnych(value));
}

bool HasloPoprawne(Database& db, const QString& typed) { return Odczyt(db, "HASLO") == typed; }

bool UstawieniaPotwierdzone(Database& db) { return Odczyt(db, "DANE") != QLatin1String("N"); }

} // namespace vexa
