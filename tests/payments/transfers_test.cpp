// Transfer import files: the bytes of both files, the filters, the refusals, the title and
// name rules and the report, checked against bytes and lines written out here.
#include "data/codepage.h"
#include "data/error.h"
#include "data/output_file.h"
#include "payments/transfers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace vexa;

namespace {

Lista lista() {
    Lista l;
    l.id = 1;
    l.walutarach = " USD ";
    return l;
}

PlatnikPrzelewow platnik() {
    return {"PKO BP", "JW 1234???PKW", "11 1020 1026 0000 0422 7020 1111", "75101"};
}

// A marked position of KOWALSKI JAN: 100 PLN to account 1, 50 USD to account 2.
Pozycja kowalski() {
    Pozycja p;
    p.nazwisko = "KOWALSKI";
    p.imie = "JAN";
    p.zaz = QString(ZAZ_ZAZNACZONY);
    p.rachunek1 = 100;
    p.rachunek1czywaluta = "N";
    p.nrachunek1 = "60 1020 1026 0000 0422 7020 1111";
    p.orachunek1 = "KOWALSKA ANNA";
    p.brachunek1 = "PKO BP";
    p.rachunek2 = 50;
    p.rachunek2czywaluta = "T";
    p.nrachunek2 = "PL60102010260000042270201112";
    p.orachunek2 = "KOWALSKI JAN";
    p.brachunek2 = "BANK ŁÓDŹ";
    p.bic2 = " BPKOPLPW ";
    return p;
}

OpcjePrzelewow opcje() {
    OpcjePrzelewow o;
    o.tytul1 = "WYPŁATA";
    o.tytul2 = "LISTA 5/2026";
    o.dataWaluty = QDate(2026, 12, 7);
    o.plik = "/tmp/lipiec.imp";
    o.dzis = QDate(2026, 12, 9);
    return o;
}

// The bytes of a file ("<none>" when there is none).
QByteArray plik(const QString& nazwa) {
    QFile f(nazwa);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

QList<QByteArray> linie(const QByteArray& file) {
    QList<QByteArray> out;
    for (const QByteArray& l : file.split('\n'))
        if (!l.isEmpty()) out << (l.endsWith('\r') ? l.chopped(1) : l + "<no CR>");
    return out;
}

} // namespace

class TransfersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void twoAccountsGiveALineInEachFile();
    void filtersWriteOneKindAndStillCountRefusals();
    void refusalsLeaveNoFileButTheNotCollectedFileStays();
    void titlesNamesQuotesAndAmounts();
    void reportLineByLine();
    void writingReplacesStaleFilesAndRefusesBadPaths();
    void bothFilesOrNeither();
    void aCharacterOutsideTheCodePageNamesWhereItStands();
};

void TransfersTest::initTestCase() {
    // Decimal separators come from the formats, never from the locale.
    std::setlocale(LC_ALL, "pl_PL.UTF-8");
}

void TransfersTest::twoAccountsGiveALineInEachFile() {
    const WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski()}, platnik(), opcje());
    QCOMPARE(w.pln,
             QByteArray("\"PKO BP\" \"KOWALSKA ANNA\" \"60102010260000042270201111\" 1 100.00 "
                        "\"PKO BP\" \"JW 1234???PKW\" \"11 1020 1026 0000 0422 7020 1111\" "
                        "\"WYP\xA3" "ATA???LISTA 5/2026dla KOWALSKI JAN\" \"PLN\" \"KOWALSKI JAN\" "
                        "\"KOWALSKI JAN\" \"N\" \"VEXA-F\" \"N\" \"\" \"\" \"75101\"\r\n"));
    QCOMPARE(w.waluta,
             QByteArray("\"WAL\" \"1\"\r\n07/12/2026\r\n"
                        "\"BANK \xA3\xD3" "D\x8F\" \"KOWALSKI JAN\" \"PL60102010260000042270201112\" 1 "
                        "50.00 \"PKO BP\" \"JW 1234???PKW\" \"11 1020 1026 0000 0422 7020 1111\" "
                        "\"WYP\xA3" "ATA???LISTA 5/2026\" \"USD\" \"KOWALSKI JAN\" "
                        "\"KOWALSKI JAN\" \"N\" \"VEXA-F\" \"N\" \"R\" \"\" \"SPOT\" \"N\" \"OUR\" "
                        "\"75101\" \"BPKOPLPW\"\r\n"));
    QCOMPARE(w.plnWykonane, 1);
    QCOMPARE(w.walWykonane, 1);
    QCOMPARE(w.osoby, 1);
    QVERIFY(w.zostajePln && w.zostajeWaluta);
    // 18 fields in PLN, 22 in the currency: the quotes pair up.
    QCOMPARE(w.pln.count('"'), 2 * 16);
    QCOMPARE(linie(w.waluta).last().count('"'), 2 * 20);

    // Unmarked positions are not paid in the regular case.
    Pozycja p = kowalski();
    p.zaz = QString(ZAZ_NIEZAZNACZONY);
    const WynikPrzelewow none = GenerujPrzelewy(lista(), {p}, platnik(), opcje());
    QCOMPARE(none.plnWykonane + none.walWykonane + none.osoby, 0);
    QVERIFY(!none.zostajePln && !none.zostajeWaluta);
}

