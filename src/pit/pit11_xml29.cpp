#include "pit/pit11_xml29.h"

#include "data/error.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "data/validators.h"
#include "pit/pit11_xml.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <cmath>

namespace vexa {

namespace {

const QString NS_PIT11 = QStringLiteral("http://crd.gov.pl/wzor/2024/10/15/13535/");
const QString NS_ORDZU =
    QStringLiteral("http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2024/07/08/eD/ORDZU/");
constexpr int OSTATNI_ROK = 2050;
constexpr int MAKS_WYJASNIENIA = 2000;
constexpr int MAKS_OSOB_W_KOMUNIKACIE = 8;
// Amounts carry at most 16 digits, two of them after the point.
constexpr long double GRANICA_KWOTY = 1e14L;

// Text values of the form are tokens: the schema measures them with runs of blanks collapsed
// and the ends trimmed, and so they are written.
QString Token(const QString& t) {
    return t.simplified();
}

qsizetype Znaki(const QString& t) {
    return t.toUcs4().size();
}

// The explanation as the reader of the file sees it: every line break one LF.
QString Wyjasnienie(const QString& t) {
    QString w = t;
    w.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    w.replace(u'\r', u'\n');
    return w;
}

QString BezSeparatorow(const QString& nip) {
    QString n = nip;
    n.remove(u' ');
    n.remove(u'-');
    return n;
}

bool NipWzoru(const QString& nip) {
    static const QRegularExpression re(QStringLiteral("^[1-9]((\\d[1-9])|([1-9]\\d))\\d{7}$"));
    return re.match(nip).hasMatch();
}

// The taxpayer's numbers may not be one digit repeated.
bool JednaCyfra(const QString& n) {
    return !n.isEmpty() && n.count(n.at(0)) == n.size();
}

// A character XML cannot carry, as "U+0001"; empty when there is none.
QString ZnakSpozaXml(const QString& t) {
    for (const char32_t u : t.toUcs4())
        if (!ZnakDozwolonyWXml(u))
            return QStringLiteral("U+%1").arg(uint(u), 4, 16, QChar(u'0')).toUpper();
    return {};
}

void SprawdzTekst(QStringList& braki, const QString& opis, const QString& wartosc, int maks,
                  const QString& brak = QString()) {
    const QString t = Token(wartosc);
    if (t.isEmpty()) {
        if (!brak.isEmpty()) braki << brak;
        return;
    }
    const QString znak = ZnakSpozaXml(t);
    if (!znak.isEmpty())
        braki << QStringLiteral("%1 zawiera znak niedozwolony w pliku XML (%2)").arg(opis, znak);
    if (Znaki(t) > maks)
        braki << QStringLiteral("%1 ma %2 znaków, a może mieć najwyżej %3")
                     .arg(opis)
                     .arg(Znaki(t))
                     .arg(maks);
}

void SprawdzKwote(QStringList& braki, const QString& pozycja, double v) {
    if (!std::isfinite(v)) {
        braki << QStringLiteral("kwota %1 nie jest liczbą").arg(pozycja);
        return;
    }
    const long double z = zaokraglij(v);
    if (z < 0)
        braki << QStringLiteral("kwota %1 jest ujemna (%2)").arg(pozycja, KwotaPit11(v));
    else if (z >= GRANICA_KWOTY)
        braki << QStringLiteral("kwota %1 jest za duża (%2)").arg(pozycja, KwotaPit11(v));
}

QString Osoba(const FormularzPit11& f) {
    return QStringLiteral("%1 %2 (PESEL %3)")
        .arg(f.os_nazwisko, f.os_imie, f.os_pesel)
        .simplified();
}

bool KrajPolska(const QString& kraj) {
    const QString k = Token(kraj).toUpper();
    return k.isEmpty() || k == u"POLSKA" || k == u"PL";
}

// A negative zero (an amount that rounds to nothing from below) is written as 0.00.
void Element(QXmlStreamWriter& w, const QString& nazwa, const QString& wartosc) {
    w.writeTextElement(nazwa, wartosc);
}

void ElementPoz(QXmlStreamWriter& w, const QString& nazwa, const QString& poz,
                const QString& wartosc) {
    w.writeStartElement(nazwa);
    w.writeAttribute(QStringLiteral("poz"), poz);
    w.writeCharacters(wartosc);
    w.writeEndElement();
}

void ElementGdyJest(QXmlStreamWriter& w, const QString& nazwa, const QString& poz,
                    const QString& wartosc) {
    const QString t = Token(wartosc);
    if (t.isEmpty()) return;
    if (poz.isEmpty())
        Element(w, nazwa, t);
    else
        ElementPoz(w, nazwa, poz, t);
}

} // namespace

WariantPit11 ProponowanyWariantPit11(int rok, const QString& zapamietany) {
    if (rok < PIERWSZY_ROK_PIT11_29) return WariantPit11::Szablon;
    return zapamietany == KodWariantuPit11(WariantPit11::Szablon) ? WariantPit11::Szablon
                                                                  : WariantPit11::Wzor29;
}

QString KodWariantuPit11(WariantPit11 w) {
    return w == WariantPit11::Wzor29 ? QStringLiteral("29") : QStringLiteral("SZABLON");
}

QStringList BrakiPlatnikaPit11Wzor29(const FormularzPit11& f) {
    QStringList braki;
    bool ok = false;
    const int rok = f.rok.toInt(&ok);
    if (!ok || rok < PIERWSZY_ROK_PIT11_29 || rok > OSTATNI_ROK)
        braki << QStringLiteral("rok podatkowy %1: formularz PIT-11 (29) jest dla lat od %2 do %3")
                     .arg(f.rok)
                     .arg(PIERWSZY_ROK_PIT11_29)
                     .arg(OSTATNI_ROK);
    const QString nip = BezSeparatorow(f.nip);
    if (nip.isEmpty())
        braki << QStringLiteral("brak NIP płatnika");
    else if (!NipWzoru(nip))
        braki << QStringLiteral("NIP płatnika „%1” jest niepoprawny").arg(f.nip);
    SprawdzTekst(braki, QStringLiteral("pełna nazwa płatnika"), f.platnikNaFormularzu(), 240,
                 QStringLiteral("brak pełnej nazwy płatnika"));
    return braki;
}

QStringList BrakiPit11Wzor29(const FormularzPit11& f, const QSet<QString>& kodyUrzedow) {
    QStringList braki;
    const QString kod = f.us_kod_is.trimmed();
    if (kod.isEmpty())
        braki << QStringLiteral("brak kodu urzędu skarbowego");
    else if (!kodyUrzedow.contains(kod))
        braki << QStringLiteral("kod urzędu skarbowego „%1” nie występuje w wykazie urzędów "
                                "(us.txt)")
                     .arg(kod);

    if (f.identyfikatorNip()) {
        const QString nip = BezSeparatorow(f.os_nip);
        if (!NipWzoru(nip) || JednaCyfra(nip))
            braki << QStringLiteral("NIP podatnika „%1” jest niepoprawny").arg(f.os_nip.trimmed());
        else if (nip == BezSeparatorow(f.nip))
            braki << QStringLiteral("NIP podatnika jest taki sam jak NIP płatnika");
    } else {
        const QString pesel = f.os_pesel.trimmed();
        static const QRegularExpression re(QStringLiteral("^\\d{11}$"));
        if (pesel.isEmpty())
            braki << QStringLiteral("brak numeru PESEL");
        else if (!re.match(pesel).hasMatch() || JednaCyfra(pesel))
            braki << QStringLiteral("PESEL „%1” jest niepoprawny").arg(pesel);
    }
    SprawdzTekst(braki, QStringLiteral("imię"), f.os_imie, 30, QStringLiteral("brak imienia"));
    SprawdzTekst(braki, QStringLiteral("nazwisko"), f.os_nazwisko, 81,
                 QStringLiteral("brak nazwiska"));
    if (f.os_data_ur.trimmed().isEmpty()) {
        braki << QStringLiteral("brak daty urodzenia");
    } else {
        const QDate d = QDate::fromString(DataIso(f.os_data_ur.trimmed()), Qt::ISODate);
        if (!d.isValid() || d < QDate(1900, 1, 1) || d > QDate(OSTATNI_ROK, 12, 31))
            braki << QStringLiteral("data urodzenia „%1” jest niepoprawna").arg(f.os_data_ur);
    }

    if (!KrajPolska(f.os_kraj))
        braki << QStringLiteral("kraj zamieszkania „%1”: plik PIT-11 (29) zapisuje tylko adres "
                                "w Polsce")
                     .arg(Token(f.os_kraj));
    SprawdzTekst(braki, QStringLiteral("województwo"), f.os_woj, 36);
    SprawdzTekst(braki, QStringLiteral("powiat"), f.os_powiat, 36);
    SprawdzTekst(braki, QStringLiteral("gmina"), f.os_gmina, 36);
    SprawdzTekst(braki, QStringLiteral("ulica"), f.os_ulica, 65);
    SprawdzTekst(braki, QStringLiteral("numer domu"), f.os_nr_domu, 9);
    SprawdzTekst(braki, QStringLiteral("numer lokalu"), f.os_nr_lok, 10);
    SprawdzTekst(braki, QStringLiteral("miejscowość"), f.os_miejsc, 56,
                 QStringLiteral("brak miejscowości zamieszkania"));
    SprawdzTekst(braki, QStringLiteral("kod pocztowy"), f.os_kod, 8);

    const QString koszty = f.koszty.trimmed();
    if (!koszty.isEmpty() && !QStringList{"1", "2", "3", "4"}.contains(koszty))
        braki << QStringLiteral("znacznik kosztów „%1” (P_28) nie jest jedną z liczb 1, 2, 3, 4")
                     .arg(koszty);
    SprawdzKwote(braki, QStringLiteral("przychodu (P_29)"), f.kw_przychod);
    SprawdzKwote(braki, QStringLiteral("kosztów (P_30)"), f.kw_koszty);
    SprawdzKwote(braki, QStringLiteral("dochodu (P_31)"), f.kw_dochod);
    SprawdzKwote(braki, QStringLiteral("dochodu zwolnionego (P_32)"), f.kw_dochod_zw);
    SprawdzKwote(braki, QStringLiteral("zaliczki (P_33)"), f.kw_podatek);

    if (f.maWyjasnienie()) {
        const QString w = Wyjasnienie(f.wyjasnienie_text);
        if (w.isEmpty()) braki << QStringLiteral("brak tekstu wyjaśnienia (ORD-ZU)");
        const QString znak = ZnakSpozaXml(w);
        if (!znak.isEmpty())
            braki << QStringLiteral("wyjaśnienie zawiera znak niedozwolony w pliku XML (%1)")
                         .arg(znak);
        if (Znaki(w) > MAKS_WYJASNIENIA)
            braki << QStringLiteral("wyjaśnienie (ORD-ZU) ma %1 znaków, a może mieć najwyżej %2")
                         .arg(Znaki(w))
                         .arg(MAKS_WYJASNIENIA);
    }
    return braki;
}

QByteArray XmlPit11Wzor29(const FormularzPit11& f) {
    // Written to bytes, so that the declaration names its encoding (UTF-8).
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(2);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("Deklaracja"));
    w.writeDefaultNamespace(NS_PIT11);
    w.writeNamespace(NS_ORDZU, QStringLiteral("zzu"));

