#pragma once

#include "data/database.h"

#include <QTemporaryDir>

// A fresh database made from the shipped schema in a folder of its own, removed at the end.
class TestDb {
public:
    TestDb();
    vexa::Database& db() { return m_db; }
    QString folder() const { return m_dir.path(); }
    QString file() const { return m_dir.filePath(QStringLiteral("baza.mdb")); }

private:
    QTemporaryDir m_dir;
    vexa::Database m_db;
};

// Adds `count` persons NOWAK0, NOWAK1, … in one transaction: rows enough to fill several pages.
void DopiszOsoby(vexa::Database& db, int count);

// Overwrites page `page` (counted from 1) of a closed database file with garbage, as a failing
// disk would; the page size is read from the file's header. Returns false when the file is
// shorter than that page or cannot be written.
bool UszkodzStrone(const QString& file, int page);