void TransfersTest::filtersWriteOneKindAndStillCountRefusals() {
    Pozycja bad = kowalski();
    bad.nazwisko = "NOWAK";
    bad.brachunek2.clear(); // its currency transfer is refused
    OpcjePrzelewow o = opcje();
    o.filtr = "N";
    WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski(), bad}, platnik(), o);
    QCOMPARE(w.plnWykonane, 2);
    QCOMPARE(w.walWykonane, 0);
    QVERIFY(w.waluta.isEmpty());
    QVERIFY(!w.zostajeWaluta);
    QCOMPARE(w.walOdrzucone, 1);
    QCOMPARE(w.walKwotaOdrzucona, 50.0);
    QVERIFY(w.raport.contains("        NOWAK JAN - 50,00  USD "));

    o.filtr = "T";
    w = GenerujPrzelewy(lista(), {kowalski(), bad}, platnik(), o);
    QVERIFY(w.pln.isEmpty());
    QVERIFY(!w.zostajePln);
    QCOMPARE(w.plnWykonane, 0);
    QCOMPARE(w.walWykonane, 1);
    QCOMPARE(linie(w.waluta).size(), 3); // two header lines and one transfer
    QVERIFY(w.zostajeWaluta);

    // The not-collected case ignores marks and the filter: PLN advances flagged "N" only,
    // to account 1, always in PLN.
    o.niepobrane = true;
    Pozycja a = kowalski();
    a.zaz = QString(ZAZ_NIEZAZNACZONY);
    a.zaliczkapln = 12.3;
    a.niepobranewkasie = "N";
    a.rachunek1czywaluta = "T";
    Pozycja paid = a;
    paid.niepobranewkasie = "W";
    Pozycja unflagged = a;
    unflagged.niepobranewkasie.clear();
    Pozycja zero = a;
    zero.zaliczkapln = 0;
    w = GenerujPrzelewy(lista(), {a, paid, unflagged, zero}, platnik(), o);
    QCOMPARE(w.plnWykonane, 1);
    QCOMPARE(w.plnKwota, 12.3);
    QVERIFY(w.waluta.isEmpty());
    // Account 1's bank, owner and number, the PLN advance, in PLN although account 1 is kept
    // in the currency.
    QCOMPARE(w.pln,
             QByteArray("\"PKO BP\" \"KOWALSKA ANNA\" \"60102010260000042270201111\" 1 12.30 "
                        "\"PKO BP\" \"JW 1234???PKW\" \"11 1020 1026 0000 0422 7020 1111\" "
                        "\"WYP\xA3" "ATA???LISTA 5/2026dla KOWALSKI JAN\" \"PLN\" \"KOWALSKI JAN\" "
                        "\"KOWALSKI JAN\" \"N\" \"VEXA-F\" \"N\" \"\" \"\" \"75101\"\r\n"));
    QVERIFY(!w.raport.join('\n').contains("ILOŚĆ OSÓB"));
}

