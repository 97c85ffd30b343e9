// The PIT-11 and ORD-ZU pages: every value in its own box, the identifier and its struck
// caption, the purpose marks, amounts with a decimal comma, and the reports' pages and titles.
#include "pit/pit11_printout.h"
#include "printouts/report_painter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vexa;

namespace {

FormularzPit11 Wzor() {
    FormularzPit11 f;
    f.id = 1;
    f.rok = "2026";
    f.nip = "5261040828";
    f.platnik = "JW 1234";
    f.regon = "012345678";
    f.os_pesel = "80010112340";
    f.os_nazwisko = "ŁUKASIEWICZ";
    f.os_imie = "ŻANETA";
    f.os_data_ur = "01.01.1980";
    f.os_kraj = "POLSKA";
    f.os_woj = "MAZOWIECKIE";
    f.os_powiat = "POW";
    f.os_gmina = "GM";
    f.os_ulica = "ULICA";
    f.os_nr_domu = "12A";
    f.os_nr_lok = "7";
    f.os_miejsc = "MIASTO";
    f.os_kod = "02-092";
    f.os_poczta = "POCZTA";
    f.us_nazwa = "US WARSZAWA";
    f.op_imie = "ANNA";
    f.op_nazwisko = "KOWALSKA";
    f.kw_przychod = 1500;
    f.kw_dochod = 1499.99;
    f.kw_dochod_zw = 0.5;
    f.kw_koszty = 12345.678;
    f.kw_podatek = 1234.5;
    return f;
}

// The texts written over the image (the footer aside), each with its box number.
QMap<int, QString> Wartosci(StronaPit11 s, const FormularzPit11& f) {
    const ObrazStrony& o = ObrazStronyPit11(s);
    const StronaRaportu p = StronaPit11Formularza(s, f);
    QMap<int, QString> out;
    for (qsizetype i = o.strona.teksty.size(); i < p.teksty.size(); ++i) {
        const Tekst& t = p.teksty[i];
        if (t.tresc == STOPKA_PIT11) continue;
        const int nr = o.pola.key(t.pole, -1);
        out.insert(nr, t.tresc);
    }
    return out;
}

// The lines added over the image.
QList<Linia> Kreski(StronaPit11 s, const FormularzPit11& f) {
    return StronaPit11Formularza(s, f).linie.mid(ObrazStronyPit11(s).strona.linie.size());
}

bool Przekreslony(const QList<Linia>& l, const QRectF& slowo) {
    for (const Linia& x : l)
        if (x.grubosc >= 0.6 && qFuzzyCompare(x.od.y(), slowo.center().y()) &&
            x.od.x() <= slowo.left() && x.do_.x() >= slowo.right())
            return true;
    return false;
}

bool Zaznaczony(const QList<Linia>& l, const QRectF& kratka) {
    int w = 0;
    for (const Linia& x : l)
        if (kratka.contains(x.od) && kratka.contains(x.do_)) ++w;
    return w == 2;
}

} // namespace

class Pit11PrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void everyValueBoxLiesInsideItsOwnDrawnBox();
    void pageOneValuesIdentifierAndPurpose();
    void pageTwoAmountsWithADecimalComma();
    void ordZuIdentifiesPayerByNipAndTaxpayerByPesel();
    void payerLineBreakMarkerPrintsAsABlank();
    void reportsAndPdf();
};

void Pit11PrintoutTest::everyValueBoxLiesInsideItsOwnDrawnBox() {
    for (StronaPit11 s : {StronaPit11::Strona1, StronaPit11::Strona2, StronaPit11::Strona3,
                          StronaPit11::OrdZu}) {
        const ObrazStrony& o = ObrazStronyPit11(s);
        const QRectF strona(0, 0, 210, 297);
        for (auto it = o.pola.cbegin(); it != o.pola.cend(); ++it) {
            const QRectF& v = it.value();
            QVERIFY2(strona.contains(v), qPrintable(QString::number(it.key())));
            // Inside a white box of the image, and overlapping no other value box.
            bool wRamce = false;
            for (const Ramka& r : o.strona.ramki)
                wRamce = wRamce || (r.wypelnienie == QColor(Qt::white) && r.pole.contains(v));
            QVERIFY2(wRamce, qPrintable(QString::number(it.key())));
            for (auto jt = o.pola.cbegin(); jt != o.pola.cend(); ++jt)
                QVERIFY2(jt.key() == it.key() || !jt.value().intersects(v),
                         qPrintable(QString("%1 %2").arg(it.key()).arg(jt.key())));
        }
        for (const QRectF& z : o.znaczniki)
            QVERIFY(strona.contains(z));
    }
    // The explanation's frame is about 17.7 x 13.1 cm.
    const QRectF ramka = ObrazStronyPit11(StronaPit11::OrdZu).pola.value(13);
    QVERIFY(qAbs(ramka.width() - 177) < 3 && qAbs(ramka.height() - 131) < 3);
}

