#pragma once
// The buttons that preview the list, payment and person printouts: each sets the page the preview
// returns to, does nothing without a current list or person, asks its questions and shows the
// report on the preview page.
#include "lists/list_repository.h"
#include "persons/records.h"

namespace vexa {

struct AppContext;
class PersonDuesDialog;
class PersonListPage;
class PreviewPage;

// DRUKUJ LISTĘ of the list register: the to-do check, the zero-positions question and the
// printout of the list's kind on the preview page (return page "listy").
void DrukujListe(AppContext& ctx, PreviewPage& podglad, int idlisty, KolejnoscPozycji kolejnosc);
// WYKAZ PRZELEWÓW: the not-collected transfers, else the PLN transfers, else the currency
// transfers, by three questions asked over the preview page; "no" to all shows nothing new.
void DrukujWykazPrzelewow(AppContext& ctx, PreviewPage& podglad, int idlisty,
                          KolejnoscPozycji kolejnosc);
// POBRANE W KASIE: the simplified or the full cash list.
void DrukujPobraneWKasie(AppContext& ctx, PreviewPage& podglad, int idlisty,
                         KolejnoscPozycji kolejnosc);
// WYDRUK KARTOTEKI, DEKLARACJA NALEŻNOŚCI and NALEŻNOŚCI DLA OSOBY of the person page.
void DrukujKartoteke(AppContext& ctx, PreviewPage& podglad, const PersonListPage& strona);
void DrukujDeklaracje(AppContext& ctx, PreviewPage& podglad, const PersonListPage& strona);
void DrukujNaleznosciOsoby(AppContext& ctx, PreviewPage& podglad, PersonDuesDialog& dialog);
// DRUKUJ POKWIT. of the person editor.
void DrukujPokwitowanie(AppContext& ctx, PreviewPage& podglad, const Osoba& osoba);

} // namespace vexa
