#pragma once

// Checks written PIT-11 (29) files against the official schema with xmllint, as the tax
// office's gateway does. The schema folder comes from CMake (VEXA_XSD_DIR, by default
// ../shared/xsd beside the repository); a missing schema or xmllint fails the check loudly.

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

inline QString SchematPit11Wzor29() {
    return QStringLiteral(VEXA_XSD_DIR "/pit11-29/crd.gov.pl/wzor/2024/10/15/13535/schemat.xsd");
}

// Empty when every file validates; else xmllint's report, or why the check could not run.
inline QString NiezgodneZeSchematem(const QStringList& pliki) {
    const QString schemat = SchematPit11Wzor29();
    if (!QFileInfo::exists(schemat))
        return QStringLiteral("Brak schematu PIT-11 (29): %1 (ustaw VEXA_XSD_DIR)").arg(schemat);
    if (pliki.isEmpty()) return QStringLiteral("Brak plików do sprawdzenia.");
    QProcess p;
    p.start(QStringLiteral("xmllint"),
            QStringList{"--nonet", "--noout", "--schema", schemat} + pliki);
    if (!p.waitForFinished(300000))
        return QStringLiteral("xmllint nie zadziałał: ") + p.errorString();
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return err.isEmpty() ? QStringLiteral("xmllint: kod %1").arg(p.exitCode()) : err;
    return {};
}
