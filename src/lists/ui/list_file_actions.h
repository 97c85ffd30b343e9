#pragma once

#include "lists/list_repository.h"

namespace vexa {

struct AppContext;

// "ZAPISZ LISTĘ DO PLIKU" of the list register: the save dialog, the question before an
// existing file is replaced, the file and the message. True when the file was written.
bool ZapiszListeDoPliku(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc);

// "WCZYTAJ LISTĘ Z PLIKU": the open dialog, the file read and checked, the question, the new
// list. Returns the new list's id, 0 when nothing was imported.
int WczytajListeZPliku(AppContext& ctx);

} // namespace vexa
