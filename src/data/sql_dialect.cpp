#include "data/sql_dialect.h"

#include "data/error.h"

#include <QDate>
#include <QRegularExpression>

namespace vexa {

namespace {

bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Index just past the quoted text that starts at `i` (a ' or " character); doubled quotes
// inside stay part of the text. An unterminated quote runs to the end.
qsizetype skipQuoted(const QString& s, qsizetype i) {
    const QChar q = s[i];
    ++i;
    while (i < s.size()) {
        if (s[i] == q) {
            if (i + 1 < s.size() && s[i + 1] == q) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

qsizetype skipSpaces(const QString& s, qsizetype i) {
    while (i < s.size() && s[i].isSpace())
        ++i;
    return i;
}

// Arguments of a call whose "(" is at `open`: split at top-level commas, up to the matching
// ")". Returns the index just past ")", or -1 when the parentheses do not close.
qsizetype splitArguments(const QString& s, qsizetype open, QStringList& args) {
    int depth = 0;
    qsizetype start = open + 1;
    for (qsizetype i = open; i < s.size();) {
        const QChar c = s[i];
        if (c == u'\'' || c == u'"') {
            i = skipQuoted(s, i);
            continue;
        }
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth == 0) {
                args << s.mid(start, i - start);
                return i + 1;
            }
        } else if (c == u',' && depth == 1) {
            args << s.mid(start, i - start);
            start = i + 1;
        }
        ++i;
    }
    return -1;
}

QString translateCall(const QString& name, const QStringList& rawArgs, bool& ok) {
    QStringList a;
    for (const QString& arg : rawArgs)
        a << NaSqlite(arg).trimmed();
    ok = true;
    if (name == u"left" && a.size() == 2)
        return QStringLiteral("substr(%1,1,%2)").arg(a[0], a[1]);
    if (name == u"right" && a.size() == 2)
        return QStringLiteral("substr(%1,-(%2))").arg(a[0], a[1]);
    if (name == u"isnull" && a.size() == 1)
        return QStringLiteral("(%1 is null)").arg(a[0]);
    ok = false;
    return {};
}

// "alter table T add C type": Access type names become SQLite declarations whose affinity
// and collation match the shipped schema.
QString translateAlterAdd(const QString& sql) {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*alter\s+table\s+(\w+)\s+add\s+(?:column\s+)?(\w+)\s+(.+?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(sql);
    if (!m.hasMatch())
        return {};
    const QString type = m.captured(3).toLower().remove(u' ');
    QString decl;
    static const QRegularExpression textN(QStringLiteral(R"(^(?:char|text|varchar)\((\d+)\)$)"));
    if (const auto t = textN.match(type); t.hasMatch())
        decl = QStringLiteral("VARCHAR(%1) COLLATE PL").arg(t.captured(1));
    else if (type == u"memo" || type == u"text" || type == u"longtext" || type == u"char")
        decl = QStringLiteral("TEXT COLLATE PL");
    else if (type == u"double" || type == u"float" || type == u"real" || type == u"single" ||
             type == u"currency")
        decl = QStringLiteral("DOUBLE");
    else if (type == u"integer" || type == u"long" || type == u"int" || type == u"smallint" ||
             type == u"byte" || type == u"counter")
        decl = QStringLiteral("INTEGER");
    else if (type == u"date" || type == u"datetime")
        decl = QStringLiteral("DATE");
    else
        return {};
    return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(m.captured(1), m.captured(2), decl);
}

} // namespace

QString DataLiteralNaIso(const QString& body) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})\s*$)"));
    const auto m = re.match(body);
    if (m.hasMatch()) {
        const int month = m.captured(1).toInt();
        const int day = m.captured(2).toInt();
        const int year = m.captured(3).toInt();
        if (month == 0 && day == 0 && year == 0)
            return QStringLiteral("1899-12-31");
        const QDate d(year, month, day);
        if (d.isValid())
            return d.toString(Qt::ISODate);
    }
    throw VexaError(QStringLiteral("Niepoprawna data w warunku zapytania: „%1”.").arg(body));
}

QString NaSqlite(const QString& sql) {
    if (const QString alter = translateAlterAdd(sql); !alter.isEmpty())
        return alter;

    QString out;
    out.reserve(sql.size() + 16);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype end = skipQuoted(sql, i);
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'#') {
            const qsizetype close = sql.indexOf(u'#', i + 1);
            if (close < 0)
                throw VexaError(QStringLiteral("Niezamknięta data w warunku zapytania."));
            out += u'\'' + DataLiteralNaIso(sql.mid(i + 1, close - i - 1)) + u'\'';
            i = close + 1;
            continue;
        }
        if (c.isLetter() || c == u'_') {
            qsizetype end = i;
            while (end < sql.size() && isIdentChar(sql[end]))
                ++end;
            const QString word = sql.mid(i, end - i);
            const QString lower = word.toLower();
            const bool qualified = i > 0 && sql[i - 1] == u'.';
            if (!qualified && (lower == u"left" || lower == u"right" || lower == u"isnull")) {
                const qsizetype open = skipSpaces(sql, end);
                if (open < sql.size() && sql[open] == u'(') {
                    QStringList args;
                    const qsizetype after = splitArguments(sql, open, args);
                    if (after > 0) {
                        bool ok = false;
                        const QString call = translateCall(lower, args, ok);
                        if (ok) {
                            out += call;
                            i = after;
                            continue;
                        }
                    }
                }
            }
            out += word;
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace vexa