void Pit11PrintoutTest::pageOneValuesIdentifierAndPurpose() {
    FormularzPit11 f = Wzor();
    QMap<int, QString> v = Wartosci(StronaPit11::Strona1, f);
    const QMap<int, QString> oczekiwane{
        {1, "5261040828"}, {4, "2026"},       {5, "US WARSZAWA"},  {8, "JW 1234, 012345678"},
        {9, "80010112340"}, {10, "ŁUKASIEWICZ"}, {11, "ŻANETA"},  {12, "1980-01-01"},
        {18, "POLSKA"},     {19, "MAZOWIECKIE"}, {20, "POW"},     {21, "GM"},
        {22, "ULICA"},      {23, "12A"},         {24, "7"},       {25, "MIASTO"},
        {26, "02-092"},     {27, "POCZTA"}};
    QCOMPARE(v, oczekiwane);
    const ObrazStrony& o = ObrazStronyPit11(StronaPit11::Strona1);
    QList<Linia> k = Kreski(StronaPit11::Strona1, f);
    // No NIP: the PESEL is printed and the NIP caption struck, only that one.
    QVERIFY(Przekreslony(k, o.znaczniki.value("nip")));
    QVERIFY(!Przekreslony(k, o.znaczniki.value("pesel")));
    QVERIFY(Zaznaczony(k, o.znaczniki.value("cel_zlozenie")));
    QVERIFY(!Zaznaczony(k, o.znaczniki.value("cel_korekta")));
    QVERIFY(Zaznaczony(k, o.znaczniki.value("platnik_niefizyczna")));
    QVERIFY(!Zaznaczony(k, o.znaczniki.value("platnik_fizyczna")));

    // With a NIP (and a correction): the NIP is printed, the PESEL caption struck, and the
    // crossed box moves to the correction.
    f.os_nip = "1234563218";
    f.korekta = "T";
    v = Wartosci(StronaPit11::Strona1, f);
    QCOMPARE(v.value(9), QString("1234563218"));
    k = Kreski(StronaPit11::Strona1, f);
    QVERIFY(Przekreslony(k, o.znaczniki.value("pesel")));
    QVERIFY(!Przekreslony(k, o.znaczniki.value("nip")));
    QVERIFY(Zaznaczony(k, o.znaczniki.value("cel_korekta")));
    QVERIFY(!Zaznaczony(k, o.znaczniki.value("cel_zlozenie")));
    // Page 3 carries the image and the footer only.
    QVERIFY(Wartosci(StronaPit11::Strona3, f).isEmpty());
    QCOMPARE(StronaPit11Formularza(StronaPit11::Strona3, f).teksty.last().tresc, STOPKA_PIT11);
}

void Pit11PrintoutTest::pageTwoAmountsWithADecimalComma() {
    const QMap<int, QString> v = Wartosci(StronaPit11::Strona2, Wzor());
    QCOMPARE(v.value(29), QString("1 500,00"));
    QCOMPARE(v.value(30), QString("12 345,68"));
    QCOMPARE(v.value(31), QString("1 499,99"));
    QCOMPARE(v.value(32), QString("0,50"));
    QCOMPARE(v.value(33), QString("1 234,50"));
    QCOMPARE(v.value(34), QString("ANNA"));
    QCOMPARE(v.value(35), QString("KOWALSKA"));
    QCOMPARE(v.size(), 7);
    const ObrazStrony& o = ObrazStronyPit11(StronaPit11::Strona2);
    const QList<Linia> k = Kreski(StronaPit11::Strona2, Wzor());
    QVERIFY(Zaznaczony(k, o.znaczniki.value("zaliczki_tak")));
    QVERIFY(!Zaznaczony(k, o.znaczniki.value("zaliczki_nie")));
}

