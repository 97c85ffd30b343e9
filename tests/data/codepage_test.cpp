#include "data/codepage.h"
#include "data/error.h"

#include <QTest>

using namespace vexa;

class CodepageTest : public QObject {
    Q_OBJECT

private slots:
    void polishLettersAndMarksByteExact() {
        const QString text = QString::fromUtf8("ŻÓŁĆ ąęśźń ţ ¨");
        const QByteArray bytes("\xAF\xD3\xA3\xC6 \xB9\xEA\x9C\x9F\xF1 \xFE \xA8");
        bool ok = false;
        QCOMPARE(doCp1250(text, &ok), bytes);
        QVERIFY(ok);
        QCOMPARE(toCp1250OrThrow(text), bytes);
        QCOMPARE(zCp1250(bytes), text);
    }

    void marks() {
        QCOMPARE(doCp1250(QString(ZAZ_ZAZNACZONY)), QByteArray("\xFE"));
        QCOMPARE(doCp1250(QString(ZAZ_NIEZAZNACZONY)), QByteArray("\xA8"));
        QCOMPARE(zCp1250("\xFE\xA8"), QString(ZAZ_ZAZNACZONY) + ZAZ_NIEZAZNACZONY);
    }

    void upperHalf_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("s acute") << 0x9C << 0x015B;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("A ogonek") << 0xA5 << 0x0104;
        QTest::newRow("a ogonek") << 0xB9 << 0x0105;
        QTest::newRow("l stroke") << 0xB3 << 0x0142;
        QTest::newRow("z dot") << 0xBF << 0x017C;
        QTest::newRow("dot above") << 0xFF << 0x02D9;
    }
    void upperHalf() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QByteArray b(1, char(byte));
        QCOMPARE(zCp1250(b), QString(QChar(unicode)));
        QCOMPARE(doCp1250(QString(QChar(unicode))), b);
    }

    void everyDefinedByteRoundTrips() {
        const QList<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            const QString decoded = zCp1250(byte);
            QCOMPARE(decoded.size(), 1);
            if (undefined.contains(b)) {
                QCOMPARE(decoded.at(0), QChar(0xFFFD));
                continue;
            }
            if (b < 0x80) QCOMPARE(decoded.at(0).unicode(), char16_t(b));
            bool ok = false;
            QCOMPARE(doCp1250(decoded, &ok), byte);
            QVERIFY2(ok, qPrintable(QString::number(b, 16)));
        }
    }

    void unmappable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("character");
        QTest::newRow("cyrillic") << QString::fromUtf8("aЖb") << QByteArray("a?b")
                                  << QString::fromUtf8("Ж");
        QTest::newRow("pair is one")
            << QString::fromUtf8("x😀y") << QByteArray("x?y") << QString::fromUtf8("😀");
        QTest::newRow("replacement char")
            << QString(QChar(0xFFFD)) << QByteArray("?") << QString(QChar(0xFFFD));
        QTest::newRow("German sharp s is there, ligature oe not")
            << QString::fromUtf8("ßœ") << QByteArray("\xDF?") << QString::fromUtf8("œ");
    }
    void unmappable() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, character);
        bool ok = true;
        const QByteArray out = doCp1250(text, &ok);
        QCOMPARE(out, bytes);
        QVERIFY(!ok);
        QVERIFY(!out.contains('\x1A'));
        try {
            toCp1250OrThrow(text);
            QFAIL("an unmappable character was accepted");
        } catch (const VexaError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Znak „%1” nie istnieje w stronie kodowej Windows-1250.")
                         .arg(character));
        }
    }

    void questionMarkAndControlsAreNotErrors() {
        const QString text = QStringLiteral("?\t\r\n") + QChar(0) + QChar(0x1A) + QChar(0x7F);
        bool ok = false;
        const QByteArray out = doCp1250(text, &ok);
        QVERIFY(ok);
        QCOMPARE(out, QByteArray("?\t\r\n\0\x1A\x7F", 7));
        QCOMPARE(zCp1250(out), text);
    }
};

QTEST_GUILESS_MAIN(CodepageTest)
#include "codepage_test.moc"
