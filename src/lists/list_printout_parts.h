#pragma once

// The pieces the list printouts (and the payment printouts of a list) share: the title band,
// the group and status lines, the closing blocks and the sums. The table pieces every report
// uses (columns, cells, header and footer) come from printouts/report_parts.h.

#include "lists/list_printout.h"
#include "printouts/conventions.h"
#include "printouts/report_parts.h"

namespace vexa::wydruk_listy {

using namespace vexa::druk;

QString opisRodzajuListy(const QString& rodzaj);
// The caption of a war-supplement column: "Dod.woj. " and the list's rate, "Dod.woj. 50%".
QString podpisDodatkuWojennego(double stawka);
// Title band: approval block on the left, date and status on the right, the title across.
void pasmoTytulu(BudowaRaportu& b, const Lista& l, const QString& tytul, const QString& dodatkowy,
                 const QDate& dzis);
// The group line ("ŻOŁNIERZE " / "PRACOWNICY WOJSKA " and the contingent, " - " sub-unit) and
// the status line ("LISTA \"OTWARTA\"" / "LISTA \"ZAMKNIĘTA\"").
QString liniaGrupy(const Lista& l);
QString liniaStatusu(const Lista& l);
// Heights of the signature block and of the cash-payment block, in mm.
inline constexpr double kWysokoscPodpisow = 18, kWysokoscWyplaty = 24;
// Signature block: "Za zgodność z etatem:", "Wykonał:" and the finance chief's title, each with
// the list's name under it.
void blokPodpisow(BudowaRaportu& b, const Lista& l, const QString& sfinansista);
// Cash-payment block ("Wypłaciłem kwotę …", "Słownie:", "Data:", "Podpis:"), with the banknote
// breakdown beside it when the banknotes are given.
void blokWyplaty(BudowaRaportu& b, const Lista& l, const QList<double>* nominaly,
                 const LicznikiBanknotow* liczniki);
// Signature block, then the cash-payment block with the banknote breakdown.
void blokiKoncowe(BudowaRaportu& b, const Lista& l, const QString& sfinansista,
                  const QList<double>& nominaly, const LicznikiBanknotow& liczniki);

// Sums of a list over every position.
struct Sumy {
    double naleznosc = 0, zwnaleznmon = 0, zwnaleznpkw = 0, woj1 = 0, woj2 = 0, woj3 = 0, rozm = 0,
           wyrownanie = 0, lekarz = 0, innezmniejszenia = 0, urlop = 0, podstawa = 0, razem = 0,
           skladkizus = 0, innezwiekszenia = 0, dowyplaty = 0, rachunek = 0, zaliczkawaluta = 0,
           zaliczkapln = 0, podatek = 0, srhigieny = 0, podstawapod = 0, zaliczkaus = 0, nfz1 = 0,
           nfz2 = 0;
    void dodaj(const Pozycja& p);
};

bool drukowana(const Pozycja& p, const OpcjeWydrukuListy& o);

void wydrukPelny(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o);
void wydrukZPodatkiem(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o);
void wydrukDodatkowy(Raport& r, const DaneWydrukuListy& d, const OpcjeWydrukuListy& o,
                     bool zPodatkiem);

} // namespace vexa::wydruk_listy