    w.writeStartElement(QStringLiteral("Naglowek"));
    w.writeStartElement(QStringLiteral("KodFormularza"));
    w.writeAttribute(QStringLiteral("kodSystemowy"), QStringLiteral("PIT-11 (29)"));
    w.writeAttribute(QStringLiteral("kodPodatku"), QStringLiteral("PIT"));
    w.writeAttribute(QStringLiteral("rodzajZobowiazania"), QStringLiteral("Z"));
    w.writeAttribute(QStringLiteral("wersjaSchemy"), QStringLiteral("4-0E"));
    w.writeCharacters(QStringLiteral("PIT-11"));
    w.writeEndElement();
    Element(w, QStringLiteral("WariantFormularza"), QStringLiteral("29"));
    ElementPoz(w, QStringLiteral("CelZlozenia"), QStringLiteral("P_7"),
               f.jestKorekta() ? QStringLiteral("2") : QStringLiteral("1"));
    Element(w, QStringLiteral("Rok"), f.rok.trimmed());
    Element(w, QStringLiteral("KodUrzedu"), f.us_kod_is.trimmed());
    w.writeEndElement(); // Naglowek

    w.writeStartElement(QStringLiteral("Podmiot1"));
    w.writeAttribute(QStringLiteral("rola"), QStringLiteral("Płatnik/Składający"));
    w.writeStartElement(QStringLiteral("OsobaNiefizyczna"));
    Element(w, QStringLiteral("NIP"), BezSeparatorow(f.nip));
    Element(w, QStringLiteral("PelnaNazwa"), Token(f.platnikNaFormularzu()));
    w.writeEndElement();
    w.writeEndElement(); // Podmiot1

