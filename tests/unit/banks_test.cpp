#include "unit/banks.h"
#include "support/test_db.h"

#include <QtTest>

using namespace vexa;

namespace {

// A valid account of the sort code 10901014 and one of 12401037.
const char* const kKonto = "61109010140000071219812874";
const char* const kKontoGrupy = "61 1090 1014 0000 0712 1981 2874";
const char* const kInne = "61124010371111000013355612";

} // namespace

class BanksTest : public QObject {
    Q_OBJECT
private slots:
    void nameIsFoundWithOrWithoutBlanks_data();
    void nameIsFoundWithOrWithoutBlanks();
    void learningOverwritesAKnownPrefixAndAddsANewOne();
    void onlyACompleteAccountWithANameIsLearnt_data();
    void onlyACompleteAccountWithANameIsLearnt();
    void bankFieldIsFilledOnlyWhileEmpty();
};

void BanksTest::nameIsFoundWithOrWithoutBlanks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits only") << kKonto << "SANTANDER BANK POLSKA";
    QTest::newRow("grouped") << kKontoGrupy << "SANTANDER BANK POLSKA";
    QTest::newRow("ten characters typed so far") << "61 1090 1014"
                                                 << "SANTANDER BANK POLSKA";
    QTest::newRow("nine characters") << "61 1090 101"
                                     << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("unknown sort code") << kInne << "";
    QTest::newRow("hyphens are not blanks") << "61-1090-1014-0000"
                                            << "";
}

void BanksTest::nameIsFoundWithOrWithoutBlanks() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestDb t;
    t.db().exec("insert into bank (prefiks, nazwa) values ('10901014', 'SANTANDER BANK POLSKA')");
    QCOMPARE(NazwaBanku(t.db(), typed), expected);
}

void BanksTest::learningOverwritesAKnownPrefixAndAddsANewOne() {
    TestDb t;
    ZapamietajBank(t.db(), kKontoGrupy, "BZ WBK");
    QCOMPARE(NazwaBanku(t.db(), kKonto), "BZ WBK");
    ZapamietajBank(t.db(), kKonto, "SANTANDER BANK POLSKA");
    QCOMPARE(NazwaBanku(t.db(), kKontoGrupy), "SANTANDER BANK POLSKA");
    QCOMPARE(t.db().scalar("select count(*) from bank where prefiks = '10901014'").toInt(), 1);
    ZapamietajBank(t.db(), kInne, "PEKAO SA");
    QCOMPARE(t.db().scalar("select count(*) from bank").toInt(), 2);
    QCOMPARE(NazwaBanku(t.db(), kInne), "PEKAO SA");
    QCOMPARE(NazwaBanku(t.db(), kKonto), "SANTANDER BANK POLSKA");
}

void BanksTest::onlyACompleteAccountWithANameIsLearnt_data() {
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("name");
    QTest::newRow("25 digits") << QString(kKonto).left(25) << "BANK";
    QTest::newRow("27 digits") << QString(kKonto) + "1"
                               << "BANK";
    QTest::newRow("with PL") << QString("PL") + kKonto << "BANK";
    QTest::newRow("empty name") << QString(kKonto) << "";
    QTest::newRow("blank name") << QString(kKonto) << "   ";
}

void BanksTest::onlyACompleteAccountWithANameIsLearnt() {
    QFETCH(QString, account);
    QFETCH(QString, name);
    TestDb t;
    ZapamietajBank(t.db(), account, name);
    QCOMPARE(t.db().scalar("select count(*) from bank").toInt(), 0);
}

void BanksTest::bankFieldIsFilledOnlyWhileEmpty() {
    TestDb t;
    ZapamietajBank(t.db(), kKonto, "SANTANDER BANK POLSKA");
    QCOMPARE(BankDlaRachunku(t.db(), kKontoGrupy, ""), "SANTANDER BANK POLSKA");
    QCOMPARE(BankDlaRachunku(t.db(), kKontoGrupy, "MÓJ BANK"), "MÓJ BANK");
    QCOMPARE(BankDlaRachunku(t.db(), kInne, ""), "");
}

QTEST_GUILESS_MAIN(BanksTest)
#include "banks_test.moc"
