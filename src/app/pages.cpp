#include "app/pages.h"

#include "app/main_window.h"
#include "app/start_page.h"

namespace vexa {

void ZainstalujStrony(MainWindow& window, AppContext& ctx) {
    auto* start = new StartPage(ctx);
    window.ustawStrone(QStringLiteral("mivra"), start);
    window.pokazStrone(QStringLiteral("mivra"));
}

} // namespace vexa
