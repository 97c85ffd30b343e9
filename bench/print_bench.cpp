// The printout of a full list of 2 500 soldiers: building the page model, and painting it into
// a PDF, reported separately; the floor is reading the positions.
#include "data/database.h"
#include "data/messages.h"
#include "lists/demo_data.h"
#include "lists/generation.h"
#include "lists/list_repository.h"
#include "printouts/list_printout.h"
#include "printouts/report_painter.h"

#include <QGuiApplication>
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

void BM_ListModel(benchmark::State& state) {
    Unit& u = unit();
    for (auto _ : state) {
        const vexa::Raport r = vexa::WydrukListy(
            vexa::DaneListyDoWydruku(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko),
            {false, QDate(2027, 4, 5)});
        state.counters["pages"] = r.iloscStron();
    }
}

void BM_ListPdf(benchmark::State& state) {
    Unit& u = unit();
    const vexa::Raport r = vexa::WydrukListy(
        vexa::DaneListyDoWydruku(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko),
        {false, QDate(2027, 4, 5)});
    const QString pdf = u.dir.filePath("lista.pdf");
    for (auto _ : state)
        vexa::ZapiszPdf(r, pdf);
    state.counters["pages"] = r.iloscStron();
}

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
