// The year's PIT-11 forms of 2 500 persons made from 30 000 taxed positions (twelve monthly
// lists), and their 2 500 XML files, against the floor of the sums query alone.
#include "data/database.h"
#include "data/transaction.h"
#include "pit/pit11.h"
#include "pit/pit11_xml.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int OSOB = 2500, MIESIECY = 12;

struct RokPodatkowy {
    QTemporaryDir dir;
    vexa::Database db;
    QStringList szablon;
    RokPodatkowy() {
        db.create(dir.filePath("baza.mdb"));
        vexa::Transakcja t(db);
        QSqlQuery osoba = db.prepare(
            "insert into osoba (pesel, zp, nazwisko, imie, adr_ulica, adr_nr_domu, adr_miejsc, "
            "adr_kod, us_nazwa, us_ulica, us_kod, us_kod_is) values (?, 'Z', ?, 'JAN', "
            "'ŻWIRKI & WIGURY', '1', 'WARSZAWA', '00-001', 'US', 'ULICA', '00-002', '1434')");
        for (int i = 0; i < OSOB; ++i) {
            osoba.addBindValue(QString::asprintf("800101%05d", i));
            osoba.addBindValue(QStringLiteral("NAZWISKO%1").arg(i % 700));
            osoba.exec();
        }
        QSqlQuery pozycja = db.prepare(
            "insert into pozycja (idlisty, pesel, nazwisko, podatek_podstawa_opodatkowania, "
            "podatek_zaliczka) values (?, ?, 'X', ?, ?)");
        for (int m = 1; m <= MIESIECY; ++m) {
            db.exec("insert into lista (nr, datawykonania, czy_podatek, zp) values (?, ?, 'T', 'Z')",
                    {QStringLiteral("%1/2026").arg(m), QDate(2026, m, 28).toString(Qt::ISODate)});
            const int id = db.scalar("select max(id) from lista").toInt();
            for (int i = 0; i < OSOB; ++i) {
                pozycja.addBindValue(id);
                pozycja.addBindValue(QString::asprintf("800101%05d", i));
                pozycja.addBindValue(1234.56 + i);
                pozycja.addBindValue(222.22 + i % 100);
                pozycja.exec();
            }
        }
        t.commit();
        szablon = vexa::WczytajSzablonPit11(QStringLiteral(VEXA_SOURCE_DIR "/resources/pit11.txt"));
    }
    static RokPodatkowy& get() {
        static RokPodatkowy r;
        return r;
    }
};

void BM_SumsFloor(benchmark::State& state) {
    RokPodatkowy& r = RokPodatkowy::get();
    for (auto _ : state) {
        QSqlQuery q = r.db.exec(
            "select pesel, sum(pozycja.podatek_podstawa_opodatkowania), "
            "sum(pozycja.podatek_zaliczka) from pozycja, lista where pozycja.idlisty = lista.id "
            "and year(lista.datawykonania) = 2026 and lista.czy_podatek = 'T' group by pesel");
        int n = 0;
        while (q.next()) ++n;
        benchmark::DoNotOptimize(n);
    }
}

void BM_CreateForms(benchmark::State& state) {
    RokPodatkowy& r = RokPodatkowy::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::UtworzFormularzePit11(r.db, "2026", "ANNA", "KOWALSKA"));
}

void BM_WriteXmlFiles(benchmark::State& state) {
    RokPodatkowy& r = RokPodatkowy::get();
    vexa::UtworzFormularzePit11(r.db, "2026", "ANNA", "KOWALSKA");
    const QString folder = r.dir.filePath("XML");
    for (auto _ : state)
        benchmark::DoNotOptimize(vexa::GenerujXmlPit11(r.db, "2026", r.szablon, folder));
    state.counters["files"] = double(QDir(folder).entryList(QDir::Files).size());
}

} // namespace

BENCHMARK(BM_SumsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateForms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteXmlFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
