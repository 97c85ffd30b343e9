#pragma once

#include <QList>
#include <QSet>
#include <QString>

namespace vexa {

struct AppContext;

// "ZAPISZ DO PLIKU" of the person list: the marked persons among those listed, to a person file.
void ZapiszOsobyDoPliku(AppContext& ctx, const QList<int>& listowane);
// "WCZYTAJ Z PLIKU": the persons of a file whose PESEL is not listed; true when any was added.
bool WczytajOsobyZPliku(AppContext& ctx, const QSet<QString>& listowanePesele);
// "GENERUJ PLIK DO ZWSI RON": the accounts of the marked persons for ZWSI RON.
void GenerujPlikOsobZwsi(AppContext& ctx, const QList<int>& listowane);

} // namespace vexa
