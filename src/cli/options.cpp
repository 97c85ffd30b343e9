#include "cli/options.h"

#include "cli/commands.h"
#include "data/numbers.h"

CliOptions cliParse(const QStringList& args, const QStringList& withValue,
                    const QStringList& flags) {
    CliOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        if (withValue.contains(a)) {
            if (i + 1 >= args.size()) {
                o.error = QStringLiteral("Brak wartości opcji %1.").arg(a);
                return o;
            }
            o.values.insert(a, args[++i]);
        } else if (flags.contains(a)) {
            o.flags << a;
        } else {
            o.error = QStringLiteral("Nieznana opcja: %1").arg(a);
            return o;
        }
    }
    return o;
}

QString CliOptions::missing(const QStringList& required) const {
    for (const QString& r : required)
        if (!values.contains(r)) return QStringLiteral("Brak wymaganej opcji %1.").arg(r);
    return QString();
}

bool cliNumber(const CliOptions& o, const QString& name, double& out, QString& error) {
    if (!o.values.contains(name)) return true;
    bool ok = false;
    out = vexa::ParsujKwote(o.values.value(name), &ok);
    if (!ok)
        error = QStringLiteral("Niepoprawna liczba w opcji %1: %2").arg(name, o.values.value(name));
    return ok;
}

int cliBadUse(const QString& text) {
    cliError(text);
    return 2;
}
