#include "data/settings.h"
#include "unit/banks.h"
#include "support/test_db.h"
#include "unit/unit_settings.h"

#include <QSet>
#include <tuple>
#include <QtTest>

using namespace vexa;

namespace {

// Settings that pass every check.
UstawieniaJednostki poprawne() {
    UstawieniaJednostki u;
    u.haslo = "TAJNE";
    u.nrident = "1234562";
    u.nretatu = "AA001";
    u.nazwa1 = "JEDNOSTKA WOJSKOWA 1234";
    u.nazwa2 = "PKW KOSOWO";
    u.skrot = "PKW";
    u.konto = "61 1090 1014 0000 0712 1981 2874";
    u.bank = "SANTANDER BANK POLSKA";
    u.nip = "1234567890";
    return u;
}

int wierszeDane(Database& db) {
    return db.scalar("select count(*) from dane").toInt();
}

} // namespace

class UnitSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void keysAndControlsAreDistinctAndEveryKeyRoundTrips();
    void checksFailOneAfterAnotherInTheirOrder();
    void nipMustBeTenDigitsOrBlanks_data();
    void nipMustBeTenDigitsOrBlanks();
    void refusedConfirmationWritesNothing();
    void firstConfirmationMarksTheDatabaseConfiguredAndLearnsTheBank();
    void emptyHolderBecomesTheTwoNameLines_data();
    void emptyHolderBecomesTheTwoNameLines();
    void amountsAreStoredInGroszeAndReadBack();
    void amountsThatAreEmptyOrNotNumbersReadAsZero_data();
    void amountsThatAreEmptyOrNotNumbersReadAsZero();
};

void UnitSettingsTest::keysAndControlsAreDistinctAndEveryKeyRoundTrips() {
    QSet<QString> keys, controls;
    for (const PoleUstawien& p : PolaUstawien()) {
        keys.insert(p.klucz);
        controls.insert(p.kontrolka);
        QVERIFY((p.tekst != nullptr) != (p.liczba != nullptr));
    }
    QCOMPARE(keys.size(), 21);
    QCOMPARE(controls.size(), 21);
    QCOMPARE(PolaUstawien().first().klucz, "HASLO");
    QCOMPARE(PolaUstawien().last().klucz, "REGON");

    // Every text goes under its own key and comes back into its own member.
    TestDb t;
    UstawieniaJednostki u = poprawne();
    int n = 0;
    for (const PoleUstawien& p : PolaUstawien())
        if (p.tekst && p.klucz != "KONTO" && p.klucz != "NIP" && p.klucz != "NRIDENT")
            u.*p.tekst = QString("WARTOŚĆ %1 ").arg(++n);
    u.koszty = 111.25;
    u.wolna = 3089.0;
    ZapiszUstawienia(t.db(), u);
    const UstawieniaJednostki back = WczytajUstawienia(t.db());
    for (const PoleUstawien& p : PolaUstawien()) {
        if (p.tekst) {
            QCOMPARE(back.*p.tekst, u.*p.tekst);
            QCOMPARE(Odczyt(t.db(), p.klucz), u.*p.tekst); // as typed, blanks kept
        }
    }
    QCOMPARE(back.koszty, 111.25);
    QCOMPARE(back.wolna, 3089.0);
}