void TransfersTest::refusalsLeaveNoFileButTheNotCollectedFileStays() {
    PlatnikPrzelewow u = platnik();
    u.konto.clear(); // an empty KONTO refuses every transfer
    WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski()}, u, opcje());
    QCOMPARE(w.plnWykonane + w.walWykonane, 0);
    QCOMPARE(w.plnOdrzucone + w.walOdrzucone, 2);
    QVERIFY(!w.zostajePln && !w.zostajeWaluta);
    OpcjePrzelewow o = opcje();
    o.niepobrane = true;
    Pozycja p = kowalski();
    p.zaliczkapln = 5;
    p.niepobranewkasie = "N";
    w = GenerujPrzelewy(lista(), {p}, u, o);
    QCOMPARE(w.plnOdrzucone, 1);
    QVERIFY(w.zostajePln);
    QVERIFY(w.pln.isEmpty());

    // Each missing field refuses on its own: bank, owner and number of the account.
    for (QString Pozycja::*pole : {&Pozycja::brachunek1, &Pozycja::orachunek1, &Pozycja::nrachunek1}) {
        Pozycja q = kowalski();
        q.rachunek2 = 0;
        q.*pole = QString();
        const WynikPrzelewow r = GenerujPrzelewy(lista(), {q}, platnik(), opcje());
        QCOMPARE(r.plnOdrzucone, 1);
        QVERIFY(r.pln.isEmpty());
    }
}

void TransfersTest::titlesNamesQuotesAndAmounts() {
    auto field = [](const QByteArray& line, int n) { // 1-based field of a written line
        const QString t = zCp1250(line);
        QStringList f;
        QString cur;
        bool quoted = false;
        for (QChar c : t) {
            if (c == u'"') quoted = !quoted;
            if (c == u' ' && !quoted) {
                f << cur;
                cur.clear();
            } else {
                cur += c;
            }
        }
        f << cur;
        return f.value(n - 1);
    };
    OpcjePrzelewow o = opcje();
    Pozycja p = kowalski();
    p.rachunek2 = 0;
    o.tytul2.clear();
    o.tytul3 = "CZERWIEC";
    QByteArray line = linie(GenerujPrzelewy(lista(), {p}, platnik(), o).pln).first();
    QCOMPARE(field(line, 9), "\"WYPŁATA???CZERWIEC\"");
    o.tytul3.clear();
    line = linie(GenerujPrzelewy(lista(), {p}, platnik(), o).pln).first();
    QCOMPARE(field(line, 9), "\"WYPŁATA\"");
    // The owner's name equal to the person's: no suffix.
    o.tytul2 = "LISTA";
    p.orachunek1 = "KOWALSKI JAN";
    line = linie(GenerujPrzelewy(lista(), {p}, platnik(), o).pln).first();
    QCOMPARE(field(line, 9), "\"WYPŁATA???LISTA\"");

    // Beneficiary's names of 35, 36, 40 and 70+ characters with Polish letters.
    const QString a35 = QString("ŻÓŁĆ") + QString(26, u'A') + " ĘŚĄŃ"; // 35 with the blank
    QCOMPARE(a35.size() + 0, 35);
    struct Imie {
        QString nazwisko, imie, expected;
    };
    const QList<Imie> names = {
        {a35.left(30), a35.mid(31), a35},
        {QString(30, u'Ł'), "ABCDE", QString(30, u'Ł') + " ABCD???E"},
        {QString(35, u'Ś'), "ABCD", QString(35, u'Ś') + "??? ABCD"},
        {QString(40, u'Ź'), QString(40, u'B'),
         QString(35, u'Ź') + "???" + QString(5, u'Ź') + " " + QString(29, u'B')},
    };
    for (const Imie& n : names) {
        Pozycja q = p;
        q.nazwisko = n.nazwisko;
        q.imie = n.imie;
        line = linie(GenerujPrzelewy(lista(), {q}, platnik(), o).pln).first();
        QCOMPARE(field(line, 11), "\"" + n.expected + "\"");
        QCOMPARE(field(line, 12), field(line, 11));
    }

    // Empty BIC and KLBUDZET refuse nothing and are written as "".
    PlatnikPrzelewow u = platnik();
    u.klbudzet.clear();
    Pozycja c = kowalski();
    c.bic2.clear();
    const WynikPrzelewow w = GenerujPrzelewy(lista(), {c}, u, opcje());
    QCOMPARE(field(linie(w.pln).first(), 18), "\"\"");
    QCOMPARE(field(linie(w.waluta).last(), 21), "\"\"");
    QCOMPARE(field(linie(w.waluta).last(), 22), "\"\"");

    // A double quote inside a value becomes an apostrophe: the fields stay apart.
    Pozycja d = kowalski();
    d.rachunek2 = 0;
    d.brachunek1 = "BANK \"POLSKA\"";
    line = linie(GenerujPrzelewy(lista(), {d}, platnik(), opcje()).pln).first();
    QCOMPARE(field(line, 1), "\"BANK 'POLSKA'\"");
    QCOMPARE(line.count('"'), 2 * 16);

    // Amounts whose doubles lie just below a grosz, and no thousands separator.
    for (auto [v, text] : {std::pair{0.29, "0.29"}, {1.15, "1.15"}, {4.35, "4.35"},
                           {1234.5, "1234.50"}, {1234567.89, "1234567.89"}}) {
        Pozycja q = d;
        q.brachunek1 = "B";
        q.rachunek1 = v;
        line = linie(GenerujPrzelewy(lista(), {q}, platnik(), opcje()).pln).first();
        QCOMPARE(field(line, 5), QString::fromLatin1(text));
    }
}

