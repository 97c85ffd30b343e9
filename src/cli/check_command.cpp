// vexa-cli check-db: a database file checked as the program sees it, for scripts and support.
#include "cli/commands.h"
#include "data/database.h"
#include "data/error.h"
#include "lists/database_check.h"

int cliCheckDb(const QStringList& args) {
    if (args.size() != 1) {
        cliError(QStringLiteral("Użycie: vexa-cli check-db PLIK"));
        return 2;
    }
    vexa::Database db;
    try {
        // Read-only and without the upgrade: checking a file never changes it.
        db.openReadOnly(args.first());
    } catch (const vexa::VexaError& e) {
        cliError(
            QStringLiteral("Nie można sprawdzić pliku %1:\r%2").arg(args.first(), e.message()));
        return 2;
    }
    const QStringList problems = vexa::SprawdzBaze(db);
    if (problems.isEmpty()) {
        cliPrint(QStringLiteral("OK"));
        return 0;
    }
    for (const QString& p : problems)
        cliPrint(p);
    return 1;
}
