#include "stats/analysis.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/output_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

#include <xlsxwriter.h>

#include <clocale>
#include <locale.h>

namespace vexa {

namespace {

struct Kwota {
    const char* tekst;
    const char* wyrazenie;
};

const Kwota kKwoty[16] = {
    {"Należność", "pozycja.naleznosc"},
    {"Zwiększenie należności MON", "pozycja.zwnaleznmon"},
    {"Zwiększenie należności PKW", "pozycja.zwnaleznpkw"},
    {"Dodatek wojenny",
     "pozycja.dodatekwojenny+pozycja.dodatekwojenny2+pozycja.dodatekwojenny3"},
    {"Dodatek za rozminowywanie", "pozycja.rozm"},
    {"Wyrównanie", "pozycja.wyrownanie"},
    {"Dodatek za środki higieny", "pozycja.srhigieny"},
    {"Inne zwiększenia", "pozycja.innezwiekszenia"},
    {"Razem", "pozycja.razem"},
    {"Składki ZUS", "pozycja.skladkizus"},
    {"Inne zmniejszenia", "pozycja.innezmniejszenia"},
    {"Do wypłaty", "pozycja.dowyplaty"},
    {"Zaliczka w PLN", "pozycja.zaliczkapln"},
    {"Na rachunek", "pozycja.rachunek"},
    {"Zwiększ. należn. dla lekarzy", "pozycja.zwnaleznlekarz"},
    {"Osobodni", "pozycja.iloscdni"}};

struct Grupa {
    const char* grupa;
    const char* podgrupa;
    const char* wyrazenie;
};

const Grupa kGrupy[12] = {
    {"(WSZYSTKIE)", "(WSZYSTKIE)", ""},
    {"Status (zamknięta/otwarta)", "Status (zamknięta, otwarta)", "lista.status"},
    {"Typ (pełna/dodatkowa)", "Typ (pełna, dodatkowa)", "lista.typ"},
    {"Miesiąc/rok", "Miesiąc, rok", "lista.miesiacrok"},
    {"Rodzaj (żołnierze/cywile)", "Rodzaj (żołnierze, cywile)", "lista.zp"},
    {"PKW", "PKW", "lista.skrotpkw"},
    {"Pododdział", "Pododdział", "pozycja.skrotpododdzial"},
    {"Stanowisko", "Stanowisko", "pozycja.stanowisko"},
    {"Stopień etatowy", "Stopień etatowy", "pozycja.ste"},
    {"Mnożnik", "Mnożnik", "pozycja.mnoznik"},
    {"Zwiększ. należn. PKW w proc.", "Zwiększ. należn. PKW w %", "pozycja.zwnaleznpkwproc"},
    {"Zw. należn. dla lekarzy w proc.", "Zw. należn. dla lekarzy w %",
     "pozycja.zwnaleznlekarzproc"}};

int Indeks(int i, int n) {
    if (i < 0 || i >= n) throw VexaError(QStringLiteral("Niepoprawny wybór analizy: %1.").arg(i));
    return i;
}

// The pair of check boxes as the display shows it.
LiniaFiltruAnalizy Para(const char* podpis, bool a, bool b, const char* tylkoA,
                        const char* tylkoB) {
    if (a && b) return {QString::fromUtf8(podpis), QStringLiteral("WSZYSTKIE"), true};
    if (a) return {QString::fromUtf8(podpis), QString::fromUtf8(tylkoA), false};
    if (b) return {QString::fromUtf8(podpis), QString::fromUtf8(tylkoB), false};
    return {QString::fromUtf8(podpis), QStringLiteral("!"), false};
}

// libxlsxwriter writes numbers with printf, which follows the locale: under pl_PL "1234,5"
// would break the workbook. While it writes, this thread formats numbers the C way.
class LiczbyJakWC {
public:
    LiczbyJakWC() : m_c(newlocale(LC_ALL_MASK, "C", nullptr)) {
        if (m_c) m_poprzedni = uselocale(m_c);
    }
    ~LiczbyJakWC() {
        if (!m_c) return;
        uselocale(m_poprzedni);
        freelocale(m_c);
    }
    LiczbyJakWC(const LiczbyJakWC&) = delete;
    LiczbyJakWC& operator=(const LiczbyJakWC&) = delete;

private:
    locale_t m_c;
    locale_t m_poprzedni = LC_GLOBAL_LOCALE;
};

} // namespace

const QStringList& PozycjeKwotAnalizy() {
    static const QStringList l = [] {
        QStringList x;
        for (const Kwota& p : kKwoty)
            x << QString::fromUtf8(p.tekst);
        return x;
    }();
    return l;
}

const QStringList& PozycjeGrupyAnalizy() {
    static const QStringList l = [] {
        QStringList x;
        for (const Grupa& g : kGrupy)
            x << QString::fromUtf8(g.grupa);
        return x;
    }();
    return l;
}

const QStringList& PozycjePodgrupyAnalizy() {
    static const QStringList l = [] {
        QStringList x;
        for (const Grupa& g : kGrupy)
            x << QString::fromUtf8(g.podgrupa);
        return x;
    }();
    return l;
}

QString WyrazenieKwoty(int indeks) {
    return QString::fromLatin1(kKwoty[Indeks(indeks, 16)].wyrazenie);
}

QString WyrazenieGrupy(int indeks) {
    return QString::fromLatin1(kGrupy[Indeks(indeks, 12)].wyrazenie);
}

int PodgrupaAnalizy(int grupa, int podgrupa) {
    return grupa == 0 ? 0 : podgrupa;
}

bool TylkoZaznaczoneAnalizy(int zaznaczonych, int listRejestru) {
    return zaznaczonych > 0 && zaznaczonych != listRejestru;
}

QList<LiniaFiltruAnalizy> OpisFiltruAnalizy(const FiltrRejestru& f, const QString& tytulKolumny,
                                            const QString& wartoscFiltru) {
    QList<LiniaFiltruAnalizy> l{
        Para("STATUS:", f.otwarte, f.zamkniete, "OTWARTE", "ZAMKNIĘTE"),
        Para("TYP:", f.pelne, f.dodatkowe, "PEŁNE", "DODATKOWE"),
        Para("RODZAJ:", f.zolnierze, f.cywile, "ŻOŁNIERZE", "CYWILE")};
    if (f.pkw == WSZYSTKIE)
        l << LiniaFiltruAnalizy{QStringLiteral("PKW:"), QStringLiteral("WSZYSTKIE"), true};
    else if (f.pkw == GRUPA)
        l << LiniaFiltruAnalizy{QStringLiteral("PKW:"), QStringLiteral("GRUPA"), false};
    else
        l << LiniaFiltruAnalizy{QStringLiteral("PKW:"), f.pkw, false};
    if (f.rok.size() == 11)
        l << LiniaFiltruAnalizy{QStringLiteral("ROK:"), QStringLiteral("WSZYSTKIE"), true};
    else
        l << LiniaFiltruAnalizy{QStringLiteral("ROK:"), f.rok, false};
    if (f.filtr != u"(true)" && !tytulKolumny.isEmpty())
        l << LiniaFiltruAnalizy{tytulKolumny + u':', wartoscFiltru, false};
    else
        l << LiniaFiltruAnalizy{QStringLiteral("INNE:"), QStringLiteral("WSZYSTKIE"), true};
    return l;
}

QString WarunekAnalizy(const FiltrRejestru& f, bool tylkoZaznaczone) {
    const WarunkiRejestru w = Warunki(f);
    if (w.pkw == u"(false)") throw VexaError(BRAK_ANALIZY);
    // The column filter names a column of lista, some of which pozycja has too (razem,
    // rachunek, ...): joined with the positions it must say whose.
    QString filtr = f.filtr;
    static const QRegularExpression pole(QStringLiteral("^\\(([a-z_0-9]+)="));
    const QRegularExpressionMatch m = pole.match(filtr);
    if (m.hasMatch() && TypKolumnyListy(m.captured(1)))
        filtr.replace(0, m.capturedLength(), QStringLiteral("(lista.") + m.captured(1) + u'=');
    const QString zaz = tylkoZaznaczone
                            ? QStringLiteral("(lista.zaz='") + ZAZ_ZAZNACZONY + QStringLiteral("')")
                            : QStringLiteral("(true)");
    return w.rok + QStringLiteral(" and ") + w.pkw + QStringLiteral(" and ") + w.status +
           QStringLiteral(" and ") + w.typ + QStringLiteral(" and ") + w.rodzaj +
           QStringLiteral(" and (") + filtr + QStringLiteral(") and ") + zaz;
}

WynikAnalizy Analizuj(Database& db, const FiltrRejestru& f, const WyborAnalizy& wybor,
                      int listRejestru) {
    const QString a = WyrazenieKwoty(wybor.kwota);
    const int g2i = PodgrupaAnalizy(wybor.grupa, wybor.podgrupa);
    const QString g1 = WyrazenieGrupy(wybor.grupa), g2 = WyrazenieGrupy(g2i);
    const int zaznaczonych = LiczbaZaznaczonychList(db);
    const bool tylko = TylkoZaznaczoneAnalizy(zaznaczonych, listRejestru);
    const QString w = WarunekAnalizy(f, tylko);
    const QString z = QStringLiteral(" from pozycja, lista where (pozycja.idlisty=lista.id) and ") + w;

    WynikAnalizy r;
    r.listy = tylko ? zaznaczonych : listRejestru;
    {
        QSqlQuery q = db.exec(QStringLiteral("select count(*), sum(%1), avg(%1)").arg(a) + z);
        if (q.next()) {
            r.wyplaty = q.value(0).toInt();
            r.suma = q.value(1).toDouble();
            r.srednia = q.value(2).toDouble();
        }
    }
    QStringList kolumny, grupuj;
    if (!g1.isEmpty()) {
        kolumny << g1 + QStringLiteral(" as Grupa1");
        grupuj << g1;
        r.naglowki << PozycjeGrupyAnalizy()[wybor.grupa];
    }
    if (!g2.isEmpty()) {
        kolumny << g2 + QStringLiteral(" as Grupa2");
        grupuj << g2;
        r.naglowki << PozycjePodgrupyAnalizy()[g2i];
    }
    kolumny << QStringLiteral("count(*)") << QStringLiteral("sum(%1)").arg(a)
            << QStringLiteral("avg(%1)").arg(a);
    const QString nazwa = PozycjeKwotAnalizy()[wybor.kwota];
    r.naglowki << QStringLiteral("Wypłaty") << QStringLiteral("SUMA: ") + nazwa
               << QStringLiteral("ŚREDNIA: ") + nazwa;
    QString sql = QStringLiteral("select ") + kolumny.join(QStringLiteral(", ")) + z;
    if (!grupuj.isEmpty()) sql += QStringLiteral(" group by ") + grupuj.join(QStringLiteral(", "));
    QSqlQuery q = db.exec(sql);
    const int n = int(kolumny.size());
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        // An empty group sums to nothing: shown as 0.
        for (int i = n - 2; i < n; ++i)
            if (row[i].isNull()) row[i] = 0.0;
        r.wiersze << row;
    }
    return r;
}

