#include "app/print_actions.h"

#include "ui/app_context.h"
#include "ui/navigator.h"
#include "data/clock.h"
#include "data/messages.h"
#include "data/settings.h"
#include "lists/list_printout.h"
#include "lists/ui/person_dues_dialog.h"
#include "persons/ui/person_list_page.h"
#include "printouts/conventions.h"
#include "payments/payment_printouts.h"
#include "lists/person_dues.h"
#include "persons/person_printouts.h"
#include "printouts/ui/preview_page.h"

namespace vexa {

namespace {

bool Tak(AppContext& ctx, const QString& pytanie) {
    return ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, pytanie) == TAK;
}

} // namespace

void DrukujWykazPrzelewow(AppContext& ctx, PreviewPage& podglad, int idlisty,
                          KolejnoscPozycji kolejnosc) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("listy");
    if (idlisty == 0) return;
    const DaneWydrukuListy dane = DaneListyDoWydruku(ctx.db, idlisty, kolejnosc);
    podglad.otworz(QStringLiteral("listy"));
    const QDate dzis = ctx.clock.today();
    if (Tak(ctx, QStringLiteral("Czy drukować wykaz przelewów należności niepobranych w kasie?")))
        podglad.pokaz(WykazPrzelewowNiepobranych(dane, dzis), QStringLiteral("listy"));
    else if (Tak(ctx, QStringLiteral("Czy drukować wykaz przelewów złotówkowych?")))
        podglad.pokaz(WykazPrzelewow(dane, false, dzis), QStringLiteral("listy"));
    else if (Tak(ctx, QStringLiteral("Czy drukować wykaz przelewów walutowych?")))
        podglad.pokaz(WykazPrzelewow(dane, true, dzis), QStringLiteral("listy"));
    else
        podglad.pokaz(Raport{}, QStringLiteral("listy")); // nothing chosen: an empty preview
}

void DrukujPobraneWKasie(AppContext& ctx, PreviewPage& podglad, int idlisty,
                         KolejnoscPozycji kolejnosc) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("listy");
    if (idlisty == 0) return;
    const DaneWydrukuListy dane = DaneListyDoWydruku(ctx.db, idlisty, kolejnosc);
    podglad.otworz(QStringLiteral("listy"));
    const bool uproszczona = Tak(ctx, QStringLiteral("Czy drukować listę uproszczoną?"));
    podglad.pokaz(ListaKasy(dane, uproszczona, ctx.clock.today()), QStringLiteral("listy"));
}

void DrukujKartoteke(AppContext& ctx, PreviewPage& podglad, const PersonListPage& strona) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("osoba");
    const Osoba* biezaca = strona.biezaca();
    if (!biezaca || biezaca->id == 0) return;
    OpcjeKartoteki o;
    o.zp = ctx.nav ? ctx.nav->stan().osobaZp : QStringLiteral("Z");
    o.nowoprzybyli = strona.nowoprzybyli();
    o.nowoubyli = strona.nowoubyli();
    o.miesiac = strona.miesiac();
    const QList<Osoba> osoby = strona.osoby();
    podglad.otworz(QStringLiteral("osoba"));
    o.tylkoWyeksportowani = Tak(ctx, QStringLiteral("Czy chcesz wydrukować tylko te osoby, które "
                                                    "ostatnio wyeksportowano do ZWSI RON ?"));
    podglad.pokaz(Kartoteka(osoby, o, NaglowekJednostki(ctx.db), ctx.clock.today()),
                  QStringLiteral("osoba"));
}

void DrukujDeklaracje(AppContext& ctx, PreviewPage& podglad, const PersonListPage& strona) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("osoba");
    const Osoba* biezaca = strona.biezaca();
    if (!biezaca || biezaca->id == 0) return;
    podglad.pokaz(DeklaracjaWyplatyWKasie(strona.osoby(), NaglowekJednostki(ctx.db),
                                          Odczyt(ctx.db, QStringLiteral("WALUTAZALICZKI")),
                                          ctx.clock.today()),
                  QStringLiteral("osoba"));
}

void DrukujNaleznosciOsoby(AppContext& ctx, PreviewPage& podglad, PersonDuesDialog& dialog) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("osoba");
    dialog.przygotuj(ctx.clock.today());
    if (dialog.exec() != QDialog::Accepted) return;
    const ZapytanieNaleznosci z = dialog.zapytanie();
    if (z.pesel.isEmpty() && z.nazwisko.isEmpty()) return;
    const QList<PozycjaOsoby> pozycje = NaleznosciOsoby(ctx.db, z);
    if (pozycje.isEmpty()) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, BRAK_NALEZNOSCI);
        return;
    }
    podglad.pokaz(NaleznosciDlaOsoby(pozycje, ctx.clock.today()), QStringLiteral("osoba"));
}

void DrukujPokwitowanie(AppContext& ctx, PreviewPage& podglad, const Osoba& osoba) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("edosoba");
    if (osoba.zaliczka == 0) return;
    podglad.pokaz(Pokwitowanie(osoba, NaglowekJednostki(ctx.db),
                               Odczyt(ctx.db, QStringLiteral("WALUTAZALICZKI")), ctx.clock.today()),
                  QStringLiteral("edosoba"));
}

void DrukujListe(AppContext& ctx, PreviewPage& podglad, int idlisty, KolejnoscPozycji kolejnosc) {
    if (ctx.nav) ctx.nav->stan().stronaPowrotu = QStringLiteral("listy");
    if (idlisty == 0) return;
    const QString blokada = BlokadaWydruku(ctx.db, idlisty);
    if (!blokada.isEmpty()) {
        ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, blokada);
        return;
    }
    const DaneWydrukuListy dane = DaneListyDoWydruku(ctx.db, idlisty, kolejnosc);
    OpcjeWydrukuListy opcje;
    opcje.dzis = ctx.clock.today();
    opcje.zerowe =
        ctx.messages.Komunikat(KOMUNIKAT_PYTANIE, QStringLiteral("Czy na wydruku mają być widoczne "
                                                                 "pozycje zawierające zerowe "
                                                                 "należności?")) == TAK;
    // A kind without a printout shows an empty preview, never the previous printout.
    if (UkladListy(dane.lista).isEmpty()) {
        podglad.pokaz(Raport{}, QStringLiteral("listy"));
        return;
    }
    podglad.pokaz(WydrukListy(dane, opcje), QStringLiteral("listy"));
}

} // namespace vexa
