#include "data/sql_functions.h"

#include <QCollator>
#include <QDate>
#include <QLocale>
#include <sqlite3.h>

namespace vexa {

namespace {

const QCollator& polishCollator() {
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Polish, QLocale::Poland));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return collator;
}

int collatePL(void*, int lenA, const void* a, int lenB, const void* b) {
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), lenA);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), lenB);
    return PorownajPL(sa, sb);
}

QString textArg(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(p, sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& s) {
    const QByteArray u = s.toUtf8();
    sqlite3_result_text(ctx, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

// year(date): the year of a stored date ('YYYY-MM-DD', with or without a time); null for
// null or a text that is not a date.
void fnYear(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = textArg(argv[0]).trimmed();
    const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    if (!d.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int(ctx, d.year());
}

void fnUpper(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toUpper());
}

void fnLower(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toLower());
}

// LIKE with % and _ over case-folded texts, so "ł%" finds "ŁUKASZ".
bool likeMatch(QStringView p, QStringView s, QChar esc) {
    qsizetype pi = 0, si = 0, starP = -1, starS = 0;
    while (si < s.size()) {
        if (pi < p.size()) {
            QChar pc = p[pi];
            bool literal = false;
            if (!esc.isNull() && pc == esc && pi + 1 < p.size()) {
                pc = p[pi + 1];
                literal = true;
            }
            if (!literal && pc == u'%') {
                starP = pi++;
                starS = si;
                continue;
            }
            if ((!literal && pc == u'_') || pc == s[si]) {
                pi += literal ? 2 : 1;
                ++si;
                continue;
            }
        }
        if (starP < 0)
            return false;
        pi = starP + 1;
        si = ++starS;
    }
    while (pi < p.size() && p[pi] == u'%')
        ++pi;
    return pi == p.size();
}

void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    QChar esc;
    if (argc == 3) {
        const QString e = textArg(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        esc = e[0].toCaseFolded();
    }
    const QString pattern = textArg(argv[0]).toCaseFolded();
    const QString value = textArg(argv[1]).toCaseFolded();
    sqlite3_result_int(ctx, likeMatch(pattern, value, esc) ? 1 : 0);
}

} // namespace

int PorownajPL(const QString& a, const QString& b) {
    const int r = polishCollator().compare(a, b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool ZarejestrujFunkcjeSql(sqlite3* db, QString* error) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_collation(db, "PL", SQLITE_UTF8, nullptr, collatePL);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "year", 1, flags, nullptr, fnYear, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "upper", 1, flags, nullptr, fnUpper, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "lower", 1, flags, nullptr, fnLower, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 2, flags, nullptr, fnLike, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 3, flags, nullptr, fnLike, nullptr, nullptr);
    if (rc != SQLITE_OK && error)
        *error = QString::fromUtf8(sqlite3_errmsg(db));
    return rc == SQLITE_OK;
}

} // namespace vexa
