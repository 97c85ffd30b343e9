// The full calculation over a list of positions, next to the bare cost of copying the same
// positions (what any recalculation pays before it computes anything). The ratio of the two
// times is what the calculation itself adds.
#include "lists/calculation.h"
#include "lists/records.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace vexa;

namespace {

Lista lista() {
    Lista l;
    l.typ = "U";
    l.miesiacrok = "04/2027";
    l.uposazenie = 4567.89;
    l.zwnaleznmon = 10;
    l.czy_dod_wojenny = "T";
    l.dodatekwojenny = 1.3;
    l.dodatekwojenny2 = 2;
    l.rozm = 0.7;
    l.osobnosrhigieny = "N";
    l.czy_podatek = "T";
    l.podatek_dieta = 31;
    l.podatek_kurs = 4.3217;
    l.kurszaliczki = 3.9871;
    l.kursrach = 4.3217;
    l.walutarach = "EUR";
    return l;
}

// Positions as generation leaves them: derived counts null, a mix of accounts and dates.
std::vector<Pozycja> pozycje(int n) {
    std::vector<Pozycja> out;
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        Pozycja p;
        p.pesel = i % 2 ? "80010112350" : "80010112340";
        p.nazwisko = QStringLiteral("NAZWISKO %1").arg(i);
        p.datanabycia = QDate(2027, 3, 1).addDays(i % 45);
        p.datautraty = i % 7 ? QDate(2999, 1, 1) : QDate(2027, 4, 20);
        p.kddw = "T";
        p.mnoznik = 1.2 + (i % 20) * 0.1;
        p.zwnaleznlekarzproc = i % 11 ? 0 : 150;
        p.dni_wolne_u = i % 3;
        p.iloscdniwojna2 = i % 5;
        p.zaliczkawaluta = (i % 4) * 100.0;
        p.nrachunek1 = i % 9 ? QStringLiteral("11 1111 1111 1111 1111 1111 1111") : QString();
        p.rachunek1czywaluta = i % 2 ? "T" : "N";
        p.rachunek2czywaluta = i % 3 ? "N" : "T";
        p.rachunek2 = i % 5 ? 0 : 250;
        p.niepobranewkasie = "W";
        out.push_back(p);
    }
    return out;
}

constexpr int kPozycji = 1000;

void BM_KopiaPozycji(benchmark::State& state) {
    const std::vector<Pozycja> wzor = pozycje(kPozycji);
    for (auto _ : state) {
        std::vector<Pozycja> robocze = wzor;
        benchmark::DoNotOptimize(robocze.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPozycji);
}

void BM_Przeliczpozycje(benchmark::State& state) {
    const std::vector<Pozycja> wzor = pozycje(kPozycji);
    const Lista l = lista();
    const DaneNaliczenia dane{95.54, 96.09, FokusZk::Brak};
    for (auto _ : state) {
        std::vector<Pozycja> robocze = wzor;
        for (Pozycja& p : robocze)
            benchmark::DoNotOptimize(przeliczpozycje(l, p, dane));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPozycji);
}

} // namespace

BENCHMARK(BM_KopiaPozycji)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Przeliczpozycje)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
