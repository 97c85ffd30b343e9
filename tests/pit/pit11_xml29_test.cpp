// PIT-11 (29) e-declarations: every value in its element, every file valid against the official
// schema, and a form whose data cannot fill the schema listed and left without a file.
#include "data/error.h"
#include "persons/lookups.h"
#include "pit/pit11_xml.h"
#include "pit/pit11_xml29.h"
#include "pit_data.h"
#include "support/test_db.h"
#include "support/xsd_check.h"

#include <QXmlStreamReader>
#include <QtTest>

Q_DECLARE_METATYPE(vexa::FormularzPit11)

using namespace vexa;
using namespace pittest;

namespace {

FormularzPit11 Wzor() {
    FormularzPit11 f;
    f.rok = "2025";
    f.nip = "5261040828";
    f.platnik = "JEDNOSTKA WOJSKOWA 4321???UL. WOJSKOWA 1";
    f.regon = "012345678";
    f.os_pesel = "80010112340";
    f.os_nazwisko = "ŁUKASIEWICZ";
    f.os_imie = "ŻANETA";
    f.os_data_ur = "01.01.1980";
    f.os_kraj = "POLSKA";
    f.os_woj = "MAZOWIECKIE";
    f.os_powiat = "WARSZAWSKI ZACHODNI";
    f.os_gmina = "STARE BABICE";
    f.os_ulica = "ŻWIRKI I WIGURY";
    f.os_nr_domu = "12A";
    f.os_nr_lok = "7";
    f.os_miejsc = "BORZĘCIN DUŻY";
    f.os_kod = "05-083";
    f.os_poczta = "ZABOROWEK";
    f.us_kod_is = "1434";
    f.koszty = "1";
    f.kw_przychod = 12345.67;
    f.kw_koszty = 234.56;
    f.kw_dochod = 12111.11;
    f.kw_dochod_zw = 98.76;
    f.kw_podatek = 2222.5;
    return f;
}

// Element name (with its prefix) → text, and element name → its attributes as "a=v" joined by
// blanks; a document that is not well-formed fails the test.
struct Dokument {
    QMultiMap<QString, QString> tekst;
    QMap<QString, QString> atrybuty;
    QSet<QString> przestrzenie; // the namespaces of the elements
    QStringList kolejnosc;
    QString blad;
};

Dokument Czytaj(const QByteArray& xml) {
    Dokument d;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement()) continue;
        const QString n = r.qualifiedName().toString();
        d.kolejnosc << n;
        d.przestrzenie.insert(r.namespaceUri().toString());
        QStringList a;
        for (const QXmlStreamAttribute& x : r.attributes())
            a << x.qualifiedName().toString() + u'=' + x.value().toString();
        d.atrybuty.insert(n, a.join(u' '));
        if (!QStringList{"Deklaracja", "Naglowek", "Podmiot1", "Podmiot2", "OsobaNiefizyczna",
                         "OsobaFizyczna", "AdresZamieszkania", "PozycjeSzczegolowe", "Zalaczniki",
                         "zzu:Zalacznik_ORD-ZU", "zzu:Naglowek", "zzu:PozycjeSzczegolowe"}
                 .contains(n))
            d.tekst.insert(n, r.readElementText());
    }
    if (r.hasError()) d.blad = r.errorString();
    return d;
}

// Writes the documents into `folder` and validates them all with the schema.
QString Waliduj(const QString& folder, const QList<std::pair<QString, QByteArray>>& pliki) {
    QStringList sciezki;
    for (const auto& [nazwa, xml] : pliki) {
        QFile f(folder + u'/' + nazwa);
        if (!f.open(QIODevice::WriteOnly) || f.write(xml) != xml.size()) return "zapis " + nazwa;
        sciezki << f.fileName();
    }
    return NiezgodneZeSchematem(sciezki);
}

