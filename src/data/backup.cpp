#include "data/backup.h"

#include "data/database.h"
#include "data/error.h"

#include <QDir>

namespace vexa {

QString NazwaKopii(const QDate& day) {
    return QStringLiteral("%1_%2_%3.ach").arg(day.day()).arg(day.month()).arg(day.year());
}

QString WykonajKopie(Database& db, const QString& programFolder, const QDate& day,
                     const std::function<void(const QString& temp)>& afterWrite) {
    const QString folder = QDir(programFolder).filePath(QStringLiteral("Archiwum"));
    if (!QDir().mkpath(folder))
        throw VexaError(QStringLiteral("Nie udało się wykonać kopii bazy danych.\r"
                                       "Nie można utworzyć folderu %1")
                            .arg(QDir::toNativeSeparators(folder)));
    db.backupTo(QDir(folder).filePath(NazwaKopii(day)), afterWrite);
    return QDir::toNativeSeparators(folder + QLatin1Char('/'));
}

} // namespace vexa