void UnitSettingsTest::checksFailOneAfterAnotherInTheirOrder() {
    UstawieniaJednostki u;
    u.nrident = "1234563"; // wrong check digit
    u.nazwa1 = "   ";      // blanks only
    u.konto = "61 1090 1014 0000 0712 1981 2875";
    u.nip = "123-456-78";
    const UstawieniaJednostki good = poprawne();
    struct Krok {
        QString message;
        QString control;
        std::function<void(UstawieniaJednostki&)> fix;
    };
    const QList<Krok> steps{
        {"Proszę wprowadzić hasło dostępu do aplikacji.", "EDHaslo",
         [&](UstawieniaJednostki& x) { x.haslo = good.haslo; }},
        {"Proszę wprowadzić właściwy numer identyfikacyjny jednostki (7-cyfrowy).", "EDNrIdent",
         [&](UstawieniaJednostki& x) { x.nrident = good.nrident; }},
        {"Proszę wprowadzić nazwę jednostki.", "EDNazwa1",
         [&](UstawieniaJednostki& x) { x.nazwa1 = good.nazwa1; }},
        {"Proszę wprowadzić numer etatu jednostki.", "enretatu",
         [&](UstawieniaJednostki& x) { x.nretatu = good.nretatu; }},
        {"Proszę wprowadzić skrót nazwy jednostki.", "EDSkrot",
         [&](UstawieniaJednostki& x) { x.skrot = good.skrot; }},
        {"Błąd sumy kontrolnej rachunku bankowego!\r\rWpisz właściwy numer rachunku.", "ekonto",
         [&](UstawieniaJednostki& x) { x.konto = good.konto; }},
        {"Proszę wprowadzić nazwę banku dla rachunku bankowego.", "ebank",
         [&](UstawieniaJednostki& x) { x.bank = good.bank; }},
        {"Proszę wprowadzić poprawny numer NIP...", "enip",
         [&](UstawieniaJednostki& x) { x.nip = good.nip; }},
    };
    for (const Krok& k : steps) {
        const auto blad = SprawdzUstawienia(u);
        QVERIFY2(blad, qPrintable(k.message));
        QCOMPARE(blad->komunikat, k.message);
        QCOMPARE(blad->kontrolka, k.control);
        k.fix(u);
    }
    QVERIFY(!SprawdzUstawienia(u));
    // A character the files cannot carry, named with the caption of its field (or group).
    for (const auto& [pole, etykieta, kontrolka] :
         {std::tuple{&UstawieniaJednostki::posiadacz, "NAZWA POSIADACZA", "eposiadacz"},
          std::tuple{&UstawieniaJednostki::dowodca3, "DOWÓDCA JEDNOSTKI", "EDdowodca3"},
          std::tuple{&UstawieniaJednostki::sfinansista, "SPR. POD WZGLĘDEM FORMALNYM I RACH.",
                     "esfinansista"}}) {
        UstawieniaJednostki x = u;
        x.*pole = "JW ø";
        const auto blad = SprawdzUstawienia(x);
        QVERIFY(blad);
        QCOMPARE(blad->komunikat,
                 QString("Znak „ø” nie istnieje w stronie kodowej Windows-1250.\r\rPole: ") +
                     QString::fromUtf8(etykieta));
        QCOMPARE(blad->kontrolka, QString::fromLatin1(kontrolka));
    }
    // The unit number may be typed without its leading zeros.
    u.nrident = "0000000";
    QVERIFY(SprawdzUstawienia(u));
    u.nrident = "0000011"; // check digit 1, but 1 x 7 mod 11 = 7
    QVERIFY(SprawdzUstawienia(u));
    u.nrident = "0000017"; // 1*7 mod 11 = 7
    QVERIFY(!SprawdzUstawienia(u));
    u.nrident = "17";
    QVERIFY(!SprawdzUstawienia(u));
}

void UnitSettingsTest::nipMustBeTenDigitsOrBlanks_data() {
    QTest::addColumn<QString>("nip");
    QTest::addColumn<bool>("passes");
    QTest::newRow("ten digits") << "1234567890" << true;
    QTest::newRow("digits and blanks") << "123 456 78" << true;
    QTest::newRow("ten blanks") << "          " << true;
    QTest::newRow("hyphens") << "123-456-78" << false;
    QTest::newRow("nine digits") << "123456789" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter") << "PL12345678" << false;
}

void UnitSettingsTest::nipMustBeTenDigitsOrBlanks() {
    QFETCH(QString, nip);
    QFETCH(bool, passes);
    UstawieniaJednostki u = poprawne();
    u.nip = nip;
    const auto blad = SprawdzUstawienia(u);
    QCOMPARE(!blad, passes);
    if (blad) QCOMPARE(blad->kontrolka, "enip");
}

void UnitSettingsTest::refusedConfirmationWritesNothing() {
    TestDb t;
    UstawieniaJednostki u = poprawne();
    u.bank = "";
    const int before = wierszeDane(t.db());
    const auto blad = ZatwierdzUstawienia(t.db(), u);
    QVERIFY(blad);
    QCOMPARE(blad->kontrolka, "ebank");
    QCOMPARE(wierszeDane(t.db()), before);
    QCOMPARE(Odczyt(t.db(), "DANE"), "N");
    QCOMPARE(t.db().scalar("select count(*) from bank").toInt(), 0);
}