    w.writeStartElement(QStringLiteral("Podmiot2"));
    w.writeAttribute(QStringLiteral("rola"), QStringLiteral("Podatnik"));
    w.writeStartElement(QStringLiteral("OsobaFizyczna"));
    if (f.identyfikatorNip())
        Element(w, QStringLiteral("NIP"), BezSeparatorow(f.os_nip));
    else
        Element(w, QStringLiteral("PESEL"), f.os_pesel.trimmed());
    Element(w, QStringLiteral("ImiePierwsze"), Token(f.os_imie));
    Element(w, QStringLiteral("Nazwisko"), Token(f.os_nazwisko));
    Element(w, QStringLiteral("DataUrodzenia"), DataIso(f.os_data_ur.trimmed()));
    w.writeEndElement(); // OsobaFizyczna
    w.writeStartElement(QStringLiteral("AdresZamieszkania"));
    w.writeAttribute(QStringLiteral("rodzajAdresu"), QStringLiteral("RAD"));
    ElementPoz(w, QStringLiteral("KodKraju"), QStringLiteral("P_19A"), QStringLiteral("PL"));
    ElementGdyJest(w, QStringLiteral("Wojewodztwo"), {}, f.os_woj);
    ElementGdyJest(w, QStringLiteral("Powiat"), {}, f.os_powiat);
    ElementGdyJest(w, QStringLiteral("Gmina"), {}, f.os_gmina);
    ElementGdyJest(w, QStringLiteral("Ulica"), QStringLiteral("P_23"), f.os_ulica);
    ElementGdyJest(w, QStringLiteral("NrDomu"), QStringLiteral("P_24"), f.os_nr_domu);
    ElementGdyJest(w, QStringLiteral("NrLokalu"), QStringLiteral("P_25"), f.os_nr_lok);
    ElementGdyJest(w, QStringLiteral("Miejscowosc"), QStringLiteral("P_26"), f.os_miejsc);
    ElementGdyJest(w, QStringLiteral("KodPocztowy"), QStringLiteral("P_27"), f.os_kod);
    w.writeEndElement(); // AdresZamieszkania
    w.writeEndElement(); // Podmiot2

