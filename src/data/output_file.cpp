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

namespace {

const QString kTymczasowy = QStringLiteral(".tmp");
const QString kStary = QStringLiteral(".old");

// A file of a set: where it stands, whether it is new, and how far the commit has taken it.
struct Krok {
    const PlikZestawu* plik = nullptr;
    bool odsuniety = false;  // the old file went to "<name>.old"
    bool postawiony = false; // the new file stands in place
};

// Removes a file or an empty leftover; false when something of that name stays.
bool usunZostawiony(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    if (info.isDir()) return false;
    return QFile::remove(path);
}

void zapiszTymczasowy(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        blad(path, QStringLiteral("Nie można utworzyć folderu."));
    const QString tmp = path + kTymczasowy;
    if (!usunZostawiony(tmp)) blad(path, QStringLiteral("Nie można usunąć pliku ") + tmp + u'.');
    QFile file(tmp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) blad(path, file.errorString());
    ZapiszNaUrzadzenie(file, bytes, path);
    if (!file.flush()) blad(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError) blad(path, file.errorString());
}

} // namespace

void ZapiszPlikiRazem(const QList<PlikZestawu>& pliki) {
    QList<Krok> kroki;
    for (const PlikZestawu& p : pliki)
        kroki << Krok{&p};
    auto sprzatnij = [&] {
        for (const PlikZestawu& p : pliki)
            if (p.bajty) QFile::remove(p.sciezka + kTymczasowy);
    };
    // 1. Every new content written aside; the old files untouched.
    try {
        for (const PlikZestawu& p : pliki) {
            const QFileInfo info(p.sciezka);
            if (info.isDir()) blad(p.sciezka, QStringLiteral("W tym miejscu jest folder."));
            if (p.bajty) zapiszTymczasowy(p.sciezka, *p.bajty);
        }
    } catch (...) {
        sprzatnij();
        throw;
    }
    // 2. The old files moved aside and the new ones put in place; a failure undoes it all.
    auto wycofaj = [&] {
        for (auto k = kroki.rbegin(); k != kroki.rend(); ++k) {
            const QString& path = k->plik->sciezka;
            if (k->postawiony) QFile::remove(path);
            if (k->odsuniety) QFile::rename(path + kStary, path);
        }
        sprzatnij();
    };
    for (Krok& k : kroki) {
        const QString& path = k.plik->sciezka;
        if (QFileInfo::exists(path)) {
            if (!usunZostawiony(path + kStary) || !QFile::rename(path, path + kStary)) {
                wycofaj();
                blad(path, QStringLiteral("Nie można zastąpić istniejącego pliku."));
            }
            k.odsuniety = true;
        }
        if (k.plik->bajty) {
            if (!QFile::rename(path + kTymczasowy, path)) {
                wycofaj();
                blad(path, QStringLiteral("Nie można nadać plikowi jego nazwy."));
            }
            k.postawiony = true;
        }
    }
    // 3. The old files are no longer needed.
    for (const Krok& k : kroki)
        if (k.odsuniety) QFile::remove(k.plik->sciezka + kStary);
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
