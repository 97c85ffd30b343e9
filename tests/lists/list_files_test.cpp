// List files: a list and its positions round-trip through the masked file with every written
// value, "WP" inside values survives the raw CR LF its mask makes, and every kind of bad file
// is refused with the database left as it was.
#include "data/codepage.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "lists/generation.h"
#include "lists/list_files.h"
#include "support/distinct_amounts.h"
#include "support/masked_files.h"
#include "support/unit_fixture.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using namespace vexa;

namespace {

// Every column but the keys of the rows of a query, as text, row by row.
QStringList wiersze(Database& db, const QString& sql, const QVariantList& args) {
    QStringList out;
    QSqlQuery q = db.exec(sql, args);
    while (q.next()) {
        QStringList v;
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i) {
            const QString n = r.fieldName(i).toLower();
            if (n == "id" || n == "idlisty") continue;
            v << n + "=" + q.value(i).toString();
        }
        out << v.join('|');
    }
    return out;
}


// The ids a query gives.
QList<int> idy(Database& db, const QString& sql, int id) {
    QList<int> out;
    QSqlQuery q = db.exec(sql, {id});
    while (q.next())
        out << q.value(0).toInt();
    return out;
}

// Every money column of a row its own amount, the first RoznaKwota(od).
template <class S>
void zapiszKwoty(Database& db, const char* tabela, int id, const testy::KolumnyKwot<S>& k,
                 int od) {
    for (int i = 0; i < k.size(); ++i)
        db.exec(QString("update %1 set %2 = ? where id = ?")
                    .arg(QLatin1String(tabela), QLatin1String(k[i].first)),
                {testy::RoznaKwota(od + i), id});
}

// RoznaKwota(n) in millionths, as a file writes it: n + (2n - 1) / 100, in whole numbers.
QString milionowe(int n) {
    return QString::number(qlonglong(n) * 1000000 + qlonglong(2 * n - 1) * 10000);
}

// A list file whose list row has n columns: the file's own, then "nazwa1" again and again,
// or the first n of them.
QStringList kolumnListy(QStringList l, int n) {
    const int n1 = l[3].toInt();
    QStringList nazwy = l[4].split('\t').mid(0, n1), wartosci = l[7].split('\t').mid(0, n1);
    while (nazwy.size() < n) {
        nazwy << "nazwa1";
        wartosci << "X";
    }
    l[3] = QString::number(n);
    l[4] = LiniaPol(nazwy.mid(0, n));
    l[7] = LiniaPol(wartosci.mid(0, n));
    return l;
}

} // namespace

class ListFilesTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryValue();
    void positionsInTheChosenOrder();
    void columnCountOnBothSidesOfTheLimit();
    void listWithoutPositionsIsEightLines();
    void badFilesAreRefusedAndNothingIsWritten();
};

