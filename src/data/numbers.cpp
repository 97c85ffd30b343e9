#include "data/numbers.h"

#include "data/error.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vexa {

namespace {

bool isPlaceholder(QChar c) {
    return c == u'0' || c == u'#';
}

struct Pattern {
    QString integer; // the pattern before the point, without ','
    bool grouping = false;
    int placeholders = 0; // '0' and '#' before the point
    int minDigits = 0;    // placeholders from the leftmost '0' before the point
    int decimals = 0;     // placeholders after the point
    int minDecimals = 0;  // placeholders after the point up to the last '0'
};

Pattern parsePattern(QStringView p) {
    Pattern r;
    const qsizetype point = p.indexOf(u'.');
    const QStringView integer = point < 0 ? p : p.left(point);
    bool zeroSeen = false;
    for (QChar c : integer) {
        if (c == u',') {
            r.grouping = true;
            continue;
        }
        r.integer.append(c);
        if (c == u'0') zeroSeen = true;
        if (isPlaceholder(c)) {
            ++r.placeholders;
            if (zeroSeen) ++r.minDigits;
        }
    }
    if (point >= 0) {
        for (QChar c : p.mid(point + 1)) {
            if (!isPlaceholder(c)) continue;
            ++r.decimals;
            if (c == u'0') r.minDecimals = r.decimals;
        }
    }
    return r;
}

// Text of a finite value by std::to_chars, which never looks at the locale. A buffer of 512
// characters holds any double, and any double × 100, written in full without a fraction.
template <class... Format> QByteArray toChars(long double value, Format... format) {
    std::array<char, 512> buf;
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value, format...);
    if (r.ec != std::errc())
        throw VexaError(QStringLiteral("Liczby nie da się zapisać jako tekstu."));
    return QByteArray(buf.data(), r.ptr - buf.data());
}

// The decimal digits of |value| × 10^decimals rounded half away from zero, taken from the
// value's 18-significant-digit expansion; leading zeros removed ("" for zero).
QByteArray scaledDigits(long double magnitude, int decimals) {
    // d.ddddddddddddddddde±x
    const QByteArray text = toChars(magnitude, std::chars_format::scientific, 17);
    QByteArray mantissa;
    qsizetype e = 0;
    for (; e < text.size() && text.at(e) != 'e'; ++e)
        if (text.at(e) >= '0' && text.at(e) <= '9') mantissa.append(text.at(e));
    int exponent = 0;
    if (e + 1 < text.size()) {
        const char* first = text.constData() + e + 1;
        if (*first == '+') ++first;
        std::from_chars(first, text.constData() + text.size(), exponent);
    }
    const qsizetype keep = qsizetype(exponent) + 1 + decimals;
    const qsizetype n = mantissa.size();

    QByteArray digits;
    if (keep < 0) {
        digits = "0";
    } else if (keep == 0) {
        digits = mantissa.at(0) >= '5' ? "1" : "0";
    } else if (keep >= n) {
        digits = mantissa + QByteArray(keep - n, '0');
    } else {
        digits = mantissa.left(keep);
        if (mantissa.at(keep) >= '5') {
            qsizetype i = keep - 1;
            for (; i >= 0 && digits.at(i) == '9'; --i)
                digits[i] = '0';
            if (i >= 0)
                digits[i] = char(digits.at(i) + 1);
            else
                digits.prepend('1');
        }
    }
    qsizetype lead = 0;
    while (lead < digits.size() && digits.at(lead) == '0')
        ++lead;
    return digits.mid(lead);
}

// Lays the integer digits out over the pattern's placeholders and literals.
QString layInteger(const Pattern& pat, const QByteArray& digits) {
    const qsizetype count = digits.size();
    const qsizetype extra = std::max<qsizetype>(0, count - pat.placeholders);
    const qsizetype empty = std::max<qsizetype>(0, pat.placeholders - count);
    QString out;
    qsizetype next = 0;
    auto emitDigit = [&] {
        if (pat.grouping && next > 0 && (count - next) % 3 == 0) out.append(u' ');
        out.append(QChar(digits.at(next++)));
    };
    qsizetype placeholder = 0;
    for (QChar c : pat.integer) {
        if (isPlaceholder(c)) {
            if (placeholder == 0)
                while (next < extra)
                    emitDigit();
            if (placeholder >= empty) emitDigit();
            ++placeholder;
        } else if (next > 0 || placeholder == 0) {
            // Between placeholders a literal needs a digit to its left; before them it is
            // a prefix and always written.
            out.append(c);
        }
    }
    while (next < count)
        emitDigit();
    return out;
}

} // namespace

QString formatujLiczbe(long double value, QStringView pattern, QChar decimalSep) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const Pattern pat = parsePattern(pattern);
    QByteArray scaled = scaledDigits(std::fabs(value), pat.decimals);
    const bool zero = scaled.isEmpty();
    if (scaled.size() < pat.decimals) scaled.prepend(QByteArray(pat.decimals - scaled.size(), '0'));

    QByteArray integer = scaled.left(scaled.size() - pat.decimals);
    QByteArray fraction = scaled.right(pat.decimals);
    if (integer.size() < pat.minDigits)
        integer.prepend(QByteArray(pat.minDigits - integer.size(), '0'));
    while (fraction.size() > pat.minDecimals && fraction.endsWith('0'))
        fraction.chop(1);

    QString out;
    if (!zero && std::signbit(value)) out.append(u'-');
    out += layInteger(pat, integer);
    if (!fraction.isEmpty()) {
        out.append(decimalSep);
        out += QString::fromLatin1(fraction);
    }
    return out;
}

