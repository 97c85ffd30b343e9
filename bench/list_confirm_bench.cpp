// Confirming a list of 2 500 positions after the MON increase changed: the header written, every
// position recalculated and written, the totals written, all in one transaction; against the
// bare cost of writing the same 2 500 rows unchanged in one transaction.
#include "data/database.h"
#include "data/messages.h"
#include "data/record.h"
#include "data/transaction.h"
#include "lists/list_editing.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Unit {
    QTemporaryDir dir;
    vexa::Database db;
    int id = 0;
    Unit() {
        db.create(dir.filePath("baza.mdb"));
        vexa::ListRepository repo(db);
        vexa::Lista l;
        l.typ = "P";
        l.status = "O";
        l.zp = "Z";
        l.miesiacrok = "03/2027";
        l.uposazenie = 4560;
        l.zwnaleznmon = 10.2;
        l.czy_dod_wojenny = "T";
        l.dodatekwojenny = 1.5;
        l.kurszaliczki = 3.98;
        l.kursrach = 1;
        l.walutazaliczki = "USD";
        l.walutarach = "PLN";
        l.datawykonania = QDate(2027, 3, 31);
        l.dowodca1 = l.dowodca3 = l.zgodnoscetatowa = l.wykonal = l.finansista = "X";
        l.tabelazaliczki = "001/A/NBP/2027";
        vexa::Transakcja t(db);
        id = repo.dopiszListe(l);
        for (int i = 0; i < 2500; ++i) {
            vexa::Pozycja p;
            p.idlisty = id;
            p.nazwisko = QStringLiteral("NAZWISKO%1").arg(i, 4, 10, QChar('0'));
            p.pesel = QString::number(80010100000LL + i);
            p.datanabycia = QDate(2027, 1, 1 + i % 28);
            p.datautraty = QDate(2999, 1, 1);
            p.mnoznik = 1 + (i % 20) / 10.0;
            p.kddw = "T";
            p.nrachunek1 = i % 3 ? QStringLiteral("11 1111 1111 1111 1111 1111 1111") : QString();
            p.rachunek1czywaluta = p.rachunek2czywaluta = "N";
            repo.dopiszPozycje(p);
        }
        t.commit();
    }
};

Unit& unit() {
    static Unit u;
    return u;
}

void BM_BareWrite(benchmark::State& state) {
    auto& u = unit();
    const QList<vexa::Pozycja> rows = vexa::ListRepository(u.db).pozycje(u.id);
    for (auto _ : state) {
        vexa::Transakcja t(u.db);
        vexa::ZapisRekordow<vexa::Pozycja> write(u.db, "pozycja", vexa::Pozycja::kolumny(),
                                                 vexa::ZapisRekordow<vexa::Pozycja>::Zmien);
        for (const vexa::Pozycja& p : rows)
            write.zapisz(p, p.id);
        t.commit();
    }
}

void BM_ConfirmAfterRateChange(benchmark::State& state) {
    auto& u = unit();
    vexa::ListRepository repo(u.db);
    vexa::BrakKomunikatow quiet;
    const vexa::DaneNaliczenia dane{90, 100, vexa::FokusZk::Brak};
    for (auto _ : state) {
        const vexa::Lista stored = repo.lista(u.id);
        vexa::Lista edited = stored;
        edited.zwnaleznmon = stored.zwnaleznmon == 10.0 ? 10.2 : 10.0;
        bool walked = false;
        const auto refused = vexa::ZatwierdzListe(
            u.db, quiet, edited, stored, vexa::ZapamietaneWartosci::z(stored), dane, &walked);
        if (refused)
            state.SkipWithError(refused->komunikat.toStdString().c_str());
        else if (!walked)
            state.SkipWithError("the positions were not recalculated");
    }
}

} // namespace

BENCHMARK(BM_BareWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfirmAfterRateChange)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
