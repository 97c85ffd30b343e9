#include "data/output_file.h"

#include "data/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vexa {

namespace {

[[noreturn]] void blad(const QString& path, const QString& reason) {
    throw VexaError(QStringLiteral("Nie można zapisać pliku:\r") + QDir::toNativeSeparators(path) +
                    QStringLiteral("\r\r") + reason);
}

} // namespace

void ZapiszNaUrzadzenie(QIODevice& device, const QByteArray& bytes, const QString& name) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) blad(name, device.errorString());
        done += n;
    }
}

void ZapiszPlik(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        blad(path, QStringLiteral("Nie można utworzyć folderu."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) blad(path, file.errorString());
    ZapiszNaUrzadzenie(file, bytes, path);
    if (!file.commit()) blad(path, file.errorString());
}

void UsunPlik(const QString& path) {
    if (!QFileInfo::exists(path)) return;
    QFile file(path);
    if (!file.remove())
        throw VexaError(QStringLiteral("Nie można usunąć pliku:\r") +
                        QDir::toNativeSeparators(path) + QStringLiteral("\r\r") +
                        file.errorString());
}

} // namespace vexa
