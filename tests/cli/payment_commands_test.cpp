// vexa-cli transfers and zwsi: the same files as the buttons, the report on standard output,
// and the exit codes of bad use, a missing list and a file that cannot be written.
#include "data/database.h"
#include "lists/list_repository.h"
#include "payments/transfers.h"
#include "payments/zwsi_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

using namespace vexa;

namespace {


QByteArray czytaj(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PaymentCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void transfersWriteWhatTheButtonWrites();
    void zwsiWritesTheFourFilesFolder();
    void badUseMissingListsAndUnwritableFiles();

private:
    QTemporaryDir m_dir;
    QString m_db;
};

void PaymentCommandsTest::initTestCase() {
    m_db = m_dir.filePath("demo.mdb");
    QCOMPARE(uruchomCli({"demo-db", m_db, "--persons", "20"}).kod, 0);
}

void PaymentCommandsTest::transfersWriteWhatTheButtonWrites() {
    const QString out = m_dir.filePath("przelewy/marzec.imp");
    const WynikCli w = uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title",
                             "WYPŁATA", "--title2", "LISTA 1", "--value-date", "07/12/2026"});
    QCOMPARE(w.kod, 0);
    QVERIFY(w.linie.contains("      RAPORT Z GENEROWANIA PRZELEWÓW:"));
    // The same bytes as the core builds for the list: every position marked (none was), in
    // the editor's order.
    Database db;
    db.open(m_db);
    ListRepository repo(db);
    QCOMPARE(repo.iloscZaznaczonych(1), repo.lista(1).iloscpozycji);
    OpcjePrzelewow o;
    o.tytul1 = "WYPŁATA";
    o.tytul2 = "LISTA 1";
    o.dataWaluty = QDate(2026, 12, 7);
    o.plik = QDir::toNativeSeparators(out);
    o.dzis = QDate::currentDate();
    const WynikPrzelewow expected = PrzelewyListy(db, 1, KolejnoscPozycji::Nazwisko, o);
    QVERIFY(expected.plnWykonane > 0);
    QCOMPARE(czytaj(out), expected.pln);
    QStringList report = expected.raport;
    report.removeAll(QString()); // the output as read drops empty lines
    QCOMPARE(w.linie.mid(0, report.size()), report);
    QCOMPARE(QFile::exists(PlikWalutowy(out)), expected.zostajeWaluta);

    // --only-currency: no PLN file remains under the name, not even the earlier one.
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title", "X",
                      "--only-currency"})
                 .kod,
             0);
    QVERIFY(!QFile::exists(out));
    // The not-collected case always leaves its PLN file.
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title", "X",
                      "--not-collected"})
                 .kod,
             0);
    QVERIFY(QFile::exists(out));
}

void PaymentCommandsTest::zwsiWritesTheFourFilesFolder() {
    const QString out = m_dir.filePath("zwsi/lista.txt");
    const WynikCli w = uruchomCli({"zwsi", "--db", m_db, "--list", "1", "--out", out});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.linie.first(), "Pliki dla ZWSI RON zostały utworzone.");
    QVERIFY(!QFile::exists(out));
    // The bytes the core builds for the list, each in its own file; a file without records
    // is not there.
    Database db;
    db.open(m_db);
    const PlikiZwsi f = PlikiZwsiListy(db, 1, KolejnoscPozycji::Nazwisko);
    QVERIFY(f.ileRachunek > 0);
    const std::pair<QString, QByteArray> pliki[] = {{"kasa_lista.txt", f.kasa},
                                                    {"rachunek_lista.txt", f.rachunek},
                                                    {"zaliczka_lista.txt", f.zaliczka},
                                                    {"niepobrane_lista.txt", f.niepobrane}};
    QStringList zostaja;
    for (const auto& [nazwa, bajty] : pliki)
        if (!bajty.isEmpty()) {
            zostaja << nazwa;
            QCOMPARE(czytaj(m_dir.filePath("zwsi/" + nazwa)), bajty);
        }
    zostaja.sort();
    QCOMPARE(QDir(m_dir.filePath("zwsi")).entryList(QDir::Files, QDir::Name), zostaja);
}

void PaymentCommandsTest::badUseMissingListsAndUnwritableFiles() {
    const QString out = m_dir.filePath("x.imp");
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out}).kod, 2);
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title", "X",
                      "--only-pln", "--only-currency"})
                 .kod,
             2);
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title",
                      QString(36, u'A')})
                 .kod,
             2);
    QCOMPARE(uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out", out, "--title", "X",
                      "--value-date", "2026-12-07"})
                 .kod,
             2);
    QCOMPARE(uruchomCli({"zwsi", "--db", m_db, "--list", "x", "--out", out}).kod, 2);
    WynikCli w = uruchomCli({"zwsi", "--db", m_db, "--list", "99", "--out", out});
    QCOMPARE(w.kod, 1);
    QVERIFY(w.err.contains("Nie ma listy należności"));
    // A folder that cannot be made (a file stands in its place).
    QFile blocker(m_dir.filePath("plik"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w = uruchomCli({"transfers", "--db", m_db, "--list", "1", "--out",
                 m_dir.filePath("plik/a.imp"), "--title", "X"});
    QCOMPARE(w.kod, 1);
    QVERIFY(w.err.startsWith("Nie można zapisać pliku:"));
    QCOMPARE(uruchomCli({"zwsi", "--db", m_dir.filePath("brak.mdb"), "--list", "1", "--out", out})
                 .kod,
             1);
}

QTEST_GUILESS_MAIN(PaymentCommandsTest)
#include "payment_commands_test.moc"
