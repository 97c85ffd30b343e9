// vexa-cli export-list and import-list: list files written and read by the same code as the
// buttons of the list register.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "data/output_file.h"
#include "lists/list_files.h"

#include <QDate>
#include <QFile>

int cliExportList(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--list", "--out", "--order"}, {});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--list", "--out"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    bool ok = false;
    const int id = o.value("--list").toInt(&ok);
    if (!ok || id <= 0)
        return cliBadUse(QStringLiteral("Niepoprawny numer listy: ") + o.value("--list"));
    const QString order = o.value("--order");
    if (!order.isEmpty() && order != QLatin1String("nazwisko") && order != QLatin1String("nis"))
        return cliBadUse(QStringLiteral("Kolejność to nazwisko albo nis."));
    vexa::Database db;
    db.open(o.value("--db"));
    vexa::ZapiszPlik(o.value("--out"), vexa::PlikListy(db, id,
                                                       order == QLatin1String("nis")
                                                           ? vexa::KolejnoscPozycji::Nis
                                                           : vexa::KolejnoscPozycji::Nazwisko,
                                                       QDate::currentDate()));
    return 0;
}

int cliImportList(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--file"}, {});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--file"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    vexa::Database db;
    db.open(o.value("--db"));
    QFile f(o.value("--file"));
    if (!f.open(QIODevice::ReadOnly))
        throw vexa::VexaError(QStringLiteral("Nie można odczytać pliku: ") + o.value("--file"));
    const int id = vexa::ZaimportujListe(db, vexa::CzytajPlikListy(db, f.readAll()));
    cliPrint(QString::number(id));
    return 0;
}
