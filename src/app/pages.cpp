#include "app/pages.h"

#include "app/main_window.h"
#include "app/settings_page.h"
#include "app/start_page.h"
#include "lists/ui/constants_page.h"
#include "lists/ui/list_pages.h"
#include "persons/ui/dictionaries_page.h"
#include "persons/ui/person_pages.h"

namespace vexa {

void ZainstalujStrony(MainWindow& window, AppContext& ctx) {
    auto* start = new StartPage(ctx);
    start->setSettingsAfterPassword(true);
    window.ustawStrone(QStringLiteral("mivra"), start);
    window.ustawStrone(QStringLiteral("dane"), new SettingsPage(ctx));
    window.ustawStrone(QStringLiteral("slowniki"), new DictionariesPage(ctx));
    window.ustawStrone(QStringLiteral("skladniki"), new ConstantsPage(ctx));
    ZainstalujStronyOsob(window, ctx);
    ZainstalujStronyList(window, ctx);
    window.pokazStrone(QStringLiteral("mivra"));
}

} // namespace vexa
