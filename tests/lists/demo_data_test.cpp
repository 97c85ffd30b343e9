#include "data/settings.h"
#include "data/validators.h"
#include "lists/demo_data.h"
#include "lists/list_repository.h"
#include "persons/person_repository.h"
#include "support/test_db.h"

#include <QProcess>
#include <QtTest>

using namespace vexa;

class DemoDataTest : public QObject {
    Q_OBJECT
private slots:
    void helpersMakeValidNumbers();
    void demoUnitIsConfiguredValidAndRepeatable();
    void commandLineGeneratesAListOrRefusesClearly();
};

void DemoDataTest::helpersMakeValidNumbers() {
    QCOMPARE(PeselDemo(QDate(1975, 3, 15), 123, "M").left(6), "750315");
    QCOMPARE(PeselDemo(QDate(2000, 1, 1), 5, "K").left(6), "002101");
    for (int i = 0; i < 200; ++i) {
        const QString p = PeselDemo(QDate(1960, 1, 1).addDays(i * 97), i * 37, i % 2 ? "M" : "K");
        QVERIFY2(CzyPesel(p), qPrintable(p));
        QCOMPARE(plecpesel(p), QString(i % 2 ? "M" : "K"));
        QVERIFY(CzyRachunek(RachunekDemo("10201026", 1000 + i * 7919LL)));
    }
}

void DemoDataTest::demoUnitIsConfiguredValidAndRepeatable() {
    TestDb a, b;
    WypelnijDemo(a.db(), 60, QDate(2027, 3, 5));
    WypelnijDemo(b.db(), 60, QDate(2027, 3, 5));
    QVERIFY(UstawieniaPotwierdzone(a.db()));
    QVERIFY(CzyNrIdent(Odczyt(a.db(), "NRIDENT")));
    QVERIFY(CzyRachunek(Odczyt(a.db(), "KONTO")));
    QVERIFY(CzyNip(Odczyt(a.db(), "NIP")));
    QCOMPARE(a.db().scalar("select count(*) from ste").toInt(), 23);
    WidokOsob w;
    w.nieaktywni = true;
    QList<Osoba> all = PersonRepository(a.db()).lista(w);
    w.zp = "P";
    all += PersonRepository(a.db()).lista(w);
    QCOMPARE(all.size(), 60);
    for (const Osoba& o : all) {
        QVERIFY2(CzyPesel(o.pesel), qPrintable(o.pesel));
        QVERIFY(CzyRachunek(o.rachunek1));
        QCOMPARE(o.plec, plecpesel(o.pesel));
    }
    const QString lists = "select count(*) from lista where miesiacrok = '02/2027'";
    QCOMPARE(a.db().scalar(lists).toInt(), 3);
    QVERIFY(a.db().scalar("select sum(iloscpozycji) from lista").toInt() > 40);
    QCOMPARE(a.db().scalar("select sum(razem) from pozycja").toDouble(),
             b.db().scalar("select sum(razem) from pozycja").toDouble());
}

void DemoDataTest::commandLineGeneratesAListOrRefusesClearly() {
    QTemporaryDir dir;
    const QString cli = VEXA_BIN_DIR "/vexa-cli";
    const QString db = dir.filePath("demo.mdb");
    auto run = [&](const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
        QProcess p;
        p.start(cli, args);
        p.waitForFinished(60000);
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };
    QCOMPARE(run({"demo-db", db, "--persons", "30"}), 0);
    QCOMPARE(run({"demo-db", db}), 1); // an existing file is never replaced
    QString out, err;
    QCOMPARE(run({"generate", "--db", db, "--month", "03/2027", "--zp", "Z", "--nr", "T/1",
                  "--cash-rate", "3,95"},
                 &out),
             0);
    QVERIFY2(out.startsWith("id=4\npozycje="), qPrintable(out));
    QVERIFY(out.contains("\nrazem="));
    Database check;
    check.open(db);
    QCOMPARE(check.scalar("select nr from lista where id = 4").toString(), "T_1");
    QCOMPARE(check.scalar("select kurszaliczki from lista where id = 4").toDouble(), 3.95);

    QCOMPARE(run({"generate", "--db", db, "--month", "3-2027", "--zp", "Z"}, nullptr, &err), 2);
    QVERIFY(err.contains("MM/RRRR"));
    QCOMPARE(run({"generate", "--db", db, "--month", "03/2027", "--zp", "X"}, nullptr, &err), 2);
    QCOMPARE(run({"generate", "--db", db, "--month", "03/2027", "--zp", "Z", "--kind", "D"},
                 nullptr, &err),
             2);
    QVERIFY(err.contains("--rodzaj"));
    QCOMPARE(run({"generate", "--db", db, "--month", "03/2027", "--zp", "Z", "--bank-rate", "0"},
                 nullptr, &err),
             2);
    QVERIFY(err.contains("Proszę wprowadzić kurs waluty"));
    QCOMPARE(run({"generate", "--month", "03/2027"}, nullptr, &err), 2);
    QCOMPARE(run({"generate", "--db", dir.filePath("brak.mdb"), "--month", "03/2027", "--zp", "Z"},
                 nullptr, &err),
             1);
    QVERIFY(err.contains("Brak pliku bazy danych"));
}

QTEST_GUILESS_MAIN(DemoDataTest)
#include "demo_data_test.moc"
