// vexa-cli print: the printout of a list as DRUKUJ LISTĘ shows it, written to a PDF file.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "printouts/list_printout.h"
#include "printouts/report_painter.h"

#include <QDate>
#include <QElapsedTimer>

int cliPrintList(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--list", "--pdf"}, {"--zero", "--times"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--list", "--pdf"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    bool ok = false;
    const int id = o.value("--list").toInt(&ok);
    if (!ok || id <= 0)
        return cliBadUse(QStringLiteral("Niepoprawny numer listy: ") + o.value("--list"));
    vexa::Database db;
    db.open(o.value("--db"));
    const QString blokada = vexa::BlokadaWydruku(db, id);
    QElapsedTimer clock;
    clock.start();
    const vexa::DaneWydrukuListy dane =
        vexa::DaneListyDoWydruku(db, id, vexa::KolejnoscPozycji::Nazwisko);
    if (!blokada.isEmpty()) throw vexa::VexaError(blokada);
    const QString uklad = vexa::UkladListy(dane.lista);
    if (uklad.isEmpty())
        throw vexa::VexaError(QStringLiteral("Lista tego rodzaju nie ma wydruku."));
    const vexa::Raport r =
        vexa::WydrukListy(dane, vexa::OpcjeWydrukuListy{o.has("--zero"), QDate::currentDate()});
    const qint64 model = clock.restart();
    vexa::ZapiszPdf(r, o.value("--pdf"));
    const qint64 paint = clock.elapsed();
    cliPrint(QStringLiteral("%1: %2 stron").arg(uklad).arg(r.iloscStron()));
    if (o.has("--times")) cliPrint(QStringLiteral("model %1 ms, PDF %2 ms").arg(model).arg(paint));
    return 0;
}
