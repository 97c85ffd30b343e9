#include "pit/pit11_xml.h"

#include "data/codepage.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "data/validators.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

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

// P_29 to P_31: to the grosz, two decimals, a full stop whatever the locale.
QString Kwota(double v) {
    return Kwota00Kropka(zaokraglij(v));
}

// P_33: whole złoty, halves to the even number; the sum is first taken to the grosz so that a
// sum a hair below a half (270.4999999) rounds as the half it stands for.
QString KwotaCalkowita(double v) {
    return QString::number(qint64(std::rint(zaokraglij(v))));
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
    if (szablon.last().trimmed() != KONIEC)
        throw VexaError(QStringLiteral("Ostatni wiersz szablonu \"pit11.txt\" musi brzmieć "
                                       "\"%1\".")
                            .arg(KONIEC));
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
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF) continue;
        if (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') continue;
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
    linia(13, Element(QStringLiteral("etd:PelnaNazwa"), f.platnik));
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
    linia(40, Element(QStringLiteral("P_29"), Kwota(f.kw_przychod)));
    linia(41, Element(QStringLiteral("P_30"), Kwota(f.kw_koszty)));
    linia(42, Element(QStringLiteral("P_31"), Kwota(f.kw_dochod)));
    linia(43, Element(QStringLiteral("P_33"), KwotaCalkowita(f.kw_podatek)));
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
    QByteArray out;
    for (const QString& s : l) {
        out += NaUtf8(s);
        out += "\r\n";
    }
    return out;
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
    int ile = 0;
    for (const FormularzPit11& f : FormularzePit11(db, rok)) {
        try {
            ZapiszPlik(QDir(folder).filePath(NazwaPlikuPit11(f)), XmlPit11(szablon, f));
        } catch (const VexaError& e) {
            throw VexaError(e.message() + QStringLiteral("\r\rFormularz: %1 %2 (PESEL %3).")
                                              .arg(f.os_nazwisko, f.os_imie, f.os_pesel));
        }
        ++ile;
    }
    return ile;
}

} // namespace vexa
