#include "pit/pit11.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "data/validators.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vexa {

const QList<Kolumna<FormularzPit11>>& FormularzPit11::kolumny() {
    using F = FormularzPit11;
    using namespace kolumna;
    static const QList<Kolumna<F>> cols{
        calkowita("id", &F::id),
        tekst("rok", &F::rok),
        tekst("nip", &F::nip),
        tekst("platnik", &F::platnik),
        tekst("regon", &F::regon),
        tekst("op_imie", &F::op_imie),
        tekst("op_nazwisko", &F::op_nazwisko),
        tekst("os_pesel", &F::os_pesel),
        tekst("os_nip", &F::os_nip),
        tekst("os_nazwisko", &F::os_nazwisko),
        tekst("os_imie", &F::os_imie),
        tekst("os_data_ur", &F::os_data_ur),
        tekst("os_kraj", &F::os_kraj),
        tekst("os_woj", &F::os_woj),
        tekst("os_powiat", &F::os_powiat),
        tekst("os_gmina", &F::os_gmina),
        tekst("os_ulica", &F::os_ulica),
        tekst("os_nr_domu", &F::os_nr_domu),
        tekst("os_nr_lok", &F::os_nr_lok),
        tekst("os_miejsc", &F::os_miejsc),
        tekst("os_kod", &F::os_kod),
        tekst("os_poczta", &F::os_poczta),
        tekst("us_nazwa", &F::us_nazwa),
        tekst("us_kod_is", &F::us_kod_is),
        tekst("koszty", &F::koszty),
        liczba("kw_przychod", &F::kw_przychod),
        liczba("kw_koszty", &F::kw_koszty),
        liczba("kw_dochod", &F::kw_dochod),
        liczba("kw_dochod_zw", &F::kw_dochod_zw),
        liczba("kw_podatek", &F::kw_podatek),
        tekst("korekta", &F::korekta),
        tekst("wyjasnienie", &F::wyjasnienie),
        tekst("wyjasnienie_text", &F::wyjasnienie_text),
    };
    return cols;
}

QString FormularzPit11::platnikNaFormularzu() const {
    QString p = platnik;
    return p.replace(ZNACZNIK_LINII.toString(), QStringLiteral(" "));
}

QStringList LataPit11(const QDate& dzis) {
    QStringList lata;
    const int ostatni = std::max(2030, dzis.year() + 1);
    for (int rok = PIERWSZY_ROK_PIT11; rok <= ostatni; ++rok)
        lata << QString::number(rok);
    return lata;
}

int RokDomyslnyPit11(const QDate& dzis) {
    return dzis.year() - 1;
}

QList<FormularzPit11> FormularzePit11(Database& db, const QString& rok) {
    QSqlQuery q =
        db.exec(QStringLiteral("select * from pit_11 where rok = ? order by os_nazwisko, os_imie, id"),
                {rok});
    return WczytajWszystkie(q, FormularzPit11::kolumny());
}

FormularzPit11 FormularzPit11ById(Database& db, int id) {
    QSqlQuery q = db.exec(QStringLiteral("select * from pit_11 where id = ?"), {id});
    const QList<FormularzPit11> f = WczytajWszystkie(q, FormularzPit11::kolumny());
    return f.isEmpty() ? FormularzPit11{} : f.first();
}

void ZapiszSporzadzajacego(Database& db, const QString& imie, const QString& nazwisko) {
    Transakcja t(db);
    Zapis(db, QStringLiteral("OP_IMIE"), imie);
    Zapis(db, QStringLiteral("OP_NAZWISKO"), nazwisko);
    t.commit();
}