QString Kwota00Kropka(long double value) {
    return formatujLiczbe(value, u"0.00", u'.');
}

QString Kwota00Przecinek(long double value) {
    return formatujLiczbe(value, u"#0.00", u',');
}

QString KwotaGrupy(long double value) {
    return formatujLiczbe(value, u"### ### ### ##0.00", u',');
}

QString KwotaGrupyKrotka(long double value) {
    return formatujLiczbe(value, u"# ##0.00", u',');
}

QString Liczba6(long double value) {
    return formatujLiczbe(value, u"#0.000000", u',');
}

QString Liczba1(long double value) {
    return formatujLiczbe(value, u"#0.0", u',');
}

QString Liczba0(long double value) {
    return formatujLiczbe(value, u"#0", u',');
}

QString LiczbaOgolna(double value) {
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15).replace(u'.', u',');
}

QString LiczbaDokladna(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    std::array<char, 32> buf; // the longest shortest form is 24 characters
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return QString::fromLatin1(buf.data(), r.ptr - buf.data());
}

QString KwotaEdycja(long double value) {
    return formatujLiczbe(value, u",0.00", u',');
}

double ParsujKwote(const QString& text, bool* ok) {
    if (ok) *ok = false;
    QByteArray number;
    bool digitSeen = false;
    bool separatorSeen = false;
    qsizetype i = 0;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        if (ok) *ok = true;
        return 0.0;
    }
    if (t.at(0) == u'-' || t.at(0) == u'+') {
        number.append(char(t.at(0).unicode()));
        ++i;
    }
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= u'0' && c <= u'9') {
            number.append(char(c.unicode()));
            digitSeen = true;
        } else if (c == u',' || c == u'.') {
            if (separatorSeen) return 0.0;
            separatorSeen = true;
            number.append('.');
        } else if (c == u' ' || c == u'\u00A0' || c == u'\u202F') {
            continue;
        } else {
            return 0.0;
        }
    }
    if (!digitSeen) return 0.0;
    bool converted = false;
    const double v = number.toDouble(&converted);
    if (!converted) return 0.0;
    if (ok) *ok = true;
    return v;
}

std::optional<double> WartoscPola(const QString& text, const ZakresPola& zakres, QString* blad) {
    auto refuse = [blad](const QString& why) -> std::optional<double> {
        if (blad) *blad = why;
        return std::nullopt;
    };
    bool ok = false;
    const double v = ParsujKwote(text, &ok);
    if (!ok || text.trimmed().isEmpty() || !std::isfinite(v))
        return refuse(QString::fromUtf8(kNiepoprawnaLiczba));
    // Decimal places as typed; trailing zeros ("12,50") take none.
    const QString t = text.trimmed();
    const qsizetype sep = std::max(t.indexOf(u','), t.indexOf(u'.'));
    qsizetype places = 0;
    if (sep >= 0) {
        QString fraction = t.mid(sep + 1);
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        places = fraction.size();
    }
    if (places > zakres.miejsca)
        return refuse(zakres.miejsca == 0
                          ? QStringLiteral("Wprowadzona wartość musi być liczbą całkowitą!")
                          : QStringLiteral("Wprowadzona wartość może mieć najwyżej %1 "
                                           "miejsc(a) po przecinku!")
                                .arg(zakres.miejsca));
    if (v < zakres.min || v > zakres.max)
        return refuse(QStringLiteral("Wprowadzona wartość musi mieścić się w przedziale od %1 "
                                     "do %2!")
                          .arg(LiczbaOgolna(zakres.min), LiczbaOgolna(zakres.max)));
    if (blad) blad->clear();
    return v;
}

double zaokraglij(long double x) {
    // The shift and the division happen in extended precision; the grosz amount is then
    // stored as a double, and every later step works with that stored value.
    return static_cast<double>(rintl(x * 100.0L + 0.00001L) / 100.0L);
}

QString DoSetnych(double value) {
    if (!std::isfinite(value))
        throw VexaError(
            QStringLiteral("Wartość „%1” nie jest liczbą skończoną.").arg(QString::number(value)));
    // value × 100 is exact in long double (53 + 7 bits fit in 64), so the tie is a true tie.
    const long double hundredths = rintl(static_cast<long double>(value) * 100.0L);
    if (hundredths == 0) return QStringLiteral("0");
    return QString::fromLatin1(toChars(hundredths, std::chars_format::fixed, 0));
}

double ZSetnych(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0.0;
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok, 10);
    if (!ok)
        throw VexaError(
            QStringLiteral("Wartość „%1” nie jest liczbą całkowitą setnych.").arg(text));
    return static_cast<double>(n) / 100.0;
}

} // namespace vexa
