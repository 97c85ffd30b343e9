// vexa-cli export-list, import-list and export-persons: list and person files written and
// read by the same code as the buttons of the list register and the person list.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/output_file.h"
#include "data/transaction.h"
#include "lists/list_files.h"
#include "persons/person_files.h"

#include <QSqlQuery>

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

int cliExportPersons(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--out", "--zp"}, {"--all"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--out", "--zp"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    const QString zp = o.value("--zp");
    if (zp != QLatin1String("Z") && zp != QLatin1String("P"))
        return cliBadUse(QStringLiteral("Rodzaj osób to Z albo P."));
    vexa::Database db;
    db.open(o.value("--db"));
    // The persons of that kind in the register's order; with --all every one of them counts
    // as marked.
    QList<int> ids;
    QSqlQuery q = db.exec(QStringLiteral("select id from osoba where zp = ? order by nazwisko, "
                                         "imie, id"),
                          {zp});
    while (q.next())
        ids << q.value(0).toInt();
    int ile = 0;
    QByteArray bytes;
    if (o.has("--all")) {
        vexa::Transakcja t(db);
        db.exec(QStringLiteral("update osoba set zaz = ? where zp = ?"),
                {QString(vexa::ZAZ_ZAZNACZONY), zp});
        bytes = vexa::PlikOsob(db, ids, &ile);
        // The marks stay as they were: nothing of the register changes.
    } else {
        bytes = vexa::PlikOsob(db, ids, &ile);
    }
    if (ile == 0) throw vexa::VexaError(QStringLiteral("Nie zaznaczono żadnej osoby w kartotece!"));
    vexa::ZapiszPlik(o.value("--out"), bytes);
    cliPrint(QStringLiteral("Liczba osób: %1").arg(ile));
    return 0;
}

int cliImportPersons(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--file", "--zp"}, {});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--file", "--zp"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    const QString zp = o.value("--zp");
    if (zp != QLatin1String("Z") && zp != QLatin1String("P"))
        return cliBadUse(QStringLiteral("Rodzaj osób to Z albo P."));
    vexa::Database db;
    db.open(o.value("--db"));
    QFile f(o.value("--file"));
    if (!f.open(QIODevice::ReadOnly))
        throw vexa::VexaError(QStringLiteral("Nie można odczytać pliku: ") + o.value("--file"));
    const vexa::OsobyZPliku plik = vexa::CzytajPlikOsob(db, f.readAll());
    // The PESEL numbers of every person of that kind, as the page lists them unfiltered.
    QSet<QString> pesele;
    QSqlQuery q = db.exec(QStringLiteral("select pesel from osoba where zp = ?"), {zp});
    while (q.next())
        pesele.insert(q.value(0).toString().trimmed());
    const int dopisane = vexa::DopiszOsobyZPliku(db, plik, pesele);
    cliPrint(QStringLiteral("Dopisano: %1, pominięto: %2")
                 .arg(dopisane)
                 .arg(plik.wiersze.size() - dopisane));
    return 0;
}
