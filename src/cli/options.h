#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Options "--name value" and flags "--name" of a subcommand; anything else is a usage error.
struct CliOptions {
    QHash<QString, QString> values;
    QStringList flags;
    QString error;

    bool has(const QString& name) const { return values.contains(name) || flags.contains(name); }
    QString value(const QString& name) const { return values.value(name); }
    // The first of the required options that is missing, or an empty text.
    QString missing(const QStringList& required) const;
};

CliOptions cliParse(const QStringList& args, const QStringList& withValue,
                    const QStringList& flags);

// A number option read with the program's parser; false (and *error) when it is not one.
bool cliNumber(const CliOptions& o, const QString& name, double& out, QString& error);

// Prints the usage error and gives exit code 2.
int cliBadUse(const QString& text);
