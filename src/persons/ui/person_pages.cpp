#include "persons/ui/person_pages.h"

#include "ui/action_guard.h"
#include "ui/page_registry.h"
#include "persons/ui/person_editor_page.h"
#include "persons/ui/person_list_page.h"
#include "persons/ui/person_pit_page.h"

namespace vexa {

void ZainstalujStronyOsob(RejestrStron& window, AppContext& ctx) {
    auto* lista = new PersonListPage(ctx);
    auto* edytor = new PersonEditorPage(ctx);
    auto* pit = new PersonPitPage(ctx);
    window.ustawStrone(QStringLiteral("osoba"), lista);
    window.ustawStrone(QStringLiteral("edosoba"), edytor);
    window.ustawStrone(QStringLiteral("edosobapit"), pit);
    QObject::connect(lista, &PersonListPage::dopiszOsobe, edytor,
                     guarded(edytor, &PersonEditorPage::dopisz));
    QObject::connect(lista, &PersonListPage::edytujOsobe, edytor,
                     guarded(edytor, &PersonEditorPage::edytuj));
    QObject::connect(edytor, &PersonEditorPage::zapisano, lista,
                     guarded(lista, &PersonListPage::pokazOsobe));
    QObject::connect(edytor, &PersonEditorPage::pokazPit, pit,
                     guarded(pit, &PersonPitPage::otworz));
}

} // namespace vexa
