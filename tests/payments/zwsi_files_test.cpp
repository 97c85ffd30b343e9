// ZWSI RON fixed-width files: every record layout and its length, the field rule, the kinds'
// descriptions, and which files remain.
#include "data/codepage.h"
#include "payments/zwsi_files.h"
#include "support/distinct_amounts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace vexa;

namespace {

const QString kKonto1 = "60 1020 1026 0000 0422 7020 1111";
const QString kKonto2 = "27114020040000300201355387";

Pozycja pozycja() {
    Pozycja p;
    p.pesel = "80010112340";
    p.nrachunek1 = kKonto1;
    p.nrachunek2 = kKonto2;
    return p;
}

Lista lista(const QString& typ, const QString& waluta = "USD", const QString& rodzaj = {}) {
    Lista l;
    l.typ = typ;
    l.walutazaliczki = waluta;
    l.rodzaj = rodzaj;
    return l;
}

QList<QByteArray> rekordy(const QByteArray& file) {
    QList<QByteArray> out;
    for (const QByteArray& r : file.split('\n'))
        if (!r.isEmpty()) {
            if (!r.endsWith('\r')) return {}; // every record ends with CR LF
            out << r.chopped(1);
        }
    return out;
}

QByteArray pad(const QByteArray& v, int width) { return v.leftJustified(width, ' '); }

const QByteArray kT8 = QByteArray(26, ' ') + pad("0", 16) + QByteArray(42, ' ');
const QByteArray kT4 = QByteArray(42, ' ');
const QByteArray kK1 = "60" + QByteArray("10201026") + pad("0000042270201111", 16);
const QByteArray kK2 = "27" + QByteArray("11402004") + pad("0000300201355387", 16);

// A position whose every money column holds its own amount (see support/distinct_amounts.h):
// dowyplaty 11,21, innezmniejszenia 13,25, zaliczkawaluta 22,43, zaliczkapln 23,45,
// rachunek 24,47, rachunek1 25,49, rachunek2 27,53; its PLN advance is not collected.
Pozycja wszystko() {
    Pozycja p = pozycja();
    testy::RozneKwoty(p);
    p.niepobranewkasie = "N";
    return p;
}

} // namespace

class ZwsiFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "pl_PL.UTF-8"); }
    void fieldsAmountsAndDescriptions();
    void fullListRecords_data();
    void fullListRecords();
    void accountsAndCashOfAFullList();
    void additionalListRecords();
    void otherListsGetAdvanceFilesOnly();
    void filesWithoutRecordsAreRemoved();
};

void ZwsiFilesTest::fieldsAmountsAndDescriptions() {
    QCOMPARE(PoleZwsi("  1.5  ", 6), "1,5   ");
    QCOMPARE(PoleZwsi("ABCDEFGH", 4), "ABCD");
    QCOMPARE(PoleZwsi("", 3), "   ");
    QCOMPARE(KwotaZwsi(0.5), "0,50" + QString(12, u' '));
    QCOMPARE(KwotaZwsi(0), "0" + QString(15, u' '));
    QCOMPARE(KwotaZwsi(1234.5), "1234,50" + QString(9, u' '));
    // Doubles just below a grosz.
    QCOMPARE(KwotaZwsi(0.29).trimmed(), "0,29");
    QCOMPARE(KwotaZwsi(1.15).trimmed(), "1,15");
    QCOMPARE(KwotaZwsi(4.35).trimmed(), "4,35");
    QCOMPARE(OpisRodzaju("ZK"), "ZALICZKA NA POCZET NALEŻNOŚCI");
    QCOMPARE(OpisRodzaju("zk"), QString()); // exact, case-sensitive
    QCOMPARE(PoleZwsi(OpisRodzaju("ZN"), 50), "ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJE");
    QCOMPARE(PoleZwsi(OpisRodzaju("SH"), 50).size(), 50);
}

void ZwsiFilesTest::fullListRecords_data() {
    QTest::addColumn<QString>("waluta");
    QTest::addColumn<QByteArray>("kasa"); // field 2 of the cash record
    // USD and EUR advances are written in the currency, any other in PLN.
    QTest::newRow("USD") << "USD" << pad("22,43", 16);
    QTest::newRow("EUR") << "EUR" << pad("22,43", 16);
    QTest::newRow("GBP") << "GBP" << pad("23,45", 16);
    QTest::newRow("PLN") << "PLN" << pad("23,45", 16);
}

