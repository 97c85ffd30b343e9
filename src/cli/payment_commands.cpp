// vexa-cli transfers and zwsi: the payment files of a list, written by the same code as the
// buttons of the list editor and the list register.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/validators.h"
#include "lists/list_repository.h"
#include "payments/transfers.h"
#include "payments/zwsi_files.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

bool idListy(const CliOptions& o, int& id) {
    bool ok = false;
    id = o.value("--list").toInt(&ok);
    return ok && id > 0;
}

} // namespace

int cliTransfers(const QStringList& args) {
    const CliOptions o = cliParse(
        args, {"--db", "--list", "--out", "--title", "--title2", "--title3", "--value-date"},
        {"--only-pln", "--only-currency", "--not-collected"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--list", "--out", "--title"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    int id = 0;
    if (!idListy(o, id))
        return cliBadUse(QStringLiteral("Niepoprawny numer listy: ") + o.value("--list"));
    if (o.has("--only-pln") && o.has("--only-currency"))
        return cliBadUse(QStringLiteral("Opcje --only-pln i --only-currency wykluczają się."));
    if (o.value("--title").isEmpty())
        return cliBadUse(QStringLiteral("Proszę wpisać tytuł przelewów."));
    for (const char* t : {"--title", "--title2", "--title3"})
        if (o.value(QString::fromLatin1(t)).size() > 35)
            return cliBadUse(QStringLiteral("Wiersz tytułu %1 jest dłuższy niż 35 znaków.")
                                 .arg(QString::fromLatin1(t)));
    const vexa::SystemClock clock;
    vexa::OpcjePrzelewow opcje;
    opcje.tytul1 = o.value("--title");
    opcje.tytul2 = o.value("--title2");
    opcje.tytul3 = o.value("--title3");
    opcje.dzis = clock.today();
    opcje.dataWaluty = opcje.dzis;
    if (o.has("--value-date")) {
        opcje.dataWaluty = QDate::fromString(o.value("--value-date"), u"dd/MM/yyyy");
        if (!opcje.dataWaluty.isValid())
            return cliBadUse(QStringLiteral("Niepoprawna data waluty (DD/MM/RRRR): ") +
                             o.value("--value-date"));
    }
    opcje.filtr = o.has("--only-pln")        ? QStringLiteral("N")
                  : o.has("--only-currency") ? QStringLiteral("T")
                                             : QString();
    opcje.niepobrane = o.has("--not-collected");
    const QString plik = QFileInfo(o.value("--out")).absoluteFilePath();
    opcje.plik = QDir::toNativeSeparators(plik);

    vexa::Database db;
    db.open(o.value("--db")); // a missing file fails the run (exit 1)
    if (!opcje.niepobrane) {
        // As the button does when nothing is marked and the user wants all persons.
        vexa::ListRepository repo(db);
        repo.wymaganaLista(id);
        if (repo.iloscZaznaczonych(id) == 0) repo.zaznaczWszystkie(id);
    }
    const vexa::WynikPrzelewow w =
        vexa::PrzelewyListy(db, id, vexa::KolejnoscPozycji::Nazwisko, opcje);
    vexa::ZapiszPrzelewy(w, plik, opcje.niepobrane);
    for (const QString& line : w.raport)
        cliPrint(line);
    return 0;
}

int cliZwsi(const QStringList& args) {
    const CliOptions o = cliParse(args, {"--db", "--list", "--out"}, {});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--list", "--out"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    int id = 0;
    if (!idListy(o, id))
        return cliBadUse(QStringLiteral("Niepoprawny numer listy: ") + o.value("--list"));
    vexa::Database db;
    db.open(o.value("--db")); // a missing file fails the run (exit 1)
    const QString folder =
        vexa::ZapiszPlikiZwsi(vexa::PlikiZwsiListy(db, id, vexa::KolejnoscPozycji::Nazwisko),
                              QFileInfo(o.value("--out")).absoluteFilePath());
    cliPrint(QString(vexa::KomunikatZwsi(folder)).replace(u'\r', u'\n'));
    return 0;
}