    w.writeStartElement(QStringLiteral("PozycjeSzczegolowe"));
    // The taxpayer has unlimited tax liability in Poland (a resident).
    Element(w, QStringLiteral("P_11"), QStringLiteral("1"));
    ElementGdyJest(w, QStringLiteral("P_28"), {}, f.koszty);
    Element(w, QStringLiteral("P_29"), KwotaPit11(f.kw_przychod));
    Element(w, QStringLiteral("P_30"), KwotaPit11(f.kw_koszty));
    Element(w, QStringLiteral("P_31"), KwotaPit11(f.kw_dochod));
    Element(w, QStringLiteral("P_32"), KwotaPit11(f.kw_dochod_zw));
    Element(w, QStringLiteral("P_33"), KwotaCalkowitaPit11(f.kw_podatek));
    // No PIT-R attachment.
    Element(w, QStringLiteral("P_121"), QStringLiteral("2"));
    w.writeEndElement(); // PozycjeSzczegolowe
    Element(w, QStringLiteral("Pouczenie"), QStringLiteral("1"));

    if (f.maWyjasnienie()) {
        w.writeStartElement(QStringLiteral("Zalaczniki"));
        w.writeStartElement(NS_ORDZU, QStringLiteral("Zalacznik_ORD-ZU"));
        w.writeStartElement(NS_ORDZU, QStringLiteral("Naglowek"));
        w.writeStartElement(NS_ORDZU, QStringLiteral("KodFormularza"));
        w.writeAttribute(QStringLiteral("kodSystemowy"), QStringLiteral("ORD-ZU (3)"));
        w.writeAttribute(QStringLiteral("wersjaSchemy"), QStringLiteral("11-0E"));
        w.writeCharacters(QStringLiteral("ORD-ZU"));
        w.writeEndElement();
        w.writeTextElement(NS_ORDZU, QStringLiteral("WariantFormularza"), QStringLiteral("3"));
        w.writeEndElement(); // zzu:Naglowek
        w.writeStartElement(NS_ORDZU, QStringLiteral("PozycjeSzczegolowe"));
        w.writeTextElement(NS_ORDZU, QStringLiteral("P_13"), Wyjasnienie(f.wyjasnienie_text));
        w.writeEndElement();
        w.writeEndElement(); // zzu:Zalacznik_ORD-ZU
        w.writeEndElement(); // Zalaczniki
    }
    w.writeEndElement(); // Deklaracja
    w.writeEndDocument();
    return TekstPlikuPit11(QString::fromUtf8(out));
}

