// List files against hostile input and odd stored values: millions of bare line ends are
// refused at once, amounts a file cannot carry and characters Windows-1250 lacks are refused
// on writing naming the position and the column, and a wrapped amount is refused on reading.
#include "data/codepage.h"
#include "data/error.h"
#include "lists/generation.h"
#include "lists/list_files.h"
#include "support/masked_files.h"
#include "support/unit_fixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <limits>

using namespace vexa;

namespace {

template <class F> QString odmowa(F&& f) {
    try {
        f();
    } catch (const VexaError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class ListFilesHostileTest : public QObject {
    Q_OBJECT
private slots:
    void millionsOfBareLineEndsAreRefusedQuickly();
    void writingRefusesWhatTheFileCannotCarry();
    void aWrappedAmountIsRefusedOnReading();
};

void ListFilesHostileTest::millionsOfBareLineEndsAreRefusedQuickly() {
    UnitFixture u;
    QByteArray plik = maskedFile({"LNZ", "W14.2", "02.04.2027", "100"});
    plik.reserve(plik.size() + 4000000);
    for (int i = 0; i < 2000000; ++i)
        plik += "\r\n";
    QElapsedTimer t;
    t.start();
    const QString blad = odmowa([&] { CzytajPlikListy(u.db, plik); });
    const qint64 ms = t.elapsed();
    QVERIFY2(blad.startsWith("Plik listy należności jest uszkodzony.\r\rWiersz 5: "),
             qPrintable(blad));
    QVERIFY2(ms < 1000, qPrintable(QString::number(ms) + " ms"));
}

void ListFilesHostileTest::writingRefusesWhatTheFileCannotCarry() {
    UnitFixture u;
    u.person("ADAMSKI", "80010112340");
    u.person("BORSUK", "75031512352");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    auto plik = [&] { PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2)); };
    QCOMPARE(odmowa(plik), QString());
    u.db.exec("update pozycja set dowyplaty = ? where idlisty = ? and nazwisko = 'BORSUK'",
              {-std::numeric_limits<double>::infinity(), id});
    QCOMPARE(odmowa(plik),
             QString("Liczby „-inf” nie można zapisać w pliku: plik mieści liczby od "
                     "-9200000000000 do 9200000000000.\r\rPozycja: BORSUK JAN (PESEL "
                     "75031512352), kolumna „dowyplaty”."));
    u.db.exec("update pozycja set dowyplaty = 0 where idlisty = ?", {id});
    u.db.exec("update lista set kursrach = 1e13 where id = ?", {id});
    QVERIFY2(odmowa(plik).endsWith("Lista 1_2027_A, kolumna „kursrach”."), qPrintable(odmowa(plik)));
    u.db.exec("update lista set kursrach = 1 where id = ?", {id});
    u.db.exec("update pozycja set uwagi = 'ÆRØ' where idlisty = ? and nazwisko = 'ADAMSKI'",
              {id});
    QCOMPARE(odmowa(plik), QString("Znak „Æ” nie istnieje w stronie kodowej Windows-1250.\r\r"
                                   "Pozycja: ADAMSKI JAN (PESEL 80010112340), kolumna „uwagi”."));
}

void ListFilesHostileTest::aWrappedAmountIsRefusedOnReading() {
    UnitFixture u;
    u.person("ADAMSKI", "80010112340");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    QStringList l =
        maskedLines(PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2)));
    QCOMPARE(l.size(), 9);
    const int kolumna = int(l[6].split('\t').indexOf("dowyplaty"));
    QVERIFY(kolumna >= 0);
    QStringList v = l[8].split('\t');
    v[kolumna] = "-9223372036854775808"; // what an infinite amount used to become
    l[8] = v.join('\t');
    QCOMPARE(odmowa([&] { CzytajPlikListy(u.db, maskedFile(l)); }),
             QString("Plik listy należności jest uszkodzony.\r\rWiersz 9: niepoprawna wartość "
                     "„-9223372036854775808” w kolumnie dowyplaty."));
    QCOMPARE(u.count("lista"), 1);
}

QTEST_GUILESS_MAIN(ListFilesHostileTest)
#include "list_files_hostile_test.moc"
