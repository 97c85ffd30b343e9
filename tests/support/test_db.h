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
