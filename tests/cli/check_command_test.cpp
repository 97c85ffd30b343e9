#include "data/database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

using namespace vexa;

namespace {


QByteArray skrot(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The lines of `linie` that contain every one of `fragmenty`.
int ile(const QStringList& linie, const QStringList& fragmenty) {
    int n = 0;
    for (const QString& l : linie) {
        bool all = true;
        for (const QString& f : fragmenty)
            all = all && l.contains(f);
        n += all ? 1 : 0;
    }
    return n;
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void demoDatabaseIsSoundAndStaysUnchanged();
    void eachBrokenRuleGivesOneLine();
    void notADatabaseExitsWithTwo();

private:
    QTemporaryDir m_dir;
    QString m_demo;
};

void CheckCommandTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_demo = m_dir.filePath("demo.mdb");
    const WynikCli w = uruchomCli({"demo-db", m_demo, "--persons", "40"});
    QVERIFY2(w.kod == 0, qPrintable(w.err));
}

void CheckCommandTest::demoDatabaseIsSoundAndStaysUnchanged() {
    const QString db = m_dir.filePath("czysta.mdb");
    QVERIFY(QFile::copy(m_demo, db));
    {
        // An index ordered by the collation PL: only a connection that has it can check it.
        Database d;
        d.open(db);
        d.exec("create index osoba_nazwisko on osoba (nazwisko)");
        // An older file, from before the upgrade: checking must not upgrade it.
        d.exec("alter table pozycja drop column zmniejszenie_urlop");
    }
    const QByteArray before = skrot(db);
    const WynikCli w = uruchomCli({"check-db", db});
    QCOMPARE(w.linie, QStringList{"OK"});
    QCOMPARE(w.kod, 0);
    QVERIFY2(w.err.isEmpty(), qPrintable(w.err));
    QCOMPARE(skrot(db), before);
}

void CheckCommandTest::eachBrokenRuleGivesOneLine() {
    const QString db = m_dir.filePath("zepsuta.mdb");
    QVERIFY(QFile::copy(m_demo, db));
    int pozycje = 0;
    qint64 sierota = 0;
    {
        Database d;
        d.open(db);
        QVERIFY(d.scalar("select count(*) from lista").toInt() >= 2);
        QVERIFY(d.scalar("select count(*) from pozycja where idlisty = 1").toInt() > 0);
        QVERIFY(d.scalar("select count(*) from dni_wolne").toInt() > 0);
        d.exec("update lista set razem = razem + 0.01 where id = 1");
        pozycje = d.scalar("select iloscpozycji from lista where id = 2").toInt();
        d.exec("update lista set iloscpozycji = iloscpozycji + 1 where id = 2");
        d.exec("insert into pozycja (idlisty, nazwisko, imie, pesel, razem) "
               "values (999, 'ŁOPATA', 'JAN', '80010112340', 100)");
        sierota = d.scalar("select max(id) from pozycja").toLongLong();
        d.exec("insert into dni_wolne (pesel, typ, od, do) "
               "values ('99999999999', 'U', '2027-03-01', '2027-03-05')");
    }
    const WynikCli w = uruchomCli({"check-db", db});
    QCOMPARE(w.kod, 1);
    QVERIFY2(w.linie.size() == 4, qPrintable(w.linie.join('\n')));
    QCOMPARE(ile(w.linie, {"Lista id=1 ", "razem = ", "w liście, a z pozycji wynika"}), 1);
    QCOMPARE(ile(w.linie, {"Lista id=2 ", QString("iloscpozycji = %1 w liście, a z pozycji "
                                                  "wynika %2.")
                                              .arg(pozycje + 1)
                                              .arg(pozycje)}),
             1);
    QCOMPARE(ile(w.linie, {QString("Pozycja id=%1 ").arg(sierota), "ŁOPATA JAN",
                           "listy id=999, której nie ma"}),
             1);
    QCOMPARE(
        ile(w.linie, {"Dni wolne", "99999999999", "od 2027-03-01 do 2027-03-05", "brak osoby"}), 1);
}

void CheckCommandTest::notADatabaseExitsWithTwo() {
    const QString text = m_dir.filePath("notatka.txt");
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("To nie jest baza danych, tylko zwykły tekst.\n").repeated(200));
    f.close();
    WynikCli w = uruchomCli({"check-db", text});
    QCOMPARE(w.kod, 2);
    QVERIFY(w.linie.isEmpty());
    QVERIFY(!w.err.isEmpty());

    w = uruchomCli({"check-db", m_dir.filePath("brak.mdb")});
    QCOMPARE(w.kod, 2);
    QVERIFY2(w.err.contains("Brak pliku bazy danych"), qPrintable(w.err));
    QVERIFY(!QFile::exists(m_dir.filePath("brak.mdb")));

    QCOMPARE(uruchomCli({"check-db"}).kod, 2);
}

QTEST_GUILESS_MAIN(CheckCommandTest)
#include "check_command_test.moc"
