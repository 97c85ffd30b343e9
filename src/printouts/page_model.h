#pragma once

// A printout as plain data: pages of positioned texts, lines, boxes and images in millimetres.
// Reports build it with plain code (or through the bands of BudowaRaportu); one painter draws
// it on the preview, a printer or a PDF, and tests read it without painting.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace vexa {

// Font of a text: the program's one family (DejaVu Sans), a size in points and its styles.
struct Czcionka {
    double punkty = 8;
    bool pogrubiona = false;
    bool kursywa = false;
    bool podkreslona = false;
    bool stalaSzerokosc = false; // the fixed-pitch family (reports of files)
};

enum class Wyrownanie { Lewo, Srodek, Prawo };

// A text in its box (millimetres from the page's top left corner); what does not fit the box
// is clipped. A text with line breaks is written line under line, centred in the box's height;
// a wrapped text starts at the box's top and breaks its lines between words.
struct Tekst {
    QRectF pole;
    QString tresc;
    Czcionka czcionka;
    Wyrownanie wyrownanie = Wyrownanie::Lewo;
    QColor kolor = Qt::black;
    bool zawijaj = false;
};

struct Linia {
    QPointF od, do_;
    double grubosc = 0.2; // mm
};

struct Ramka {
    QRectF pole;
    double grubosc = 0.2; // mm; 0 draws no border
    QColor wypelnienie;   // invalid: not filled
};

struct Obraz {
    QRectF pole;
    QImage obraz;
};

struct StronaRaportu {
    QList<Ramka> ramki; // drawn first
    QList<Linia> linie;
    QList<Obraz> obrazy;
    QList<Tekst> teksty; // drawn last, in order

    // The texts of the page in order of writing (for tests and text search).
    QStringList tresci() const;
    // The first text whose content starts with `poczatek`; nullptr when none.
    const Tekst* znajdz(const QString& poczatek) const;
};

struct Raport {
    QString tytulZadania; // the print job's title (shown by the spooler)
    bool poziomo = true;  // landscape A4, else portrait
    bool dwustronnie = false; // printed on both sides of the sheet
    QList<StronaRaportu> strony;

    QSizeF rozmiarStrony() const { return poziomo ? QSizeF(297, 210) : QSizeF(210, 297); }
    int iloscStron() const { return int(strony.size()); }
};

} // namespace vexa
