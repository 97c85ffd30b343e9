#include "app/pages.h"

#include "ui/app_context.h"
#include "app/main_window.h"
#include "unit/ui/settings_page.h"
#include "app/start_page.h"
#include "data/clock.h"
#include "data/messages.h"
#include "lists/generation.h"
#include "lists/list_repository.h"
#include "lists/ui/constants_page.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_pages.h"
#include "lists/ui/list_register_page.h"
#include "lists/ui/new_list_dialog.h"
#include "payments/ui/transfers_dialog.h"
#include "persons/ui/dictionaries_page.h"
#include "printouts/ui/preview_page.h"
#include "app/print_actions.h"
#include "lists/ui/person_dues_dialog.h"
#include "persons/ui/person_list_page.h"
#include "persons/ui/person_editor_page.h"
#include "persons/ui/person_pages.h"
#include "pit/ui/pit11_page.h"
#include "stats/ui/analysis_page.h"
#include "stats/ui/stats_panel.h"

namespace vexa {

namespace {

// The pages of different areas that lead into each other: a new list opens in the list
// editor, and a position in a person's history opens its list.
void PolaczStrony(MainWindow& window, AppContext& ctx) {
    auto* reg = qobject_cast<ListRegisterPage*>(window.strona(QStringLiteral("listy")));
    auto* editor = qobject_cast<ListEditorPage*>(window.strona(QStringLiteral("edlista")));
    auto* person = qobject_cast<PersonEditorPage*>(window.strona(QStringLiteral("edosoba")));
    if (!reg || !editor)
        return;
    auto* dialog = new NewListDialog(ctx, reg);
    // The list pages write the transfer and ZWSI RON files through the payments area.
    reg->ustawPlikiZwsi([&ctx, editor](int id) {
        GenerujPlikiZwsiZListy(ctx, id, editor->kolejnosc());
    });
    editor->ustawGenerowaniePrzelewow(
        [&ctx, editor, przelewy = static_cast<TransfersDialog*>(nullptr)](
            int id, KolejnoscPozycji kolejnosc) mutable {
            if (!przelewy) przelewy = new TransfersDialog(ctx, editor);
            GenerujPrzelewyZListy(ctx, id, kolejnosc, *przelewy);
        });
    reg->ustawNowaLista([&ctx, reg, editor, dialog] {
        dialog->przygotuj();
        if (dialog->exec() != QDialog::Accepted)
            return;
        const int id = UtworzListe(ctx.db, ctx.messages, dialog->nowaLista(), ctx.clock.today());
        if (id == 0)
            return;
        reg->odswiezlisty();
        reg->wybierzListe(id);
        // The new list opens by its id, also when the register's filters do not show it.
        editor->otworz(id);
    });
    if (auto* podglad = qobject_cast<PreviewPage*>(window.strona(QStringLiteral("podgl")))) {
        reg->ustawDrukowanie([&ctx, podglad, editor](int id) {
            DrukujListe(ctx, *podglad, id, editor->kolejnosc());
        });
        reg->ustawWykazPrzelewow([&ctx, podglad, editor](int id) {
            DrukujWykazPrzelewow(ctx, *podglad, id, editor->kolejnosc());
        });
        reg->ustawPobraneWKasie([&ctx, podglad, editor](int id) {
            DrukujPobraneWKasie(ctx, *podglad, id, editor->kolejnosc());
        });
        auto* stat = new StatsPanel(ctx, *reg);
        stat->ustawPodglad(
            [podglad](Raport r) { podglad->pokaz(std::move(r), QStringLiteral("listy")); });
        reg->ustawStatystyke([stat] { stat->generuj(); });
        if (auto* osoby = qobject_cast<PersonListPage*>(window.strona(QStringLiteral("osoba")))) {
            auto* dialog = new PersonDuesDialog(ctx.messages, osoby);
            osoby->ustawWydruki([&ctx, podglad, osoby, dialog](PersonListPage::Wydruk w) {
                switch (w) {
                case PersonListPage::Wydruk::Kartoteka: DrukujKartoteke(ctx, *podglad, *osoby); break;
                case PersonListPage::Wydruk::Deklaracja: DrukujDeklaracje(ctx, *podglad, *osoby); break;
                case PersonListPage::Wydruk::Naleznosci: DrukujNaleznosciOsoby(ctx, *podglad, *dialog); break;
                }
            });
        }
        if (person)
            person->ustawPokwitowanie(
                [&ctx, podglad](const Osoba& o) { DrukujPokwitowanie(ctx, *podglad, o); });
    }
    auto* pit = qobject_cast<Pit11Page*>(window.strona(QStringLiteral("pit_11")));
    auto* podgladPit = qobject_cast<PreviewPage*>(window.strona(QStringLiteral("podgl")));
    if (pit && podgladPit)
        pit->ustawDrukowanie([podgladPit](WydrukPit11 co, const QList<FormularzPit11>& f,
                                          bool wszystkie) {
            if (!wszystkie) {
                podgladPit->pokaz(RaportPit11(co, f), QStringLiteral("pit_11"));
                return;
            }
            // One print job per form.
            for (const FormularzPit11& x : f)
                podgladPit->drukujBezPodgladu(RaportPit11(co, {x}));
        });
    if (person)
        person->ustawOtwieranieListy([reg, editor, &ctx](int idlisty, const QString& pesel) {
            reg->odswiezlisty();
            reg->wybierzListe(idlisty);
            ListRepository repo(ctx.db);
            if (!repo.istnieje(idlisty))
                return;
            editor->otworz(idlisty);
            if (const int position = repo.pozycjaOsoby(idlisty, pesel))
                editor->wroc(position);
        });
}

} // namespace

void ZainstalujStrony(MainWindow& window, AppContext& ctx) {
    auto* start = new StartPage(ctx);
    start->setSettingsAfterPassword(true);
    window.ustawStrone(QStringLiteral("mivra"), start);
    window.ustawStrone(QStringLiteral("dane"), new SettingsPage(ctx));
    window.ustawStrone(QStringLiteral("slowniki"), new DictionariesPage(ctx));
    window.ustawStrone(QStringLiteral("skladniki"), new ConstantsPage(ctx));
    window.ustawStrone(QStringLiteral("podgl"), new PreviewPage(ctx));
    window.ustawStrone(QStringLiteral("pit_11"), new Pit11Page(ctx));
    ZainstalujStronyOsob(window, ctx);
    ZainstalujStronyList(window, ctx);
    if (auto* reg = qobject_cast<ListRegisterPage*>(window.strona(QStringLiteral("listy")))) {
        auto* analiza = new AnalysisPage(ctx, *reg);
        window.ustawStrone(QStringLiteral("analiza"), analiza);
        reg->ustawAnalizy([analiza] { analiza->otworz(); });
    }
    PolaczStrony(window, ctx);
    window.pokazStrone(QStringLiteral("mivra"));
}

} // namespace vexa
