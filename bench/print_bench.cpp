// The printout of a full list of 2 500 soldiers: building the page model, and painting it into
// a PDF, reported separately; the floor is reading the positions.
#include "demo_list.h"
#include "lists/list_printout.h"
#include "printouts/report_painter.h"

#include <QGuiApplication>

namespace {

vexa::Raport wydruk(DemoLista& u) {
    return vexa::WydrukListy(vexa::DaneListyDoWydruku(u.db, u.list, vexa::KolejnoscPozycji::Nazwisko),
                             {false, QDate(2027, 4, 5)});
}

void BM_ListModel(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    for (auto _ : state)
        state.counters["pages"] = wydruk(u).iloscStron();
}

void BM_ListPdf(benchmark::State& state) {
    DemoLista& u = DemoLista::get();
    const vexa::Raport r = wydruk(u);
    const QString pdf = u.dir.filePath("lista.pdf");
    for (auto _ : state)
        vexa::ZapiszPdf(r, pdf);
    state.counters["pages"] = r.iloscStron();
}

// Painting text needs a GUI application; without a screen it runs offscreen.
struct OffscreenApp : QGuiApplication {
    OffscreenApp(int& argc, char** argv) : QGuiApplication(prepare(argc), argv) {}
    static int& prepare(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

} // namespace

BENCHMARK(BM_ReadPositionsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

VEXA_BENCH_MAIN(OffscreenApp)
