// Rebuilding the person list of 5 000 soldiers (in a register that also holds 500 employees): clearing every mark and reading the listed
// rows into records, against the bare cost of reading the same rows.
#include "data/database.h"
#include "data/transaction.h"
#include "persons/person_repository.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Unit {
    QTemporaryDir dir;
    vexa::Database db;
    Unit() {
        db.create(dir.filePath("baza.mdb"));
        vexa::PersonRepository repo(db);
        vexa::Transakcja t(db);
        for (int i = 0; i < 5500; ++i) {
            vexa::Osoba o = repo.nowa(i < 5000 ? "Z" : "P", QDate(2027, 3, 5));
            o.nazwisko = QStringLiteral("NAZWISKO%1").arg((i * 7919) % 5000, 4, 10, QChar('0'));
            o.imie = QStringLiteral("IMIĘ");
            o.pesel = QString::number(80010100000LL + i);
            o.skrotpododdzialu = QStringLiteral("KOMP%1").arg(i % 5);
            o.datanabycia = QDate(2027, 1, 1);
            repo.dopisz(o);
        }
        t.commit();
    }
};

Unit& unit() {
    static Unit u;
    return u;
}

void BM_BareRead(benchmark::State& state) {
    auto& db = unit().db;
    for (auto _ : state) {
        QSqlQuery q = db.exec("select * from osoba where (zp='Z') order by nazwisko");
        int n = 0;
        while (q.next())
            n += q.record().count();
        benchmark::DoNotOptimize(n);
    }
}

void BM_RebuildPersonList(benchmark::State& state) {
    vexa::PersonRepository repo(unit().db);
    vexa::WidokOsob w;
    w.nieaktywni = true;
    for (auto _ : state) {
        repo.odznaczWszystkich();
        const auto persons = repo.lista(w);
        benchmark::DoNotOptimize(persons.size());
    }
}

} // namespace

BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildPersonList)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