namespace {

struct Sumy {
    QString pesel;
    double przychod = 0, podatek = 0;
};

void Wypelnij(FormularzPit11& f, const QSqlQuery& o, const QSqlRecord& r) {
    auto pole = [&](const char* nazwa) {
        const int i = r.indexOf(QLatin1String(nazwa));
        return i < 0 || o.isNull(i) ? QString() : o.value(i).toString();
    };
    f.us_nazwa = pole("us_nazwa") + QStringLiteral(", ") + pole("us_ulica") +
                 QStringLiteral(", ") + pole("us_kod");
    f.us_kod_is = pole("us_kod_is");
    f.os_nazwisko = pole("nazwisko");
    f.os_imie = pole("imie");
    f.os_kraj = pole("adr_kraj");
    f.os_woj = pole("adr_woj");
    f.os_powiat = pole("adr_powiat");
    f.os_gmina = pole("adr_gmina");
    f.os_ulica = pole("adr_ulica");
    f.os_nr_domu = pole("adr_nr_domu");
    f.os_nr_lok = pole("adr_nr_lok");
    f.os_miejsc = pole("adr_miejsc");
    f.os_kod = pole("adr_kod");
    f.os_poczta = pole("adr_poczta");
    f.os_nip = pole("us_nip");
    f.os_data_ur = DataUrodzeniaZPesel(f.os_pesel);
}

} // namespace

int UtworzFormularzePit11(Database& db, const QString& rok, const QString& opImie,
                          const QString& opNazwisko) {
    Transakcja t(db);
    QList<Sumy> sumy;
    {
        QSqlQuery q = db.exec(
            QStringLiteral("select pesel, sum(pozycja.podatek_podstawa_opodatkowania), "
                           "sum(pozycja.podatek_zaliczka) from pozycja, lista "
                           "where pozycja.idlisty = lista.id and year(lista.datawykonania) = ? "
                           "and lista.czy_podatek = 'T' group by pesel"),
            {rok.toInt()});
        while (q.next())
            sumy.append({q.isNull(0) ? QString() : q.value(0).toString(), q.value(1).toDouble(),
                         q.value(2).toDouble()});
    }
    db.exec(QStringLiteral("delete from pit_11 where rok = ?"), {rok});

    FormularzPit11 wzor;
    wzor.rok = rok;
    wzor.nip = Odczyt(db, QStringLiteral("NIP"));
    wzor.platnik = Odczyt(db, QStringLiteral("POSIADACZ"));
    wzor.regon = Odczyt(db, QStringLiteral("REGON"));
    wzor.op_imie = opImie;
    wzor.op_nazwisko = opNazwisko;
    wzor.koszty = QStringLiteral("1");

    // Each person by PESEL, the first of that PESEL as the register stores them.
    QSqlQuery osoba = db.prepare(QStringLiteral("select * from osoba where pesel = ? order by id"));
    ZapisRekordow<FormularzPit11> zapis(db, QStringLiteral("pit_11"), FormularzPit11::kolumny(),
                                       ZapisRekordow<FormularzPit11>::Wstaw);
    int ile = 0;
    for (const Sumy& s : sumy) {
        // A form only for an advance really withheld: the sum to the grosz, so that advances
        // of 0.10, 0.20 and -0.30 (a sum of 2.8e-17 in binary) give none.
        if (!(zaokraglij(s.podatek) > 0)) continue;
        FormularzPit11 f = wzor;
        f.os_pesel = s.pesel;
        f.kw_przychod = s.przychod;
        f.kw_dochod = s.przychod;
        f.kw_podatek = s.podatek;
        osoba.addBindValue(s.pesel);
        if (!osoba.exec())
            throw VexaError(QStringLiteral("Błąd bazy danych przy odczycie osoby %1.").arg(s.pesel));
        if (osoba.next()) Wypelnij(f, osoba, osoba.record());
        osoba.finish();
        zapis.zapisz(f);
        ++ile;
    }
    t.commit();
    return ile;
}

void UsunFormularzePit11(Database& db, const QString& rok) {
    db.exec(QStringLiteral("delete from pit_11 where rok = ?"), {rok});
}

void UsunFormularzPit11(Database& db, int id) {
    db.exec(QStringLiteral("delete from pit_11 where id = ?"), {id});
}

void ZapiszKorektePit11(Database& db, int id, bool korekta, const QString& wyjasnienie) {
    db.exec(QStringLiteral("update pit_11 set korekta = ?, wyjasnienie = ?, wyjasnienie_text = ? "
                           "where id = ?"),
            {korekta ? QStringLiteral("T") : QString(),
             wyjasnienie.isEmpty() ? QString() : QStringLiteral("T"), wyjasnienie, id});
}

} // namespace vexa
