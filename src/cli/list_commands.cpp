// vexa-cli generate and demo-db: list creation and the demo unit, without windows.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/numbers.h"
#include "lists/demo_data.h"
#include "lists/generation.h"
#include "lists/list_kinds.h"

#include <QDate>
#include <QFile>
#include <QHash>

int cliGenerate(const QStringList& args) {
    const CliOptions o =
        cliParse(args,
                 {"--db", "--month", "--zp", "--subunit", "--kind", "--rodzaj", "--nr",
                  "--cash-rate", "--bank-rate", "--tax-rate", "--tax-table", "--diet"},
                 {"--tax", "--no-war", "--no-advances"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    for (const char* required : {"--db", "--month", "--zp"})
        if (!o.values.contains(QString::fromLatin1(required)))
            return cliBadUse(
                QStringLiteral("Brak wymaganej opcji %1.").arg(QString::fromLatin1(required)));

    vexa::NowaLista n;
    const QStringList month = o.values.value("--month").split(u'/');
    bool okMonth = month.size() == 2, okYear = false;
    if (okMonth) {
        n.miesiac = month[0].toInt(&okMonth);
        n.rok = month[1].toInt(&okYear);
    }
    if (!okMonth || !okYear)
        return cliBadUse(QStringLiteral("Miesiąc podaje się jako MM/RRRR, np. 03/2027."));
    n.zp = o.values.value("--zp");
    if (n.zp != QLatin1String("Z") && n.zp != QLatin1String("P"))
        return cliBadUse(QStringLiteral("Opcja --zp przyjmuje Z (żołnierze) lub P (pracownicy)."));
    const QString kind = o.values.value("--kind", "P");
    if (kind != QLatin1String("P") && kind != QLatin1String("D"))
        return cliBadUse(
            QStringLiteral("Opcja --kind przyjmuje P (lista pełna) lub D (dodatkowa)."));
    n.dodatkowa = kind == QLatin1String("D");
    if (n.dodatkowa) {
        n.rodzaj = o.values.value("--rodzaj");
        bool known = false;
        for (const auto& k : vexa::RodzajeListy())
            known = known || k.kod == n.rodzaj;
        if (!known)
            return cliBadUse(
                QStringLiteral("Lista dodatkowa wymaga opcji --rodzaj z jednym z kodów: "
                               "NU NP WN RD EZ ZB ZP ZA ZN ES NN PS NI ZK SH JN."));
    }
    if (o.values.contains("--subunit")) {
        n.wybranyPododdzial = true;
        n.skrotpododdzial = o.values.value("--subunit");
    }
    QString error;
    if (!cliNumber(o, "--cash-rate", n.kurszaliczki, error) ||
        !cliNumber(o, "--bank-rate", n.kursrach, error) ||
        !cliNumber(o, "--tax-rate", n.podatekKurs, error) ||
        !cliNumber(o, "--diet", n.podatekDieta, error))
        return cliBadUse(error);
    n.podatek = o.flags.contains("--tax");
    n.podatekTabela = o.values.value("--tax-table");
    n.dodatekWojenny = !o.flags.contains("--no-war");
    n.potracZaliczki = !o.flags.contains("--no-advances");

    vexa::Database db;
    db.open(o.values.value("--db"));
    n.nr = o.values.value("--nr", QString::number(vexa::ProponowanyNumerListy(db)));
    if (n.wybranyPododdzial)
        n.pododdzial =
            db.scalar("select nazwa from pododdzial where skrot = ?", {n.skrotpododdzial})
                .toString();
    if (const auto e = vexa::SprawdzNowaListe(n))
        return cliBadUse(QString(e->komunikat).replace(u'\r', u' '));
    vexa::BrakKomunikatow quiet;
    const int id = vexa::UtworzListe(db, quiet, n, QDate::currentDate());
    const vexa::Lista l = vexa::ListRepository(db).lista(id);
    cliPrint(QStringLiteral("id=%1").arg(id));
    cliPrint(QStringLiteral("pozycje=%1").arg(l.iloscpozycji));
    cliPrint(QStringLiteral("razem=%1").arg(vexa::Kwota00Kropka(l.razem)));
    cliPrint(QStringLiteral("kasa_pln=%1").arg(vexa::Kwota00Kropka(l.zaliczka)));
    cliPrint(QStringLiteral("kasa_waluta=%1").arg(vexa::Kwota00Kropka(l.zaliczkawaluta)));
    cliPrint(QStringLiteral("rachunek=%1").arg(vexa::Kwota00Kropka(l.rachunek)));
    return 0;
}

int cliDemoDb(const QStringList& args) {
    if (args.isEmpty())
        return cliBadUse(QStringLiteral("Użycie: vexa-cli demo-db PLIK [--persons N]"));
    const CliOptions o = cliParse(args.mid(1), {"--persons"}, {});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    bool ok = true;
    const int persons = o.values.value("--persons", "120").toInt(&ok);
    if (!ok || persons < 0 || persons > 100000)
        return cliBadUse(QStringLiteral("Liczba osób (--persons) musi być liczbą od 0 do 100000."));
    vexa::Database db;
    db.create(args.first());
    try {
        vexa::WypelnijDemo(db, persons, QDate::currentDate());
    } catch (...) {
        db.close();
        QFile::remove(args.first()); // never leave half a demo behind
        throw;
    }
    cliPrint(QStringLiteral("Utworzono bazę demonstracyjną: %1 (osób: %2)")
                 .arg(args.first())
                 .arg(persons));
    return 0;
}