QString TekstKomorkiAnalizy(const QVariant& v) {
    if (v.isNull()) return QString();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return LiczbaOgolna(v.toDouble());
    default:
        return v.toString();
    }
}

QByteArray CsvAnalizy(const WynikAnalizy& w) {
    QString t;
    for (const QString& h : w.naglowki)
        t += h + u';';
    t += QStringLiteral("\r\n");
    for (const QVariantList& row : w.wiersze) {
        for (const QVariant& v : row)
            t += TekstKomorkiAnalizy(v).remove(u';') + u';';
        t += QStringLiteral("\r\n");
    }
    return toCp1250OrThrow(t);
}

void ZapiszXlsxAnalizy(const WynikAnalizy& w, const QString& plik) {
    const QFileInfo info(plik);
    if (!QDir().mkpath(info.absolutePath()))
        throw VexaError(QStringLiteral("Nie można utworzyć folderu: ") + info.absolutePath());
    const QString tymczasowy = plik + QStringLiteral(".tmp");
    QFile::remove(tymczasowy);
    const QByteArray sciezka = QFile::encodeName(tymczasowy);
    const LiczbyJakWC c;
    lxw_workbook* wb = workbook_new(sciezka.constData());
    if (!wb) throw VexaError(QStringLiteral("Nie można zapisać pliku: ") + plik);
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Analiza");
    lxw_format* naglowek = workbook_add_format(wb);
    format_set_bold(naglowek);
    format_set_align(naglowek, LXW_ALIGN_CENTER);
    lxw_format* kwota = workbook_add_format(wb);
    format_set_num_format(kwota, "#,##0.00");
    const int n = int(w.naglowki.size());
    for (int c = 0; c < n; ++c) {
        worksheet_write_string(ws, 0, lxw_col_t(c), w.naglowki[c].toUtf8().constData(), naglowek);
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), 28, nullptr);
    }
    worksheet_freeze_panes(ws, 1, 0);
    for (int r = 0; r < w.wiersze.size(); ++r) {
        const QVariantList& row = w.wiersze[r];
        for (int c = 0; c < row.size(); ++c) {
            const QVariant& v = row[c];
            const lxw_row_t y = lxw_row_t(r + 1);
            if (v.isNull()) continue;
            const bool liczba = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                                v.typeId() == QMetaType::LongLong;
            if (liczba)
                // The sum and the average (the last two columns) take the money format.
                worksheet_write_number(ws, y, lxw_col_t(c), v.toDouble(),
                                       c >= row.size() - 2 ? kwota : nullptr);
            else
                worksheet_write_string(ws, y, lxw_col_t(c), v.toString().toUtf8().constData(),
                                       nullptr);
        }
    }
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR) {
        QFile::remove(tymczasowy);
        throw VexaError(QStringLiteral("Nie można zapisać pliku: ") + plik + QStringLiteral(" (") +
                        QString::fromUtf8(lxw_strerror(e)) + u')');
    }
    // The finished workbook replaces the file in one step (an old workbook stays whole until
    // then), through the one writer of whole files.
    QFile gotowy(tymczasowy);
    if (!gotowy.open(QIODevice::ReadOnly)) {
        QFile::remove(tymczasowy);
        throw VexaError(QStringLiteral("Nie można zapisać pliku: ") + plik);
    }
    const QByteArray bajty = gotowy.readAll();
    gotowy.close();
    QFile::remove(tymczasowy);
    ZapiszPlik(plik, bajty);
}

} // namespace vexa
