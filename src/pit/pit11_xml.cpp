#include "pit/pit11_xml.h"

#include "data/codepage.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "data/validators.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cmath>

namespace vexa {

namespace {

constexpr int MIN_LINII = 44;
const QString KONIEC = QStringLiteral("</Deklaracja>");

QString Element(const QString& nazwa, const QString& wartosc) {
    return u'<' + nazwa + u'>' + XmlTekst(wartosc) + QStringLiteral("</") + nazwa + u'>';
}

QString ElementPoz(const QString& nazwa, const QString& poz, const QString& wartosc) {
    return u'<' + nazwa + QStringLiteral(" poz=\"") + poz + QStringLiteral("\">") +
           XmlTekst(wartosc) + QStringLiteral("</") + nazwa + u'>';
}

// The lines the program fills and the element each must hold; line 19 holds NIP or PESEL.
struct LiniaSzablonu {
    int nr;
    QStringList elementy;
};

const QList<LiniaSzablonu>& MapaSzablonu() {
    static const QList<LiniaSzablonu> mapa{
        {6, {"CelZlozenia"}},     {7, {"Rok"}},           {8, {"KodUrzedu"}},
        {12, {"etd:NIP"}},        {13, {"etd:PelnaNazwa"}}, {14, {"etd:REGON"}},
        {19, {"NIP", "PESEL"}},   {20, {"ImiePierwsze"}},  {21, {"Nazwisko"}},
        {22, {"DataUrodzenia"}},  {26, {"Wojewodztwo"}},   {27, {"Powiat"}},
        {28, {"Gmina"}},          {29, {"Ulica"}},         {30, {"NrDomu"}},
        {31, {"NrLokalu"}},       {32, {"Miejscowosc"}},   {33, {"KodPocztowy"}},
        {34, {"Poczta"}},         {40, {"P_29"}},          {41, {"P_30"}},
        {42, {"P_31"}},           {43, {"P_33"}},
    };
    return mapa;
}

// Whether the line opens the element: "<name>" or "<name " after leading blanks.
bool OtwieraElement(const QString& linia, const QString& nazwa) {
    const QString t = linia.trimmed();
    const QString poczatek = u'<' + nazwa;
    return t.startsWith(poczatek) && t.size() > poczatek.size() &&
           (t.at(poczatek.size()) == u'>' || t.at(poczatek.size()) == u' ' ||
            t.at(poczatek.size()) == u'/');
}

} // namespace

QStringList WczytajSzablonPit11(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw VexaError(BRAK_SZABLONU_PIT11);
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) throw VexaError(BRAK_SZABLONU_PIT11);
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = zCp1250(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n')) lines.removeLast();
    return lines;
}

void SprawdzSzablonPit11(const QStringList& szablon) {
    if (szablon.size() < MIN_LINII)
        throw VexaError(QStringLiteral("Szablon \"pit11.txt\" ma %1 wierszy, a musi mieć co "
                                       "najmniej %2.")
                            .arg(szablon.size())
                            .arg(MIN_LINII));
    for (const LiniaSzablonu& m : MapaSzablonu()) {
        const QString& linia = szablon.at(m.nr - 1);
        bool ok = false;
        for (const QString& e : m.elementy)
            ok = ok || OtwieraElement(linia, e);
        if (!ok)
            throw VexaError(QStringLiteral("Wiersz %1 szablonu \"pit11.txt\" powinien zawierać "
                                           "element %2, a zawiera: „%3”.\r\rSzablon nie pasuje "
                                           "do programu; nie zapisano żadnego pliku.")
                                .arg(m.nr)
                                .arg(m.elementy.join(QStringLiteral(" albo ")), linia.trimmed()));
    }
    if (szablon.last().trimmed() != KONIEC)
        throw VexaError(QStringLiteral("Ostatni wiersz szablonu \"pit11.txt\" musi brzmieć "
                                       "\"%1\".")
                            .arg(KONIEC));
}

QString KwotaPit11(double v) {
    return Kwota00Kropka(zaokraglij(v));
}

QString KwotaCalkowitaPit11(double v) {
    return QString::number(qint64(std::rint(zaokraglij(v))));
}

QByteArray TekstPlikuPit11(const QString& tekst) {
    QString t = tekst;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    if (!t.endsWith(u'\n')) t += u'\n';
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return NaUtf8(t);
}

QString BladDokumentuXml(const QByteArray& xml, qint64* linia) {
    QXmlStreamReader r(xml);
    while (!r.atEnd())
        r.readNext();
    if (linia) *linia = r.lineNumber();
    return r.hasError() ? r.errorString() : QString();
}

bool ZnakDozwolonyWXml(char32_t u) {
    if (u < 0x20) return u == U'\t' || u == U'\r' || u == U'\n';
    return !(u >= 0xD800 && u <= 0xDFFF) && u != 0xFFFE && u != 0xFFFF && u <= 0x10FFFF;
}

QString XmlTekst(const QString& t) {
    QString out;
    out.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < t.size() && t.at(i + 1).isLowSurrogate()) {
            out += c;
            out += t.at(++i);
            continue;
        }
        if (c.isSurrogate() || !ZnakDozwolonyWXml(u)) continue;
        switch (u) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\'': out += QStringLiteral("&apos;"); break;
        default: out += c;
        }
    }
    return out;
}

