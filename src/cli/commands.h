#pragma once

#include <QStringList>

// One subcommand of vexa-cli: its name, a line of help, and the function that runs it with
// the remaining arguments. A function returns the exit code (0 done, 1 failed, 2 bad use)
// and may throw vexa::VexaError, which is printed and gives exit code 1.
struct CliCommand {
    const char* name;
    const char* help;
    int (*run)(const QStringList& args);
};

// Prints a message on standard error ("\r" becomes a line end).
void cliError(const QString& text);
// Prints one line on standard output, in UTF-8.
void cliPrint(const QString& line);

int cliCreateDb(const QStringList& args);
// Reads a list, a position and the hygiene settings as JSON from standard input and prints the
// calculated position with the editor marks (exit code 2 for bad input).
int cliCalc(const QStringList& args);
// Creates and generates a list as the new-list dialog does, without questions.
int cliGenerate(const QStringList& args);
// Writes a configured demo unit into a new database file.
int cliDemoDb(const QStringList& args);
// Checks a database file as the program sees it: "OK" and exit code 0, or one line per problem
// and exit code 1; 2 for a file that is missing or not a database of the program.
int cliCheckDb(const QStringList& args);
// Writes the transfer files of a list as GENERUJ PRZELEWY does and prints the report.
int cliTransfers(const QStringList& args);
// Writes the four ZWSI RON files of a list as GENERUJ PLIK DO ZWSI RON does.
int cliZwsi(const QStringList& args);
// Writes the printout of a list (as DRUKUJ LISTĘ shows it) to a PDF file.
int cliPrintList(const QStringList& args);
// Writes a list file (.lnz) of a list.
int cliExportList(const QStringList& args);
// Reads a list file into a new list and prints its id.
int cliImportList(const QStringList& args);
// Writes the marked persons of a kind (or all of them) to a person file (.os).
int cliExportPersons(const QStringList& args);
// Adds the persons of a person file whose PESEL is not among the persons of that kind.
int cliImportPersons(const QStringList& args);
// Creates the year's PIT-11 forms, writes their XML files or prints them to a PDF.
int cliPit11(const QStringList& args);
// The analysis of the lists as page ANALIZY makes it, printed or written to a file.
int cliAnalyse(const QStringList& args);
