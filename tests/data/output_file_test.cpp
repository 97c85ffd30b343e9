// Sets of files written together: all new contents go in place, or none does and the old files
// stay as they were, with no temporary file left behind.
#include "data/error.h"
#include "data/output_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

namespace {

QByteArray tresc(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(brak)");
}

void zapisz(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList pliki(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class OutputFileTest : public QObject {
    Q_OBJECT
private slots:
    void allFilesChangeTogether();
    void aFailureBeforeReplacingKeepsTheOldFiles();
    void aFailureWhileReplacingPutsTheOldFilesBack();
};

void OutputFileTest::allFilesChangeTogether() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.imp"), b = dir.filePath("wal_a.imp"),
                  c = dir.filePath("sub/c.txt");
    zapisz(a, "stary a");
    zapisz(b, "stary b");
    ZapiszPlikiRazem({{a, QByteArray("nowy a")}, {b, std::nullopt}, {c, QByteArray("nowy c")}});
    QCOMPARE(tresc(a), "nowy a");
    QVERIFY(!QFile::exists(b)); // no bytes: removed
    QCOMPARE(tresc(c), "nowy c"); // a missing folder is made
    QCOMPARE(pliki(dir), QStringList({"a.imp", "sub"}));
    // A file that is to go and is not there is no failure; an empty content is a file.
    ZapiszPlikiRazem({{a, QByteArray()}, {b, std::nullopt}});
    QCOMPARE(tresc(a), QByteArray());
}

void OutputFileTest::aFailureBeforeReplacingKeepsTheOldFiles() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.imp"), b = dir.filePath("wal_a.imp");
    zapisz(a, "stary a");
    zapisz(b, "stary b");
    // The second file's temporary name is taken by a folder: its content cannot be written.
    QVERIFY(QDir().mkpath(b + ".tmp/x"));
    try {
        ZapiszPlikiRazem({{a, QByteArray("nowy a")}, {b, QByteArray("nowy b")}});
        QFAIL("written although the second file could not be");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().startsWith("Nie można zapisać pliku:\r" + QDir::toNativeSeparators(b)),
                 qPrintable(e.message()));
    }
    QCOMPARE(tresc(a), "stary a");
    QCOMPARE(tresc(b), "stary b");
    QCOMPARE(pliki(dir), QStringList({"a.imp", "wal_a.imp", "wal_a.imp.tmp"}));
    // A folder where the file should be is refused before anything.
    QVERIFY(QDir().mkpath(dir.filePath("folder.imp/x")));
    QVERIFY_THROWS_EXCEPTION(VexaError, ZapiszPlikiRazem({{a, QByteArray("nowy a")},
                                                          {dir.filePath("folder.imp"),
                                                           QByteArray("x")}}));
    QCOMPARE(tresc(a), "stary a");
}

void OutputFileTest::aFailureWhileReplacingPutsTheOldFilesBack() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.imp"), b = dir.filePath("wal_a.imp"),
                  c = dir.filePath("rachunek_a.imp");
    zapisz(a, "stary a");
    zapisz(b, "stary b");
    zapisz(a + ".old", "zostawiony"); // a leftover of an interrupted run: replaced
    // The second old file cannot be moved aside (its spare name is a folder): by then the first
    // new file stands in place and must give way to the old one again.
    QVERIFY(QDir().mkpath(b + ".old/x"));
    QVERIFY_THROWS_EXCEPTION(VexaError, ZapiszPlikiRazem({{a, QByteArray("nowy a")},
                                                          {c, QByteArray("nowy c")},
                                                          {b, std::nullopt}}));
    QCOMPARE(tresc(a), "stary a");
    QCOMPARE(tresc(b), "stary b");
    QVERIFY(!QFile::exists(c));
    QCOMPARE(pliki(dir), QStringList({"a.imp", "wal_a.imp", "wal_a.imp.old"}));
}

QTEST_GUILESS_MAIN(OutputFileTest)
#include "output_file_test.moc"
