// vexa-cli pit11: the year's PIT-11 forms created as UTWÓRZ does (without the question),
// written as XML e-declarations (from the pit11.txt next to the executable, or with --variant 29
// as PIT-11 (29) forms; persons whose data cannot fill one are listed on standard error and the
// exit code is 1), or printed to one PDF (the three pages of every form, or the ORD-ZU of every explained form).
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "pit/pit11.h"
#include "persons/lookups.h"
#include "pit/pit11_xml.h"
#include "pit/pit11_xml29.h"
#include "pit/pit11_printout.h"
#include "printouts/report_painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

int cliPit11(const QStringList& args) {
    const CliOptions o =
        cliParse(args, {"--db", "--year", "--preparer-first", "--preparer-last", "--xml", "--pdf",
                  "--variant"},
                 {"--create", "--ord-zu"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--year"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    const QString rok = o.value("--year");
    if (!QRegularExpression(QStringLiteral("^(19|20|21)\\d\\d$")).match(rok).hasMatch())
        return cliBadUse(QStringLiteral("Niepoprawny rok podatkowy: ") + rok);
    if (!o.has("--create") && !o.has("--xml") && !o.has("--pdf"))
        return cliBadUse(QStringLiteral("Podaj --create, --xml FOLDER albo --pdf PLIK.pdf."));
    if (o.has("--variant") && o.value("--variant") != u"29")
        return cliBadUse(QStringLiteral("Nieznany wariant PIT-11: %1 (znany: 29).")
                             .arg(o.value("--variant")));
    if (o.has("--variant") && !o.has("--xml"))
        return cliBadUse(QStringLiteral("--variant dotyczy plików XML: podaj też --xml FOLDER."));
    if (o.has("--create") &&
        (o.value("--preparer-first").isEmpty() || o.value("--preparer-last").isEmpty()))
        throw vexa::VexaError(vexa::BRAK_OSOBY_SPORZADZAJACEJ);

    vexa::Database db;
    db.open(o.value("--db"));
    if (o.has("--create")) {
        vexa::ZapiszSporzadzajacego(db, o.value("--preparer-first"), o.value("--preparer-last"));
        const int ile = vexa::UtworzFormularzePit11(db, rok, o.value("--preparer-first"),
                                                    o.value("--preparer-last"));
        cliPrint(QStringLiteral("Utworzono formularzy PIT-11 za rok %1: %2").arg(rok).arg(ile));
    }
    int kod = 0;
    if (o.has("--xml") && o.has("--variant")) {
        const vexa::WynikXmlPit11 w = vexa::GenerujXmlPit11Wzor29(db, rok, o.value("--xml"),
                                                                  vexa::KodyUrzedowWykazu());
        cliPrint(QStringLiteral("Plików XML PIT-11 (29): %1").arg(w.zapisane));
        if (!w.pominiete.isEmpty()) {
            cliError(w.pominiete);
            kod = 1;
        }
    } else if (o.has("--xml")) {
        const QStringList szablon = vexa::WczytajSzablonPit11(
            QDir(QCoreApplication::applicationDirPath()).filePath(vexa::PLIK_SZABLONU_PIT11));
        const int ile = vexa::GenerujXmlPit11(db, rok, szablon, o.value("--xml"));
        cliPrint(QStringLiteral("Plików XML: %1").arg(ile));
    }
    if (o.has("--pdf")) {
        // The three pages of every form, or with --ord-zu the ORD-ZU of every explained form.
        QList<vexa::FormularzPit11> f;
        for (const vexa::FormularzPit11& x : vexa::FormularzePit11(db, rok))
            if (!o.has("--ord-zu") || x.maWyjasnienie()) f << x;
        if (f.isEmpty())
            throw vexa::VexaError(QStringLiteral("Brak formularzy do wydruku za rok ") + rok + u'.');
        const vexa::Raport r = vexa::RaportPit11(
            o.has("--ord-zu") ? vexa::WydrukPit11::OrdZu : vexa::WydrukPit11::Calosc, f);
        vexa::ZapiszPdf(r, o.value("--pdf"));
        cliPrint(QStringLiteral("Stron: %1").arg(r.iloscStron()));
    }
    return kod;
}
