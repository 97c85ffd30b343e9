#include "data/backup.h"
#include "data/error.h"
#include "data/transaction.h"
#include "support/test_db.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vexa;

namespace {

// Opens a copy as the program would open its own database and checks it whole.
QString integrityAndCount(const QString& path, int* persons) {
    Database copy;
    copy.open(path);
    *persons = copy.scalar("select count(*) from osoba").toInt();
    return copy.scalar("pragma integrity_check").toString();
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class BackupTest : public QObject {
    Q_OBJECT
private slots:
    void nameHasNoLeadingZeros();
    void copyIsConsistentWhileInUseAndReplacesTheSameDay();
    void failedCopyIsReportedAndKeepsTheOldOne();
    void damagedCopyIsRemovedAndKeepsTheOldOne();
};

void BackupTest::nameHasNoLeadingZeros() {
    QCOMPARE(NazwaKopii(QDate(2027, 3, 5)), "5_3_2027.ach");
    QCOMPARE(NazwaKopii(QDate(2026, 12, 7)), "7_12_2026.ach");
}

void BackupTest::copyIsConsistentWhileInUseAndReplacesTheSameDay() {
    TestDb t;
    t.db().exec("insert into osoba (nazwisko) values ('NOWAK')");
    QVERIFY(!QDir(t.folder() + "/Archiwum").exists());

    const QString folder = WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5));
    QCOMPARE(QDir::fromNativeSeparators(folder), t.folder() + "/Archiwum/");
    const QString copy = t.folder() + "/Archiwum/5_3_2027.ach";
    int persons = -1;
    QCOMPARE(integrityAndCount(copy, &persons), "ok");
    QCOMPARE(persons, 1);

    // A second copy the same day, taken in the middle of an unfinished change, replaces the
    // first and holds only what was committed.
    t.db().exec("insert into osoba (nazwisko) values ('KOWALSKI')");
    {
        Transakcja open(t.db());
        t.db().exec("insert into osoba (nazwisko) values ('NIEZATWIERDZONY')");
        WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5));
    }
    QCOMPARE(integrityAndCount(copy, &persons), "ok");
    QCOMPARE(persons, 2);
    QVERIFY(!QFile::exists(copy + ".tmp"));
    QCOMPARE(QDir(t.folder() + "/Archiwum").entryList(QDir::Files).size(), 1);
}

void BackupTest::failedCopyIsReportedAndKeepsTheOldOne() {
    TestDb t;
    WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5));
    const QString copy = t.folder() + "/Archiwum/5_3_2027.ach";
    const QByteArray before = contents(copy);
    // A file where the copy must go (named like the temporary copy's folder entry) makes the
    // copy impossible: the target is a folder.
    QDir().mkpath(t.folder() + "/Archiwum/6_3_2027.ach.tmp/x");
    try {
        WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 6));
        QFAIL("a failed copy was reported as made");
    } catch (const VexaError& e) {
        QVERIFY(e.message().startsWith("Nie udało się wykonać kopii bazy danych."));
    }
    QVERIFY(!QFile::exists(t.folder() + "/Archiwum/6_3_2027.ach"));

    // A folder that cannot be created is reported too.
    QFile blocker(t.folder() + "/plik");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY_THROWS_EXCEPTION(VexaError, WykonajKopie(t.db(), t.folder() + "/plik", QDate(2027, 3, 5)));

    QCOMPARE(contents(copy), before);
}

void BackupTest::damagedCopyIsRemovedAndKeepsTheOldOne() {
    TestDb t;
    DopiszOsoby(t.db(), 300);
    WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5));
    const QString copy = t.folder() + "/Archiwum/5_3_2027.ach";
    const QByteArray before = contents(copy);
    QVERIFY(!before.isEmpty());

    // The second copy of the day is damaged on its way to the disk.
    t.db().exec("insert into osoba (nazwisko) values ('KOWALSKI')");
    const int root =
        t.db().scalar("select rootpage from sqlite_master where name = 'osoba'").toInt();
    QString written;
    try {
        WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5), [&](const QString& temp) {
            written = temp;
            QVERIFY(UszkodzStrone(temp, root));
        });
        QFAIL("a damaged copy replaced the previous one");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().startsWith("Nie udało się wykonać kopii bazy danych.\r"
                                        "Kopia nie przeszła kontroli spójności"),
                 qPrintable(e.message()));
    }
    QVERIFY(!written.isEmpty());
    QVERIFY(!QFile::exists(written));
    QCOMPARE(contents(copy), before);
    QCOMPARE(QDir(t.folder() + "/Archiwum").entryList(QDir::Files).size(), 1);

    // Undamaged, the same copy passes the check and replaces the old one.
    WykonajKopie(t.db(), t.folder(), QDate(2027, 3, 5));
    int persons = -1;
    QCOMPARE(integrityAndCount(copy, &persons), "ok");
    QCOMPARE(persons, 301);
}

QTEST_GUILESS_MAIN(BackupTest)
#include "backup_test.moc"
