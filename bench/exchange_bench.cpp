// A list file of 2 500 positions written and read back into a new list, against the floor of
// reading the positions.
#include "data/database.h"
#include "data/messages.h"
#include "lists/demo_data.h"
#include "lists/generation.h"
#include "lists/list_files.h"
#include "lists/list_repository.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Unit {
    QTemporaryDir dir;
    vexa::Database db;
    int list = 0;
    QByteArray file;
    Unit() {
        db.create(dir.filePath("baza.mdb"));
        vexa::WypelnijDemo(db, 3125, QDate(2027, 4, 5)); // 2 500 soldiers, 625 employees
        vexa::NowaLista n;
        n.miesiac = 3;
        n.rok = 2027;
        n.nr = "B/1";
        n.kurszaliczki = 3.9876;
        n.kursrach = 1;
        vexa::BrakKomunikatow quiet;
        list = vexa::UtworzListe(db, quiet, n, QDate(2027, 4, 5));
        file = vexa::PlikListy(db, list, vexa::KolejnoscPozycji::Nazwisko, QDate(2027, 4, 5));
    }
};

Unit& unit() {
    static Unit u;
    return u;
}

void BM_ReadPositionsFloor(benchmark::State& state) {
    Unit& u = unit();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::ListRepository(u.db).pozycje(u.list));
}

void BM_ExportList(benchmark::State& state) {
    Unit& u = unit();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vexa::PlikListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko, QDate(2027, 4, 5)));
    state.counters["bytes"] = double(u.file.size());
}

void BM_ImportList(benchmark::State& state) {
    Unit& u = unit();
    for (auto _ : state) {
        const int id = vexa::ZaimportujListe(u.db, vexa::CzytajPlikListy(u.db, u.file));
        state.PauseTiming();
        vexa::ListRepository(u.db).usunListe(id);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportList)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
