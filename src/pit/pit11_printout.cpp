#include "pit/pit11_printout.h"

#include "data/numbers.h"
#include "data/validators.h"
#include "printouts/conventions.h"

namespace vexa {

namespace {

constexpr double L = 12, P = 198, W = P - L; // the form's left and right edge, mm
const QColor TLO_FORMULARZA(0xEE, 0xEE, 0xEE);
const QColor TLO_SEKCJI(0xC8, 0xC8, 0xC8);
constexpr double PODPIS_PT = 5.5, WARTOSC_PT = 10;

// Draws a page image: the form's grey body, its sections, numbered white boxes with their
// captions, tick boxes; every box is remembered so that values are written into it.
class Rysownik {
public:
    ObrazStrony o;

    void tekst(const QRectF& r, const QString& t, double pt, bool gruby = false,
               Wyrownanie w = Wyrownanie::Lewo, bool zawijaj = false) {
        Tekst x;
        x.pole = r;
        x.tresc = t;
        x.czcionka.punkty = pt;
        x.czcionka.pogrubiona = gruby;
        x.wyrownanie = w;
        x.zawijaj = zawijaj;
        o.strona.teksty << x;
    }
    void ramka(const QRectF& r, double grubosc, const QColor& wypelnienie = QColor()) {
        o.strona.ramki << Ramka{r, grubosc, wypelnienie};
    }
    void tlo(double y0, double y1) { ramka(QRectF(L, y0, W, y1 - y0), 0.4, TLO_FORMULARZA); }
    void sekcja(double y, const QString& t, double h = 5.5) {
        ramka(QRectF(L, y, W, h), 0.3, TLO_SEKCJI);
        tekst(QRectF(L + 1.5, y, W - 3, h), t, 7.5, true);
    }
    // A numbered box; its caption "nr. podpis" along the top, its value below.
    void pole(int nr, double x, double y, double w, double h, const QString& podpis) {
        ramka(QRectF(x, y, w, h), 0.25, Qt::white);
        if (!podpis.isEmpty())
            tekst(QRectF(x + 0.8, y + 0.2, w - 1.6, 3), QString::number(nr) + QStringLiteral(". ") + podpis,
                  PODPIS_PT);
        o.pola.insert(nr, QRectF(x + 1.2, y + 3.2, w - 2.4, h - 3.6));
    }
    // A tick box (3.5 mm) with its caption to the right.
    void kratka(const QString& nazwa, double x, double y, const QString& podpis, double szer = 60) {
        const QRectF r(x, y, 3.5, 3.5);
        ramka(r, 0.25, Qt::white);
        tekst(QRectF(x + 4.5, y - 0.5, szer, 4.5), podpis, 7);
        o.znaczniki.insert(nazwa, r);
    }
    // A caption word that a printout may strike through, registered by name.
    void slowo(const QString& nazwa, const QRectF& r, const QString& t) {
        tekst(r, t, PODPIS_PT, true);
        o.znaczniki.insert(nazwa, r);
    }
};

// Box 9 of page 1 and boxes 1 and 4 of ORD-ZU: an identifier whose caption offers NIP or
// PESEL, one of which the printout strikes through.
void PoleIdentyfikatora(Rysownik& r, int nr, double x, double y, double w, double h,
                        const QString& przedrostek) {
    r.pole(nr, x, y, w, h, QString());
    const double t = y + 0.2;
    r.tekst(QRectF(x + 0.8, t, 42, 3), QString::number(nr) + QStringLiteral(". Identyfikator podatkowy"),
            PODPIS_PT);
    r.slowo(przedrostek + QStringLiteral("nip"), QRectF(x + 29.5, t, 5, 3), QStringLiteral("NIP"));
    r.tekst(QRectF(x + 36, t, 8, 3), QStringLiteral("/ numer"), PODPIS_PT);
    r.slowo(przedrostek + QStringLiteral("pesel"), QRectF(x + 44, t, 8, 3), QStringLiteral("PESEL"));
    r.tekst(QRectF(x + 52.5, t, w - 53, 3), QStringLiteral("(niepotrzebne skreślić)"), PODPIS_PT);
}

void Naglowek(Rysownik& r, const QString& symbol, const QString& nazwa, const QString& podstawa) {
    r.tekst(QRectF(L, 27, 40, 12), symbol, 20, true);
    r.tekst(QRectF(L + 42, 26, W - 42, 10), nazwa, 9, true, Wyrownanie::Srodek, true);
    r.tekst(QRectF(L + 1, 38, W - 46, 11), podstawa, 6, false, Wyrownanie::Lewo, true);
}

ObrazStrony RysujStrone1() {
    Rysownik r;
    r.tlo(10, 282);
    r.tekst(QRectF(L + 1, 10.5, W - 2, 4), QStringLiteral("POLA JASNE WYPEŁNIA PŁATNIK. WYPEŁNIĆ DUŻYMI, DRUKOWANYMI LITERAMI, CZARNYM LUB NIEBIESKIM KOLOREM."), 5.5);
    r.pole(1, L + 1, 15, 62, 10, QStringLiteral("Identyfikator podatkowy NIP płatnika"));
    r.pole(2, L + 64, 15, 50, 10, QStringLiteral("Nr dokumentu"));
    r.pole(3, L + 115, 15, 70, 10, QStringLiteral("Status"));
    Naglowek(r, QStringLiteral("PIT-11"),
             QStringLiteral("INFORMACJA O DOCHODACH ORAZ O POBRANYCH ZALICZKACH NA PODATEK "
                            "DOCHODOWY"),
             QStringLiteral("Podstawa prawna: Art. 39 ust. 1, art. 42 ust. 2 pkt 1, art. 42a "
                            "ustawy z dnia 26 lipca 1991 r. o podatku dochodowym od osób "
                            "fizycznych. Składający: Płatnik, który pobierał zaliczki na podatek "
                            "dochodowy od osób fizycznych. Terminy składania: do końca lutego "
                            "roku następującego po roku podatkowym."));
    r.pole(4, L + 145, 38, 40, 10, QStringLiteral("Rok"));
    r.sekcja(50, QStringLiteral("A. MIEJSCE I CEL SKŁADANIA INFORMACJI"));
    r.pole(5, L + 1, 56.5, W - 2, 10, QStringLiteral("Urząd skarbowy, do którego adresowana jest informacja"));
    r.pole(6, L + 1, 67.5, W - 2, 9, QStringLiteral("Cel złożenia formularza (zaznaczyć właściwy kwadrat):"));
    r.kratka(QStringLiteral("cel_zlozenie"), L + 45, 71.5, QStringLiteral("1. złożenie informacji"));
    r.kratka(QStringLiteral("cel_korekta"), L + 110, 71.5, QStringLiteral("2. korekta informacji"));
    r.sekcja(78, QStringLiteral("B. DANE IDENTYFIKACYJNE PŁATNIKA"));
    r.pole(7, L + 1, 84.5, W - 2, 9, QStringLiteral("Rodzaj płatnika (zaznaczyć właściwy kwadrat):"));
    r.kratka(QStringLiteral("platnik_niefizyczna"), L + 45, 88.5, QStringLiteral("1. podmiot niebędący osobą fizyczną"));
    r.kratka(QStringLiteral("platnik_fizyczna"), L + 110, 88.5, QStringLiteral("2. osoba fizyczna"));
    r.pole(8, L + 1, 94.5, W - 2, 10, QStringLiteral("Nazwa pełna, REGON * / Nazwisko, pierwsze imię, data urodzenia **"));
    r.sekcja(106, QStringLiteral("C. DANE IDENTYFIKACYJNE I ADRES ZAMIESZKANIA PODATNIKA"));
    r.tekst(QRectF(L + 1.5, 112, W - 3, 4), QStringLiteral("C.1. DANE IDENTYFIKACYJNE"), 7, true);
    PoleIdentyfikatora(r, 9, L + 1, 116, 92, 10, QString());
    r.pole(10, L + 94, 116, 91, 10, QStringLiteral("Nazwisko"));
    r.pole(11, L + 1, 127, 92, 10, QStringLiteral("Pierwsze imię"));
    r.pole(12, L + 94, 127, 91, 10, QStringLiteral("Data urodzenia (rok-miesiąc-dzień)"));
    r.pole(13, L + 1, 138, W - 2, 9, QStringLiteral("Rodzaj obowiązku podatkowego podatnika (zaznaczyć właściwy kwadrat):"));
    r.kratka(QStringLiteral("obowiazek_nieograniczony"), L + 45, 142, QStringLiteral("1. nieograniczony obowiązek podatkowy"));
    r.kratka(QStringLiteral("obowiazek_ograniczony"), L + 120, 142, QStringLiteral("2. ograniczony obowiązek podatkowy"));
    r.pole(14, L + 1, 148, 70, 10, QStringLiteral("Zagraniczny numer identyfikacyjny podatnika"));
    r.pole(15, L + 72, 148, 66, 10, QStringLiteral("Rodzaj numeru identyfikacyjnego"));
    r.pole(16, L + 139, 148, 46, 10, QStringLiteral("Kraj wydania numeru"));
    r.pole(17, L + 1, 159, W - 2, 9, QStringLiteral("Numer telefonu lub adres poczty elektronicznej (nieobowiązkowo)"));
    r.tekst(QRectF(L + 1.5, 169, W - 3, 4), QStringLiteral("C.2. ADRES ZAMIESZKANIA"), 7, true);
    r.pole(18, L + 1, 173, 60, 10, QStringLiteral("Kraj"));
    r.pole(19, L + 62, 173, 123, 10, QStringLiteral("Województwo"));
    r.pole(20, L + 1, 184, 92, 10, QStringLiteral("Powiat"));
    r.pole(21, L + 94, 184, 91, 10, QStringLiteral("Gmina"));
    r.pole(22, L + 1, 195, 110, 10, QStringLiteral("Ulica"));
    r.pole(23, L + 112, 195, 36, 10, QStringLiteral("Nr domu"));
    r.pole(24, L + 149, 195, 36, 10, QStringLiteral("Nr lokalu"));
    r.pole(25, L + 1, 206, 110, 10, QStringLiteral("Miejscowość"));
    r.pole(26, L + 112, 206, 73, 10, QStringLiteral("Kod pocztowy"));
    r.pole(27, L + 1, 217, W - 2, 10, QStringLiteral("Poczta"));
    r.tekst(QRectF(L + 1.5, 230, W - 3, 14),
            QStringLiteral("* dotyczy podatnika niebędącego osobą fizyczną   ** dotyczy podatnika "
                           "będącego osobą fizyczną\nDochody i zaliczki wykazuje się na stronie 2 "
                           "formularza, objaśnienia zawiera strona 3."),
            6, false, Wyrownanie::Lewo, true);
    r.tekst(QRectF(P - 40, 276, 38, 5), QStringLiteral("PIT-11   1/3"), 8, true, Wyrownanie::Prawo);
    return r.o;
}

ObrazStrony RysujStrone2() {
    Rysownik r;
    r.tlo(10, 282);
    r.sekcja(12, QStringLiteral("D. INFORMACJA O DOCHODACH ORAZ POBRANYCH ZALICZKACH NA PODATEK (kwoty w zł, gr)"));
    r.pole(28, L + 1, 19, W - 2, 9, QStringLiteral("Płatnik pobierał zaliczki na podatek dochodowy (zaznaczyć właściwy kwadrat):"));
    r.kratka(QStringLiteral("zaliczki_tak"), L + 60, 23, QStringLiteral("1. tak"));
    r.kratka(QStringLiteral("zaliczki_nie"), L + 110, 23, QStringLiteral("2. nie"));
    // The table: the source of income, then five amounts.
    const double y = 30, kol = 60, szer = (W - kol - 1) / 5.0;
    const QStringList glowki{QStringLiteral("Przychód"), QStringLiteral("Koszty uzyskania przychodu"),
                             QStringLiteral("Dochód (przychód – koszty)"), QStringLiteral("Dochód zwolniony od podatku"),
                             QStringLiteral("Zaliczka pobrana przez płatnika")};
    r.ramka(QRectF(L + 1, y, kol - 1, 12), 0.25, TLO_SEKCJI);
    r.tekst(QRectF(L + 2, y, kol - 3, 12), QStringLiteral("Źródła przychodów"), 7, true, Wyrownanie::Srodek);
    for (int i = 0; i < 5; ++i) {
        const double x = L + kol + i * szer;
        r.ramka(QRectF(x, y, szer, 12), 0.25, TLO_SEKCJI);
        r.tekst(QRectF(x + 0.8, y + 0.5, szer - 1.6, 11), glowki[i], 6.5, true, Wyrownanie::Srodek, true);
    }
    r.ramka(QRectF(L + 1, y + 12, kol - 1, 14), 0.25, TLO_FORMULARZA);
    r.tekst(QRectF(L + 2, y + 12.5, kol - 3, 13),
            QStringLiteral("Należności ze stosunku: służbowego, pracy, pracy nakładczej, "
                           "spółdzielczego stosunku pracy"),
            6.5, false, Wyrownanie::Lewo, true);
    for (int i = 0; i < 5; ++i)
        r.pole(29 + i, L + kol + i * szer, y + 12, szer, 14, QStringLiteral("zł, gr"));
    r.sekcja(60, QStringLiteral("E. DANE OSOBY SPORZĄDZAJĄCEJ INFORMACJĘ ORAZ PODPIS PŁATNIKA"));
    r.pole(34, L + 1, 66.5, 92, 10, QStringLiteral("Imię"));
    r.pole(35, L + 94, 66.5, 91, 10, QStringLiteral("Nazwisko"));
    r.pole(36, L + 1, 77.5, 60, 16, QStringLiteral("Data wypełnienia (dzień-miesiąc-rok)"));
    r.pole(37, L + 62, 77.5, 123, 16, QStringLiteral("Podpis płatnika lub osoby reprezentującej płatnika"));
    r.tekst(QRectF(P - 40, 276, 38, 5), QStringLiteral("PIT-11   2/3"), 8, true, Wyrownanie::Prawo);
    return r.o;
}

ObrazStrony RysujStrone3() {
    Rysownik r;
    r.tlo(10, 282);
    r.sekcja(12, QStringLiteral("POUCZENIE"));
    r.tekst(QRectF(L + 2, 19, W - 4, 24),
            QStringLiteral("W przypadku niewpłacenia w obowiązującym terminie kwoty pobranych "
                           "zaliczek lub wpłacenia jej w niepełnej wysokości niniejsza informacja "
                           "stanowi podstawę do wystawienia tytułu wykonawczego. Za podanie "
                           "nieprawdy lub zatajenie prawdy i przez to narażenie podatku na "
                           "uszczuplenie grozi odpowiedzialność przewidziana w Kodeksie karnym "
                           "skarbowym."),
            8, false, Wyrownanie::Lewo, true);
    r.sekcja(46, QStringLiteral("OBJAŚNIENIA"));
    r.tekst(QRectF(L + 2, 53, W - 4, 60),
            QStringLiteral("1. Informację sporządza płatnik, który w roku podatkowym pobierał "
                           "zaliczki na podatek dochodowy od osób fizycznych.\n"
                           "2. Kwoty przychodu, kosztów i dochodu wykazuje się w złotych i groszach, "
                           "kwotę pobranej zaliczki w pełnych złotych.\n"
                           "3. Informację przekazuje się podatnikowi oraz urzędowi skarbowemu "
                           "właściwemu według miejsca zamieszkania podatnika.\n"
                           "4. Korekta informacji wymaga zaznaczenia kwadratu nr 2 w poz. 6; "
                           "przyczyny korekty płatnik podaje w załączniku ORD-ZU."),
            8, false, Wyrownanie::Lewo, true);
    r.tekst(QRectF(P - 40, 276, 38, 5), QStringLiteral("PIT-11   3/3"), 8, true, Wyrownanie::Prawo);
    return r.o;
}

ObrazStrony RysujOrdZu() {
    Rysownik r;
    r.tlo(10, 282);
    Naglowek(r, QStringLiteral("ORD-ZU"), QStringLiteral("UZASADNIENIE PRZYCZYN KOREKTY DEKLARACJI"),
             QStringLiteral("Załącznik do informacji PIT-11 składanej jako korekta. Składający: "
                            "płatnik."));
    r.sekcja(50, QStringLiteral("A. DANE SKŁADAJĄCEGO"));
    PoleIdentyfikatora(r, 1, L + 1, 56.5, 92, 10, QStringLiteral("platnik_"));
    r.pole(3, L + 94, 56.5, 91, 10, QStringLiteral("REGON"));
    r.pole(2, L + 1, 67.5, W - 2, 10, QStringLiteral("Nazwa pełna / Nazwisko, pierwsze imię"));
    r.sekcja(79, QStringLiteral("B. DANE PODATNIKA"));
    PoleIdentyfikatora(r, 4, L + 1, 85.5, 92, 10, QStringLiteral("podatnik_"));
    r.pole(5, L + 94, 85.5, 91, 10, QStringLiteral("Nazwisko"));
    r.pole(6, L + 1, 96.5, 92, 10, QStringLiteral("Pierwsze imię"));
    r.pole(7, L + 94, 96.5, 91, 10, QStringLiteral("Data urodzenia (rok-miesiąc-dzień)"));
    r.sekcja(108, QStringLiteral("C. UZASADNIENIE PRZYCZYN KOREKTY"));
    // The explanation's frame: 177 x 131 mm.
    r.pole(13, L + 4.5, 115.5, 177, 131 + 3.6, QStringLiteral("Treść uzasadnienia"));
    r.tekst(QRectF(P - 40, 276, 38, 5), QStringLiteral("ORD-ZU   1/1"), 8, true, Wyrownanie::Prawo);
    return r.o;
}

// Values and marks over an image.
class Wypelnienie {
public:
    Wypelnienie(const ObrazStrony& obraz) : m_obraz(obraz), m_strona(obraz.strona) {}

