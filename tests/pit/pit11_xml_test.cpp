// The e-declarations: the shipped template filled line by line, amounts whatever the locale,
// values escaped, the ORD-ZU attachment, and one file per form.
#include "data/error.h"
#include "pit/pit11_xml.h"
#include "pit_data.h"
#include "support/test_db.h"

#include <QtTest>
#include <QXmlStreamReader>

using namespace vexa;
using namespace pittest;

namespace {

QStringList Szablon() {
    return WczytajSzablonPit11(QStringLiteral(VEXA_SOURCE_DIR "/resources/pit11.txt"));
}

FormularzPit11 Wzor() {
    FormularzPit11 f;
    f.rok = "2026";
    f.nip = "5261040828";
    f.platnik = "JW 1234";
    f.regon = "012345678";
    f.os_pesel = "80010112340";
    f.os_nazwisko = "ŁUKASIEWICZ";
    f.os_imie = "ŻANETA";
    f.os_data_ur = "01.01.1980";
    f.os_woj = "MAZOWIECKIE";
    f.os_powiat = "WARSZAWSKI ZACHODNI";
    f.os_gmina = "STARE BABICE";
    f.os_ulica = "ŻWIRKI I WIGURY";
    f.os_nr_domu = "12A";
    f.os_nr_lok = "7";
    f.os_miejsc = "BORZĘCIN DUŻY";
    f.os_kod = "02-092";
    f.os_poczta = "ZABOROWEK";
    f.us_kod_is = "1434";
    // Each amount its own, so that an element that takes another column shows.
    f.kw_przychod = 1500;
    f.kw_koszty = 12.34;
    f.kw_dochod = 1487.66;
    f.kw_podatek = 270;
    return f;
}

QStringList Linie(const QByteArray& xml) {
    QStringList l = QString::fromUtf8(xml).split(QStringLiteral("\r\n"));
    if (l.last().isEmpty()) l.removeLast();
    return l;
}

// The text of every element named `name`, read by an XML parser; a document that is not
// well-formed fails the test.
QStringList Teksty(const QByteArray& xml, const QString& name) {
    QXmlStreamReader r(xml);
    QStringList out;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.qualifiedName() == name) out << r.readElementText();
    }
    if (r.hasError()) out << QStringLiteral("BŁĄD XML: ") + r.errorString();
    return out;
}

} // namespace

class Pit11XmlTest : public QObject {
    Q_OBJECT
private slots:
    void shippedTemplateIsAWindowsDeclarationOf46Lines();
    void linesAreFilledAsStored();
    void identifierIsTheNipWhenThereIsOne();
    void amountsRoundAndUseAFullStop();
    void specialCharactersAreEscaped();
    void correctionWithExplanationCarriesTheAttachment();
    void badTemplatesAreRefused();
    void templateThatDoesNotMatchIsRefusedBeforeAnyFile();
    void everyLineEndsWithCrLfAlsoInsideAnExplanation();
    void payerLineBreakMarkerIsABlank();
    void oneFilePerForm();
};