void ListFilesTest::roundTripKeepsEveryValue() {
    UnitFixture u;
    u.person("WPWP", "80010112340");
    u.person("KOWALSKI", "75031512352");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    // Every money column of the list and of each position its own amount: a column written
    // or read in another's place cannot pass.
    zapiszKwoty(u.db, "lista", id, testy::KwotyListy(), 1);
    const QList<int> p = idy(u.db, "select id from pozycja where idlisty = ? order by nazwisko", id);
    QCOMPARE(p.size(), 2); // KOWALSKI, WPWP
    zapiszKwoty(u.db, "pozycja", p[0], testy::KwotyPozycji(), 100);
    zapiszKwoty(u.db, "pozycja", p[1], testy::KwotyPozycji(), 200);
    u.db.exec("update lista set dowodca1 = 'DOWÓDCA WP', tabelazaliczki = ? where id = ?",
              {"A\tB", id});
    u.db.exec("update pozycja set uwagi = 'KWP WPW', razem = 123.456789, datautraty = null, "
              "imieojca = 'WP' where idlisty = ? and nazwisko = 'WPWP'",
              {id});
    const QByteArray bytes = PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2));
    const int n1 = maskedLines(bytes).value(3).toInt();
    const QStringList l = maskedLines(bytes, 7, n1 + 1);
    QCOMPARE(l.value(0), "LNZ");
    QCOMPARE(l.value(1), "W14.2");
    QCOMPARE(l.value(2), "02.04.2027");
    // Each amount in millionths under its own name: the list's row, then KOWALSKI's.
    const QStringList nazwyListy = l[4].split('\t'), nazwyPozycji = l[6].split('\t');
    const QStringList lista = l[7].split('\t'), kowalski = l[8].split('\t');
    QCOMPARE(kowalski.value(nazwyPozycji.indexOf("nazwisko")), "KOWALSKI");
    for (int i = 0; i < testy::KwotyListy().size(); ++i)
        QCOMPARE(lista.value(nazwyListy.indexOf(testy::KwotyListy()[i].first)), milionowe(1 + i));
    for (int i = 0; i < testy::KwotyPozycji().size(); ++i)
        QCOMPARE(kowalski.value(nazwyPozycji.indexOf(testy::KwotyPozycji()[i].first)),
                 milionowe(100 + i));

    const ListaZPliku f = CzytajPlikListy(u.db, bytes);
    QCOMPARE(f.pozycje.size(), 2);
    // The list's number and month as the file holds them.
    QCOMPARE(f.pytanie(), "Czy chcesz zaimportować listę?\r\rWersja : 14.2, wygenerowana: "
                          "02.04.2027\r" +
                              u.db.scalar("select nr from lista where id = ?", {id}).toString() +
                              ", Miesiąc: 03/2027");
    const int copy = ZaimportujListe(u.db, f);
    QVERIFY(copy != id);

    // The list row equal but for the TAB dropped from the table's name.
    QStringList original = wiersze(u.db, "select * from lista where id = ?", {id});
    original[0].replace("A\tB", "AB");
    QCOMPARE(wiersze(u.db, "select * from lista where id = ?", {copy}), original);
    // The positions equal, but the empty date comes back as 31 December 1899.
    QStringList pos = wiersze(u.db, "select * from pozycja where idlisty = ? order by nazwisko", {id});
    pos[1].replace("datautraty=|", "datautraty=1899-12-31|");
    QCOMPARE(wiersze(u.db, "select * from pozycja where idlisty = ? order by nazwisko", {copy}),
             pos);
    QCOMPARE(u.db.scalar("select razem from pozycja where idlisty = ? and nazwisko = 'WPWP'",
                         {copy})
                 .toDouble(),
             123.456789);
    QCOMPARE(u.db.scalar("select dowyplaty from pozycja where idlisty = ? and nazwisko = "
                         "'KOWALSKI'",
                         {copy})
                 .toDouble(),
             testy::KwotaKolumny(testy::KwotyPozycji(), "dowyplaty", 100));
}

void ListFilesTest::positionsInTheChosenOrder() {
    UnitFixture u;
    u.person("ADAMSKI", "80010112340");
    u.person("BORSUK", "75031512352");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    u.db.exec("update pozycja set nis = case nazwisko when 'BORSUK' then 'A1' else 'B1' end "
              "where idlisty = ?",
              {id});
    auto kolejnosc = [&](KolejnoscPozycji k) {
        const QStringList l = maskedLines(PlikListy(u.db, id, k, QDate(2027, 4, 2)));
        const int nazwisko = int(l.value(6).split('\t').indexOf("nazwisko"));
        QStringList out;
        for (const QString& w : l.mid(8))
            out << w.split('\t').value(nazwisko);
        return out;
    };
    QCOMPARE(kolejnosc(KolejnoscPozycji::Nazwisko), QStringList({"ADAMSKI", "BORSUK"}));
    QCOMPARE(kolejnosc(KolejnoscPozycji::Nis), QStringList({"BORSUK", "ADAMSKI"}));
}

void ListFilesTest::listWithoutPositionsIsEightLines() {
    UnitFixture u;
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    QCOMPARE(u.count("pozycja"), 0);
    const QByteArray bytes = PlikListy(u.db, id, KolejnoscPozycji::Nis, QDate(2027, 4, 2));
    QCOMPARE(maskedLines(bytes).size(), 8);
    QVERIFY(bytes.endsWith(QByteArray("\r\n")));
    const int copy = ZaimportujListe(u.db, CzytajPlikListy(u.db, bytes));
    QCOMPARE(u.count("lista"), 2);
    QVERIFY(copy > id);
}

