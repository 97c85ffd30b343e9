#pragma once

// Runs the built vexa-cli as a script would and collects what it says.

#include <QProcess>
#include <QString>
#include <QStringList>

struct WynikCli {
    int kod = -1;        // exit code; -1 when it did not finish
    QStringList linie;   // standard output, line by line (empty lines dropped)
    QString err;         // standard error
};

inline WynikCli uruchomCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VEXA_BIN_DIR "/vexa-cli"), args);
    if (!p.waitForFinished(120000)) return {};
    WynikCli w{p.exitCode(), {}, QString::fromUtf8(p.readAllStandardError())};
    w.linie = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return w;
}