WynikXmlPit11 GenerujXmlPit11Wzor29(Database& db, const QString& rok, const QString& folder,
                                    const QSet<QString>& kodyUrzedow) {
    const QList<FormularzPit11> formularze = FormularzePit11(db, rok);
    QStringList platnik;
    for (const FormularzPit11& f : formularze)
        for (const QString& b : BrakiPlatnikaPit11Wzor29(f))
            if (!platnik.contains(b)) platnik << b;
    if (!platnik.isEmpty())
        throw VexaError(QStringLiteral("Nie zapisano żadnego pliku XML PIT-11 (29) za rok %1:\r\r"
                                       "%2.\r\rPopraw dane jednostki (NIP, POSIADACZ) i utwórz "
                                       "formularze ponownie.")
                            .arg(rok, platnik.join(QStringLiteral(";\r"))));

    QList<std::pair<FormularzPit11, QByteArray>> pliki;
    QList<FormularzPit11> bezPliku;
    QStringList pominieci;
    for (const FormularzPit11& f : formularze) {
        const QStringList braki = BrakiPit11Wzor29(f, kodyUrzedow);
        if (!braki.isEmpty()) {
            pominieci << Osoba(f) + QStringLiteral(": ") + braki.join(QStringLiteral("; ")) + u'.';
            bezPliku << f;
            continue;
        }
        const QByteArray xml = XmlPit11Wzor29(f);
        qint64 nr = 0;
        const QString blad = BladDokumentuXml(xml, &nr);
        if (!blad.isEmpty())
            throw VexaError(QStringLiteral("Plik XML formularza %1 nie byłby poprawnym "
                                           "dokumentem XML (wiersz %2: %3).\r\rNie zapisano "
                                           "żadnego pliku.")
                                .arg(Osoba(f))
                                .arg(nr)
                                .arg(blad));
        pliki.append({f, xml});
    }

    WynikXmlPit11 wynik;
    for (const auto& [f, xml] : pliki) {
        try {
            ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);
        } catch (const VexaError& e) {
            throw VexaError(e.message() + QStringLiteral("\r\rFormularz: %1.").arg(Osoba(f)));
        }
        ++wynik.zapisane;
    }
    // A file of an earlier run must not stand for a form that now has none.
    for (const FormularzPit11& f : bezPliku)
        UsunPlik(QDir(folder).filePath(NazwaPlikuPit11(f)));
    const QString lista = QDir(folder).filePath(PLIK_BRAKOW_PIT11);
    if (pominieci.isEmpty()) {
        UsunPlik(lista);
        return wynik;
    }
    // The whole list goes to a file beside the forms; the message names the first persons, so
    // that it fits the screen however many there are.
    ZapiszPlik(lista, TekstPlikuPit11(pominieci.join(u'\n')));
    wynik.pominiete = QStringLiteral("Nie zapisano plików XML PIT-11 (29) dla tych osób (%1), bo "
                                     "brakuje ich danych albo są niepoprawne; pozostałe pliki "
                                     "zapisano.\r\r")
                          .arg(pominieci.size()) +
                      pominieci.mid(0, MAKS_OSOB_W_KOMUNIKACIE).join(u'\r');
    if (pominieci.size() > MAKS_OSOB_W_KOMUNIKACIE)
        wynik.pominiete +=
            QStringLiteral("\r… i %1 innych.").arg(pominieci.size() - MAKS_OSOB_W_KOMUNIKACIE);
    wynik.pominiete +=
        QStringLiteral("\r\rPełna lista: plik \"%1\".").arg(QDir::toNativeSeparators(lista));
    return wynik;
}

} // namespace vexa
