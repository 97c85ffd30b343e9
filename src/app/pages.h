#pragma once

namespace vexa {

class MainWindow;
struct AppContext;

// Puts every page that exists into the main window's notebook, in place of its placeholder.
// The program and the widget tests build the window the same way through this function.
void ZainstalujStrony(MainWindow& window, AppContext& ctx);

} // namespace vexa
