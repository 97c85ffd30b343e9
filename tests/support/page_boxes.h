#pragma once

// Where a text stands on a printout. "The page contains 123,45" also passes when 123,45 is the
// detail line and the total is wrong, or when the value stands under another column; these
// helpers read the box under a column's caption on one row, so a test asserts each value where
// it stands.

#include "printouts/page_model.h"

#include <QStringList>

#include <algorithm>

namespace vexa::testy {

namespace detail {

inline bool Naklada(double a0, double a1, double b0, double b1) {
    return a0 < b1 - 1e-6 && b0 < a1 - 1e-6;
}

// The text `tresc` standing once on the page; with `n` >= 0 its n-th place in the page's order
// (a caption printed twice in one column).
inline const Tekst* Jedyny(const StronaRaportu& s, const QString& tresc, int n = -1) {
    const Tekst* t = nullptr;
    for (const Tekst& x : s.teksty)
        if (x.tresc == tresc) {
            if (n >= 0) {
                if (n-- == 0) return &x;
                continue;
            }
            if (t) return nullptr; // not one place: the caller says so
            t = &x;
        }
    return n >= 0 ? nullptr : t;
}

// The texts left to right, joined by a space.
inline QString Zlacz(QList<const Tekst*> w) {
    std::stable_sort(w.begin(), w.end(),
                     [](const Tekst* a, const Tekst* b) { return a->pole.left() < b->pole.left(); });
    QStringList t;
    for (const Tekst* x : w)
        t << x->tresc;
    return t.join(u' ');
}

} // namespace detail

// The text of the box in the column of the caption `naglowek` on the row of `wiersz` (a text
// that stands once on the page, at the top of its row: a name, "OGÓŁEM:"). A caption stacked
// in its column (the second of three) reads the row's line at the same height in the row as the
// caption in the header; a caption over the header's whole height reads any line of the row.
// The texts inside the column's width at that height, left to right, joined by a space (a
// small label and its amount); "<no caption X>" or "<no row Y>" when one of them is missing or
// stands more than once. A caption that stands twice is chosen by `n`, its place in the page's
// order (0 the first).
inline QString WPolu(const StronaRaportu& s, const QString& naglowek, const QString& wiersz,
                     int n = -1) {
    const Tekst* h = detail::Jedyny(s, naglowek, n);
    if (!h) return QStringLiteral("<no caption %1>").arg(naglowek);
    const Tekst* r = detail::Jedyny(s, wiersz);
    if (!r) return QStringLiteral("<no row %1>").arg(wiersz);
    // The header's top: the highest text beside the caption (a caption over the whole header).
    double gora = h->pole.top();
    for (const Tekst& x : s.teksty)
        if (detail::Naklada(x.pole.top(), x.pole.bottom(), h->pole.top(), h->pole.bottom()))
            gora = std::min(gora, x.pole.top());
    const double od = r->pole.top() + (h->pole.top() - gora);
    const double do_ = r->pole.top() + (h->pole.bottom() - gora);
    QList<const Tekst*> w;
    for (const Tekst& x : s.teksty) {
        if (&x == r || x.tresc.isEmpty()) continue;
        const double srodek = x.pole.center().y();
        if (srodek < od || srodek > do_) continue;
        if (x.pole.left() < h->pole.left() - 1e-6 || x.pole.right() > h->pole.right() + 1e-6)
            continue;
        w << &x;
    }
    return detail::Zlacz(w);
}

// The same on the page of a report where both the caption and the row stand.
inline QString WPolu(const Raport& r, const QString& naglowek, const QString& wiersz,
                     int n = -1) {
    for (const StronaRaportu& s : r.strony)
        if (detail::Jedyny(s, wiersz)) return WPolu(s, naglowek, wiersz, n);
    return QStringLiteral("<no row %1>").arg(wiersz);
}

// The texts right of the `n`-th text `podpis` on its line (a caption and its value, a label and
// its unit), left to right, joined by a space.
inline QString ObokPodpisu(const StronaRaportu& s, const QString& podpis, int n = 0) {
    const Tekst* p = nullptr;
    for (const Tekst& x : s.teksty)
        if (x.tresc == podpis && n-- == 0) {
            p = &x;
            break;
        }
    if (!p) return QStringLiteral("<no caption %1>").arg(podpis);
    QList<const Tekst*> w;
    for (const Tekst& x : s.teksty)
        if (&x != p && !x.tresc.isEmpty() && x.pole.left() >= p->pole.right() - 1e-6 &&
            x.pole.center().y() > p->pole.top() && x.pole.center().y() < p->pole.bottom())
            w << &x;
    return detail::Zlacz(w);
}

} // namespace vexa::testy
