#include "data/codepage.h"
#include "data/error.h"
#include "persons/lookups.h"
#include "persons/records.h"
#include "support/scripted_messages.h"
#include "support/test_db.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

namespace {

const QString kZasoby = QStringLiteral(VEXA_SOURCE_DIR "/resources");
const QStringList kKolumnyKodow{"kod", "poczta", "gmina", "powiat", "woj"};

int linie(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray all = f.readAll();
    return int(all.count('\n')) + (all.endsWith('\n') || all.isEmpty() ? 0 : 1);
}

void zapisz(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList wiersz(Database& db, const QString& sql) {
    QSqlQuery q = db.exec(sql);
    QStringList out;
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            out << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
    return out;
}

} // namespace

class LookupsTest : public QObject {
    Q_OBJECT
private slots:
    void shippedFilesLoadEveryLineWithPolishLetters();
    void postalCodesLoadFastWithProgress();
    void emptyShortAndGarbageLinesBecomeRows();
    void binaryFileIsRefusedAndNothingWritten();
    void truncatedFileLoadsWhatItHolds();
    void missingFileIsReportedAndTriedAgainNextTime();
    void rebuildLoadsOnlyEmptyTablesWithTheMessages();
    void taxOfficeChoiceFillsTheAddress();
    void postalCodeTypedFillsOrClearsTheAddress();
};

void LookupsTest::shippedFilesLoadEveryLineWithPolishLetters() {
    TestDb t;
    ScriptedMessages m;
    QVERIFY(WczytajUrzedy(t.db(), m, kZasoby));
    QVERIFY(WczytajKodyPocztowe(t.db(), m, kZasoby));
    const int us = linie(kZasoby + "/us.txt");
    const int kp = linie(kZasoby + "/kp.txt");
    QVERIFY(us > 300 && kp > 20000);
    QCOMPARE(t.db().scalar("select count(*) from urzedy_skarbowe").toInt(), us);
    QCOMPARE(t.db().scalar("select count(*) from kody_pocztowe").toInt(), kp);

    QCOMPARE(wiersz(t.db(), "select * from urzedy_skarbowe where kod_is = '0202'"),
             (QStringList{"URZĄD SKARBOWY W BOLESŁAWCU", "Garncarska 10", "59-700 Bolesławiec",
                          "0202"}));
    const auto k = ZnajdzKodPocztowy(t.db(), "99-440");
    QVERIFY(k);
    QCOMPARE(k->poczta + "|" + k->powiat + "|" + k->woj, "Zduny|łowicki|łódzkie");
    // No stray line ends or blanks survive in any field.
    QCOMPARE(t.db()
                 .scalar("select count(*) from kody_pocztowe where woj like '%' || char(13) || '%' "
                         "or kod <> trim(kod) or length(kod) <> 6")
                 .toInt(),
             0);
}

void LookupsTest::postalCodesLoadFastWithProgress() {
    TestDb t;
    QList<QPair<qint64, qint64>> calls;
    QElapsedTimer timer;
    timer.start();
    const int rows = WczytajPlikTab(t.db(), kZasoby + "/kp.txt", "kody_pocztowe", kKolumnyKodow,
                                    [&](qint64 done, qint64 total) {
                                        calls.append({done, total});
                                    });
    const qint64 ms = timer.elapsed();
    qInfo("kp.txt: %d rows loaded in %lld ms", rows, ms);
    QVERIFY2(ms < 1000, qPrintable(QString("%1 ms").arg(ms)));
    QCOMPARE(rows, linie(kZasoby + "/kp.txt"));
    QVERIFY(calls.size() > 5); // often enough to move a progress bar
    const qint64 size = QFileInfo(kZasoby + "/kp.txt").size();
    for (int i = 1; i < calls.size(); ++i)
        QVERIFY(calls.at(i).first >= calls.at(i - 1).first && calls.at(i).second == size);
    QCOMPARE(calls.last().first, size);
}

void LookupsTest::emptyShortAndGarbageLinesBecomeRows() {
    QTemporaryDir dir;
    TestDb t;
    const QString path = dir.filePath("kp.txt");
    QByteArray bytes;
    bytes += doCp1250("00-950\tWarszawa\tWarszawa\tWarszawa\tmazowieckie\r\n");
    bytes += "\r\n";                                                            // empty line
    bytes += doCp1250("11-222\tŁódź\r\n");                                      // too few fields
    bytes += QByteArray("\x81\x83\x01\x02\xff\x98\t\x9b\x1a\x7f", 10) + "\r\n"; // garbage
    bytes += doCp1250("  33-444 \t Żory \tŻory\tŻory\tśląskie\tnadmiar\tjeszcze\n"); // LF only
    bytes += doCp1250("44-555\tGliwice"); // no line end at all
    zapisz(path, bytes);

    QCOMPARE(WczytajPlikTab(t.db(), path, "kody_pocztowe", kKolumnyKodow), 6);
    QSqlQuery q = t.db().exec("select kod, poczta, gmina, powiat, woj from kody_pocztowe "
                              "order by rowid");
    QList<QStringList> rows;
    while (q.next()) {
        QStringList r;
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(!q.value(i).isNull(), "missing fields are stored empty, not null");
            r << q.value(i).toString();
        }
        rows << r;
    }
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.at(0),
             (QStringList{"00-950", "Warszawa", "Warszawa", "Warszawa", "mazowieckie"}));
    QCOMPARE(rows.at(1), (QStringList{"", "", "", "", ""}));
    QCOMPARE(rows.at(2), (QStringList{"11-222", "Łódź", "", "", ""}));
    // Garbage bytes are read as Windows-1250 text without the control characters.
    QCOMPARE(rows.at(3).at(0), zCp1250("\x81\x83\xff\x98"));
    QCOMPARE(rows.at(3).at(1), zCp1250("\x9b\x7f"));
    QCOMPARE(rows.at(4), (QStringList{"33-444", "Żory", "Żory", "Żory", "śląskie"}));
    QCOMPARE(rows.at(5), (QStringList{"44-555", "Gliwice", "", "", ""}));
}

