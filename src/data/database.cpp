#include "data/database.h"

#include "data/error.h"
#include "data/integrity.h"
#include "data/sql_dialect.h"
#include "data/sql_functions.h"
#include "data/transaction.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <cstdio>
#include <filesystem>
#include <sqlite3.h>

// The schema is a resource of the core library; a static library must register it itself.
static void initCoreResources() {
    Q_INIT_RESOURCE(core);
}

namespace vexa {

namespace {

QAtomicInt g_connectionCounter;

// Other programs may hold the file for a moment (a copy, a second window): a statement waits
// this long for them before it gives up with a message.
constexpr int kBusyTimeoutMs = 15000;

// The reason of a failed statement, in Polish where the user can do something about it.
QString powodBledu(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    if (code == QLatin1String("5") || code == QLatin1String("6"))
        return QStringLiteral("Baza danych jest zajęta przez inny program.\rProszę spróbować "
                              "ponownie za chwilę.\r(") +
               e.text() + QStringLiteral(")");
    return e.text();
}

const char* const kUpgrade[] = {
    "alter table pozycja add ZMNIEJSZENIE_URLOP double",
    "alter table pit_11 add KOREKTA char(1)",
    "alter table pit_11 add WYJASNIENIE char(1)",
    "alter table pit_11 add WYJASNIENIE_TEXT memo",
};

QString schemaScript() {
    static const bool registered = (initCoreResources(), true);
    Q_UNUSED(registered);
    QFile f(QStringLiteral(":/vexa/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw VexaError(QStringLiteral("Brak wzorca bazy danych w programie."));
    return QString::fromUtf8(f.readAll());
}

} // namespace

Database::Database()
    : m_connectionName(QStringLiteral("vexa_%1").arg(g_connectionCounter.fetchAndAddRelaxed(1))) {}

Database::~Database() {
    close();
}

void Database::close() {
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_handle = nullptr;
    m_path.clear();
    m_savepointDepth = 0;
}

void Database::fail(const QString& what, const QString& detail) {
    throw VexaError(detail.isEmpty() ? what : what + QStringLiteral("\r") + detail);
}

void Database::execRaw(const char* sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(m_handle, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        QSqlError e(QString(), QString::fromUtf8(err ? err : ""), QSqlError::StatementError,
                    QString::number(rc & 0xff));
        sqlite3_free(err);
        fail(QStringLiteral("Błąd bazy danych."), powodBledu(e));
    }
}

void Database::open(const QString& path) {
    openConnection(path, false);
    upgrade();
}

void Database::openReadOnly(const QString& path) {
    openConnection(path, true);
}

void Database::openConnection(const QString& path, bool readOnly) {
    close();
    const QFileInfo info(path);
    if (!info.isFile())
        fail(QStringLiteral("Brak pliku bazy danych."), QDir::toNativeSeparators(path));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(info.absoluteFilePath());
    const QString busy = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    m_db.setConnectOptions(readOnly ? busy + QStringLiteral(";QSQLITE_OPEN_READONLY") : busy);
    if (!m_db.open()) {
        const QString detail = m_db.lastError().text();
        close();
        fail(QStringLiteral("Nie można otworzyć bazy danych."), detail);
    }
    const QVariant h = m_db.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
        m_handle = *static_cast<sqlite3* const*>(h.constData());
    if (!m_handle) {
        close();
        fail(QStringLiteral("Nie można otworzyć bazy danych."), QString());
    }
    QString error;
    if (!ZarejestrujFunkcjeSql(m_handle, &error)) {
        close();
        fail(QStringLiteral("Nie można przygotować bazy danych."), error);
    }
    m_path = info.absoluteFilePath();
    try {
        // A file that is not a database fails on its first read.
        if (!tableExists(QStringLiteral("dane")))
            fail(QStringLiteral("Plik nie jest bazą danych programu."), path);
    } catch (...) {
        close();
        throw;
    }
}

void Database::create(const QString& path) {
    if (QFileInfo::exists(path))
        fail(QStringLiteral("Plik bazy danych już istnieje i nie zostanie nadpisany."), path);
    const QString script = schemaScript();
    sqlite3* raw = nullptr;
    const QByteArray native = QFile::encodeName(path);
    int rc = sqlite3_open_v2(native.constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    QString error;
    if (rc == SQLITE_OK && ZarejestrujFunkcjeSql(raw, &error)) {
        const QByteArray sql = "BEGIN;\n" + script.toUtf8() + "\nCOMMIT;";
        char* err = nullptr;
        rc = sqlite3_exec(raw, sql.constData(), nullptr, nullptr, &err);
        if (rc != SQLITE_OK) error = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
    } else if (rc != SQLITE_OK) {
        error = QString::fromUtf8(raw ? sqlite3_errmsg(raw) : "sqlite3_open_v2");
    } else {
        rc = SQLITE_ERROR;
    }
    sqlite3_close(raw);
    if (rc != SQLITE_OK) {
        QFile::remove(path);
        fail(QStringLiteral("Nie można utworzyć bazy danych."), error);
    }
    open(path);
}

void Database::upgrade() {
    for (const char* statement : kUpgrade) {
        QSqlQuery q(m_db);
        q.exec(NaSqlite(QString::fromLatin1(statement))); // an upgraded file refuses: ignored
    }
}

QSqlQuery Database::prepare(const QString& sql) {
    if (!isOpen()) fail(QStringLiteral("Baza danych nie jest otwarta."), QString());
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.prepare(NaSqlite(sql)))
        fail(QStringLiteral("Błąd bazy danych."), powodBledu(q.lastError()));
    return q;
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery q = prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) fail(QStringLiteral("Błąd bazy danych."), powodBledu(q.lastError()));
    return q;
}

QVariant Database::scalar(const QString& sql, const QVariantList& values) {
    QSqlQuery q = exec(sql, values);
    return q.next() ? q.value(0) : QVariant();
}

bool Database::tableExists(const QString& table) {
    return scalar(QStringLiteral("select count(*) from sqlite_master where type='table' and "
                                 "name=? collate nocase"),
                  {table})
               .toInt() > 0;
}

QStringList Database::columns(const QString& table) {
    QStringList names;
    QSqlQuery q =
        exec(QStringLiteral("select name from pragma_table_info(?) order by cid"), {table});
    while (q.next())
        names << q.value(0).toString();
    return names;
}

void Database::backupTo(const QString& target,
                        const std::function<void(const QString& temp)>& afterWrite) {
    if (!isOpen()) fail(QStringLiteral("Baza danych nie jest otwarta."), QString());
    const QString temp = target + QStringLiteral(".tmp");
    QFile::remove(temp);
    // The copy reads through a connection of its own, so it takes what is committed even
    // while this connection is in the middle of a change, and waits for a writer to finish.
    sqlite3* src = nullptr;
    sqlite3* dst = nullptr;
    QString error;
    int rc =
        sqlite3_open_v2(QFile::encodeName(m_path).constData(), &src, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(src, 60000);
        rc = sqlite3_open_v2(QFile::encodeName(temp).constData(), &dst,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(dst ? sqlite3_errmsg(dst) : "sqlite3_open_v2");
    } else {
        error = QString::fromUtf8(src ? sqlite3_errmsg(src) : "sqlite3_open_v2");
    }
    if (rc == SQLITE_OK) {
        sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main");
        if (b) {
            // A writer holds the file for a moment: wait up to the query time-out, 60 s.
            int waits = 0;
            do {
                rc = sqlite3_backup_step(b, -1);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(50);
            } while ((rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) &&
                     ++waits < 1200);
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
            const int finish = sqlite3_backup_finish(b);
            if (rc == SQLITE_OK) rc = finish;
        } else {
            rc = sqlite3_errcode(dst);
        }
        if (rc != SQLITE_OK) error = QString::fromUtf8(sqlite3_errmsg(dst));
    }
    sqlite3_close(src);
    if (sqlite3_close(dst) != SQLITE_OK && rc == SQLITE_OK) {
        rc = SQLITE_ERROR;
        error = QStringLiteral("sqlite3_close");
    }
    if (rc == SQLITE_OK && afterWrite) {
        try {
            afterWrite(temp);
        } catch (...) {
            QFile::remove(temp);
            throw;
        }
    }
    if (rc == SQLITE_OK) {
        // A copy that SQLite itself finds damaged must never take the place of a good one.
        const QStringList problems = BledySzybkiejKontroli(temp);
        if (!problems.isEmpty()) {
            rc = SQLITE_CORRUPT;
            error =
                QStringLiteral("Kopia nie przeszła kontroli spójności: %1").arg(problems.first());
        }
    }
    if (rc == SQLITE_OK) {
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                                QFile::encodeName(target).toStdString(), ec);
        if (ec) {
            rc = SQLITE_ERROR;
            error = QString::fromLocal8Bit(ec.message().c_str());
        }
    }
    if (rc != SQLITE_OK) {
        QFile::remove(temp);
        fail(QStringLiteral("Nie udało się wykonać kopii bazy danych."), error);
    }
}

bool Database::wTransakcji() const {
    return m_handle && sqlite3_get_autocommit(m_handle) == 0;
}

void Database::wycofajOtwarte() {
    if (!wTransakcji()) return;
    // Every savepoint goes with the transaction; the guards still alive find theirs gone
    // and do nothing more (a later commit of theirs fails and is reported).
    sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::setBusyTimeout(int milliseconds) {
    if (m_handle) sqlite3_busy_timeout(m_handle, milliseconds);
}

QVariant DataDoBazy(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate))
                       : QVariant(QMetaType(QMetaType::QString));
}

QDate DataZBazy(const QVariant& v) {
    if (v.isNull()) return {};
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().date();
    return QDate::fromString(v.toString().trimmed().left(10), Qt::ISODate);
}

Transakcja::Transakcja(Database& db) : m_db(db), m_level(++db.m_savepointDepth) {
    try {
        m_db.execRaw(QStringLiteral("SAVEPOINT vexa_%1").arg(m_level).toLatin1().constData());
    } catch (...) {
        --m_db.m_savepointDepth;
        throw;
    }
}

Transakcja::~Transakcja() {
    if (m_done) return;
    const QByteArray n = QByteArray::number(m_level);
    // Undo and end the savepoint; a failure here cannot be reported from a destructor.
    sqlite3_exec(m_db.m_handle, ("ROLLBACK TO vexa_" + n + "; RELEASE vexa_" + n).constData(),
                 nullptr, nullptr, nullptr);
    --m_db.m_savepointDepth;
}

void Transakcja::commit() {
    if (m_done) return;
    m_db.execRaw(QStringLiteral("RELEASE vexa_%1").arg(m_level).toLatin1().constData());
    m_done = true;
    --m_db.m_savepointDepth;
}

} // namespace vexa
