// Any bytes through the line primitives of the exchange files: the masked line reader (plain
// lines and records joined back to a number of fields), the TAB field splitter and the value
// codec, each checked against what it promises.
#include "fuzz_support.h"

#include "data/error.h"
#include "data/exchange_values.h"
#include "data/masked_lines.h"
#include "data/validators.h"

#include <QBuffer>
#include <QDate>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace vexa;

namespace {

bool Obciety(const QString& s) {
    return s.isEmpty() || (s.front() > u' ' && s.back() > u' ');
}

void SprawdzPola(const QString& linia) {
    const PolaTab p(linia);
    if (p.liczba() < 1 || p.liczba() > PolaTab::POLA_TAB_MAX) fuzz::Naruszenie("field count");
    if (!p[0].isEmpty() || !p[p.liczba() + 1].isEmpty())
        fuzz::Naruszenie("a field outside the line is not empty");
    for (int i = 1; i <= p.liczba(); ++i) {
        const QString pole = p[i];
        if (!Obciety(pole) || pole.contains(u'\t')) fuzz::Naruszenie("field not trimmed", pole);
        // Each field as every kind of column: what reads must write back to the same value.
        for (TypKolumny typ : {TypKolumny::Tekst, TypKolumny::Data, TypKolumny::Liczba,
                               TypKolumny::Calkowita}) {
            // Any date text is ten characters; the rest would only cost a refusal each.
            if (typ == TypKolumny::Data && pole.size() != 10) continue;
            bool ok = false;
            const QVariant v = WartoscZPliku(pole, typ, &ok);
            if (!ok) continue;
            if (typ == TypKolumny::Liczba && std::fabs(v.toDouble()) > 1e12) continue;
            bool ok2 = false;
            const QVariant w = WartoscZPliku(WartoscDoPliku(v, typ), typ, &ok2);
            if (!ok2 || w != v) fuzz::Naruszenie("a value does not write back as read", pole);
        }
    }
}

// A line written masked and read back gives the same text, unless it holds "WP" (masked,
// a raw line end) or a character Windows-1250 lacks (refused before anything is written).
void SprawdzZapis(const QString& linia) {
    if (linia.contains(QStringLiteral("WP"))) return;
    QByteArray bajty;
    QBuffer out(&bajty);
    out.open(QIODevice::WriteOnly);
    try {
        PiszLinie(out, linia);
    } catch (const VexaError&) {
        if (!bajty.isEmpty()) fuzz::Naruszenie("a refused line was partly written", linia);
        return;
    }
    out.close();
    if (Maskuj(Maskuj(bajty)) != bajty) fuzz::Naruszenie("masking twice is not the identity");
    QBuffer in(&bajty);
    in.open(QIODevice::ReadOnly);
    MaskedLineReader r(in);
    const auto z = r.CzytajLinie();
    if (!z || *z != linia || !r.koniec()) fuzz::Naruszenie("a written line reads back changed", linia);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::BazaProbna(); // the Qt application, as the readers run in the program
    if (size == 0) return 0;
    // The first byte picks how many fields a record must hold; the rest is the file.
    const int pola = 1 + data[0] % 120;
    QByteArray plik(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QBuffer in(&plik);
    in.open(QIODevice::ReadOnly);
    MaskedLineReader r(in);
    int linii = 0;
    try {
        for (bool rekord = false;; rekord = !rekord) {
            const auto l = rekord ? r.CzytajRekord(pola) : r.CzytajLinie();
            if (!l) break;
            if (++linii > int(size) + 1) fuzz::Naruszenie("more lines than bytes");
            if (rekord && l->count(u'\t') + 1 < pola && !r.koniec())
                fuzz::Naruszenie("a record stopped short before the end");
            SprawdzPola(*l);
            SprawdzZapis(*l);
        }
    } catch (const VexaError& e) {
        if (e.message().isEmpty()) fuzz::Naruszenie("refused without a message");
    }
    if (!r.koniec()) fuzz::Naruszenie("the reader stopped before the end");
    return 0;
}
