#include "printouts/conventions.h"

#include "data/settings.h"
#include "data/validators.h"

#include "data/error.h"

#include <charconv>
#include <cmath>

namespace vexa {

QString LiniaDaty(const QDate& dzis) {
    return QStringLiteral("Data: ") + DataKrotka(dzis);
}

QString LiniaStrony(int strona, int stron) {
    return QStringLiteral("Strona: %1 z %2").arg(strona).arg(stron);
}

QString LiniaProduktu(bool zAdresem) {
    return zAdresem ? QStringLiteral("Wydrukowano z aplikacji VEXA-F, ") + STRONA_PROGRAMU
                    : QStringLiteral("Wydrukowano z aplikacji VEXA-F");
}

QString DataKonca(const QDate& d) {
    if (!d.isValid()) return QString();
    return d == DATA_BEZ_KONCA ? QStringLiteral(" - ") : DataKrotka(d);
}

namespace {

// A double as its shortest decimal: digits × 10^wykladnik, with the sign.
struct Dziesietna {
    __int128 cyfry = 0;
    int wykladnik = 0;
    bool ujemna = false;
};

Dziesietna NaDziesietna(double v) {
    if (!std::isfinite(v))
        throw VexaError(QStringLiteral("Kwota do przeliczenia nie jest liczbą."));
    std::array<char, 40> buf;
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::scientific);
    Dziesietna d;
    const char* p = buf.data();
    if (*p == '-') {
        d.ujemna = true;
        ++p;
    }
    int poPrzecinku = 0;
    bool przecinek = false;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            przecinek = true;
            continue;
        }
        d.cyfry = d.cyfry * 10 + (*p - '0');
        if (przecinek) ++poPrzecinku;
    }
    int e = 0;
    if (p < r.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, e);
    d.wykladnik = e - poPrzecinku;
    return d;
}

} // namespace

double RownowartoscPln(double kwota, double kurs) {
    const Dziesietna a = NaDziesietna(kwota), b = NaDziesietna(kurs);
    // Both have at most 17 digits: the product of the digits fits 128 bits.
    __int128 iloczyn = a.cyfry * b.cyfry;
    int wykladnik = a.wykladnik + b.wykladnik + 2; // in grosze
    if (iloczyn == 0) return 0.0;
    const __int128 granica = __int128(1000000000000000000LL); // 10^16 PLN in grosze
    for (; wykladnik > 0; --wykladnik) {
        if (iloczyn > granica)
            throw VexaError(QStringLiteral("Kwota do przeliczenia jest za duża."));
        iloczyn *= 10;
    }
    __int128 grosze = iloczyn;
    if (wykladnik < 0) {
        if (-wykladnik > 38) return 0.0;
        __int128 dzielnik = 1;
        for (int i = 0; i < -wykladnik; ++i)
            dzielnik *= 10;
        grosze = iloczyn / dzielnik;
        const __int128 reszta = iloczyn % dzielnik;
        // Halves go to the even grosz.
        if (reszta * 2 > dzielnik || (reszta * 2 == dzielnik && grosze % 2 != 0)) ++grosze;
    }
    if (grosze > granica) throw VexaError(QStringLiteral("Kwota do przeliczenia jest za duża."));
    const double wynik = double(static_cast<long long>(grosze)) / 100.0;
    return a.ujemna != b.ujemna ? -wynik : wynik;
}

QStringList NaglowekJednostki(Database& db) {
    return {Odczyt(db, "NAZWA1"), Odczyt(db, "NAZWA2")};
}

QList<double> UporzadkujNominaly(const QList<double>& nominaly) {
    QList<double> t;
    for (double n : nominaly)
        if (n != 0) t << n;
    // Passes that swap neighbours while a later one is larger: equal values keep their order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < t.size(); ++i)
            if (t[i + 1] > t[i]) {
                std::swap(t[i], t[i + 1]);
                swapped = true;
            }
    }
    return t.mid(0, 12);
}

QList<double> Nominaly(Database& db) {
    QList<double> n;
    for (int i = 1; i <= 12; ++i)
        n << OdczytSetne(db, QStringLiteral("N%1").arg(i));
    return UporzadkujNominaly(n);
}

void RozlozNaBanknoty(double kwota, const QList<double>& nominaly, LicznikiBanknotow& liczniki) {
    // Whole hundredths are taken to the nearest one: 0.29 is stored as 0.28999…, and cutting
    // its fraction off would lose a grosz.
    long long reszta = std::llround(kwota * 100.0);
    for (qsizetype k = 0; k < nominaly.size() && k < 12; ++k) {
        const long long n = std::llround(nominaly[k] * 100.0);
        if (n <= 0) continue;
        const long long ile = reszta / n;
        liczniki[size_t(k)] += int(ile);
        reszta -= ile * n;
    }
}

} // namespace vexa