bool TylkoCrLf(const QByteArray& xml) {
    for (qsizetype i = 0; i < xml.size(); ++i) {
        if (xml[i] == '\n' && (i == 0 || xml[i - 1] != '\r')) return false;
        if (xml[i] == '\r' && (i + 1 == xml.size() || xml[i + 1] != '\n')) return false;
    }
    return xml.endsWith("\r\n") && !xml.endsWith("\r\n\r\n");
}

} // namespace

class Pit11Xml29Test : public QObject {
    Q_OBJECT
private slots:
    void plainFormHasEveryValueInItsElement();
    void correctionCarriesTheOrdZuAttachment();
    void edgeFormsValidate_data();
    void edgeFormsValidate();
    void faultsAreNamedPerField();
    void personsWithMissingDataAreListedAndGetNoFile();
    void payerFaultsWriteNothing();
    void variantProposedForTheYear();
};

void Pit11Xml29Test::plainFormHasEveryValueInItsElement() {
    const FormularzPit11 f = Wzor();
    QVERIFY(BrakiPit11Wzor29(f, KodyUrzedowWykazu()).isEmpty());
    QVERIFY(BrakiPlatnikaPit11Wzor29(f).isEmpty());
    const QByteArray xml = XmlPit11Wzor29(f);
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    QVERIFY(TylkoCrLf(xml));
    QVERIFY(xml.contains("<Nazwisko>\xC5\x81UKASIEWICZ</Nazwisko>")); // UTF-8 "Ł"
    const Dokument d = Czytaj(xml);
    QCOMPARE(d.blad, QString());
    // Every element of the form in the form's namespace.
    QCOMPARE(d.przestrzenie, QSet<QString>{"http://crd.gov.pl/wzor/2024/10/15/13535/"});
    QCOMPARE(d.atrybuty.value("KodFormularza"),
             QString("kodSystemowy=PIT-11 (29) kodPodatku=PIT rodzajZobowiazania=Z "
                     "wersjaSchemy=4-0E"));
    const QList<std::pair<QString, QString>> oczekiwane{
        {"KodFormularza", "PIT-11"},
        {"WariantFormularza", "29"},
        {"CelZlozenia", "1"},
        {"Rok", "2025"},
        {"KodUrzedu", "1434"},
        {"NIP", "5261040828"},
        {"PelnaNazwa", "JEDNOSTKA WOJSKOWA 4321 UL. WOJSKOWA 1"},
        {"PESEL", "80010112340"},
        {"ImiePierwsze", "ŻANETA"},
        {"Nazwisko", "ŁUKASIEWICZ"},
        {"DataUrodzenia", "1980-01-01"},
        {"KodKraju", "PL"},
        {"Wojewodztwo", "MAZOWIECKIE"},
        {"Powiat", "WARSZAWSKI ZACHODNI"},
        {"Gmina", "STARE BABICE"},
        {"Ulica", "ŻWIRKI I WIGURY"},
        {"NrDomu", "12A"},
        {"NrLokalu", "7"},
        {"Miejscowosc", "BORZĘCIN DUŻY"},
        {"KodPocztowy", "05-083"},
        {"P_11", "1"},
        {"P_28", "1"},
        {"P_29", "12345.67"},
        {"P_30", "234.56"},
        {"P_31", "12111.11"},
        {"P_32", "98.76"},
        {"P_33", "2222"}, // half a złoty to the even number
        {"P_121", "2"},
        {"Pouczenie", "1"},
    };
    QStringList liscie;
    for (const QString& n : d.kolejnosc)
        if (d.tekst.contains(n)) liscie << n;
    QStringList nazwy;
    for (const auto& [n, v] : oczekiwane) {
        nazwy << n;
        QCOMPARE(d.tekst.values(n), QStringList{v});
    }
    // In the schema's order, nothing more (no REGON, no post office, no attachment).
    QCOMPARE(liscie, nazwy);
    QCOMPARE(d.atrybuty.value("CelZlozenia"), QString("poz=P_7"));
    QCOMPARE(d.atrybuty.value("Podmiot1"), QString("rola=Płatnik/Składający"));
    QCOMPARE(d.atrybuty.value("Podmiot2"), QString("rola=Podatnik"));
    QCOMPARE(d.atrybuty.value("AdresZamieszkania"), QString("rodzajAdresu=RAD"));
    QCOMPARE(d.atrybuty.value("KodKraju"), QString("poz=P_19A"));
    QCOMPARE(d.atrybuty.value("Ulica"), QString("poz=P_23"));
    QCOMPARE(d.atrybuty.value("NrDomu"), QString("poz=P_24"));
    QCOMPARE(d.atrybuty.value("NrLokalu"), QString("poz=P_25"));
    QCOMPARE(d.atrybuty.value("Miejscowosc"), QString("poz=P_26"));
    QCOMPARE(d.atrybuty.value("KodPocztowy"), QString("poz=P_27"));

    // A taxpayer with a NIP is named by it, not by the PESEL.
    FormularzPit11 n = f;
    n.os_nip = "123-456-32-18";
    const Dokument dn = Czytaj(XmlPit11Wzor29(n));
    QCOMPARE(dn.tekst.values("NIP"), (QStringList{"1234563218", "5261040828"}));
    QVERIFY(!dn.tekst.contains("PESEL"));

    QTemporaryDir dir;
    const QString w = Waliduj(dir.path(), {{"zwykly.xml", xml}, {"nip.xml", XmlPit11Wzor29(n)}});
    QVERIFY2(w.isEmpty(), qPrintable(w));
}

