// List files: a list and its positions round-trip through the masked file with every written
// value, "WP" inside values survives the raw CR LF its mask makes, and every kind of bad file
// is refused with the database left as it was.
#include "data/codepage.h"
#include "data/error.h"
#include "data/masked_lines.h"
#include "lists/generation.h"
#include "lists/list_files.h"
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



} // namespace

class ListFilesTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryValue();
    void listWithoutPositionsIsEightLines();
    void badFilesAreRefusedAndNothingIsWritten();
};

void ListFilesTest::roundTripKeepsEveryValue() {
    UnitFixture u;
    u.person("WPWP", "80010112340");
    u.person("KOWALSKI", "75031512352");
    const int id = UtworzListe(u.db, u.msg, u.full(), QDate(2027, 3, 31));
    u.db.exec("update lista set dowodca1 = 'DOWÓDCA WP', tabelazaliczki = ? where id = ?",
              {"A\tB", id});
    u.db.exec("update pozycja set uwagi = 'KWP WPW', razem = 123.456789, datautraty = null, "
              "imieojca = 'WP' where idlisty = ? and nazwisko = 'WPWP'",
              {id});
    const QByteArray bytes = PlikListy(u.db, id, KolejnoscPozycji::Nazwisko, QDate(2027, 4, 2));
    const QStringList l = maskedLines(bytes);
    QCOMPARE(l.value(0), "LNZ");
    QCOMPARE(l.value(1), "W14.2");
    QCOMPARE(l.value(2), "02.04.2027");

    const ListaZPliku f = CzytajPlikListy(u.db, bytes);
    QCOMPARE(f.pozycje.size(), 2);
    QVERIFY(f.pytanie().startsWith("Czy chcesz zaimportować listę?\r\rWersja : 14.2, "
                                   "wygenerowana: 02.04.2027\r"));
    QVERIFY(f.pytanie().endsWith(", Miesiąc: 03/2027"));
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
    // More than 100 columns.
    QStringList wide = l;
    wide[3] = "101";
    QCOMPARE(refused(maskedFile(wide), "Wiersz 4"), QString());

    QCOMPARE(u.count("lista"), lists);
    QCOMPARE(u.count("pozycja"), positions);
}

QTEST_GUILESS_MAIN(ListFilesTest)
#include "list_files_test.moc"
