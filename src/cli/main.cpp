// vexa-cli: the headless face of the program's core, for scripts, the build and tests.
#include "cli/commands.h"
#include "data/database.h"
#include "data/error.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

// Every subcommand, one line each.
const CliCommand kCommands[] = {
    {"create-db", "create-db PLIK          utworzenie pustej bazy danych", cliCreateDb},
    {"demo-db", "demo-db PLIK [--persons N]  baza demonstracyjna z osobami i listami", cliDemoDb},
    {"generate",
     "generate --db PLIK --month MM/RRRR --zp Z|P [--subunit SKROT] [--kind P|D --rodzaj XX]\n"
     "           [--nr TEKST] [--cash-rate R] [--bank-rate R] [--tax --tax-rate R --tax-table T\n"
     "           --diet D] [--no-war] [--no-advances]   nowa lista należności",
     cliGenerate},
    {"calc", "calc < POZYCJA.json     przeliczenie pozycji listy (JSON)", cliCalc},
    {"check-db", "check-db PLIK           sprawdzenie spójności bazy danych", cliCheckDb},
    {"transfers",
     "transfers --db PLIK --list ID --out PLIK.imp --title TEKST [--title2 TEKST]\n"
     "           [--title3 TEKST] [--value-date DD/MM/RRRR] [--only-pln | --only-currency]\n"
     "           [--not-collected]   pliki przelewów (PLN i \"wal_\") z raportem",
     cliTransfers},
    {"zwsi", "zwsi --db PLIK --list ID --out FOLDER/NAZWA   pliki dla ZWSI RON", cliZwsi},
    {"print",
     "print --db PLIK --list ID --pdf PLIK.pdf [--zero] [--times]   wydruk listy do pliku PDF\n"
     "           [--report przelewy|przelewy-waluta|kasa|lista-kasa|lista-kasa2|do-kasy]\n"
     "           zamiast listy: wykaz przelewów, wykaz niepobranych w kasie, lista kasy,\n"
     "           deklaracja wypłaty w kasie",
     cliPrintList},
    {"export-list",
     "export-list --db PLIK --list ID --out PLIK.lnz [--order nazwisko|nis]   plik listy",
     cliExportList},
    {"import-list", "import-list --db PLIK --file PLIK.lnz   nowa lista z pliku listy",
     cliImportList},
    {"export-persons", "export-persons --db PLIK --out PLIK.os --zp Z|P [--all]   plik z osobami",
     cliExportPersons},
    {"import-persons", "import-persons --db PLIK --file PLIK.os --zp Z|P   osoby z pliku",
     cliImportPersons},
    {"analyse",
     "analyse --db PLIK [--amount N] [--group1 N] [--group2 N] [--year RRRR[-RRRR]]\n"
     "           [--csv PLIK.csv | --xlsx PLIK.xlsx]   analiza list (numery wyborów: --help)",
     cliAnalyse},
    {"pit11",
     "pit11 --db PLIK --year RRRR [--create --preparer-first IMIĘ --preparer-last NAZWISKO]\n"
     "           [--xml FOLDER [--variant 29]] [--pdf PLIK.pdf [--ord-zu]]   formularze PIT-11\n"
     "           roku: utworzenie, pliki XML z pit11.txt obok programu (z --variant 29: wzór\n"
     "           PIT-11 (29)), wydruk do PDF (z --ord-zu: załączniki ORD-ZU)",
     cliPit11},
};

int usage() {
    QString text = QStringLiteral("Użycie:");
    for (const CliCommand& c : kCommands)
        text += QStringLiteral("\n  vexa-cli ") + QString::fromUtf8(c.help);
    cliError(text);
    return 2;
}

} // namespace

void cliError(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QByteArray line = t.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

void cliPrint(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int cliCreateDb(const QStringList& args) {
    if (args.size() != 1) return usage();
    vexa::Database db;
    db.create(args[0]);
    return 0;
}

int main(int argc, char** argv) {
    // Printouts draw text, which needs the fonts of a GUI application; without a screen it
    // runs on the offscreen platform. Every other command needs no more than the core.
    bool drawsText = argc > 1 && qstrcmp(argv[1], "print") == 0;
    for (int i = 2; argc > 1 && qstrcmp(argv[1], "pit11") == 0 && i < argc; ++i)
        drawsText = drawsText || qstrcmp(argv[i], "--pdf") == 0;
    if (drawsText && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawsText ? new QGuiApplication(argc, argv)
                                                    : new QCoreApplication(argc, argv));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString command = args.takeFirst();
    for (const CliCommand& c : kCommands) {
        if (command != QLatin1String(c.name)) continue;
        try {
            return c.run(args);
        } catch (const vexa::VexaError& e) {
            cliError(e.message());
            return 1;
        }
    }
    return usage();
}