void Pit11Xml29Test::correctionCarriesTheOrdZuAttachment() {
    FormularzPit11 f = Wzor();
    f.korekta = "T";
    f.wyjasnienie = "T";
    f.wyjasnienie_text =
        "Zła kwota & <zaliczka> \"źle\" policzona.\nDruga linia\r\nTrzecia\rKoniec";
    QVERIFY(BrakiPit11Wzor29(f, KodyUrzedowWykazu()).isEmpty());
    const QByteArray xml = XmlPit11Wzor29(f);
    QVERIFY(TylkoCrLf(xml));
    const Dokument d = Czytaj(xml);
    QCOMPARE(d.blad, QString());
    QCOMPARE(d.tekst.value("CelZlozenia"), QString("2"));
    QCOMPARE(d.kolejnosc.mid(d.kolejnosc.indexOf("Pouczenie")),
             (QStringList{"Pouczenie", "Zalaczniki", "zzu:Zalacznik_ORD-ZU", "zzu:Naglowek",
                          "zzu:KodFormularza", "zzu:WariantFormularza", "zzu:PozycjeSzczegolowe",
                          "zzu:P_13"}));
    QCOMPARE(d.atrybuty.value("zzu:KodFormularza"),
             QString("kodSystemowy=ORD-ZU (3) wersjaSchemy=11-0E"));
    QCOMPARE(d.tekst.value("zzu:KodFormularza"), QString("ORD-ZU"));
    QCOMPARE(d.tekst.value("zzu:WariantFormularza"), QString("3"));
    QCOMPARE(d.przestrzenie,
             (QSet<QString>{"http://crd.gov.pl/wzor/2024/10/15/13535/",
                            "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2024/07/08/eD/ORDZU/"}));
    QCOMPARE(d.tekst.value("zzu:P_13"),
             QString("Zła kwota & <zaliczka> \"źle\" policzona.\nDruga linia\nTrzecia\nKoniec"));

    // A correction without an explanation: purpose 2, no attachment.
    FormularzPit11 k = Wzor();
    k.korekta = "T";
    const QByteArray bez = XmlPit11Wzor29(k);
    QCOMPARE(Czytaj(bez).tekst.value("CelZlozenia"), QString("2"));
    QVERIFY(!bez.contains("Zalaczniki"));

    QTemporaryDir dir;
    const QString w = Waliduj(dir.path(), {{"korekta.xml", xml}, {"bez.xml", bez}});
    QVERIFY2(w.isEmpty(), qPrintable(w));
}