    void wartosc(int nr, const QString& t, Wyrownanie w = Wyrownanie::Lewo) {
        Tekst x;
        x.pole = m_obraz.pola.value(nr);
        x.tresc = t;
        x.czcionka.punkty = WARTOSC_PT;
        x.wyrownanie = w;
        m_strona.teksty << x;
    }
    void zawijany(int nr, const QString& t) {
        wartosc(nr, t);
        m_strona.teksty.last().zawijaj = true;
    }
    // A crossed box (the cross drawn corner to corner) or an empty one.
    void znak(const QString& nazwa, bool zaznaczony) {
        const QRectF r = m_obraz.znaczniki.value(nazwa);
        m_strona.ramki << Ramka{r, 0.3, Qt::white};
        if (!zaznaczony) return;
        const QRectF w = r.adjusted(0.5, 0.5, -0.5, -0.5);
        m_strona.linie << Linia{w.topLeft(), w.bottomRight(), 0.35}
                       << Linia{w.topRight(), w.bottomLeft(), 0.35};
    }
    // A caption word struck through by a thick line.
    void skresl(const QString& nazwa) {
        const QRectF r = m_obraz.znaczniki.value(nazwa);
        const double y = r.center().y();
        m_strona.linie << Linia{QPointF(r.left() - 0.5, y), QPointF(r.right() + 0.5, y), 0.7};
    }
    StronaRaportu wynik() {
        Tekst s;
        s.pole = QRectF(L, 283.5, 120, 5);
        s.tresc = STOPKA_PIT11;
        s.czcionka.punkty = 7;
        m_strona.teksty << s;
        return m_strona;
    }

private:
    const ObrazStrony& m_obraz;
    StronaRaportu m_strona;
};

QString DataUrodzenia(const FormularzPit11& f) {
    return f.os_data_ur.isEmpty() ? QString() : DataIso(f.os_data_ur);
}

// Amounts of page 2: "# ##0.00", always with a decimal comma.
QString KwotaStrony2(double v) {
    return KwotaGrupyKrotka(v);
}

} // namespace

const ObrazStrony& ObrazStronyPit11(StronaPit11 s) {
    static const ObrazStrony s1 = RysujStrone1(), s2 = RysujStrone2(), s3 = RysujStrone3(),
                             ord = RysujOrdZu();
    switch (s) {
    case StronaPit11::Strona1: return s1;
    case StronaPit11::Strona2: return s2;
    case StronaPit11::Strona3: return s3;
    case StronaPit11::OrdZu: break;
    }
    return ord;
}

StronaRaportu StronaPit11Formularza(StronaPit11 s, const FormularzPit11& f) {
    Wypelnienie w(ObrazStronyPit11(s));
    switch (s) {
    case StronaPit11::Strona1:
        w.wartosc(1, f.nip);
        w.wartosc(4, f.rok, Wyrownanie::Srodek);
        w.wartosc(5, f.us_nazwa);
        w.znak(QStringLiteral("cel_zlozenie"), !f.jestKorekta());
        w.znak(QStringLiteral("cel_korekta"), f.jestKorekta());
        w.znak(QStringLiteral("platnik_niefizyczna"), true);
        w.znak(QStringLiteral("platnik_fizyczna"), false);
        w.wartosc(8, f.platnikNaFormularzu() + QStringLiteral(", ") + f.regon);
        if (f.identyfikatorNip()) {
            w.wartosc(9, f.os_nip);
            w.skresl(QStringLiteral("pesel"));
        } else {
            w.wartosc(9, f.os_pesel);
            w.skresl(QStringLiteral("nip"));
        }
        w.wartosc(10, f.os_nazwisko);
        w.wartosc(11, f.os_imie);
        w.wartosc(12, DataUrodzenia(f));
        w.znak(QStringLiteral("obowiazek_nieograniczony"), true);
        w.znak(QStringLiteral("obowiazek_ograniczony"), false);
        w.wartosc(18, f.os_kraj);
        w.wartosc(19, f.os_woj);
        w.wartosc(20, f.os_powiat);
        w.wartosc(21, f.os_gmina);
        w.wartosc(22, f.os_ulica);
        w.wartosc(23, f.os_nr_domu);
        w.wartosc(24, f.os_nr_lok);
        w.wartosc(25, f.os_miejsc);
        w.wartosc(26, f.os_kod);
        w.wartosc(27, f.os_poczta);
        break;
    case StronaPit11::Strona2:
        w.znak(QStringLiteral("zaliczki_tak"), true);
        w.znak(QStringLiteral("zaliczki_nie"), false);
        w.wartosc(29, KwotaStrony2(f.kw_przychod), Wyrownanie::Prawo);
        w.wartosc(30, KwotaStrony2(f.kw_koszty), Wyrownanie::Prawo);
        w.wartosc(31, KwotaStrony2(f.kw_dochod), Wyrownanie::Prawo);
        w.wartosc(32, KwotaStrony2(f.kw_dochod_zw), Wyrownanie::Prawo);
        w.wartosc(33, KwotaStrony2(f.kw_podatek), Wyrownanie::Prawo);
        w.wartosc(34, f.op_imie);
        w.wartosc(35, f.op_nazwisko);
        break;
    case StronaPit11::Strona3:
        break;
    case StronaPit11::OrdZu:
        // The payer by NIP, the taxpayer by PESEL.
        w.wartosc(1, f.nip);
        w.skresl(QStringLiteral("platnik_pesel"));
        w.wartosc(2, f.platnikNaFormularzu());
        w.wartosc(3, f.regon);
        w.wartosc(4, f.os_pesel);
        w.skresl(QStringLiteral("podatnik_nip"));
        w.wartosc(5, f.os_nazwisko);
        w.wartosc(6, f.os_imie);
        w.wartosc(7, DataUrodzenia(f));
        w.zawijany(13, f.wyjasnienie_text);
        break;
    }
    return w.wynik();
}

Raport RaportPit11(WydrukPit11 co, const QList<FormularzPit11>& formularze) {
    Raport r;
    r.poziomo = false;
    r.tytulZadania = co == WydrukPit11::Calosc ? QStringLiteral("PIT-11") : TYTUL_PIT11;
    r.dwustronnie = co == WydrukPit11::Calosc;
    for (const FormularzPit11& f : formularze) {
        switch (co) {
        case WydrukPit11::Calosc:
            for (StronaPit11 s : {StronaPit11::Strona1, StronaPit11::Strona2, StronaPit11::Strona3})
                r.strony << StronaPit11Formularza(s, f);
            break;
        case WydrukPit11::Strona1: r.strony << StronaPit11Formularza(StronaPit11::Strona1, f); break;
        case WydrukPit11::Strona2: r.strony << StronaPit11Formularza(StronaPit11::Strona2, f); break;
        case WydrukPit11::Strona3: r.strony << StronaPit11Formularza(StronaPit11::Strona3, f); break;
        case WydrukPit11::OrdZu: r.strony << StronaPit11Formularza(StronaPit11::OrdZu, f); break;
        }
    }
    return r;
}

} // namespace vexa