void ListFilesTest::badFilesAreRefusedAndNothingIsWritten() {
    UnitFixture u;
    u.person("ADAMSKI", "80010112340");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    const QByteArray good = PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2));
    const QStringList l = maskedLines(good);
    const int lists = u.count("lista"), positions = u.count("pozycja");

    auto refused = [&](const QByteArray& bytes, const QString& part) {
        try {
            ZaimportujListe(u.db, CzytajPlikListy(u.db, bytes));
        } catch (const VexaError& e) {
            return e.message().contains(part) ? QString() : e.message();
        }
        return QStringLiteral("accepted");
    };
    QCOMPARE(refused(QByteArray(), NIE_PLIK_LISTY), QString());
    QCOMPARE(refused(QByteArray("\x00\xff\x13garbage\r\n", 13), NIE_PLIK_LISTY), QString());
    QCOMPARE(refused(maskedFile({"LNZ"}), "Wiersz 2"), QString());
    // Truncated in the middle of the list row.
    QCOMPARE(refused(maskedFile(l.mid(0, 7) << l[7].left(20)), "Wiersz 8"), QString());
    // A column the database lacks.
    QStringList unknown = l;
    unknown[4].replace("miesiacrok", "miesiac_rok");
    QCOMPARE(refused(maskedFile(unknown), "nie ma kolumny „miesiac_rok”"), QString());
    // A number that is none, in a position.
    QStringList badNumber = l;
    const int razem = int(l[6].split('\t').indexOf("razem"));
    QVERIFY(razem >= 0);
    QStringList values = badNumber[8].split('\t');
    values[razem] = "12,5";
    badNumber[8] = values.join('\t');
    QCOMPARE(refused(maskedFile(badNumber), "Wiersz 9"), QString());
    // A date no file writes: before 1900 and not the empty "00.00.0000".
    QStringList oldDate = l;
    const int wykonania = int(l[4].split('\t').indexOf("datawykonania"));
    QVERIFY(wykonania >= 0);
    values = oldDate[7].split('\t');
    values[wykonania] = "01.01.0999";
    oldDate[7] = values.join('\t');
    QCOMPARE(refused(maskedFile(oldDate), "Wiersz 8"), QString());
    values[wykonania] = "00.00.0000";
    oldDate[7] = values.join('\t');
    QCOMPARE(refused(maskedFile(oldDate), "Wiersz 8"), QStringLiteral("accepted"));
    u.db.exec("delete from pozycja where idlisty = (select max(id) from lista)");
    u.db.exec("delete from lista where id = (select max(id) from lista)");
    QCOMPARE(u.count("lista"), lists);
    QCOMPARE(u.count("pozycja"), positions);
}

void ListFilesTest::columnCountOnBothSidesOfTheLimit() {
    UnitFixture u;
    u.person("ADAMSKI", "80010112340");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    const QStringList l =
        maskedLines(PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2)));
    for (int n : {1, 99, 100}) {
        const ListaZPliku f = CzytajPlikListy(u.db, maskedFile(kolumnListy(l, n)));
        QCOMPARE(f.kolumnyListy.size(), n);
        QCOMPARE(f.wartosciListy.size(), n);
        QCOMPARE(f.pozycje.size(), 1);
    }
    for (int n : {0, 101}) {
        QStringList zla = kolumnListy(l, 1);
        zla[3] = QString::number(n);
        try {
            CzytajPlikListy(u.db, maskedFile(zla));
            QFAIL(qPrintable(QString::number(n) + " columns accepted"));
        } catch (const VexaError& e) {
            QCOMPARE(e.message(), "Plik listy należności jest uszkodzony.\r\rWiersz 4: liczba "
                                  "kolumn musi być liczbą od 1 do 100.");
        }
    }
    QCOMPARE(u.count("lista"), 1);
}

QTEST_GUILESS_MAIN(ListFilesTest)
#include "list_files_test.moc"
