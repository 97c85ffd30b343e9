#pragma once

#include "printouts/page_model.h"

class QPainter;
class QPagedPaintDevice;

namespace vexa {

// Draws one page at `pikseliNaMm` device pixels per millimetre, from the painter's origin.
void RysujStrone(QPainter& painter, const StronaRaportu& strona, double pikseliNaMm);

// Draws the pages from..to (1-based, inclusive) on a printer or a PDF writer already set up,
// one device page each; A4 in the report's orientation is set here.
void DrukujStrony(const Raport& raport, QPagedPaintDevice& urzadzenie, int od, int do_);

// The whole report as a PDF file (fonts embedded, A4, the report's orientation), written to a
// temporary file and renamed into place. Throws VexaError with a Polish message on failure.
void ZapiszPdf(const Raport& raport, const QString& plik);

} // namespace vexa
