#pragma once

#include "printouts/page_model.h"

#include <functional>

class QPainter;
class QPagedPaintDevice;

namespace vexa {

// Draws one page at `pikseliNaMm` device pixels per millimetre, from the painter's origin.
void RysujStrone(QPainter& painter, const StronaRaportu& strona, double pikseliNaMm);

// Told after each page drawn (pages done, pages in all); returning false stops the drawing.
using PostepDrukowania = std::function<bool(int zrobione, int wszystkie)>;

// Draws the pages from..to (1-based, inclusive) on a printer or a PDF writer already set up,
// one device page each; A4 in the report's orientation is set here. False when stopped.
bool DrukujStrony(const Raport& raport, QPagedPaintDevice& urzadzenie, int od, int do_,
                  const PostepDrukowania& postep = {});

// The whole report as a PDF file (fonts embedded, A4, the report's orientation), written to a
// temporary file and renamed into place. Throws VexaError with a Polish message on failure.
// A stopped run leaves no file and returns false.
bool ZapiszPdf(const Raport& raport, const QString& plik, const PostepDrukowania& postep = {});

} // namespace vexa