QByteArray XmlPit11(const QStringList& szablon, const FormularzPit11& f) {
    SprawdzSzablonPit11(szablon);
    QStringList l = szablon;
    auto linia = [&l](int nr, const QString& tekst) { l[nr - 1] = tekst; };
    linia(7, Element(QStringLiteral("Rok"), f.rok));
    linia(8, Element(QStringLiteral("KodUrzedu"), f.us_kod_is));
    linia(12, Element(QStringLiteral("etd:NIP"), f.nip));
    linia(13, Element(QStringLiteral("etd:PelnaNazwa"), f.platnikNaFormularzu()));
    linia(14, Element(QStringLiteral("etd:REGON"), f.regon));
    linia(19, f.identyfikatorNip() ? Element(QStringLiteral("NIP"), f.os_nip)
                                   : Element(QStringLiteral("PESEL"), f.os_pesel));
    linia(20, Element(QStringLiteral("ImiePierwsze"), f.os_imie));
    linia(21, Element(QStringLiteral("Nazwisko"), f.os_nazwisko));
    // A form without a person has no birth date: an empty element, not "--".
    linia(22, Element(QStringLiteral("DataUrodzenia"),
                      f.os_data_ur.isEmpty() ? QString() : DataIso(f.os_data_ur)));
    linia(26, Element(QStringLiteral("Wojewodztwo"), f.os_woj));
    linia(27, Element(QStringLiteral("Powiat"), f.os_powiat));
    linia(28, Element(QStringLiteral("Gmina"), f.os_gmina));
    linia(29, ElementPoz(QStringLiteral("Ulica"), QStringLiteral("P_22"), f.os_ulica));
    linia(30, ElementPoz(QStringLiteral("NrDomu"), QStringLiteral("P_23"), f.os_nr_domu));
    linia(31, f.os_nr_lok.isEmpty()
                  ? QString()
                  : ElementPoz(QStringLiteral("NrLokalu"), QStringLiteral("P_24"), f.os_nr_lok));
    linia(32, ElementPoz(QStringLiteral("Miejscowosc"), QStringLiteral("P_25"), f.os_miejsc));
    linia(33, ElementPoz(QStringLiteral("KodPocztowy"), QStringLiteral("P_26"), f.os_kod));
    linia(34, Element(QStringLiteral("Poczta"), f.os_poczta));
    linia(40, Element(QStringLiteral("P_29"), KwotaPit11(f.kw_przychod)));
    linia(41, Element(QStringLiteral("P_30"), KwotaPit11(f.kw_koszty)));
    linia(42, Element(QStringLiteral("P_31"), KwotaPit11(f.kw_dochod)));
    linia(43, Element(QStringLiteral("P_33"), KwotaCalkowitaPit11(f.kw_podatek)));
    linia(6, QStringLiteral("<CelZlozenia  poz=\"P_6\">%1</CelZlozenia>")
                 .arg(f.jestKorekta() ? QStringLiteral("2") : QStringLiteral("1")));
    if (f.maWyjasnienie()) {
        l.removeLast();
        l << QStringLiteral("<Zalaczniki>") << QStringLiteral("<zzu:Zalacznik_ORD-ZU>")
          << QStringLiteral("<zzu:Naglowek>")
          << QStringLiteral("<zzu:KodFormularza  kodSystemowy=\"ORD-ZU (2)\" "
                            "wersjaSchemy=\"2-0E\">ORD-ZU</zzu:KodFormularza>")
          << QStringLiteral("<zzu:WariantFormularza>2</zzu:WariantFormularza>")
          << QStringLiteral("</zzu:Naglowek>") << QStringLiteral("<zzu:PozycjeSzczegolowe>")
          << Element(QStringLiteral("zzu:P_13"), f.wyjasnienie_text)
          << QStringLiteral("</zzu:PozycjeSzczegolowe>")
          << QStringLiteral("</zzu:Zalacznik_ORD-ZU>") << QStringLiteral("</Zalaczniki>")
          << KONIEC;
    }
    return TekstPlikuPit11(l.join(u'\n'));
}

QString NazwaPlikuPit11(const FormularzPit11& f) {
    QString n = f.os_nazwisko + u'_' + f.os_pesel + QStringLiteral(".xml");
    for (QChar& c : n)
        if (c < u' ' || QStringView(u"/\\:*?\"<>|").contains(c)) c = u'_';
    return n;
}

int GenerujXmlPit11(Database& db, const QString& rok, const QStringList& szablon,
                    const QString& folder) {
    SprawdzSzablonPit11(szablon);
    // Every document first, each read back; only then the files.
    QList<std::pair<FormularzPit11, QByteArray>> pliki;
    for (const FormularzPit11& f : FormularzePit11(db, rok)) {
        const QByteArray xml = XmlPit11(szablon, f);
        qint64 nr = 0;
        const QString blad = BladDokumentuXml(xml, &nr);
        if (!blad.isEmpty()) {
            const QString miejsce =
                nr < szablon.size() ? QStringLiteral("wiersz %1 szablonu \"pit11.txt\"").arg(nr)
                                    : QStringLiteral("wiersz %1 pliku").arg(nr);
            throw VexaError(QStringLiteral("Plik XML formularza %1 %2 (PESEL %3) nie byłby "
                                           "poprawnym dokumentem XML (%4: %5).\r\rNie zapisano "
                                           "żadnego pliku.")
                                .arg(f.os_nazwisko, f.os_imie, f.os_pesel, miejsce, blad));
        }
        pliki.append({f, xml});
    }
    int ile = 0;
    for (const auto& [f, xml] : pliki) {
        try {
            ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), xml);
        } catch (const VexaError& e) {
            throw VexaError(e.message() + QStringLiteral("\r\rFormularz: %1 %2 (PESEL %3).")
                                              .arg(f.os_nazwisko, f.os_imie, f.os_pesel));
        }
        ++ile;
    }
    return ile;
}

} // namespace vexa
