#include "persons/ui/lookup_loading.h"
#include "support/app_fixture.h"

#include <QFile>
#include <QProgressDialog>
#include <QtTest>

using namespace vexa;

class LookupLoadingTest : public QObject {
    Q_OBJECT
private slots:
    void emptyTablesAreLoadedFromTheProgramFolder();
    void missingFilesAreReportedAndLeaveTheTablesEmpty();
};

void LookupLoadingTest::emptyTablesAreLoadedFromTheProgramFolder() {
    AppFixture f;
    for (const char* name : {"us.txt", "kp.txt"})
        QVERIFY(QFile::copy(QStringLiteral(VEXA_SOURCE_DIR "/resources/") + name,
                            f.folder() + "/" + name));
    QVERIFY(f.show());
    UzupelnijUrzedyIKodyZPostepem(f.ctx(), &f.window());
    QCOMPARE(f.messages().texts(),
             (QStringList{"Aplikacja załaduje dane urzędów skarbowych. Proszę chwilę poczekać...",
                          "Dane urzędów skarbowych zostały załadowane...",
                          "Aplikacja załaduje dane urzędów pocztowych. Proszę chwilę poczekać...",
                          "Dane urzędów pocztowych zostały załadowane..."}));
    QVERIFY(f.db().scalar("select count(*) from urzedy_skarbowe").toInt() > 300);
    QVERIFY(f.db().scalar("select count(*) from kody_pocztowe").toInt() > 20000);
    auto* progress = f.window().findChild<QProgressDialog*>("ppostep");
    QVERIFY(!progress || !progress->isVisible());

    f.messages().clear(); // the next rebuild finds both tables filled
    UzupelnijUrzedyIKodyZPostepem(f.ctx(), &f.window());
    QCOMPARE(f.messages().count(), 0);
}

void LookupLoadingTest::missingFilesAreReportedAndLeaveTheTablesEmpty() {
    AppFixture f;
    QVERIFY(f.show());
    UzupelnijUrzedyIKodyZPostepem(f.ctx(), &f.window());
    QCOMPARE(f.messages().count(), 2);
    QVERIFY(f.messages().texts().at(0).startsWith("Brak pliku „"));
    QVERIFY(f.messages().texts().at(1).contains("kp.txt"));
    QCOMPARE(f.db().scalar("select count(*) from urzedy_skarbowe").toInt(), 0);
    QCOMPARE(f.db().scalar("select count(*) from kody_pocztowe").toInt(), 0);
}

QTEST_MAIN(LookupLoadingTest)
#include "lookup_loading_test.moc"