void TransfersTest::reportLineByLine() {
    Pozycja bad = kowalski();
    bad.nazwisko = "NOWAK";
    bad.nrachunek1.clear();
    const WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski(), bad}, platnik(), opcje());
    const QStringList expected = {
        "",
        "",
        "      RAPORT Z GENEROWANIA PRZELEWÓW:",
        "",
        "        ILOŚĆ OSÓB:  2",
        "        NAZWA PLIKU: /tmp/lipiec.imp",
        "        TYTUŁEM:     WYPŁATA",
        "                     LISTA 5/2026",
        "                     ",
        "        DATA:        09/12/2026",
        "",
        "      PRZELEWY ODRZUCONE:",
        "        NOWAK JAN - 100,00 PLN",
        "",
        "      PODSUMOWANIE:",
        "",
        "        PRZELEWY W PLN WYKONANE:   1",
        "        NA KWOTĘ:                  100,00 PLN",
        "        PRZELEWY W PLN ANULOWANE:  1",
        "        NA KWOTĘ:                  100,00 PLN",
        "",
        "        PRZELEWY W USD WYKONANE:   2",
        "        NA KWOTĘ:                  100,00 USD",
        "        PRZELEWY W USD ANULOWANE:  0",
        "        NA KWOTĘ:                  0,00 USD",
    };
    QCOMPARE(w.raport, expected);
}