void Pit11XmlTest::shippedTemplateIsAWindowsDeclarationOf46Lines() {
    const QStringList s = Szablon();
    QCOMPARE(s.size(), 46);
    QCOMPARE(s.first(), QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QCOMPARE(s[5], QString("<CelZlozenia  poz=\"P_6\">1</CelZlozenia>"));
    QCOMPARE(s.last(), QString("</Deklaracja>"));
    // Stored in Windows-1250: the Polish letter reads back.
    QVERIFY(s[9].contains(QString("rola=\"Płatnik\"")));
    SprawdzSzablonPit11(s);
    // The same template saved as UTF-8 with a byte-order mark reads the same.
    QTemporaryDir dir;
    QFile f(dir.filePath("pit11.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF" + s.join("\n").toUtf8() + "\n");
    f.close();
    QCOMPARE(WczytajSzablonPit11(f.fileName()), s);
    try {
        WczytajSzablonPit11(dir.filePath("brak.txt"));
        QFAIL("a missing template was read");
    } catch (const VexaError& e) {
        QCOMPARE(e.message(), QString("Brak pliku \"pit11.txt\"..."));
    }
}

void Pit11XmlTest::linesAreFilledAsStored() {
    const QByteArray xml = XmlPit11(Szablon(), Wzor());
    QVERIFY(!xml.startsWith("\xEF\xBB\xBF"));
    QVERIFY(xml.endsWith("</Deklaracja>\r\n"));
    QVERIFY(!xml.contains("\r\r") && xml.count('\n') == xml.count("\r\n"));
    QVERIFY(xml.contains("<Nazwisko>\xC5\x81UKASIEWICZ</Nazwisko>")); // UTF-8 "Ł"
    const QStringList l = Linie(xml);
    QCOMPARE(l.size(), 46);
    QCOMPARE(l[5], QString("<CelZlozenia  poz=\"P_6\">1</CelZlozenia>"));
    QCOMPARE(l[6], QString("<Rok>2026</Rok>"));
    QCOMPARE(l[7], QString("<KodUrzedu>1434</KodUrzedu>"));
    QCOMPARE(l[11], QString("<etd:NIP>5261040828</etd:NIP>"));
    QCOMPARE(l[12], QString("<etd:PelnaNazwa>JW 1234</etd:PelnaNazwa>"));
    QCOMPARE(l[13], QString("<etd:REGON>012345678</etd:REGON>"));
    QCOMPARE(l[18], QString("<PESEL>80010112340</PESEL>"));
    QCOMPARE(l[19], QString("<ImiePierwsze>ŻANETA</ImiePierwsze>"));
    QCOMPARE(l[20], QString("<Nazwisko>ŁUKASIEWICZ</Nazwisko>"));
    QCOMPARE(l[21], QString("<DataUrodzenia>1980-01-01</DataUrodzenia>"));
    QCOMPARE(l[25], QString("<Wojewodztwo>MAZOWIECKIE</Wojewodztwo>"));
    QCOMPARE(l[26], QString("<Powiat>WARSZAWSKI ZACHODNI</Powiat>"));
    QCOMPARE(l[27], QString("<Gmina>STARE BABICE</Gmina>"));
    QCOMPARE(l[28], QString("<Ulica poz=\"P_22\">ŻWIRKI I WIGURY</Ulica>"));
    QCOMPARE(l[29], QString("<NrDomu poz=\"P_23\">12A</NrDomu>"));
    QCOMPARE(l[30], QString("<NrLokalu poz=\"P_24\">7</NrLokalu>"));
    QCOMPARE(l[31], QString("<Miejscowosc poz=\"P_25\">BORZĘCIN DUŻY</Miejscowosc>"));
    QCOMPARE(l[32], QString("<KodPocztowy poz=\"P_26\">02-092</KodPocztowy>"));
    QCOMPARE(l[33], QString("<Poczta>ZABOROWEK</Poczta>"));
    QCOMPARE(l[39], QString("<P_29>1500.00</P_29>"));
    QCOMPARE(l[40], QString("<P_30>12.34</P_30>"));
    QCOMPARE(l[41], QString("<P_31>1487.66</P_31>"));
    QCOMPARE(l[42], QString("<P_33>270</P_33>"));
    // The lines between are the template's own.
    const QStringList s = Szablon();
    for (int i : {0, 1, 2, 3, 4, 8, 9, 10, 14, 15, 16, 17, 22, 23, 24, 34, 35, 36, 37, 38, 43, 44})
        QCOMPARE(l[i], s[i]);
    QVERIFY(!Teksty(xml, "Rok").join("").contains("BŁĄD"));

    // No flat number: its line stays, empty. No person: an empty birth date, not "--".
    FormularzPit11 f = Wzor();
    f.os_nr_lok.clear();
    f.os_data_ur.clear();
    const QStringList m = Linie(XmlPit11(Szablon(), f));
    QCOMPARE(m.size(), 46);
    QCOMPARE(m[30], QString());
    QCOMPARE(m[21], QString("<DataUrodzenia></DataUrodzenia>"));
}

void Pit11XmlTest::identifierIsTheNipWhenThereIsOne() {
    FormularzPit11 f = Wzor();
    f.os_nip = "1234563218";
    QByteArray xml = XmlPit11(Szablon(), f);
    QCOMPARE(Linie(xml)[18], QString("<NIP>1234563218</NIP>"));
    QVERIFY(!xml.contains("<PESEL>"));
    // A NIP of blanks is none.
    f.os_nip = "   ";
    xml = XmlPit11(Szablon(), f);
    QCOMPARE(Linie(xml)[18], QString("<PESEL>80010112340</PESEL>"));
    QVERIFY(!xml.contains("<NIP>"));
}

void Pit11XmlTest::amountsRoundAndUseAFullStop() {
    auto linie = [](double przychod, double podatek) {
        FormularzPit11 f = Wzor();
        f.kw_przychod = przychod;
        f.kw_dochod = przychod;
        f.kw_podatek = podatek;
        const QStringList l = Linie(XmlPit11(Szablon(), f));
        return l[39] + u'|' + l[42];
    };
    QCOMPARE(linie(1500, 270.40), QString("<P_29>1500.00</P_29>|<P_33>270</P_33>"));
    QCOMPARE(linie(1234.5, 270.60), QString("<P_29>1234.50</P_29>|<P_33>271</P_33>"));
    // Whole złoty: halves go to the even number. Grosze: money rounding (a half goes up).
    QCOMPARE(linie(0.125, 270.50), QString("<P_29>0.13</P_29>|<P_33>270</P_33>"));
    QCOMPARE(linie(1234567.891, 271.50), QString("<P_29>1234567.89</P_29>|<P_33>272</P_33>"));
    // A sum a hair below a half is the half it stands for.
    QCOMPARE(linie(0.1 + 0.2, 180.25 + 91.25 - 1e-11), QString("<P_29>0.30</P_29>|<P_33>272</P_33>"));
}

void Pit11XmlTest::specialCharactersAreEscaped() {
    FormularzPit11 f = Wzor();
    f.platnik = "JW 1234 \"GROM\" & <S-KA>";
    f.os_ulica = "AL. \"SOLIDARNOŚCI\" & <1>";
    f.os_nazwisko = "O'BRIEN";
    f.os_imie = QString("ANNA") + QChar(0x01) + QChar(0xFFFF);
    const QByteArray xml = XmlPit11(Szablon(), f);
    QCOMPARE(Teksty(xml, "etd:PelnaNazwa"), QStringList{"JW 1234 \"GROM\" & <S-KA>"});
    QCOMPARE(Teksty(xml, "Ulica"), QStringList{"AL. \"SOLIDARNOŚCI\" & <1>"});
    QCOMPARE(Teksty(xml, "Nazwisko"), QStringList{"O'BRIEN"});
    // Characters XML cannot carry are left out.
    QCOMPARE(Teksty(xml, "ImiePierwsze"), QStringList{"ANNA"});
    QCOMPARE(XmlTekst("a&b<c>d\"e'f"), QString("a&amp;b&lt;c&gt;d&quot;e&apos;f"));
    // A character outside the basic plane survives whole.
    QCOMPARE(XmlTekst(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QString::fromUtf8("x\xF0\x9F\x98\x80y"));
}

void Pit11XmlTest::correctionWithExplanationCarriesTheAttachment() {
    FormularzPit11 f = Wzor();
    f.korekta = "T";
    f.wyjasnienie = "T";
    f.wyjasnienie_text = "Zła kwota & <zaliczka> \"źle\" policzona.\r\nDruga linia.";
    const QByteArray xml = XmlPit11(Szablon(), f);
    const QStringList l = Linie(xml);
    QCOMPARE(l[5], QString("<CelZlozenia  poz=\"P_6\">2</CelZlozenia>"));
    QCOMPARE(l.count("</Deklaracja>"), 1);
    QCOMPARE(l.last(), QString("</Deklaracja>"));
    const int z = int(l.indexOf("<Zalaczniki>"));
    QCOMPARE(z, 45);
    QCOMPARE(l[44], QString("<Pouczenie>1</Pouczenie>"));
    QCOMPARE(l[z + 1], QString("<zzu:Zalacznik_ORD-ZU>"));
    QCOMPARE(l[z + 3], QString("<zzu:KodFormularza  kodSystemowy=\"ORD-ZU (2)\" "
                               "wersjaSchemy=\"2-0E\">ORD-ZU</zzu:KodFormularza>"));
    QCOMPARE(l[z + 4], QString("<zzu:WariantFormularza>2</zzu:WariantFormularza>"));
    QCOMPARE(Teksty(xml, "zzu:P_13"),
             QStringList{"Zła kwota & <zaliczka> \"źle\" policzona.\nDruga linia."});
    QCOMPARE(l.size(), 45 + 12 + 1); // the line break inside the explanation splits one line

    // A correction without an explanation: "2", no attachment. An explanation alone: "1".
    f.wyjasnienie.clear();
    QByteArray bez = XmlPit11(Szablon(), f);
    QVERIFY(bez.contains("\">2</CelZlozenia>") && !bez.contains("Zalaczniki"));
    f.korekta.clear();
    f.wyjasnienie = "T";
    bez = XmlPit11(Szablon(), f);
    QVERIFY(bez.contains("\">1</CelZlozenia>") && bez.contains("<Zalaczniki>"));
}

void Pit11XmlTest::badTemplatesAreRefused() {
    QStringList s = Szablon();
    auto blad = [](const QStringList& szablon) {
        try {
            XmlPit11(szablon, Wzor());
        } catch (const VexaError& e) {
            return e.message();
        }
        return QString();
    };
    QCOMPARE(blad(s), QString());
    QStringList krotki = s.mid(0, 43);
    krotki.last() = "</Deklaracja>";
    QVERIFY(blad(krotki).contains("co najmniej 44"));
    QStringList bezKonca = s;
    bezKonca.last() = "</Deklaracj>";
    QVERIFY(blad(bezKonca).contains("Ostatni wiersz"));
}

// Two taxed forms of 2026 in a fresh database.
void DwaFormularze(Database& db) {
    DodajOsobe(db, "80010112340", "NOWAK", "JAN");
    DodajOsobe(db, "81020212345", "KOWAL", "ADAM");
    const int l = DodajListe(db, "2026-03-31");
    DodajPozycje(db, l, "80010112340", 1000, 180);
    DodajPozycje(db, l, "81020212345", 2000, 360);
    UtworzFormularzePit11(db, "2026", "A", "B");
}

void Pit11XmlTest::templateThatDoesNotMatchIsRefusedBeforeAnyFile() {
    TestDb t;
    DwaFormularze(t.db());
    const QString folder = t.folder() + "/XML";
    QDir().mkpath(folder);
    QFile stary(folder + "/NOWAK_80010112340.xml");
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("stary plik");
    stary.close();
    auto blad = [&](const QStringList& szablon) {
        try {
            GenerujXmlPit11(t.db(), "2026", szablon, folder);
        } catch (const VexaError& e) {
            return e.message();
        }
        return QString();
    };
    auto tylkoStaryPlik = [&] {
        QFile f(folder + "/NOWAK_80010112340.xml");
        return QDir(folder).entryList(QDir::Files) == QStringList{"NOWAK_80010112340.xml"} &&
               f.open(QIODevice::ReadOnly) && f.readAll() == "stary plik";
    };

    // One line added after line 1: line 6 no longer holds CelZlozenia; nothing is written.
    QStringList dodana = Szablon();
    dodana.insert(1, "<!-- komentarz -->");
    QString m = blad(dodana);
    QVERIFY2(m.contains("Wiersz 6 szablonu \"pit11.txt\"") && m.contains("element CelZlozenia"),
             qPrintable(m));
    QVERIFY(tylkoStaryPlik());
    // Line 19 may hold NIP or PESEL, nothing else.
    QStringList inny = Szablon();
    inny[18] = "<REGON>0</REGON>";
    m = blad(inny);
    QVERIFY2(m.contains("Wiersz 19") && m.contains("NIP albo PESEL"), qPrintable(m));
    inny[18] = "<NIP>0</NIP>";
    QCOMPARE(blad(inny), QString());

    // Every mapped line right, but a line the program copies breaks the document: the file
    // would not read back, and the refusal names the template line.
    QStringList zepsuty = Szablon();
    zepsuty[9] = "<Podmiot1 rola=Płatnik>";
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("stary plik");
    stary.close();
    for (const QString& f : QDir(folder).entryList(QDir::Files))
        if (f != "NOWAK_80010112340.xml") QFile::remove(folder + u'/' + f);
    m = blad(zepsuty);
    QVERIFY2(m.contains("wiersz 10 szablonu \"pit11.txt\"") && m.contains("KOWAL ADAM"),
             qPrintable(m));
    QVERIFY(tylkoStaryPlik());
}

void Pit11XmlTest::everyLineEndsWithCrLfAlsoInsideAnExplanation() {
    FormularzPit11 f = Wzor();
    f.wyjasnienie = "T";
    f.wyjasnienie_text = "Pierwsza linia\nDruga linia\rTrzecia\r\nCzwarta";
    const QByteArray xml = XmlPit11(Szablon(), f);
    for (qsizetype i = 0; i < xml.size(); ++i) {
        if (xml[i] == '\n') QVERIFY2(i > 0 && xml[i - 1] == '\r', qPrintable(QString::number(i)));
        if (xml[i] == '\r') QVERIFY2(i + 1 < xml.size() && xml[i + 1] == '\n', qPrintable(QString::number(i)));
    }
    QVERIFY(xml.endsWith("</Deklaracja>\r\n"));
    QCOMPARE(Teksty(xml, "zzu:P_13"),
             QStringList{"Pierwsza linia\nDruga linia\nTrzecia\nCzwarta"});
}

void Pit11XmlTest::payerLineBreakMarkerIsABlank() {
    FormularzPit11 f = Wzor();
    f.platnik = "JEDNOSTKA WOJSKOWA 4321???UL. WOJSKOWA 1";
    const QByteArray xml = XmlPit11(Szablon(), f);
    QCOMPARE(Teksty(xml, "etd:PelnaNazwa"), QStringList{"JEDNOSTKA WOJSKOWA 4321 UL. WOJSKOWA 1"});
    QVERIFY(!xml.contains("???"));
    // The form row keeps the setting as the transfer files write it.
    QCOMPARE(f.platnik, QString("JEDNOSTKA WOJSKOWA 4321???UL. WOJSKOWA 1"));
}

void Pit11XmlTest::oneFilePerForm() {
    TestDb t;
    Database& db = t.db();
    DodajOsobe(db, "80010112340", "NOWAK", "JAN");
    DodajOsobe(db, "81020212345", "NOWAK", "ADAM");
    DodajOsobe(db, "82030312345", "KOWAL/SKI", "PIOTR");
    const int l = DodajListe(db, "2026-03-31");
    for (const char* p : {"80010112340", "81020212345", "82030312345"})
        DodajPozycje(db, l, p, 1000, 180);
    UtworzFormularzePit11(db, "2026", "A", "B");
    const QString folder = t.folder() + "/XML";
    // An older file of one of the names is replaced whole.
    QDir().mkpath(folder);
    QFile stary(folder + "/NOWAK_80010112340.xml");
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write(QByteArray(10000, 'x'));
    stary.close();

    QCOMPARE(GenerujXmlPit11(db, "2026", Szablon(), folder), 3);
    QStringList pliki = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(pliki, (QStringList{"KOWAL_SKI_82030312345.xml", "NOWAK_80010112340.xml",
                                 "NOWAK_81020212345.xml"}));
    QFile f(folder + "/NOWAK_80010112340.xml");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    QCOMPARE(Teksty(xml, "ImiePierwsze"), QStringList{"JAN"});
    QCOMPARE(Teksty(xml, "PESEL"), QStringList{"80010112340"});
    // The second file cannot be written (a folder stands under its name): the message names
    // its form, the first file is written, the folder and the third file are left as they were.
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("stary plik");
    stary.close();
    QVERIFY(QFile::remove(folder + "/KOWAL_SKI_82030312345.xml"));
    QVERIFY(QFile::remove(folder + "/NOWAK_81020212345.xml"));
    QVERIFY(QDir().mkpath(folder + "/NOWAK_81020212345.xml/x"));
    try {
        GenerujXmlPit11(db, "2026", Szablon(), folder);
        QFAIL("a file that could not be written was reported as written");
    } catch (const VexaError& e) {
        QVERIFY2(e.message().endsWith("Formularz: NOWAK ADAM (PESEL 81020212345)."),
                 qPrintable(e.message()));
    }
    QVERIFY(QFile::exists(folder + "/KOWAL_SKI_82030312345.xml"));
    QVERIFY(QFileInfo(folder + "/NOWAK_81020212345.xml/x").isDir());
    QFile trzeci(folder + "/NOWAK_80010112340.xml");
    QVERIFY(trzeci.open(QIODevice::ReadOnly));
    QCOMPARE(trzeci.readAll(), QByteArray("stary plik"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"KOWAL_SKI_82030312345.xml",
                                                               "NOWAK_80010112340.xml"}));
    // A year without forms writes nothing.
    QCOMPARE(GenerujXmlPit11(db, "2020", Szablon(), t.folder() + "/XML2"), 0);
    QVERIFY(!QDir(t.folder() + "/XML2").exists() ||
            QDir(t.folder() + "/XML2").entryList(QDir::Files).isEmpty());
}

QTEST_GUILESS_MAIN(Pit11XmlTest)
#include "pit11_xml_test.moc"
