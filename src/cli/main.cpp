// vexa-cli: the headless face of the program's core, for scripts, the build and tests.
#include "data/database.h"
#include "data/error.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

void printErr(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s\n", t.toUtf8().constData());
}

int usage() {
    printErr(QStringLiteral("Użycie:\n"
                            "  vexa-cli create-db PLIK   utworzenie pustej bazy danych"));
    return 2;
}

int createDb(const QStringList& args) {
    if (args.size() != 1)
        return usage();
    vexa::Database db;
    db.create(args[0]);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("create-db"))
            return createDb(args);
    } catch (const vexa::VexaError& e) {
        printErr(e.message());
        return 1;
    }
    return usage();
}
