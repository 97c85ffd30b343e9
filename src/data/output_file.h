#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace vexa {

// Writes the bytes as the whole content of the file: first to a temporary file beside it,
// then renamed into place, so a failure (a full disk, no permission) never leaves half a file
// and an existing file of that name is replaced whole, never appended to. A missing folder is
// created. Throws VexaError with a Polish message naming the file.
void ZapiszPlik(const QString& path, const QByteArray& bytes);

// Writes the bytes to an open device; throws VexaError when it does not take them all.
void ZapiszNaUrzadzenie(QIODevice& device, const QByteArray& bytes, const QString& name);

// Removes a file left by an earlier run; nothing when there is none. Throws VexaError when
// the file stays.
void UsunPlik(const QString& path);

} // namespace vexa
