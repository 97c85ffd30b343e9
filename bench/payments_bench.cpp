// The payment files of a full list of 2 500 soldiers, against the floor: reading the same
// positions. Transfers: build and write both files with the report; ZWSI RON: build and write
// the four files.
#include "demo_list.h"
#include "payments/transfers.h"
#include "payments/zwsi_files.h"

#include <QCoreApplication>

namespace {

void BM_TransferFiles(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    vexa::ListRepository(u.db).zaznaczWszystkie(u.list);
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
    DemoLista& u = DemoLista::get();
    const QString file = u.dir.filePath("zwsi/b1.txt");
    for (auto _ : state)
        vexa::ZapiszPlikiZwsi(vexa::PlikiZwsiListy(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko),
                              file);
}

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransferFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZwsiFiles)->Unit(benchmark::kMillisecond);

VEXA_BENCH_MAIN(QCoreApplication)