void ZwsiFilesTest::fullListRecords() {
    QFETCH(QString, waluta);
    QFETCH(QByteArray, kasa);
    const PlikiZwsi f = GenerujPlikiZwsi(lista("P", waluta), {wszystko()});
    const QByteArray pesel = "80010112340";
    // Each file one record, each field at its offset.
    QCOMPARE(rekordy(f.rachunek),
             QList<QByteArray>{pesel + pad("24,47", 16) + pad("24,47", 16) + kK1 +
                               pad("25,49", 16) + kK2 + pad("27,53", 16) + kT8});
    QCOMPARE(rekordy(f.rachunek)[0].size(), 211);
    QCOMPARE(rekordy(f.kasa),
             QList<QByteArray>{pesel + kasa + pad("0", 16) + kK1 + pad("0", 16) + kT8});
    QCOMPARE(rekordy(f.kasa)[0].size(), 169);
    QCOMPARE(rekordy(f.zaliczka),
             QList<QByteArray>{pesel + pad("13,25", 16) + pad("0", 16) + kK1 + pad("13,25", 16) +
                               kT8});
    QCOMPARE(rekordy(f.niepobrane),
             QList<QByteArray>{pesel + pad("23,45", 16) + pad("23,45", 16) + kK1 +
                               pad("23,45", 16) + kT8});
    QCOMPARE(f.ileRachunek + f.ileKasa + f.ileZaliczka + f.ileNiepobrane, 4);
}

void ZwsiFilesTest::accountsAndCashOfAFullList() {
    // Only account 2 paid: its fields alone, no empty account 1 before them.
    Pozycja tylko2 = pozycja();
    tylko2.rachunek = 24.47;
    tylko2.rachunek2 = 27.53;
    // Paid to the banks but neither account carries it: no account fields at all.
    Pozycja zadne = pozycja();
    zadne.rachunek = 10.19;
    // The account number without blanks gives the same fields.
    Pozycja bezSpacji = pozycja();
    bezSpacji.nrachunek1 = "60102010260000042270201111";
    bezSpacji.rachunek = 24.47;
    bezSpacji.rachunek1 = 25.49;
    const PlikiZwsi f = GenerujPlikiZwsi(lista("P"), {tylko2, zadne, bezSpacji});
    const QByteArray pesel = "80010112340";
    QCOMPARE(rekordy(f.rachunek),
             (QList<QByteArray>{
                 pesel + pad("24,47", 16) + pad("24,47", 16) + kK2 + pad("27,53", 16) + kT8,
                 pesel + pad("10,19", 16) + pad("10,19", 16) + kT8,
                 pesel + pad("24,47", 16) + pad("24,47", 16) + kK1 + pad("25,49", 16) + kT8}));
    QCOMPARE(f.ileRachunek, 3);
    QCOMPARE(f.ileKasa + f.ileZaliczka + f.ileNiepobrane, 0);

    // A currency advance without a PLN one: the short cash record (tail T4, no account).
    Pozycja gotowka = pozycja();
    gotowka.zaliczkawaluta = 22.43;
    QCOMPARE(rekordy(GenerujPlikiZwsi(lista("P"), {gotowka}).kasa),
             QList<QByteArray>{pesel + pad("22,43", 16) + pad("0", 16) + kT4});
    // A PLN advance without one in the currency: no cash record even in PLN.
    Pozycja tylkoPln = wszystko();
    tylkoPln.zaliczkawaluta = 0;
    QCOMPARE(GenerujPlikiZwsi(lista("P", "GBP"), {tylkoPln}).ileKasa, 0);
    // Only the flag "N" makes a not-collected record: collected ("W") or never flagged, none.
    for (const char* flaga : {"W", ""}) {
        Pozycja p = wszystko();
        p.niepobranewkasie = flaga;
        const PlikiZwsi g = GenerujPlikiZwsi(lista("P"), {p});
        QVERIFY2(g.niepobrane.isEmpty() && g.ileNiepobrane == 0, flaga);
        QCOMPARE(g.ileZaliczka, 1);
    }
}

