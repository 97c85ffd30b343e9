#include "data/codepage.h"

#include "data/error.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vexa {

namespace {

// Bytes 0x80-0xFF of Windows-1250 as UTF-16 code units; the undefined bytes are U+FFFD.
constexpr char16_t kHigh[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80-0x87
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88-0x8F
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90-0x97
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98-0x9F
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0-0xA7
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8-0xAF
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0-0xB7
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8-0xBF
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0-0xC7
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8-0xCF
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0-0xD7
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8-0xDF
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0-0xE7
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8-0xEF
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0-0xF7
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8-0xFF
};

constexpr char16_t kUndefined = 0xFFFD;

using Entry = std::pair<char16_t, unsigned char>;

// The defined upper half sorted by character, for the encoder's binary search.
const std::array<Entry, 128>& reverseTable() {
    static const std::array<Entry, 128> table = [] {
        std::array<Entry, 128> t{};
        for (int i = 0; i < 128; ++i)
            t[i] = {kHigh[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

// The byte of one UTF-16 code unit, or -1 when the code page lacks it.
int encodeUnit(char16_t u) {
    if (u < 0x80) return u;
    if (u == kUndefined) return -1;
    const auto& table = reverseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), Entry{u, 0});
    if (it == table.end() || it->first != u) return -1;
    return it->second;
}

// Encodes text; on the first unmappable character calls onBad(character) and, when it
// returns normally, writes '?' for it.
template <typename OnBad> QByteArray encode(const QString& text, OnBad onBad) {
    QByteArray out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        const int b = encodeUnit(u);
        if (b >= 0) {
            out.append(static_cast<char>(b));
            continue;
        }
        qsizetype len = 1;
        if (QChar::isHighSurrogate(u) && i + 1 < n && text.at(i + 1).isLowSurrogate()) len = 2;
        onBad(text.mid(i, len));
        out.append('?');
        i += len - 1;
    }
    return out;
}

} // namespace

QByteArray doCp1250(const QString& text, bool* ok) {
    bool good = true;
    QByteArray out = encode(text, [&good](const QString&) { good = false; });
    if (ok) *ok = good;
    return out;
}

QByteArray toCp1250OrThrow(const QString& text) {
    return encode(text, [](const QString& ch) { throw VexaError(OpisZnakuSpozaCp1250(ch)); });
}

QString ZnakSpozaCp1250(const QString& text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (encodeUnit(u) >= 0) continue;
        const bool para = QChar::isHighSurrogate(u) && i + 1 < n && text.at(i + 1).isLowSurrogate();
        return text.mid(i, para ? 2 : 1);
    }
    return QString();
}

QString OpisZnakuSpozaCp1250(const QString& znak, const QString& gdzie) {
    QString msg = QStringLiteral("Znak „%1” nie istnieje w stronie kodowej Windows-1250.").arg(znak);
    if (!gdzie.isEmpty()) msg += QStringLiteral("\r\r") + gdzie;
    return msg;
}

void SprawdzCp1250(const QString& text, const QString& gdzie) {
    const QString znak = ZnakSpozaCp1250(text);
    if (!znak.isEmpty()) throw VexaError(OpisZnakuSpozaCp1250(znak, gdzie));
}

QString zCp1250(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *p++ = QChar(b < 0x80 ? char16_t(b) : kHigh[b - 0x80]);
    }
    return out;
}

} // namespace vexa
