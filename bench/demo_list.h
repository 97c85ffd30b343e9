#pragma once

// The unit of the payment, printout and exchange benchmarks: a demo unit of 2 500 soldiers and
// 625 employees with a full list of March 2027 for the soldiers, and the floor they are
// measured against, reading that list's positions.

#include "data/database.h"
#include "data/messages.h"
#include "lists/demo_data.h"
#include "lists/generation.h"
#include "lists/list_repository.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

struct DemoLista {
    QTemporaryDir dir;
    vexa::Database db;
    int list = 0;
    DemoLista() {
        db.create(dir.filePath("baza.mdb"));
        vexa::WypelnijDemo(db, 3125, QDate(2027, 4, 5));
        vexa::NowaLista n;
        n.miesiac = 3;
        n.rok = 2027;
        n.nr = "B/1";
        n.kurszaliczki = 3.9876;
        n.kursrach = 1;
        vexa::BrakKomunikatow quiet;
        list = vexa::UtworzListe(db, quiet, n, QDate(2027, 4, 5));
    }
    static DemoLista& get() {
        static DemoLista u;
        return u;
    }
};

inline void BM_ReadPositionsFloor(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::ListRepository(u.db).pozycje(u.list));
}

// main() of a benchmark program over the application type App.
#define VEXA_BENCH_MAIN(App)                                                                       \
    int main(int argc, char** argv) {                                                              \
        App app(argc, argv);                                                                       \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        return 0;                                                                                  \
    }
