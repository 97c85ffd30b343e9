// Generating a full list for 2 500 soldiers (with days off) on a demo unit, against the floor:
// writing the same 2 500 position rows in one transaction with no computation.
#include "data/database.h"
#include "data/messages.h"
#include "data/transaction.h"
#include "lists/demo_data.h"
#include "lists/generation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Unit {
    QTemporaryDir dir;
    vexa::Database db;
    QList<vexa::Pozycja> rows;
    Unit() {
        db.create(dir.filePath("baza.mdb"));
        vexa::WypelnijDemo(db, 3125, QDate(2027, 4, 5)); // 2 500 soldiers, 625 employees
        db.exec("delete from pozycja");
        db.exec("delete from lista");
        // Rows as the generation writes them, for the floor.
        vexa::BrakKomunikatow quiet;
        const int id = vexa::UtworzListe(db, quiet, list(), QDate(2027, 4, 5));
        rows = vexa::ListRepository(db).pozycje(id);
        vexa::ListRepository(db).usunListe(id);
    }
    static vexa::NowaLista list() {
        vexa::NowaLista n;
        n.miesiac = 3;
        n.rok = 2027;
        n.nr = "B/1";
        n.kurszaliczki = 3.9876;
        n.kursrach = 1;
        return n;
    }
};

Unit& unit() {
    static Unit u;
    return u;
}

void BM_WriteRowsFloor(benchmark::State& state) {
    Unit& u = unit();
    for (auto _ : state) {
        {
            vexa::Transakcja t(u.db);
            vexa::ZapisRekordow<vexa::Pozycja> insert(u.db, "pozycja", vexa::Pozycja::kolumny(),
                                                      vexa::ZapisRekordow<vexa::Pozycja>::Wstaw);
            for (const vexa::Pozycja& p : u.rows)
                insert.zapisz(p);
            t.commit();
        }
        state.PauseTiming();
        u.db.exec("delete from pozycja");
        state.ResumeTiming();
    }
    state.counters["rows"] = double(u.rows.size());
}

void BM_GenerateFullList(benchmark::State& state) {
    Unit& u = unit();
    vexa::BrakKomunikatow quiet;
    for (auto _ : state) {
        const int id = vexa::UtworzListe(u.db, quiet, Unit::list(), QDate(2027, 4, 5));
        state.PauseTiming();
        vexa::ListRepository(u.db).usunListe(id);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_WriteRowsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateFullList)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
