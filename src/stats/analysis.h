#pragma once
// Analyses of the positions of the lists the register's filter selects: one amount component
// summed, counted and averaged over up to two groupings, and written for a spreadsheet as a
// semicolon-separated file or as an .xlsx workbook.
#include "lists/list_register.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

namespace vexa {

class Database;

// The page's choices (item indexes).
const QStringList& PozycjeKwotAnalizy();   // 16 amount components
const QStringList& PozycjeGrupyAnalizy();  // "GRUPA:" items, 12
const QStringList& PozycjePodgrupyAnalizy(); // "PODGRUPA:" items, 12
QString WyrazenieKwoty(int indeks);
QString WyrazenieGrupy(int indeks); // empty for 0, no grouping
// A sub-grouping never stands without a grouping: 0 when the grouping is 0.
int PodgrupaAnalizy(int grupa, int podgrupa);

struct WyborAnalizy {
    int kwota = 11; // "Do wypłaty"
    int grupa = 0, podgrupa = 0;
};

// "TYLKO ZAZNACZONE LISTY": some lists are marked, but not as many as the register shows.
bool TylkoZaznaczoneAnalizy(int zaznaczonych, int listRejestru);

// One line of the page's filter display: its caption, its value, grey when it restricts nothing.
struct LiniaFiltruAnalizy {
    QString podpis, wartosc;
    bool szara = false;
};
// STATUS, TYP, RODZAJ, PKW, ROK and INNE (the filtered column's title and the current list's
// value when a column filter is set).
QList<LiniaFiltruAnalizy> OpisFiltruAnalizy(const FiltrRejestru& f, const QString& tytulKolumny,
                                            const QString& wartoscFiltru);

// The common condition over lista and pozycja: the register's year, contingent, status, kind
// and group conditions (not its month), its column filter (with the field named as lista's)
// and, for marked-only, the mark. An empty contingent group throws "Nie wygenerowano
// analizy...".
QString WarunekAnalizy(const FiltrRejestru& f, bool tylkoZaznaczone);

inline const QString BRAK_ANALIZY = QStringLiteral("Nie wygenerowano analizy...");

struct WynikAnalizy {
    int listy = 0, wyplaty = 0;
    double suma = 0, srednia = 0;
    QStringList naglowki;      // the grid's column titles
    QList<QVariantList> wiersze; // group values, then count, sum and average
};
// Runs the analysis: `listRejestru` the lists the register shows, whose count is reported
// unless only marked lists are analysed.
WynikAnalizy Analizuj(Database& db, const FiltrRejestru& f, const WyborAnalizy& w,
                      int listRejestru);

// A cell as the export and the grid write it: numbers unformatted with a decimal comma.
QString TekstKomorkiAnalizy(const QVariant& v);
// The semicolon file: the titles, then a line per row, every field followed by ";", lines
// ending in CR LF, Windows-1250.
QByteArray CsvAnalizy(const WynikAnalizy& w);
// The same table as an .xlsx workbook: numbers stored as numbers, the money format on sums and
// averages, the header row frozen. Built under a temporary name, then put in place in one
// step: an existing workbook stays whole until it is replaced.
void ZapiszXlsxAnalizy(const WynikAnalizy& w, const QString& plik);

} // namespace vexa
