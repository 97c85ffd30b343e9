// ZWSI RON fixed-width files: every record layout and its length, the field rule, the kinds'
// descriptions, and which files remain.
#include "data/codepage.h"
#include "payments/zwsi_files.h"

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

} // namespace

class ZwsiFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "pl_PL.UTF-8"); }
    void fieldsAmountsAndDescriptions();
    void fullListRecords();
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

void ZwsiFilesTest::fullListRecords() {
    Pozycja one = pozycja();
    one.rachunek = one.rachunek1 = 1000.5;
    Pozycja two = pozycja();
    two.rachunek = 300;
    two.rachunek1 = 100;
    two.rachunek2 = 200;
    Pozycja none = pozycja();
    none.rachunek = 10; // paid to accounts but neither account carries it
    Pozycja cash = pozycja();
    cash.nrachunek1 = "60102010260000042270201111"; // without blanks: the same fields
    cash.zaliczkawaluta = 120;
    cash.zaliczkapln = 480.75;
    cash.niepobranewkasie = "N";
    cash.innezmniejszenia = 0.5;
    Pozycja cashOnly = pozycja();
    cashOnly.zaliczkawaluta = 10;

    const PlikiZwsi f = GenerujPlikiZwsi(lista("P"), {one, two, none, cash, cashOnly});
    const QList<QByteArray> r = rekordy(f.rachunek);
    QCOMPARE(r.size(), 3);
    QCOMPARE(r[0], "80010112340" + pad("1000,50", 16) + pad("1000,50", 16) + kK1 +
                       pad("1000,50", 16) + kT8);
    QCOMPARE(r[0].size(), 169);
    QCOMPARE(r[1], "80010112340" + pad("300,00", 16) + pad("300,00", 16) + kK1 +
                       pad("100,00", 16) + kK2 + pad("200,00", 16) + kT8);
    QCOMPARE(r[1].size(), 211);
    QCOMPARE(r[2].size(), 127);
    QCOMPARE(f.ileRachunek, 3);

    const QList<QByteArray> k = rekordy(f.kasa);
    QCOMPARE(k.size(), 2);
    QCOMPARE(k[0], "80010112340" + pad("120,00", 16) + pad("0", 16) + kK1 + pad("0", 16) + kT8);
    QCOMPARE(k[0].size(), 169);
    QCOMPARE(k[1], "80010112340" + pad("10,00", 16) + pad("0", 16) + kT4);
    QCOMPARE(k[1].size(), 85);

    QCOMPARE(rekordy(f.zaliczka),
             QList<QByteArray>{"80010112340" + pad("0,50", 16) + pad("0", 16) + kK1 +
                               pad("0,50", 16) + kT8});
    QCOMPARE(rekordy(f.niepobrane),
             QList<QByteArray>{"80010112340" + pad("480,75", 16) + pad("480,75", 16) + kK1 +
                               pad("480,75", 16) + kT8});

    // An advance currency other than USD or EUR: the PLN advance in field 2, while the
    // record is still written only for an advance in the currency.
    const PlikiZwsi gbp = GenerujPlikiZwsi(lista("P", "GBP"), {cash});
    QCOMPARE(rekordy(gbp.kasa).first().mid(11, 16), pad("480,75", 16));
    Pozycja plnOnly = cash;
    plnOnly.zaliczkawaluta = 0;
    QCOMPARE(GenerujPlikiZwsi(lista("P", "GBP"), {plnOnly}).ileKasa, 0);
}

void ZwsiFilesTest::additionalListRecords() {
    Pozycja p = pozycja();
    p.dowyplaty = 700;
    p.rachunek = 700;
    p.rachunek2 = 700;
    p.zaliczkawaluta = 25;
    Pozycja noAccount = pozycja();
    noAccount.rachunek = 5;
    const PlikiZwsi f = GenerujPlikiZwsi(lista("D", "USD", "ZN"), {p, noAccount});
    const QByteArray opis = toCp1250OrThrow("ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJE");
    const QList<QByteArray> r = rekordy(f.rachunek);
    QCOMPARE(r[0], "80010112340" + pad("ZN", 4) + pad("700,00", 16) + pad("700,00", 16) + kK2 +
                       pad("700,00", 16) + opis);
    QCOMPARE(r[0].size(), 97 + 42);
    QCOMPARE(r[1].size(), 97);
    const QList<QByteArray> k = rekordy(f.kasa);
    QCOMPARE(k, QList<QByteArray>{"80010112340" + pad("ZN", 4) + pad("25,00", 16) + pad("0", 16) +
                                  pad("0", 16) + opis});
    QCOMPARE(k[0].size(), 113);
    // An unknown kind: an all-blank description.
    QVERIFY(rekordy(GenerujPlikiZwsi(lista("D", "USD", "XX"), {p}).kasa)[0].endsWith(
        QByteArray(50, ' ')));
}

void ZwsiFilesTest::otherListsGetAdvanceFilesOnly() {
    Pozycja p = pozycja();
    p.rachunek = p.rachunek1 = 100;
    p.zaliczkawaluta = 10;
    p.zaliczkapln = 40;
    p.niepobranewkasie = "N";
    p.innezmniejszenia = 3;
    const PlikiZwsi f = GenerujPlikiZwsi(lista("U"), {p});
    QCOMPARE(f.ileKasa + f.ileRachunek, 0);
    QCOMPARE(f.ileZaliczka, 1);
    QCOMPARE(f.ileNiepobrane, 1);
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