void LookupsTest::binaryFileIsRefusedAndNothingWritten() {
    QTemporaryDir dir;
    TestDb t;
    QByteArray bytes = doCp1250("00-950\tWarszawa\tWarszawa\tWarszawa\tmazowieckie\r\n");
    bytes += QByteArray(70000, 'x') + QByteArray("\x89PNG\0\0\0\r\n", 9); // NUL after a chunk
    zapisz(dir.filePath("kp.txt"), bytes);

    ScriptedMessages m;
    QVERIFY(!WczytajKodyPocztowe(t.db(), m, dir.path()));
    QCOMPARE(t.db().scalar("select count(*) from kody_pocztowe").toInt(), 0);
    QCOMPARE(m.count(), 2);
    QCOMPARE(m.texts().first(),
             "Aplikacja załaduje dane urzędów pocztowych. Proszę chwilę poczekać...");
    QVERIFY2(m.lastText().contains("nie jest plikiem tekstowym") &&
                 m.lastText().endsWith("Dane urzędów pocztowych nie zostały załadowane."),
             qPrintable(m.lastText()));
    QVERIFY_THROWS_EXCEPTION(
        VexaError, WczytajPlikTab(t.db(), dir.filePath("kp.txt"), "kody_pocztowe", kKolumnyKodow));
}

void LookupsTest::truncatedFileLoadsWhatItHolds() {
    QTemporaryDir dir;
    TestDb t;
    QFile full(kZasoby + "/us.txt");
    QVERIFY(full.open(QIODevice::ReadOnly));
    const QByteArray head = full.read(5000); // ends in the middle of a line
    QVERIFY(!head.endsWith('\n'));
    zapisz(dir.filePath("us.txt"), head);
    ScriptedMessages m;
    QVERIFY(WczytajUrzedy(t.db(), m, dir.path()));
    QCOMPARE(t.db().scalar("select count(*) from urzedy_skarbowe").toInt(),
             int(head.count('\n')) + 1);
}

void LookupsTest::missingFileIsReportedAndTriedAgainNextTime() {
    QTemporaryDir empty;
    TestDb t;
    ScriptedMessages m;
    QVERIFY(!WczytajUrzedy(t.db(), m, empty.path()));
    QCOMPARE(m.count(), 1);
    QCOMPARE(m.asked().first().kind, KOMUNIKAT_INFORMACJA);
    QCOMPARE(m.lastText(), "Brak pliku „" + QDir::toNativeSeparators(empty.filePath("us.txt")) +
                               "”.\r\rDane urzędów skarbowych nie zostały załadowane.");
    QCOMPARE(t.db().scalar("select count(*) from urzedy_skarbowe").toInt(), 0);

    // The next rebuild of the person list tries both tables again.
    m.clear();
    UzupelnijUrzedyIKody(t.db(), m, empty.path());
    QCOMPARE(m.count(), 2);
    QVERIFY(m.texts().at(1).startsWith("Brak pliku „"));
    QVERIFY(m.texts().at(1).endsWith("Dane urzędów pocztowych nie zostały załadowane."));
}