void ZwsiFilesTest::additionalListRecords() {
    const PlikiZwsi f = GenerujPlikiZwsi(lista("D", "USD", "ZN"), {wszystko()});
    const QByteArray opis = toCp1250OrThrow("ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJE");
    const QByteArray pesel = "80010112340";
    // The amount due, then the banks' amount, then the accounts, then the kind's description.
    QCOMPARE(rekordy(f.rachunek),
             QList<QByteArray>{pesel + pad("ZN", 4) + pad("11,21", 16) + pad("24,47", 16) + kK1 +
                               pad("25,49", 16) + kK2 + pad("27,53", 16) + opis});
    QCOMPARE(rekordy(f.rachunek)[0].size(), 97 + 2 * 42);
    // The cash record takes the currency advance, never the PLN one.
    QCOMPARE(rekordy(f.kasa), QList<QByteArray>{pesel + pad("ZN", 4) + pad("22,43", 16) +
                                                pad("0", 16) + pad("0", 16) + opis});
    QCOMPARE(rekordy(f.kasa)[0].size(), 113);
    // The advance files are those of a full list.
    QCOMPARE(rekordy(f.zaliczka),
             QList<QByteArray>{pesel + pad("13,25", 16) + pad("0", 16) + kK1 + pad("13,25", 16) +
                               kT8});
    QCOMPARE(f.ileNiepobrane, 1);

    // Without paid accounts: the record without account fields.
    Pozycja bezKont = pozycja();
    bezKont.dowyplaty = 11.21;
    bezKont.rachunek = 24.47;
    const PlikiZwsi g = GenerujPlikiZwsi(lista("D", "USD", "ZN"), {bezKont});
    QCOMPARE(rekordy(g.rachunek),
             QList<QByteArray>{pesel + pad("ZN", 4) + pad("11,21", 16) + pad("24,47", 16) + opis});
    QCOMPARE(g.ileKasa, 0); // no currency advance: no cash record
    // An unknown kind: an all-blank description.
    QVERIFY(rekordy(GenerujPlikiZwsi(lista("D", "USD", "XX"), {wszystko()}).kasa)[0].endsWith(
        pad("0", 16) + QByteArray(50, ' ')));
}

void ZwsiFilesTest::otherListsGetAdvanceFilesOnly() {
    const PlikiZwsi f = GenerujPlikiZwsi(lista("U"), {wszystko()});
    QCOMPARE(f.ileKasa + f.ileRachunek, 0);
    QVERIFY(f.kasa.isEmpty() && f.rachunek.isEmpty());
    QCOMPARE(rekordy(f.zaliczka),
             QList<QByteArray>{"80010112340" + pad("13,25", 16) + pad("0", 16) + kK1 +
                               pad("13,25", 16) + kT8});
    QCOMPARE(rekordy(f.niepobrane),
             QList<QByteArray>{"80010112340" + pad("23,45", 16) + pad("23,45", 16) + kK1 +
                               pad("23,45", 16) + kT8});
}

void ZwsiFilesTest::filesWithoutRecordsAreRemoved() {
    QTemporaryDir dir;
    const QString chosen = dir.filePath("lista_1.txt");
    for (const char* stale : {"kasa_", "rachunek_", "zaliczka_", "niepobrane_"}) {
        QFile f(dir.filePath(QString::fromLatin1(stale) + "lista_1.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(3000, 'X'));
    }
    Pozycja p = pozycja();
    p.rachunek = p.rachunek1 = 100;
    const QString folder = ZapiszPlikiZwsi(GenerujPlikiZwsi(lista("P"), {p}), chosen);
    QCOMPARE(folder, QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"rachunek_lista_1.txt"});
    QFile written(dir.filePath("rachunek_lista_1.txt"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.size(), 169 + 2);
    // Nothing to pay: no file at all, and the chosen file itself is never made.
    ZapiszPlikiZwsi(GenerujPlikiZwsi(lista("P"), {pozycja()}), chosen);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    QCOMPARE(KomunikatZwsi("C:\\A"), "Pliki dla ZWSI RON zostały utworzone.\r\rFolder: C:\\A");
}

QTEST_GUILESS_MAIN(ZwsiFilesTest)
#include "zwsi_files_test.moc"
