#pragma once

// Masked exchange files of lists and persons: every line is stored as its Windows-1250 bytes
// combined by exclusive-or with 0x5A, followed by a raw CR LF.
//
// Masking turns "W" into a raw CR, "P" into a raw LF and "Z" into a NUL, so the masked line
// of a value holding "WP" carries a raw CR LF in its middle. Such files are read as raw bytes
// (never in text mode), split only at CR LF, and a record that must hold a known number of
// TAB-separated fields is joined back from its pieces (CzytajRekord).

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace vexa {

inline constexpr char MASKA = 0x5A;

// Each byte combined by exclusive-or with MASKA; applying it twice gives the bytes back.
QByteArray Maskuj(const QByteArray& bytes);

// Writes the masked Windows-1250 bytes of one line followed by a raw CR LF, in one write.
// Throws VexaError when the text holds a character Windows-1250 lacks (nothing is written
// then) or when the device does not take the whole line. The device is switched out of text
// mode. A buffered file may still fail on flush or close: the caller checks those.
void PiszLinie(QIODevice& device, const QString& text);

// Reads the lines of a masked file from a device open for reading.
class MaskedLineReader {
public:
    // Switches the device out of text mode: the bytes are read as they are stored.
    explicit MaskedLineReader(QIODevice& device);

    // The next line unmasked and decoded, without its CR LF; std::nullopt at the end of the
    // data. A last line without CR LF is still returned. Throws VexaError on a read error.
    std::optional<QString> CzytajLinie();

    // The next line, joined with the following pieces (the raw CR LF between them put back,
    // which unmasks to "WP") until it holds at least `pola` TAB-separated fields or the data
    // ends. A "WP" at the very end of a record's last field cannot be told from a line end.
    std::optional<QString> CzytajRekord(int pola);

    // True when every line has been returned.
    bool koniec();

private:
    std::optional<QByteArray> nextRawPiece();
    bool fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
};

} // namespace vexa
