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

int cliCreateDb(const QStringList& args);
