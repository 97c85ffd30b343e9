#include "persons/records.h"

namespace vexa {

using namespace kolumna;

const QList<Kolumna<Osoba>>& Osoba::kolumny() {
    using O = Osoba;
    static const QList<Kolumna<O>> cols{
        calkowita("id", &O::id),
        tekst("pesel", &O::pesel),
        tekst("zp", &O::zp),
        tekst("akt", &O::akt),
        tekst("zaz", &O::zaz),
        tekst("nazwisko", &O::nazwisko),
        tekst("imie", &O::imie),
        tekst("imieojca", &O::imieojca),
        tekst("plec", &O::plec),
        tekst("nrid", &O::nrid),
        tekst("nridpkw", &O::nridpkw),
        tekst("skrotpkw", &O::skrotpkw),
        tekst("skrotpododdzialu", &O::skrotpododdzialu),
        tekst("ste", &O::ste),
        tekst("nis", &O::nis),
        tekst("stanowisko", &O::stanowisko),
        data("datanabycia", &O::datanabycia),
        data("datautraty", &O::datautraty),
        tekst("rozkazprzybyl", &O::rozkazprzybyl),
        tekst("rozkazubyl", &O::rozkazubyl),
        data("datadopisania", &O::datadopisania),
        tekst("rachunek1", &O::rachunek1),
        tekst("orachunek1", &O::orachunek1),
        tekst("brachunek1", &O::brachunek1),
        tekst("bic1", &O::bic1),
        tekst("rachunek1czywaluta", &O::rachunek1czywaluta),
        tekst("rachunek2", &O::rachunek2),
        tekst("orachunek2", &O::orachunek2),
        tekst("brachunek2", &O::brachunek2),
        tekst("bic2", &O::bic2),
        tekst("rachunek2czywaluta", &O::rachunek2czywaluta),
        liczba("rachunek2kwota", &O::rachunek2kwota),
        liczba("zaliczka", &O::zaliczka),
        liczba("podatekproc", &O::podatekproc),
        calkowita("zwnaleznlekarzproc", &O::zwnaleznlekarzproc),
        tekst("exportzwsi", &O::exportzwsi),
        tekst("wydrukzwsi", &O::wydrukzwsi),
        tekst("adr_kraj", &O::adr_kraj),
        tekst("adr_woj", &O::adr_woj),
        tekst("adr_powiat", &O::adr_powiat),
        tekst("adr_gmina", &O::adr_gmina),
        tekst("adr_poczta", &O::adr_poczta),
        tekst("adr_kod", &O::adr_kod),
        tekst("adr_miejsc", &O::adr_miejsc),
        tekst("adr_ulica", &O::adr_ulica),
        tekst("adr_nr_domu", &O::adr_nr_domu),
        tekst("adr_nr_lok", &O::adr_nr_lok),
        tekst("us_nazwa", &O::us_nazwa),
        tekst("us_ulica", &O::us_ulica),
        tekst("us_kod", &O::us_kod),
        tekst("us_kod_is", &O::us_kod_is),
        tekst("us_nip", &O::us_nip),
    };
    return cols;
}

const QList<Kolumna<DzienWolny>>& DzienWolny::kolumny() {
    using D = DzienWolny;
    static const QList<Kolumna<D>> cols{
        tekst("pesel", &D::pesel), tekst("typ", &D::typ), data("od", &D::od),
        data("do", &D::do_),       tekst("rozkaz", &D::rozkaz),
    };
    return cols;
}

} // namespace vexa
