#include "fuzz_support.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace vexa::fuzz {

Database& BazaProbna() {
    static int argc = 1;
    static char name[] = "vexa-fuzz";
    static char* argv[] = {name, nullptr};
    // Created once and never destroyed: at exit Qt's own statics go first, and a connection
    // closed after them would crash the run it ends.
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    static QTemporaryDir* dir = new QTemporaryDir;
    static Database* db = nullptr;
    if (!db) {
        if (!app || !dir->isValid()) Naruszenie("no temporary folder for the scratch database");
        db = new Database;
        db->create(dir->filePath(QStringLiteral("baza.mdb")));
    }
    return *db;
}

int Wierszy(Database& db, const char* tabela) {
    return db.scalar(QStringLiteral("select count(*) from %1").arg(QString::fromLatin1(tabela)))
        .toInt();
}

void Naruszenie(const char* co, const QString& szczegol) {
    std::fprintf(stderr, "vexa-fuzz: %s %s\n", co, szczegol.toUtf8().constData());
    std::abort();
}

} // namespace vexa::fuzz