void Pit11PrintoutTest::ordZuIdentifiesPayerByNipAndTaxpayerByPesel() {
    FormularzPit11 f = Wzor();
    f.os_nip = "1234563218"; // the ORD-ZU still names the taxpayer by PESEL
    f.wyjasnienie = "T";
    f.wyjasnienie_text = "Zła kwota zaliczki.";
    const QMap<int, QString> v = Wartosci(StronaPit11::OrdZu, f);
    const QMap<int, QString> oczekiwane{{1, "5261040828"}, {2, "JW 1234"},     {3, "012345678"},
                                        {4, "80010112340"}, {5, "ŁUKASIEWICZ"}, {6, "ŻANETA"},
                                        {7, "1980-01-01"},  {13, "Zła kwota zaliczki."}};
    QCOMPARE(v, oczekiwane);
    const ObrazStrony& o = ObrazStronyPit11(StronaPit11::OrdZu);
    const QList<Linia> k = Kreski(StronaPit11::OrdZu, f);
    QVERIFY(Przekreslony(k, o.znaczniki.value("platnik_pesel")));
    QVERIFY(!Przekreslony(k, o.znaczniki.value("platnik_nip")));
    QVERIFY(Przekreslony(k, o.znaczniki.value("podatnik_nip")));
    QVERIFY(!Przekreslony(k, o.znaczniki.value("podatnik_pesel")));
    const StronaRaportu p = StronaPit11Formularza(StronaPit11::OrdZu, f);
    const Tekst* t = p.znajdz("Zła kwota");
    QVERIFY(t && t->zawijaj && t->czcionka.punkty == 10);
}

void Pit11PrintoutTest::payerLineBreakMarkerPrintsAsABlank() {
    FormularzPit11 f = Wzor();
    f.platnik = "JW 1234???UL. WOJSKOWA 1";
    QCOMPARE(Wartosci(StronaPit11::Strona1, f).value(8),
             QString("JW 1234 UL. WOJSKOWA 1, 012345678"));
    f.wyjasnienie = "T";
    f.wyjasnienie_text = "Zła kwota zaliczki.";
    QCOMPARE(Wartosci(StronaPit11::OrdZu, f).value(2), QString("JW 1234 UL. WOJSKOWA 1"));
}

void Pit11PrintoutTest::reportsAndPdf() {
    FormularzPit11 a = Wzor(), b = Wzor();
    b.os_nazwisko = "NOWAK";
    b.os_pesel = "81020212345";
    const Raport calosc = RaportPit11(WydrukPit11::Calosc, {a, b});
    QCOMPARE(calosc.tytulZadania, QString("PIT-11"));
    QVERIFY(!calosc.poziomo);
    QCOMPARE(calosc.iloscStron(), 6);
    QVERIFY(calosc.strony[3].znajdz("NOWAK") && !calosc.strony[0].znajdz("NOWAK"));
    for (const StronaRaportu& s : calosc.strony)
        QCOMPARE(s.teksty.last().tresc, STOPKA_PIT11);
    const Raport druga = RaportPit11(WydrukPit11::Strona2, {a});
    QCOMPARE(druga.tytulZadania, QString("Formularz PIT-11"));
    QCOMPARE(druga.iloscStron(), 1);
    QVERIFY(druga.strony[0].znajdz("1 234,50"));
    QCOMPARE(RaportPit11(WydrukPit11::OrdZu, {a, b}).iloscStron(), 2);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("pit.pdf");
    ZapiszPdf(calosc, pdf);
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForStarted()) QSKIP("pdftotext is not installed");
    QVERIFY(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QCOMPARE(text.count(u'\f'), 6);
    QCOMPARE(text.count("ŁUKASIEWICZ"), 1);
    QCOMPARE(text.count("1 234,50"), 2);
    QCOMPARE(text.count("Wydrukowano z aplikacji VEXA-F"), 6);
}

QTEST_MAIN(Pit11PrintoutTest)
#include "pit11_printout_test.moc"
