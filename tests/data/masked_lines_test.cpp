#include "data/error.h"
#include "data/masked_lines.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace vexa;

namespace {

// A device that refuses every write, as a full disk does.
class FailingDevice : public QIODevice {
public:
    FailingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

QByteArray writeLines(const QStringList& lines) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    for (const QString& line : lines)
        PiszLinie(buffer, line);
    return buffer.data();
}

QStringList readAllLines(QIODevice& device) {
    MaskedLineReader reader(device);
    QStringList lines;
    while (const auto line = reader.CzytajLinie())
        lines << *line;
    return lines;
}

} // namespace

class MaskedLinesTest : public QObject {
    Q_OBJECT

private slots:
    void maskTwiceGivesBytesBack() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QByteArray masked = Maskuj(all);
        QVERIFY(masked != all);
        QCOMPARE(Maskuj(masked), all);
        // The letters that turn into line ends and NUL.
        QCOMPARE(Maskuj("WPZ"), QByteArray("\r\n\0", 3));
    }

    void writesMaskedWindows1250WithCrLf() {
        const QByteArray bytes =
            writeLines({QString::fromUtf8("Ala\tŻółw"), QString(), QStringLiteral("WP")});
        // A=1B l=36 a=3B TAB=53 Ż(AF)=F5 ó(F3)=A9 ł(B3)=E9 w=2D, then the raw line end.
        QCOMPARE(bytes, QByteArray("\x1B\x36\x3B\x53\xF5\xA9\xE9\x2D\r\n"
                                   "\r\n"
                                   "\r\n\r\n"));
    }

    void writeFailureIsReported() {
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(VexaError, PiszLinie(readOnly, QStringLiteral("a")));

        QFile closed(QDir::temp().filePath(QStringLiteral("vexa-never-opened.txt")));
        QVERIFY_THROWS_EXCEPTION(VexaError, PiszLinie(closed, QStringLiteral("a")));

        FailingDevice full;
        QVERIFY(full.isWritable());
        QVERIFY_THROWS_EXCEPTION(VexaError, PiszLinie(full, QStringLiteral("a")));
    }

    void unmappableTextWritesNothing() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        PiszLinie(buffer, QStringLiteral("x"));
        QVERIFY_THROWS_EXCEPTION(VexaError, PiszLinie(buffer, QString::fromUtf8("Жук")));
        QCOMPARE(buffer.data(), QByteArray("\x22\r\n"));
    }

    void readsBackWhatWasWritten() {
        const QStringList lines = {QStringLiteral("LNZ"), QString::fromUtf8("Żółć\tą"), QString(),
                                   QString::fromUtf8("ţ¨")};
        QByteArray bytes = writeLines(lines);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(readAllLines(buffer), lines);
    }

    void lastLineWithoutLineEnd() {
        QByteArray bytes = Maskuj("abc") + "\r\n" + Maskuj("def");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MaskedLineReader reader(buffer);
        QVERIFY(!reader.koniec());
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(QStringLiteral("abc")));
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(QStringLiteral("def")));
        QVERIFY(reader.koniec());
        QCOMPARE(reader.CzytajLinie(), std::nullopt);
    }

    void emptyData() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MaskedLineReader reader(buffer);
        QVERIFY(reader.koniec());
        QCOMPARE(reader.CzytajLinie(), std::nullopt);
        QCOMPARE(reader.CzytajRekord(3), std::nullopt);
    }

    void wpInsideAValueIsJoinedBack() {
        const QString record = QStringLiteral("1\tKOWALSKI\tWPŁATA ZWP\t5");
        QByteArray bytes =
            writeLines({QStringLiteral("LNZ"), record, QStringLiteral("2\tA\tB\t6")});
        QBuffer buffer(&bytes);
        // Text mode would drop the CR of every CR LF; the reader must see the raw bytes.
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        MaskedLineReader reader(buffer);
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(QStringLiteral("LNZ")));
        QCOMPARE(reader.CzytajRekord(4), std::optional<QString>(record));
        QCOMPARE(reader.CzytajRekord(4), std::optional<QString>(QStringLiteral("2\tA\tB\t6")));
        QCOMPARE(reader.CzytajRekord(4), std::nullopt);
    }

    void wpSplitsPlainLines() {
        QByteArray bytes = writeLines({QStringLiteral("aWPb\tc")});
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        // Read line by line, the value breaks where its masked "WP" is a raw CR LF.
        QCOMPARE(readAllLines(buffer), QStringList({QStringLiteral("a"), QStringLiteral("b\tc")}));
    }

    void recordCutShortAtTheEnd() {
        QByteArray bytes = writeLines({QStringLiteral("aWPb\tc")});
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MaskedLineReader reader(buffer);
        // Fewer fields than asked for: what is there comes back, nothing is lost.
        QCOMPARE(reader.CzytajRekord(5), std::optional<QString>(QStringLiteral("aWPb\tc")));
        QCOMPARE(reader.CzytajRekord(5), std::nullopt);
    }

    void lineEndAcrossReadChunks() {
        // The reader takes 64 KiB at a time: the first line end straddles that boundary.
        const QString longLine(65535, u'x');
        QByteArray bytes = writeLines({longLine, QStringLiteral("WPW"), QStringLiteral("y")});
        QCOMPARE(bytes.at(65535), '\r');
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MaskedLineReader reader(buffer);
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(longLine));
        QCOMPARE(reader.CzytajRekord(1), std::optional<QString>(QString()));
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(QStringLiteral("W")));
        QCOMPARE(reader.CzytajLinie(), std::optional<QString>(QStringLiteral("y")));
        QCOMPARE(reader.CzytajLinie(), std::nullopt);
    }

    void manyRecordsWithWp() {
        QStringList lines;
        for (int i = 0; i < 20000; ++i)
            lines << QStringLiteral("%1\tWP%2WP\tZ").arg(i).arg(QString(i % 7, u'q'));
        QByteArray bytes = writeLines(lines);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        MaskedLineReader reader(buffer);
        QStringList back;
        while (const auto r = reader.CzytajRekord(3))
            back << *r;
        QCOMPARE(back, lines);
    }

    void unreadableDeviceIsReported() {
        QFile closed(QDir::temp().filePath(QStringLiteral("vexa-never-opened.txt")));
        MaskedLineReader reader(closed);
        QVERIFY_THROWS_EXCEPTION(VexaError, reader.CzytajLinie());
    }
};

QTEST_GUILESS_MAIN(MaskedLinesTest)
#include "masked_lines_test.moc"
