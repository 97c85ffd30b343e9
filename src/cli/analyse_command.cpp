// vexa-cli analyse: the analysis of the page ANALIZY over every list (or the lists of a year or
// a range of years), printed, or written as a semicolon file or an .xlsx workbook.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "stats/analysis.h"

#include <QRegularExpression>

namespace {

QString Wybory() {
    QString t = QStringLiteral("--amount (kwota):");
    for (int i = 0; i < vexa::PozycjeKwotAnalizy().size(); ++i)
        t += QStringLiteral("\n  %1  %2").arg(i, 2).arg(vexa::PozycjeKwotAnalizy()[i]);
    t += QStringLiteral("\n--group1 / --group2 (grupa / podgrupa):");
    for (int i = 0; i < vexa::PozycjeGrupyAnalizy().size(); ++i)
        t += QStringLiteral("\n  %1  %2").arg(i, 2).arg(vexa::PozycjeGrupyAnalizy()[i]);
    return t;
}

bool Indeks(const CliOptions& o, const QString& nazwa, int n, int& out) {
    if (!o.has(nazwa)) return true;
    bool ok = false;
    out = o.value(nazwa).toInt(&ok);
    return ok && out >= 0 && out < n;
}

} // namespace

int cliAnalyse(const QStringList& args) {
    const CliOptions o = cliParse(
        args, {"--db", "--amount", "--group1", "--group2", "--year", "--csv", "--xlsx"}, {"--help"});
    if (o.has("--help")) {
        cliPrint(Wybory());
        return 0;
    }
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    vexa::WyborAnalizy w;
    if (!Indeks(o, "--amount", 16, w.kwota) || !Indeks(o, "--group1", 12, w.grupa) ||
        !Indeks(o, "--group2", 12, w.podgrupa))
        return cliBadUse(QStringLiteral("Niepoprawny numer wyboru; vexa-cli analyse --help."));
    if (o.has("--csv") && o.has("--xlsx"))
        return cliBadUse(QStringLiteral("Podaj --csv albo --xlsx, nie oba."));
    vexa::FiltrRejestru f;
    if (o.has("--year")) {
        static const QRegularExpression rok(QStringLiteral("^\\d{4}(-\\d{4})?$"));
        if (!rok.match(o.value("--year")).hasMatch())
            return cliBadUse(QStringLiteral("Rok to RRRR albo RRRR-RRRR."));
        f.rok = o.value("--year");
    }
    vexa::Database db;
    db.open(o.value("--db"));
    const vexa::WynikAnalizy wynik =
        vexa::Analizuj(db, f, w, int(vexa::Rejestr(db, f).size()));
    cliPrint(QStringLiteral("LISTY: %1").arg(wynik.listy));
    cliPrint(QStringLiteral("WYPŁATY: %1").arg(wynik.wyplaty));
    cliPrint(QStringLiteral("GRUPY: %1").arg(wynik.wiersze.size()));
    cliPrint(QStringLiteral("SUMA: ") + vexa::Kwota00Przecinek(wynik.suma) + QStringLiteral(" PLN"));
    cliPrint(QStringLiteral("ŚREDNIA: ") + vexa::Kwota00Przecinek(wynik.srednia) +
             QStringLiteral(" PLN"));
    if (o.has("--csv"))
        vexa::ZapiszPlik(o.value("--csv"), vexa::CsvAnalizy(wynik));
    else if (o.has("--xlsx"))
        vexa::ZapiszXlsxAnalizy(wynik, o.value("--xlsx"));
    return 0;
}
