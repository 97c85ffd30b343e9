#include "data/integrity.h"

#include "data/database.h"
#include "data/sql_functions.h"

#include <QFile>
#include <sqlite3.h>

namespace vexa {

namespace {

// The rows of an integrity pragma: a single "ok" means no problem. An error of the pragma
// itself (a damaged header, a file that is not a database) is a problem too.
QStringList pragmaProblems(sqlite3* handle, const char* pragma) {
    if (!handle) return {QStringLiteral("Baza danych nie jest otwarta.")};
    sqlite3_stmt* st = nullptr;
    QStringList rows;
    int rc = sqlite3_prepare_v2(handle, pragma, -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    }
    if (rc != SQLITE_DONE) rows << QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(st);
    if (rows == QStringList{QStringLiteral("ok")}) return {};
    if (rows.isEmpty()) rows << QStringLiteral("brak wyniku kontroli");
    return rows;
}

} // namespace

QStringList BledyIntegralnosci(Database& db) {
    return pragmaProblems(db.handle(), "PRAGMA integrity_check");
}

QStringList BledySzybkiejKontroli(const QString& path) {
    sqlite3* handle = nullptr;
    QStringList problems;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                                   SQLITE_OPEN_READONLY, nullptr);
    QString error;
    if (rc != SQLITE_OK)
        problems << QString::fromUtf8(handle ? sqlite3_errmsg(handle) : "sqlite3_open_v2");
    else if (!ZarejestrujFunkcjeSql(handle, &error))
        problems << error;
    else
        problems = pragmaProblems(handle, "PRAGMA quick_check");
    sqlite3_close(handle);
    return problems;
}

} // namespace vexa
