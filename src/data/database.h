#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>

struct sqlite3;

namespace vexa {

// The unit's database: one SQLite file (named baza.mdb for the users) with the program's
// tables, opened shared, with the collation and functions the program's SQL relies on.
// Every statement goes through NaSqlite and takes its values as bound parameters.
// Errors are thrown as VexaError with a Polish message.
class Database {
public:
    static constexpr const char* kFileName = "baza.mdb";

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file and runs the schema upgrade. A missing file, a file
    // that is not a database, or one without the settings table is refused.
    void open(const QString& path);
    // Opens an existing database file for reading only and without the upgrade, so that a
    // file being examined is never changed. Refuses the same files as open().
    void openReadOnly(const QString& path);
    // Writes a new empty database (the tables, settings key DANE = "N") into a file that
    // must not exist yet, and leaves it open.
    void create(const QString& path);
    void close();

    bool isOpen() const { return m_handle != nullptr; }
    QString path() const { return m_path; }
    QSqlDatabase& connection() { return m_db; }
    sqlite3* handle() const { return m_handle; }

    // The four statements that bring an older file up to date; each runs on its own and its
    // error (a column that is already there, a missing table) is ignored.
    void upgrade();

    QSqlQuery prepare(const QString& sql);
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    bool tableExists(const QString& table);
    QStringList columns(const QString& table);

    // Copies the open database into `target` consistently, even while it is in use. The copy
    // is written under a temporary name and checked with SQLite's quick check; only a sound
    // copy replaces an existing file of that name, a failed one is removed. `afterWrite`, when
    // given, is called with the temporary file between writing and checking it.
    void backupTo(const QString& target,
                  const std::function<void(const QString& temp)>& afterWrite = {});

    // A transaction (or a savepoint of one) is open on this connection.
    bool wTransakcji() const;
    // Rolls back whatever is still open on this connection; nothing when nothing is.
    void wycofajOtwarte();
    // How long a statement waits for another program that holds the file before it fails
    // with "the database is busy".
    void setBusyTimeout(int milliseconds);

private:
    friend class Transakcja;
    void openConnection(const QString& path, bool readOnly);
    void execRaw(const char* sql);
    [[noreturn]] void fail(const QString& what, const QString& detail);

    QSqlDatabase m_db;
    QString m_connectionName;
    QString m_path;
    sqlite3* m_handle = nullptr;
    int m_savepointDepth = 0;
};

// Dates are stored as 'YYYY-MM-DD'; a null QDate is stored as null.
QVariant DataDoBazy(const QDate& d);
QDate DataZBazy(const QVariant& v);

} // namespace vexa
