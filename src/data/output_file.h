#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class QIODevice;

namespace vexa {

// Writes the bytes as the whole content of the file: first to a temporary file beside it,
// then renamed into place, so a failure (a full disk, no permission) never leaves half a file
// and an existing file of that name is replaced whole, never appended to. A missing folder is
// created. Throws VexaError with a Polish message naming the file.
void ZapiszPlik(const QString& path, const QByteArray& bytes);

// One file of a set written together: its new bytes, or none when the file is to go.
struct PlikZestawu {
    QString sciezka;
    std::optional<QByteArray> bajty;
};

// Writes a set of files all or nothing: every new content first goes to a temporary file
// beside its file ("<name>.tmp"); only when all are written are the old files moved aside
// ("<name>.old") and the new ones renamed into place, the files without bytes removed. A
// failure at any step puts back what had been moved, so the old files stay as they were; it
// throws VexaError with a Polish message naming the file.
void ZapiszPlikiRazem(const QList<PlikZestawu>& pliki);

// Writes the bytes to an open device; throws VexaError when it does not take them all.
void ZapiszNaUrzadzenie(QIODevice& device, const QByteArray& bytes, const QString& name);

// Removes a file left by an earlier run; nothing when there is none. Throws VexaError when
// the file stays.
void UsunPlik(const QString& path);

} // namespace vexa