void Pit11Xml29Test::edgeFormsValidate_data() {
    QTest::addColumn<FormularzPit11>("f");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("wartosc");
    FormularzPit11 f = Wzor();
    f.os_nr_lok = "105B";
    QTest::newRow("numer lokalu") << f << "NrLokalu"
                                  << "105B";
    f = Wzor();
    f.os_ulica.clear();
    f.os_nr_lok.clear();
    f.os_nr_domu = "27";
    f.os_miejsc = "ZRECZE CHRUSTY";
    QTest::newRow("wieś bez ulicy") << f << "Miejscowosc"
                                    << "ZRECZE CHRUSTY";
    f = Wzor();
    f.os_nazwisko = "O'BRIEN-ŚLĄSKA & SYN";
    f.os_imie = "ŻANETA";
    f.os_ulica = "ALEJA \"SOLIDARNOŚCI\" <1>";
    f.platnik = "JW 4321 \"ŻBIK\" & ODDZIAŁ 'B'";
    QTest::newRow("&, apostrof, polskie litery") << f << "Nazwisko"
                                                 << "O'BRIEN-ŚLĄSKA & SYN";
    f.platnik = "JW 4321 \"ŻBIK\" & ODDZIAŁ 'B'";
    QTest::newRow("nazwa płatnika") << f << "PelnaNazwa"
                                    << "JW 4321 \"ŻBIK\" & ODDZIAŁ 'B'";
    f = Wzor();
    f.kw_podatek = 271.5;
    QTest::newRow("pół złotego w górę") << f << "P_33"
                                        << "272";
    f.kw_podatek = 270.4999999;
    QTest::newRow("tuż pod połową złotego") << f << "P_33"
                                            << "270";
    f.kw_podatek = 270.51;
    QTest::newRow("nad połową złotego") << f << "P_33"
                                        << "271";
    f = Wzor();
    f.kw_przychod = 1499.999999;
    QTest::newRow("tuż pod groszem") << f << "P_29"
                                     << "1500.00";
    f.kw_przychod = 1500.004;
    QTest::newRow("mniej niż pół grosza") << f << "P_29"
                                          << "1500.00";
    f.kw_dochod_zw = -0.001;
    QTest::newRow("ujemne zero") << f << "P_32"
                                 << "0.00";
    f = Wzor();
    f.os_woj.clear();
    f.os_powiat.clear();
    f.os_gmina.clear();
    f.os_kod.clear();
    f.koszty.clear();
    f.os_kraj.clear();
    QTest::newRow("bez części adresu") << f << "KodKraju"
                                       << "PL";
}

void Pit11Xml29Test::edgeFormsValidate() {
    QFETCH(FormularzPit11, f);
    QFETCH(QString, element);
    QFETCH(QString, wartosc);
    const QStringList braki = BrakiPit11Wzor29(f, KodyUrzedowWykazu());
    QVERIFY2(braki.isEmpty(), qPrintable(braki.join("; ")));
    const QByteArray xml = XmlPit11Wzor29(f);
    QVERIFY(TylkoCrLf(xml));
    const Dokument d = Czytaj(xml);
    QCOMPARE(d.blad, QString());
    QCOMPARE(d.tekst.values(element).value(0), wartosc);
    QCOMPARE(d.tekst.contains("Ulica"), !f.os_ulica.isEmpty());
    QCOMPARE(d.tekst.contains("NrLokalu"), !f.os_nr_lok.isEmpty());
    QCOMPARE(d.tekst.contains("P_28"), !f.koszty.isEmpty());
    QTemporaryDir dir;
    const QString w = Waliduj(dir.path(), {{"f.xml", xml}});
    QVERIFY2(w.isEmpty(), qPrintable(w));
}

