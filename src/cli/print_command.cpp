// vexa-cli print: the printout of a list as DRUKUJ LISTĘ shows it, or with --report one of the
// payment printouts of the list as their buttons show them, written to a PDF file.
#include "cli/commands.h"
#include "cli/options.h"
#include "data/database.h"
#include "data/error.h"
#include "data/settings.h"
#include "persons/person_repository.h"
#include "printouts/conventions.h"
#include "lists/list_printout.h"
#include "payments/payment_printouts.h"
#include "printouts/report_painter.h"

#include <QDate>
#include <QElapsedTimer>

int cliPrintList(const QStringList& args) {
    const CliOptions o =
        cliParse(args, {"--db", "--list", "--pdf", "--report"}, {"--zero", "--times"});
    if (!o.error.isEmpty()) return cliBadUse(o.error);
    const QString brak = o.missing({"--db", "--list", "--pdf"});
    if (!brak.isEmpty()) return cliBadUse(brak);
    bool ok = false;
    const int id = o.value("--list").toInt(&ok);
    if (!ok || id <= 0)
        return cliBadUse(QStringLiteral("Niepoprawny numer listy: ") + o.value("--list"));
    const QString raport = o.value("--report");
    static const QStringList raporty{"przelewy",   "przelewy-waluta", "kasa",
                                     "lista-kasa", "lista-kasa2",     "do-kasy"};
    if (o.has("--report") && !raporty.contains(raport))
        return cliBadUse(QStringLiteral("Wydruk to jeden z: ") + raporty.join(u'|'));
    vexa::Database db;
    db.open(o.value("--db"));
    if (o.has("--report")) {
        const vexa::DaneWydrukuListy dane =
            vexa::DaneListyDoWydruku(db, id, vexa::KolejnoscPozycji::Nazwisko);
        const QDate dzis = QDate::currentDate();
        vexa::Raport r;
        if (raport == u"przelewy" || raport == u"przelewy-waluta")
            r = vexa::WykazPrzelewow(dane, raport == u"przelewy-waluta", dzis);
        else if (raport == u"kasa")
            r = vexa::WykazPrzelewowNiepobranych(dane, dzis);
        else if (raport == u"lista-kasa" || raport == u"lista-kasa2")
            r = vexa::ListaKasy(dane, raport == u"lista-kasa2", dzis);
        else {
            // The declaration lists the persons of the list's group as the person page lists
            // them with no filter.
            vexa::WidokOsob w;
            w.zp = dane.lista.zp;
            r = vexa::DeklaracjaWyplatyWKasie(
                vexa::PersonRepository(db).lista(w), vexa::NaglowekJednostki(db),
                vexa::Odczyt(db, QStringLiteral("WALUTAZALICZKI")), dzis);
        }
        vexa::ZapiszPdf(r, o.value("--pdf"));
        cliPrint(QStringLiteral("%1: %2 stron").arg(raport).arg(r.iloscStron()));
        return 0;
    }
    const QString blokada = vexa::BlokadaWydruku(db, id);
    QElapsedTimer clock;
    clock.start();
    const vexa::DaneWydrukuListy dane =
        vexa::DaneListyDoWydruku(db, id, vexa::KolejnoscPozycji::Nazwisko);
    if (!blokada.isEmpty()) throw vexa::VexaError(blokada);
    const QString uklad = vexa::UkladListy(dane.lista);
    if (uklad.isEmpty())
        throw vexa::VexaError(QStringLiteral("Lista tego rodzaju nie ma wydruku."));
    const vexa::Raport r =
        vexa::WydrukListy(dane, vexa::OpcjeWydrukuListy{o.has("--zero"), QDate::currentDate()});
    const qint64 model = clock.restart();
    vexa::ZapiszPdf(r, o.value("--pdf"));
    const qint64 paint = clock.elapsed();
    cliPrint(QStringLiteral("%1: %2 stron").arg(uklad).arg(r.iloscStron()));
    if (o.has("--times")) cliPrint(QStringLiteral("model %1 ms, PDF %2 ms").arg(model).arg(paint));
    return 0;
}