void TransfersTest::writingReplacesStaleFilesAndRefusesBadPaths() {
    QTemporaryDir dir;
    const QString pln = dir.filePath("lipiec.imp");
    QCOMPARE(PlikWalutowy(pln), dir.filePath("wal_lipiec.imp"));
    // Stale files of an earlier run, longer than the new ones.
    for (const QString& f : {pln, PlikWalutowy(pln)}) {
        QFile stale(f);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray(5000, 'X'));
    }
    WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski()}, platnik(), opcje());
    ZapiszPrzelewy(w, pln, false);
    QFile a(pln), b(PlikWalutowy(pln));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), w.pln);
    QCOMPARE(b.readAll(), w.waluta);
    a.close();
    b.close();
    // A run that writes no transfer leaves neither file.
    PlatnikPrzelewow u = platnik();
    u.bank.clear();
    ZapiszPrzelewy(GenerujPrzelewy(lista(), {kowalski()}, u, opcje()), pln, false);
    QVERIFY(!QFile::exists(pln));
    QVERIFY(!QFile::exists(PlikWalutowy(pln)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0); // no temporary file left

    // A not-collected run replaces the PLN file only: the currency file of the earlier
    // regular run stays as it was.
    ZapiszPrzelewy(w, pln, false);
    OpcjePrzelewow o = opcje();
    o.niepobrane = true;
    Pozycja n = kowalski();
    n.zaliczkapln = 12.3;
    n.niepobranewkasie = "N";
    const WynikPrzelewow nw = GenerujPrzelewy(lista(), {n}, platnik(), o);
    ZapiszPrzelewy(nw, pln, true);
    QCOMPARE(plik(pln), nw.pln);
    QCOMPARE(plik(PlikWalutowy(pln)), w.waluta);
    // With nothing written it still leaves its (empty) PLN file, and the currency file again.
    ZapiszPrzelewy(GenerujPrzelewy(lista(), {n}, u, o), pln, true);
    QCOMPARE(plik(pln), QByteArray());
    QVERIFY(QFile::exists(pln));
    QCOMPARE(plik(PlikWalutowy(pln)), w.waluta);
    QVERIFY(QFile::remove(pln) && QFile::remove(PlikWalutowy(pln)));

    // A folder that cannot be made: a Polish message, no file.
    QFile blocker(dir.filePath("plik"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString bad = dir.filePath("plik/lipiec.imp");
    try {
        ZapiszPrzelewy(w, bad, false);
        QFAIL("a path under a file was accepted");
    } catch (const VexaError& e) {
        QVERIFY(e.message().startsWith("Nie można zapisać pliku:"));
    }
    QVERIFY(!QFile::exists(bad));
    // A device that does not take the bytes.
    QBuffer readOnly;
    QVERIFY(readOnly.open(QIODevice::ReadOnly));
    QVERIFY_THROWS_EXCEPTION(VexaError, ZapiszNaUrzadzenie(readOnly, w.pln, "bufor"));
}

void TransfersTest::bothFilesOrNeither() {
    QTemporaryDir dir;
    const QString pln = dir.filePath("lipiec.imp");
    for (const QString& f : {pln, PlikWalutowy(pln)}) {
        QFile old(f);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("stary " + f.toUtf8());
    }
    // The currency file cannot be written (its temporary name is taken by a folder): the PLN
    // file, written first, must not replace the old one either.
    QVERIFY(QDir().mkpath(PlikWalutowy(pln) + ".tmp/x"));
    const WynikPrzelewow w = GenerujPrzelewy(lista(), {kowalski()}, platnik(), opcje());
    QVERIFY(!w.pln.isEmpty() && !w.waluta.isEmpty());
    QVERIFY_THROWS_EXCEPTION(VexaError, ZapiszPrzelewy(w, pln, false));
    for (const QString& f : {pln, PlikWalutowy(pln)}) {
        QFile old(f);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "stary " + f.toUtf8());
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
    // Once the obstacle is gone both files are replaced.
    QVERIFY(QDir(PlikWalutowy(pln) + ".tmp").removeRecursively());
    ZapiszPrzelewy(w, pln, false);
    QFile a(pln), b(PlikWalutowy(pln));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), w.pln);
    QCOMPARE(b.readAll(), w.waluta);
}

void TransfersTest::aCharacterOutsideTheCodePageNamesWhereItStands() {
    auto odmowa = [](const Pozycja& p, const PlatnikPrzelewow& u, const OpcjePrzelewow& o) {
        try {
            GenerujPrzelewy(lista(), {p}, u, o);
        } catch (const VexaError& e) {
            return e.message();
        }
        return QString();
    };
    const QString znak = "Znak „ø” nie istnieje w stronie kodowej Windows-1250.\r\r";
    Pozycja p = kowalski();
    p.pesel = "80010112340";
    p.brachunek2 = "NORDEA TROMSø";
    QCOMPARE(odmowa(p, platnik(), opcje()),
             znak + "Pozycja: KOWALSKI JAN (PESEL 80010112340), kolumna „brachunek2”.");
    p = kowalski();
    p.orachunek1 = "KOWALSKA Ø";
    QCOMPARE(odmowa(p, platnik(), opcje()),
             QString(znak).replace("ø", "Ø") +
                 "Pozycja: KOWALSKI JAN (PESEL ), kolumna „orachunek1”.");
    PlatnikPrzelewow u = platnik();
    u.posiadacz = "JW ø";
    QCOMPARE(odmowa(kowalski(), u, opcje()),
             znak + "Ustawienia jednostki, pole „POSIADACZ”.");
    OpcjePrzelewow o = opcje();
    o.tytul3 = "TROMSø";
    QCOMPARE(odmowa(kowalski(), platnik(), o), znak + "Pole „TYTUŁEM”.");
    // A refused account is not written, so its texts do not matter.
    p = kowalski();
    p.brachunek2.clear();
    p.orachunek2 = "Ø";
    QCOMPARE(odmowa(p, platnik(), opcje()), QString());
}

QTEST_GUILESS_MAIN(TransfersTest)
#include "transfers_test.moc"
