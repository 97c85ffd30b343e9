#include "data/masked_lines.h"

#include "data/codepage.h"
#include "data/error.h"

#include <QFileDevice>
#include <QIODevice>

#include <algorithm>

namespace vexa {

namespace {

constexpr qint64 kChunk = 64 * 1024;

// "Nie można zapisać pliku „name”." with the system's reason when a file reports one.
QString failure(const QIODevice& device, const QString& what) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    const QString name = file ? file->fileName() : QString();
    QString msg = name.isEmpty() ? QStringLiteral("Nie można %1 pliku.").arg(what)
                                 : QStringLiteral("Nie można %1 pliku „%2”.").arg(what, name);
    if (file && file->error() != QFileDevice::NoError) msg += u' ' + file->errorString();
    return msg;
}

// A TAB masks to 0x53; counting in the raw bytes spares decoding the pieces.
qsizetype countTabs(const QByteArray& raw) {
    return raw.count(char('\t' ^ MASKA));
}

} // namespace

QByteArray Maskuj(const QByteArray& bytes) {
    QByteArray out(bytes);
    for (char& c : out)
        c = static_cast<char>(c ^ MASKA);
    return out;
}

void PiszLinie(QIODevice& device, const QString& text) {
    QByteArray line = Maskuj(toCp1250OrThrow(text));
    line.append("\r\n", 2);
    if (!device.isOpen() || !device.isWritable())
        throw VexaError(failure(device, QStringLiteral("zapisać")));
    device.setTextModeEnabled(false);
    if (device.write(line) != line.size())
        throw VexaError(failure(device, QStringLiteral("zapisać")));
}

MaskedLineReader::MaskedLineReader(QIODevice& device) : m_device(device) {
    if (m_device.isOpen()) m_device.setTextModeEnabled(false);
}

bool MaskedLineReader::fill() {
    if (m_eof) return false;
    if (!m_device.isOpen() || !m_device.isReadable())
        throw VexaError(failure(m_device, QStringLiteral("odczytać")));
    const QByteArray chunk = m_device.read(kChunk);
    if (chunk.isEmpty()) {
        // read() gives an empty array both at the end and on an error; tell them apart.
        if (!m_device.atEnd() && !m_device.isSequential())
            throw VexaError(failure(m_device, QStringLiteral("odczytać")));
        m_eof = true;
        return false;
    }
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(chunk);
    return true;
}

bool MaskedLineReader::koniec() {
    while (m_pos >= m_buffer.size())
        if (!fill()) return true;
    return false;
}

std::optional<QByteArray> MaskedLineReader::nextRawPiece() {
    qsizetype from = m_pos;
    for (;;) {
        const qsizetype crlf = m_buffer.indexOf("\r\n", from);
        if (crlf >= 0) {
            QByteArray piece = m_buffer.mid(m_pos, crlf - m_pos);
            m_pos = crlf + 2;
            return piece;
        }
        // Keep a trailing CR in view: its LF may come with the next chunk.
        const qsizetype scanned = m_buffer.size() - m_pos;
        if (!fill()) break;
        from = m_pos + std::max<qsizetype>(0, scanned - 1);
    }
    if (m_pos >= m_buffer.size()) return std::nullopt;
    QByteArray piece = m_buffer.mid(m_pos);
    m_pos = m_buffer.size();
    return piece;
}

std::optional<QString> MaskedLineReader::CzytajLinie() {
    const auto raw = nextRawPiece();
    if (!raw) return std::nullopt;
    return zCp1250(Maskuj(*raw));
}

std::optional<QString> MaskedLineReader::CzytajRekord(int pola) {
    auto raw = nextRawPiece();
    if (!raw) return std::nullopt;
    // The fields are counted piece by piece (the CR LF put back holds no TAB), so joining
    // many short pieces stays linear in their length.
    qsizetype fields = countTabs(*raw) + 1;
    while (fields < pola) {
        const auto more = nextRawPiece();
        if (!more) break;
        raw->append("\r\n", 2);
        raw->append(*more);
        fields += countTabs(*more);
    }
    return zCp1250(Maskuj(*raw));
}

} // namespace vexa
