// An analysis over 100 000 positions (40 lists of 2 500), grouped by contingent and grade,
// against the floor of reading the amount column of those positions.
#include "data/database.h"
#include "data/transaction.h"
#include "stats/analysis.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Pozycje100k {
    QTemporaryDir dir;
    vexa::Database db;
    Pozycje100k() {
        db.create(dir.filePath("baza.mdb"));
        vexa::Transakcja t(db);
        QSqlQuery p = db.prepare(
            "insert into pozycja (idlisty, nazwisko, ste, skrotpododdzial, mnoznik, razem, "
            "dowyplaty) values (?, 'X', ?, ?, ?, ?, ?)");
        const QStringList stopnie{"kpr.", "sierż.", "por.", "kpt.", "mjr", "płk"};
        for (int l = 0; l < 40; ++l) {
            db.exec("insert into lista (nr, zp, typ, status, miesiacrok, skrotpkw) values "
                    "(?, ?, 'P', 'Z', ?, ?)",
                    {QString::number(l), l % 4 ? "Z" : "P",
                     QStringLiteral("%1/20%2").arg(l % 12 + 1, 2, 10, QChar('0')).arg(20 + l / 12),
                     QStringLiteral("PKW %1").arg(l % 5)});
            const int id = db.scalar("select max(id) from lista").toInt();
            for (int i = 0; i < 2500; ++i) {
                p.addBindValue(id);
                p.addBindValue(stopnie[i % stopnie.size()]);
                p.addBindValue(QStringLiteral("KOMP%1").arg(i % 7));
                p.addBindValue(1 + (i % 5) * 0.25);
                p.addBindValue(4000.0 + i);
                p.addBindValue(3000.5 + i);
                p.exec();
            }
        }
        t.commit();
    }
    static Pozycje100k& get() {
        static Pozycje100k u;
        return u;
    }
};

void BM_ReadAmountsFloor(benchmark::State& state) {
    Pozycje100k& u = Pozycje100k::get();
    for (auto _ : state) {
        QSqlQuery q = u.db.exec("select dowyplaty from pozycja");
        double s = 0;
        while (q.next()) s += q.value(0).toDouble();
        benchmark::DoNotOptimize(s);
    }
}

void BM_AnalysisTwoGroups(benchmark::State& state) {
    Pozycje100k& u = Pozycje100k::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::Analizuj(u.db, vexa::FiltrRejestru{}, {11, 5, 8}, 40));
}

void BM_AnalysisYearRangeByMonth(benchmark::State& state) {
    Pozycje100k& u = Pozycje100k::get();
    vexa::FiltrRejestru f;
    f.rok = "2020-2021";
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::Analizuj(u.db, f, {8, 3, 6}, 40));
}

} // namespace

BENCHMARK(BM_ReadAmountsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisTwoGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisYearRangeByMonth)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