void Pit11Xml29Test::faultsAreNamedPerField() {
    const QSet<QString> kody = KodyUrzedowWykazu();
    QVERIFY(kody.contains("1434") && kody.contains("0202") && !kody.contains("9999"));
    auto braki = [&](auto zmiana) {
        FormularzPit11 f = Wzor();
        zmiana(f);
        return BrakiPit11Wzor29(f, kody).join("; ");
    };
    QCOMPARE(braki([](FormularzPit11& f) { f.us_kod_is.clear(); }),
             QString("brak kodu urzędu skarbowego"));
    QCOMPARE(braki([](FormularzPit11& f) { f.us_kod_is = "9999"; }),
             QString("kod urzędu skarbowego „9999” nie występuje w wykazie urzędów (us.txt)"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_data_ur.clear(); }),
             QString("brak daty urodzenia"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_data_ur = "31.02.1980"; }),
             QString("data urodzenia „31.02.1980” jest niepoprawna"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_data_ur = "31.12.1899"; }),
             QString("data urodzenia „31.12.1899” jest niepoprawna"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_data_ur = "01.01.1900"; }), QString());
    QCOMPARE(braki([](FormularzPit11& f) { f.os_pesel = "11111111111"; }),
             QString("PESEL „11111111111” jest niepoprawny"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_pesel = "8001011234"; }),
             QString("PESEL „8001011234” jest niepoprawny"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_nip = "5261040828"; }),
             QString("NIP podatnika jest taki sam jak NIP płatnika"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_nip = "0123456789"; }),
             QString("NIP podatnika „0123456789” jest niepoprawny"));
    // Limits on both sides: 30 letters of a first name pass, 31 do not.
    QCOMPARE(braki([](FormularzPit11& f) { f.os_imie = QString(30, u'Ż'); }), QString());
    QCOMPARE(braki([](FormularzPit11& f) { f.os_imie = QString(31, u'Ż'); }),
             QString("imię ma 31 znaków, a może mieć najwyżej 30"));
    // Blanks collapse before they are counted, as the schema counts them.
    QCOMPARE(braki([](FormularzPit11& f) { f.os_nr_domu = "  12   A  "; }), QString());
    QCOMPARE(braki([](FormularzPit11& f) { f.os_nr_domu = "1234567890"; }),
             QString("numer domu ma 10 znaków, a może mieć najwyżej 9"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_ulica = QString(66, u'U'); }),
             QString("ulica ma 66 znaków, a może mieć najwyżej 65"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_miejsc = "   "; }),
             QString("brak miejscowości zamieszkania"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_nazwisko = QString("NOWAK\x01"); }),
             QString("nazwisko zawiera znak niedozwolony w pliku XML (U+0001)"));
    QCOMPARE(braki([](FormularzPit11& f) { f.os_kraj = "NIEMCY"; }),
             QString("kraj zamieszkania „NIEMCY”: plik PIT-11 (29) zapisuje tylko adres w Polsce"));
    QCOMPARE(braki([](FormularzPit11& f) { f.koszty = "5"; }),
             QString("znacznik kosztów „5” (P_28) nie jest jedną z liczb 1, 2, 3, 4"));
    QCOMPARE(braki([](FormularzPit11& f) { f.kw_koszty = -0.01; }),
             QString("kwota kosztów (P_30) jest ujemna (-0.01)"));
    QCOMPARE(braki([](FormularzPit11& f) { f.kw_dochod = qQNaN(); }),
             QString("kwota dochodu (P_31) nie jest liczbą"));
    QCOMPARE(braki([](FormularzPit11& f) { f.kw_przychod = 1e14; }),
             QString("kwota przychodu (P_29) jest za duża (100000000000000.00)"));
    QCOMPARE(braki([](FormularzPit11& f) {
                 f.wyjasnienie = "T";
                 f.wyjasnienie_text = QString(2000, u'x');
             }),
             QString());
    QCOMPARE(braki([](FormularzPit11& f) {
                 f.wyjasnienie = "T";
                 f.wyjasnienie_text = QString(2001, u'x');
             }),
             QString("wyjaśnienie (ORD-ZU) ma 2001 znaków, a może mieć najwyżej 2000"));
    // Everything at once, each fault named.
    QCOMPARE(braki([](FormularzPit11& f) {
                 f.us_kod_is.clear();
                 f.os_data_ur.clear();
                 f.os_imie.clear();
             }),
             QString("brak kodu urzędu skarbowego; brak imienia; brak daty urodzenia"));
}

