#include "unit/banks.h"

#include "data/database.h"
#include "data/transaction.h"
#include "data/validators.h"

namespace vexa {

namespace {

// Characters 3 to 10 of the account without blanks: the eight digits of the sort code.
QString prefiks(const QString& rachunek) {
    return BezSpacji(rachunek).mid(2, 8);
}

} // namespace

QString NazwaBanku(Database& db, const QString& rachunek) {
    const QString p = prefiks(rachunek);
    if (p.size() != 8) return QString();
    const QVariant v =
        db.scalar(QStringLiteral("select nazwa from bank where prefiks = ? order by rowid"), {p});
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

void ZapamietajBank(Database& db, const QString& rachunek, const QString& nazwa) {
    if (BezSpacji(rachunek).size() != 26 || nazwa.trimmed().isEmpty()) return;
    const QString p = prefiks(rachunek);
    Transakcja t(db);
    QSqlQuery q =
        db.exec(QStringLiteral("update bank set nazwa = ? where prefiks = ?"), {nazwa, p});
    if (q.numRowsAffected() <= 0)
        db.exec(QStringLiteral("insert into bank (prefiks, nazwa) values (?, ?)"), {p, nazwa});
    t.commit();
}

QString BankDlaRachunku(Database& db, const QString& rachunek, const QString& bank) {
    if (!bank.trimmed().isEmpty()) return bank;
    const QString znany = NazwaBanku(db, rachunek);
    return znany.isEmpty() ? bank : znany;
}

} // namespace vexa
