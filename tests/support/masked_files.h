#pragma once

// Masked exchange files in tests: made from plain lines, and read back record by record.

#include "data/masked_lines.h"

#include <QBuffer>
#include <QStringList>

// The masked bytes of these lines, each ended by CR LF.
inline QByteArray maskedFile(const QStringList& lines) {
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    for (const QString& l : lines)
        vexa::PiszLinie(b, l);
    return bytes;
}

// The lines of a masked file: the first `plain` as plain lines, then records joined back to
// at least `fields` TAB-separated fields (a "WP" in a value splits them with a raw CR LF); with
// `fields` 0 every line is plain.
inline QStringList maskedLines(const QByteArray& file, int plain = 0, int fields = 0) {
    QByteArray copy = file;
    QBuffer b(&copy);
    b.open(QIODevice::ReadOnly);
    vexa::MaskedLineReader r(b);
    QStringList out;
    for (int i = 0; fields == 0 || i < plain; ++i) {
        auto l = r.CzytajLinie();
        if (!l) return out;
        out << *l;
    }
    while (auto l = r.CzytajRekord(fields))
        out << *l;
    return out;
}