void Pit11Xml29Test::personsWithMissingDataAreListedAndGetNoFile() {
    TestDb t;
    Database& db = t.db();
    db.exec("insert into dane (kod, wartosc) values ('NIP', '5261040828'), "
            "('POSIADACZ', 'JW 4321???UL. WOJSKOWA 1')");
    DodajOsobe(db, "80010112340", "NOWAK", "JAN");
    DodajOsobe(db, "81020212340", "KOWAL", "ADAM");
    DodajOsobe(db, "82030312340", "ZIELIŃSKA", "EWA");
    db.exec("update osoba set us_kod_is = '' where pesel = '81020212340'");
    db.exec("update osoba set adr_ulica = ? where pesel = '82030312340'", {QString(70, u'U')});
    const int l = DodajListe(db, "2025-03-31");
    DodajPozycje(db, l, "80010112340", 1000, 180);
    DodajPozycje(db, l, "81020212340", 2000, 360);
    DodajPozycje(db, l, "82030312340", 3000, 540);
    // No person in the register: no names, no birth date, no address.
    DodajPozycje(db, l, "83040412340", 4000, 720);
    QCOMPARE(UtworzFormularzePit11(db, "2025", "A", "B"), 4);

    const QString folder = t.folder() + "/XML";
    QDir().mkpath(folder);
    QFile stary(folder + "/KOWAL_81020212340.xml");
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("plik z poprzedniego wydania");
    stary.close();

    const WynikXmlPit11 w = GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu());
    QCOMPARE(w.zapisane, 1);
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             (QStringList{"BRAKI_PIT11.txt", "NOWAK_80010112340.xml"}));
    const QStringList linie = w.pominiete.split(u'\r', Qt::SkipEmptyParts);
    QVERIFY2(linie.size() == 5, qPrintable(w.pominiete));
    QVERIFY(linie[0].contains("(3)") && linie[0].contains("pozostałe pliki zapisano"));
    const QString bezOsoby = "(PESEL 83040412340): brak kodu urzędu skarbowego; brak imienia; "
                             "brak nazwiska; brak daty urodzenia; brak miejscowości zamieszkania.";
    QCOMPARE(linie[1], bezOsoby);
    QCOMPARE(linie[2], QString("KOWAL ADAM (PESEL 81020212340): brak kodu urzędu skarbowego."));
    QCOMPARE(linie[3], QString("ZIELIŃSKA EWA (PESEL 82030312340): ulica ma 70 znaków, a może "
                               "mieć najwyżej 65."));
    QCOMPARE(linie[4], "Pełna lista: plik \"" +
                           QDir::toNativeSeparators(folder + "/BRAKI_PIT11.txt") + "\".");
    QFile lista(folder + "/BRAKI_PIT11.txt");
    QVERIFY(lista.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(lista.readAll()),
             bezOsoby + "\r\n" + linie[2] + "\r\n" + linie[3] + "\r\n");
    lista.close();

    // Many persons: the message names eight, the file all of them.
    for (int i = 0; i < 8; ++i)
        DodajPozycje(db, l, QString("8504051234%1").arg(i), 100, 18);
    UtworzFormularzePit11(db, "2025", "A", "B");
    const WynikXmlPit11 duzo = GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu());
    QCOMPARE(duzo.zapisane, 1);
    QVERIFY2(duzo.pominiete.contains("(11)") && duzo.pominiete.contains("\r… i 3 innych.\r") &&
                 duzo.pominiete.count("(PESEL ") == 8,
             qPrintable(duzo.pominiete));
    QVERIFY(lista.open(QIODevice::ReadOnly));
    QCOMPARE(lista.readAll().count("\r\n"), 11);
    lista.close();
    // All complete again: the list goes.
    db.exec("delete from pit_11 where os_pesel <> '80010112340'");
    QCOMPARE(GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu()).pominiete, QString());
    QVERIFY(!QFile::exists(folder + "/BRAKI_PIT11.txt"));

    QFile f(folder + "/NOWAK_80010112340.xml");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    QCOMPARE(Czytaj(xml).tekst.value("PelnaNazwa"), QString("JW 4321 UL. WOJSKOWA 1"));
    const QString s = NiezgodneZeSchematem({f.fileName()});
    QVERIFY2(s.isEmpty(), qPrintable(s));
    f.close();

    // The second file cannot be written (a folder stands under its name): the message names its
    // form, the first file is written, the folder is left as it was, nothing is reported done.
    DodajOsobe(db, "86060612340", "PIOTROWSKI", "PIOTR");
    DodajPozycje(db, l, "86060612340", 100, 18);
    UtworzFormularzePit11(db, "2025", "A", "B");
    db.exec("delete from pit_11 where os_pesel not in ('80010112340', '86060612340')");
    QVERIFY(QFile::remove(folder + "/NOWAK_80010112340.xml"));
    QVERIFY(QDir().mkpath(folder + "/PIOTROWSKI_86060612340.xml/x"));
    try {
        GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu());
        QFAIL("a file that could not be written was reported as written");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().endsWith("Formularz: PIOTROWSKI PIOTR (PESEL 86060612340)."),
                 qPrintable(e.message()));
    }
    QVERIFY(QFile::exists(folder + "/NOWAK_80010112340.xml"));
    QVERIFY(QFileInfo(folder + "/PIOTROWSKI_86060612340.xml/x").isDir());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"NOWAK_80010112340.xml"});
}

