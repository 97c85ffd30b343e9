#pragma once

namespace vexa {

class RejestrStron;
struct AppContext;

// Puts the person pages into the main window (osoba, edosoba, edosobapit) and connects them:
// the list hands a person to the editor, the editor hands its person to the PIT data page and
// shows the saved person on the list again.
void ZainstalujStronyOsob(RejestrStron& window, AppContext& ctx);

} // namespace vexa
