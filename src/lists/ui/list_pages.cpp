#include "lists/ui/list_pages.h"

#include "ui/action_guard.h"
#include "ui/page_registry.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_register_page.h"
#include "lists/ui/position_editor_page.h"
#include "lists/ui/short_position_editor_page.h"

namespace vexa {

void ZainstalujStronyList(RejestrStron& window, AppContext& ctx) {
    auto* reg = new ListRegisterPage(ctx);
    auto* editor = new ListEditorPage(ctx);
    auto* full = new PositionEditorPage(ctx, editor);
    auto* shortEditor = new ShortPositionEditorPage(ctx, editor);
    editor->ustawEdytoryPozycji(full, shortEditor);
    reg->ustawEdytor(editor);
    QObject::connect(editor, &ListEditorPage::zamknieta, reg, guarded([reg](int id) {
                         reg->odswiezlisty();
                         reg->wybierzListe(id);
                     }));
    window.ustawStrone(QStringLiteral("listy"), reg);
    window.ustawStrone(QStringLiteral("edlista"), editor);
    window.ustawStrone(QStringLiteral("edpozycja"), full);
    window.ustawStrone(QStringLiteral("edpozycja2"), shortEditor);
}

} // namespace vexa