void Pit11Xml29Test::payerFaultsWriteNothing() {
    TestDb t;
    Database& db = t.db();
    db.exec("insert into dane (kod, wartosc) values ('NIP', '0261040828'), "
            "('POSIADACZ', '???')");
    DodajOsobe(db, "80010112340", "NOWAK", "JAN");
    DodajPozycje(db, DodajListe(db, "2025-03-31"), "80010112340", 1000, 180);
    UtworzFormularzePit11(db, "2025", "A", "B");
    const QString folder = t.folder() + "/XML";
    try {
        GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu());
        QFAIL("a payer without a valid NIP and name was written");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().contains("NIP płatnika „0261040828” jest niepoprawny") &&
                     e.message().contains("brak pełnej nazwy płatnika"),
                 qPrintable(e.message()));
    }
    QVERIFY(!QDir(folder).exists() || QDir(folder).entryList(QDir::Files).isEmpty());

    // A year the form cannot carry.
    db.exec("update dane set wartosc = '5261040828' where kod = 'NIP'");
    db.exec("update dane set wartosc = 'JW 4321' where kod = 'POSIADACZ'");
    DodajPozycje(db, DodajListe(db, "2023-03-31"), "80010112340", 1000, 180);
    UtworzFormularzePit11(db, "2023", "A", "B");
    try {
        GenerujXmlPit11Wzor29(db, "2023", folder, KodyUrzedowWykazu());
        QFAIL("a form of 2023 was written as PIT-11 (29)");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().contains("rok podatkowy 2023"), qPrintable(e.message()));
    }
    UtworzFormularzePit11(db, "2025", "A", "B");
    QCOMPARE(GenerujXmlPit11Wzor29(db, "2025", folder, KodyUrzedowWykazu()).zapisane, 1);
}

void Pit11Xml29Test::variantProposedForTheYear() {
    QCOMPARE(ProponowanyWariantPit11(2023, "29"), WariantPit11::Szablon);
    QCOMPARE(ProponowanyWariantPit11(2024, ""), WariantPit11::Wzor29);
    QCOMPARE(ProponowanyWariantPit11(2024, "SZABLON"), WariantPit11::Szablon);
    QCOMPARE(ProponowanyWariantPit11(2026, "29"), WariantPit11::Wzor29);
}

QTEST_GUILESS_MAIN(Pit11Xml29Test)
#include "pit11_xml29_test.moc"