void UnitSettingsTest::firstConfirmationMarksTheDatabaseConfiguredAndLearnsTheBank() {
    TestDb t;
    QVERIFY(!UstawieniaPotwierdzone(t.db()));
    QVERIFY(!ZatwierdzUstawienia(t.db(), poprawne()));
    QCOMPARE(Odczyt(t.db(), "DANE"), "T");
    QCOMPARE(Odczyt(t.db(), "NAZWA1"), "JEDNOSTKA WOJSKOWA 1234");
    QCOMPARE(NazwaBanku(t.db(), "61 1090 1014"), "SANTANDER BANK POLSKA");

    // A database that already counts as configured keeps its mark as it is.
    Zapis(t.db(), "DANE", "X");
    QVERIFY(!ZatwierdzUstawienia(t.db(), poprawne()));
    QCOMPARE(Odczyt(t.db(), "DANE"), "X");
    t.db().exec("delete from dane where kod = 'DANE'");
    QVERIFY(!ZatwierdzUstawienia(t.db(), poprawne()));
    QCOMPARE(t.db().scalar("select count(*) from dane where kod = 'DANE'").toInt(), 0);
}

void UnitSettingsTest::emptyHolderBecomesTheTwoNameLines_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << ""
                           << "JEDNOSTKA WOJSKOWA 1234 PKW KOSOWO";
    QTest::newRow("blanks") << "  "
                            << "JEDNOSTKA WOJSKOWA 1234 PKW KOSOWO";
    QTest::newRow("typed") << "JW 1234???UL. ŁĄKOWA 1"
                           << "JW 1234???UL. ŁĄKOWA 1";
}

void UnitSettingsTest::emptyHolderBecomesTheTwoNameLines() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TestDb t;
    UstawieniaJednostki u = poprawne();
    u.posiadacz = typed;
    QVERIFY(!ZatwierdzUstawienia(t.db(), u));
    QCOMPARE(Odczyt(t.db(), "POSIADACZ"), stored);
}

void UnitSettingsTest::amountsAreStoredInGroszeAndReadBack() {
    TestDb t;
    UstawieniaJednostki u = poprawne();
    u.koszty = 111.25;
    u.wolna = 0.125; // a tie goes to the even grosz
    QVERIFY(!ZatwierdzUstawienia(t.db(), u));
    QCOMPARE(Odczyt(t.db(), "KOSZTY"), "11125");
    QCOMPARE(Odczyt(t.db(), "WOLNA"), "12");
    const UstawieniaJednostki back = WczytajUstawienia(t.db());
    QCOMPARE(back.koszty, 111.25);
    QCOMPARE(back.wolna, 0.12);

    // An amount that cannot be written keeps the old value; the rest is stored all the same.
    u.koszty = std::numeric_limits<double>::infinity();
    u.wolna = 3089;
    u.regon = "012345678";
    QVERIFY(!ZatwierdzUstawienia(t.db(), u));
    QCOMPARE(Odczyt(t.db(), "KOSZTY"), "11125");
    QCOMPARE(Odczyt(t.db(), "WOLNA"), "308900");
    QCOMPARE(Odczyt(t.db(), "REGON"), "012345678");
}

void UnitSettingsTest::amountsThatAreEmptyOrNotNumbersReadAsZero_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("shown");
    QTest::newRow("missing") << QString() << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "ABC" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("grosze") << "308900" << 3089.0;
}

void UnitSettingsTest::amountsThatAreEmptyOrNotNumbersReadAsZero() {
    QFETCH(QString, stored);
    QFETCH(double, shown);
    TestDb t;
    if (!stored.isNull()) Zapis(t.db(), "KOSZTY", stored);
    QCOMPARE(WczytajUstawienia(t.db()).koszty, shown);
    QCOMPARE(KwotaZGroszy(stored), shown);
}

QTEST_GUILESS_MAIN(UnitSettingsTest)
#include "unit_settings_test.moc"
