// The payment files of a full list of 2 500 soldiers, against the floor: reading the same
// positions. Transfers: build and write both files with the report; ZWSI RON: build and write
// the four files.
#include "data/database.h"
#include "data/messages.h"
#include "lists/demo_data.h"
#include "lists/generation.h"
#include "lists/list_repository.h"
#include "payments/transfers.h"
#include "payments/zwsi_files.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Unit {
    QTemporaryDir dir;
    vexa::Database db;
    int list = 0;
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
        vexa::ListRepository(db).zaznaczWszystkie(list);
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
    state.counters["rows"] = double(vexa::ListRepository(u.db).pozycje(u.list).size());
}

void BM_TransferFiles(benchmark::State& state) {
    Unit& u = unit();
    vexa::OpcjePrzelewow o;
    o.tytul1 = "WYPŁATA";
    o.tytul2 = "LISTA B/1";
    o.dataWaluty = o.dzis = QDate(2027, 4, 5);
    const QString file = u.dir.filePath("przelewy/b1.imp");
    for (auto _ : state) {
        const vexa::WynikPrzelewow w =
            vexa::PrzelewyListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko, o);
        vexa::ZapiszPrzelewy(w, file, false);
        state.counters["transfers"] = double(w.plnWykonane + w.walWykonane);
    }
}

void BM_ZwsiFiles(benchmark::State& state) {
    Unit& u = unit();
    const QString file = u.dir.filePath("zwsi/b1.txt");
    for (auto _ : state)
        vexa::ZapiszPlikiZwsi(vexa::PlikiZwsiListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko),
                              file);
}

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransferFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZwsiFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
