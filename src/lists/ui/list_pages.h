#pragma once

namespace vexa {

class RejestrStron;
struct AppContext;

// Puts the list register, the list editor and the two position editors into the notebook and
// wires them to each other.
void ZainstalujStronyList(RejestrStron& window, AppContext& ctx);

} // namespace vexa
