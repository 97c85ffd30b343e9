// A list file of 2 500 positions written and read back into a new list, against the floor of
// reading the positions.
#include "demo_list.h"
#include "lists/list_files.h"

#include <QCoreApplication>

namespace {

void BM_ExportList(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vexa::PlikListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko, QDate(2027, 4, 5)));
}

void BM_ImportList(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    const QByteArray file =
        vexa::PlikListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko, QDate(2027, 4, 5));
    state.counters["bytes"] = double(file.size());
    for (auto _ : state) {
        const int id = vexa::ZaimportujListe(u.db, vexa::CzytajPlikListy(u.db, file));
        state.PauseTiming();
        vexa::ListRepository(u.db).usunListe(id);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportList)->Unit(benchmark::kMillisecond);

VEXA_BENCH_MAIN(QCoreApplication)
