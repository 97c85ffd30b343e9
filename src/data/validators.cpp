#include "data/validators.h"

#include "data/error.h"

namespace vexa {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitAt(const QString& t, qsizetype i) {
    return t.at(i).unicode() - u'0';
}

bool allAsciiDigits(QStringView t) {
    for (QChar c : t)
        if (!isAsciiDigit(c)) return false;
    return true;
}

// The value of a run of ASCII digits, or -1 when any character is not one.
int digitsValue(QStringView t) {
    if (t.isEmpty() || !allAsciiDigits(t)) return -1;
    int v = 0;
    for (QChar c : t)
        v = v * 10 + (c.unicode() - u'0');
    return v;
}

QString twoDigits(int v) {
    return QString::number(v).rightJustified(2, u'0');
}

QString fourDigits(int v) {
    return QString::number(v).rightJustified(4, u'0');
}

// Trims characters up to U+0020 (blanks and control characters) from both ends.
QString trimLow(QStringView t) {
    qsizetype b = 0;
    qsizetype e = t.size();
    while (b < e && t.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && t.at(e - 1).unicode() <= 0x20)
        --e;
    return t.mid(b, e - b).toString();
}

} // namespace

bool CzyPesel(const QString& t) {
    if (t.size() != 11 || !allAsciiDigits(t)) return false;
    static constexpr int weights[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += digitAt(t, i) * weights[i];
    return (10 - sum % 10) % 10 == digitAt(t, 10);
}

QString plecpesel(const QString& t) {
    if (t.size() >= 10 && isAsciiDigit(t.at(9)) && digitAt(t, 9) % 2 == 1)
        return QStringLiteral("M");
    return QStringLiteral("K");
}

bool CzyNrIdent(const QString& t) {
    if (t.isEmpty() || t.size() > 7 || !allAsciiDigits(t)) return false;
    const QString padded = t.rightJustified(7, u'0');
    if (padded == u"0000000") return false;
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += digitAt(padded, i) * (i + 2);
    int r = sum % 11;
    if (r == 10) r = 0;
    return r == digitAt(padded, 6);
}

bool CzyRachunek(const QString& t) {
    QString digits;
    for (QChar c : t)
        if (isAsciiDigit(c)) digits.append(c);
    if (digits.size() != 26) return false;
    const QString number = digits.mid(2) + QStringLiteral("2521") + digits.left(2);
    int r = 0;
    for (QChar c : number)
        r = (r * 10 + (c.unicode() - u'0')) % 97;
    return r == 1;
}

QString FormatRachunek(const QString& t) {
    QStringView s(t);
    while (!s.isEmpty() && s.front() == u' ')
        s = s.mid(1);
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    if (s.size() != 26) return t;
    QString out = s.left(2).toString();
    for (int i = 2; i < 26; i += 4)
        out += u' ' + s.mid(i, 4).toString();
    return out;
}

bool CzyCyfry(const QString& t) {
    for (QChar c : t)
        if (!isAsciiDigit(c) && c != u' ') return false;
    return true;
}

bool CzyNip(const QString& t) {
    return t.size() == 10 && CzyCyfry(t);
}

QColor KolorCyfr(const QString& t) {
    return CzyCyfry(t) ? QColor(Qt::white) : QColor(Qt::red);
}

QDate DataZTekstu(const QString& t) {
    if (t == u"00.00.0000") return DATA_PUSTA;
    QDate d;
    if (t.size() == 10 && t.at(2) == u'.' && t.at(5) == u'.') {
        const QStringView v(t);
        const int day = digitsValue(v.mid(0, 2));
        const int month = digitsValue(v.mid(3, 2));
        const int year = digitsValue(v.mid(6, 4));
        if (day > 0 && month > 0 && year > 0) d = QDate(year, month, day);
    }
    if (!d.isValid()) throw VexaError(QStringLiteral("Niepoprawna data: „%1”.").arg(t));
    return d;
}

QString DataNaTekst(const QDate& d) {
    if (!d.isValid() || d.year() < 1900) return QStringLiteral("00.00.0000");
    return twoDigits(d.day()) + u'.' + twoDigits(d.month()) + u'.' + fourDigits(d.year());
}

QString DataNaSql(const QDate& d) {
    if (!d.isValid() || d.year() < 1900) return QStringLiteral("00/00/0000");
    return twoDigits(d.month()) + u'/' + twoDigits(d.day()) + u'/' + fourDigits(d.year());
}

QString DataUrodzeniaZPesel(const QString& p) {
    if (p.size() < 6) return QString();
    const QStringView v(p);
    const int yy = digitsValue(v.mid(0, 2));
    const int code = digitsValue(v.mid(2, 2));
    const int day = digitsValue(v.mid(4, 2));
    if (yy < 0 || code < 0 || day < 0) return QString();
    // The month code carries the century: 81-92 the 1800s, 01-12 the 1900s, 21-32 the
    // 2000s, 41-52 the 2100s, 61-72 the 2200s.
    static constexpr struct {
        int offset;
        int century;
    } centuries[] = {{80, 1800}, {0, 1900}, {20, 2000}, {40, 2100}, {60, 2200}};
    for (const auto& c : centuries) {
        const int month = code - c.offset;
        if (month < 1 || month > 12) continue;
        const QDate d(c.century + yy, month, day);
        if (!d.isValid()) return QString();
        return twoDigits(day) + u'.' + twoDigits(month) + u'.' + fourDigits(c.century + yy);
    }
    return QString();
}

QString DataIso(const QString& t) {
    return t.mid(6, 4) + u'-' + t.mid(3, 2) + u'-' + t.mid(0, 2);
}

int DniMiesiaca(const QString& t) {
    if (t.size() < 7) return 0;
    const QStringView v(t);
    const int month = digitsValue(v.mid(0, 2));
    const int year = digitsValue(v.mid(3, 4));
    if (month < 1 || month > 12 || year < 1) return 0;
    return QDate(year, month, 1).daysInMonth();
}

QString DataKrotka(const QDate& d) {
    return d.toString(u"dd/MM/yyyy");
}

QString CzasKrotki(const QTime& t) {
    return t.toString(u"hh:mm");
}

QString Podziel35(const QString& t) {
    if (t.size() <= 35) return t;
    return t.left(35) + ZNACZNIK_LINII.toString() + t.mid(35, 35);
}

QString BezSpacji(const QString& t) {
    QString r = t;
    r.remove(u' ');
    return r;
}

QString BezTabulatorow(const QString& t) {
    QString r = t;
    r.remove(u'\t');
    return r;
}

QString NazwaPliku(const QString& t) {
    QString r = t;
    for (QChar& c : r)
        if (c == u'/' || c == u'\\' || c == u' ') c = u'_';
    return r;
}

QByteArray NaUtf8(const QString& t) {
    return t.toUtf8();
}

PolaTab::PolaTab(const QString& linia) {
    const QStringView v(linia);
    qsizetype start = 0;
    while (m_pola.size() < POLA_TAB_MAX) {
        const qsizetype tab = v.indexOf(u'\t', start);
        if (tab < 0) {
            m_pola.append(trimLow(v.mid(start)));
            break;
        }
        m_pola.append(trimLow(v.mid(start, tab - start)));
        start = tab + 1;
    }
}

QString PolaTab::pole(int n) const {
    if (n < 1 || n > m_pola.size()) return QString();
    return m_pola.at(n - 1);
}

} // namespace vexa