void LookupsTest::rebuildLoadsOnlyEmptyTablesWithTheMessages() {
    TestDb t;
    DopiszUrzad(t.db(), {"URZĄD SKARBOWY W DĘBLINIE", "Rynek 1", "08-530 Dęblin", "1401"});
    ScriptedMessages m;
    UzupelnijUrzedyIKody(t.db(), m, kZasoby);
    // The tax offices already had a row: only the postal codes were loaded.
    QCOMPARE(m.texts(),
             (QStringList{"Aplikacja załaduje dane urzędów pocztowych. Proszę chwilę poczekać...",
                          "Dane urzędów pocztowych zostały załadowane..."}));
    QCOMPARE(t.db().scalar("select count(*) from urzedy_skarbowe").toInt(), 1);
    QCOMPARE(t.db().scalar("select count(*) from kody_pocztowe").toInt(),
             linie(kZasoby + "/kp.txt"));

    t.db().exec("delete from urzedy_skarbowe");
    m.clear();
    UzupelnijUrzedyIKody(t.db(), m, kZasoby);
    QCOMPARE(m.texts(),
             (QStringList{"Aplikacja załaduje dane urzędów skarbowych. Proszę chwilę poczekać...",
                          "Dane urzędów skarbowych zostały załadowane..."}));
    m.clear();
    UzupelnijUrzedyIKody(t.db(), m, kZasoby);
    QCOMPARE(m.count(), 0);
}

void LookupsTest::taxOfficeChoiceFillsTheAddress() {
    TestDb t;
    ScriptedMessages m;
    QVERIFY(WczytajUrzedy(t.db(), m, kZasoby));
    const QList<UrzadSkarbowy> all = UrzedySkarbowe(t.db());
    QCOMPARE(all.size(), linie(kZasoby + "/us.txt"));

    Osoba o;
    o.us_nazwa = "STARY";
    o.us_ulica = "STARA";
    const auto u = ZnajdzUrzad(t.db(), "urząd skarbowy w bolesławcu"); // case does not matter
    QVERIFY(u);
    WybierzUrzad(o, *u);
    QCOMPARE(o.us_nazwa, "URZĄD SKARBOWY W BOLESŁAWCU");
    QCOMPARE(o.us_ulica, "Garncarska 10");
    QCOMPARE(o.us_kod, "59-700 Bolesławiec");
    QCOMPARE(o.us_kod_is, "0202");
    QVERIFY(!ZnajdzUrzad(t.db(), "URZĄD SKARBOWY NA KSIĘŻYCU"));
}

void LookupsTest::postalCodeTypedFillsOrClearsTheAddress() {
    TestDb t;
    ScriptedMessages m;
    QVERIFY(WczytajKodyPocztowe(t.db(), m, kZasoby));
    Osoba o;
    WpiszKodPocztowy(t.db(), o, "80-001");
    QCOMPARE(o.adr_kod, "80-001");
    QCOMPARE(o.adr_poczta, "Gdańsk");
    QCOMPARE(o.adr_miejsc, "Gdańsk");
    QCOMPARE(o.adr_gmina, "Gdańsk");
    QCOMPARE(o.adr_powiat, "Gdańsk");
    QCOMPARE(o.adr_woj, "pomorskie");
    QCOMPARE(o.adr_kraj, "POLSKA");

    // Typing goes on: fewer than six characters change only the code.
    WpiszKodPocztowy(t.db(), o, "80-00");
    QCOMPARE(o.adr_kod, "80-00");
    QCOMPARE(o.adr_poczta, "Gdańsk");

    o.adr_kraj = "NIEMCY";
    WpiszKodPocztowy(t.db(), o, "99-999"); // not in the table
    QCOMPARE(o.adr_kod, "99-999");
    QVERIFY(o.adr_poczta.isEmpty() && o.adr_miejsc.isEmpty() && o.adr_gmina.isEmpty() &&
            o.adr_powiat.isEmpty() && o.adr_woj.isEmpty());
    QCOMPARE(o.adr_kraj, "POLSKA");

    const auto k = ZnajdzKodPocztowy(t.db(), "99-440");
    QVERIFY(k);
    WybierzKodPocztowy(o, *k);
    QCOMPARE(o.adr_kod, "99-440");
    QCOMPARE(o.adr_miejsc, "Zduny");
    QCOMPARE(o.adr_woj, "łódzkie");
}

QTEST_GUILESS_MAIN(LookupsTest)
#include "lookups_test.moc"
