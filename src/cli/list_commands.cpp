// vexa-cli generate and demo-db: list creation and the demo unit, without windows.
#include "cli/commands.h"
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

namespace {

// Options "--name value" and flags "--name"; anything else is a usage error.
struct Options {
    QHash<QString, QString> values;
    QStringList flags;
    QString error;
};

Options parse(const QStringList& args, const QStringList& withValue, const QStringList& flags) {
    Options o;
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

bool number(const Options& o, const QString& name, double& out, QString& error) {
    if (!o.values.contains(name))
        return true;
    bool ok = false;
    out = vexa::ParsujKwote(o.values.value(name), &ok);
    if (!ok)
        error = QStringLiteral("Niepoprawna liczba w opcji %1: %2").arg(name, o.values.value(name));
    return ok;
}

int bad(const QString& text) {
    cliError(text);
    return 2;
}

} // namespace

int cliGenerate(const QStringList& args) {
    const Options o = parse(args,
                            {"--db", "--month", "--zp", "--subunit", "--kind", "--rodzaj", "--nr",
                             "--cash-rate", "--bank-rate", "--tax-rate", "--tax-table", "--diet"},
                            {"--tax", "--no-war", "--no-advances"});
    if (!o.error.isEmpty())
        return bad(o.error);
    for (const char* required : {"--db", "--month", "--zp"})
        if (!o.values.contains(QString::fromLatin1(required)))
            return bad(QStringLiteral("Brak wymaganej opcji %1.").arg(QString::fromLatin1(required)));

    vexa::NowaLista n;
    const QStringList month = o.values.value("--month").split(u'/');
    bool okMonth = month.size() == 2, okYear = false;
    if (okMonth) {
        n.miesiac = month[0].toInt(&okMonth);
        n.rok = month[1].toInt(&okYear);
    }
    if (!okMonth || !okYear)
        return bad(QStringLiteral("Miesiąc podaje się jako MM/RRRR, np. 03/2027."));
    n.zp = o.values.value("--zp");
    if (n.zp != QLatin1String("Z") && n.zp != QLatin1String("P"))
        return bad(QStringLiteral("Opcja --zp przyjmuje Z (żołnierze) lub P (pracownicy)."));
    const QString kind = o.values.value("--kind", "P");
    if (kind != QLatin1String("P") && kind != QLatin1String("D"))
        return bad(QStringLiteral("Opcja --kind przyjmuje P (lista pełna) lub D (dodatkowa)."));
    n.dodatkowa = kind == QLatin1String("D");
    if (n.dodatkowa) {
        n.rodzaj = o.values.value("--rodzaj");
        bool known = false;
        for (const auto& k : vexa::RodzajeListy())
            known = known || k.kod == n.rodzaj;
        if (!known)
            return bad(QStringLiteral("Lista dodatkowa wymaga opcji --rodzaj z jednym z kodów: "
                                      "NU NP WN RD EZ ZB ZP ZA ZN ES NN PS NI ZK SH JN."));
    }
    if (o.values.contains("--subunit")) {
        n.wybranyPododdzial = true;
        n.skrotpododdzial = o.values.value("--subunit");
    }
    QString error;
    if (!number(o, "--cash-rate", n.kurszaliczki, error) ||
        !number(o, "--bank-rate", n.kursrach, error) ||
        !number(o, "--tax-rate", n.podatekKurs, error) ||
        !number(o, "--diet", n.podatekDieta, error))
        return bad(error);
    n.podatek = o.flags.contains("--tax");
    n.podatekTabela = o.values.value("--tax-table");
    n.dodatekWojenny = !o.flags.contains("--no-war");
    n.potracZaliczki = !o.flags.contains("--no-advances");

    vexa::Database db;
    db.open(o.values.value("--db"));
    n.nr = o.values.value("--nr", QString::number(vexa::ProponowanyNumerListy(db)));
    if (n.wybranyPododdzial)
        n.pododdzial = db.scalar("select nazwa from pododdzial where skrot = ?", {n.skrotpododdzial})
                           .toString();
    if (const auto e = vexa::SprawdzNowaListe(n))
        return bad(QString(e->komunikat).replace(u'\r', u' '));
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
        return bad(QStringLiteral("Użycie: vexa-cli demo-db PLIK [--persons N]"));
    const Options o = parse(args.mid(1), {"--persons"}, {});
    if (!o.error.isEmpty())
        return bad(o.error);
    bool ok = true;
    const int persons = o.values.value("--persons", "120").toInt(&ok);
    if (!ok || persons < 0 || persons > 100000)
        return bad(QStringLiteral("Liczba osób (--persons) musi być liczbą od 0 do 100000."));
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
