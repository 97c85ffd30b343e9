#include "unit/unit_settings.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "data/validators.h"
#include "unit/banks.h"

namespace vexa {

namespace {

using U = UstawieniaJednostki;

PoleUstawien tekst(const char* klucz, const char* kontrolka, const QString& etykieta,
                   QString U::*pole, int maks = 0, bool wielkie = false,
                   const QString& podpowiedz = QString()) {
    PoleUstawien p;
    p.klucz = QString::fromLatin1(klucz);
    p.kontrolka = QString::fromLatin1(kontrolka);
    p.etykieta = etykieta;
    p.podpowiedz = podpowiedz;
    p.maksDlugosc = maks;
    p.wielkieLitery = wielkie;
    p.tekst = pole;
    return p;
}

PoleUstawien kwota(const char* klucz, const char* kontrolka, const QString& etykieta,
                   double U::*pole) {
    PoleUstawien p;
    p.klucz = QString::fromLatin1(klucz);
    p.kontrolka = QString::fromLatin1(kontrolka);
    p.etykieta = etykieta;
    p.kwota = true;
    p.liczba = pole;
    return p;
}

bool pusty(const QString& s) {
    return s.trimmed().isEmpty();
}

} // namespace

const QList<PoleUstawien>& PolaUstawien() {
    static const QList<PoleUstawien> pola = [] {
        PoleUstawien haslo = tekst("HASLO", "EDHaslo", "HASŁO DOSTĘPU:", &U::haslo, 0, true,
                                   "(Hasło dostępu do aplikacji - nie powinno być puste)");
        haslo.haslo = true;
        return QList<PoleUstawien>{
            haslo,
            tekst("NRIDENT", "EDNrIdent", "NR IDENTYFIKACYJNY:", &U::nrident, 7, true,
                  "(7-cyfrowy nr identyfikacyjny jednostki wojskowej)"),
            tekst("NRETATU", "enretatu", "NR ETATU:", &U::nretatu, 7, true,
                  "(Numer etatu jednostki w formacie, np. 'AA001')"),
            tekst("NAZWA1", "EDNazwa1", "NAZWA JEDNOSTKI:", &U::nazwa1),
            tekst("NAZWA2", "EDNazwa2", QString(), &U::nazwa2),
            tekst("SKROT", "EDSkrot", "SKRÓT JEDNOSTKI:", &U::skrot, 20),
            tekst("DOWODCA1", "EDdowodca1", "DOWÓDCA JEDNOSTKI:", &U::dowodca1),
            tekst("DOWODCA2", "EDdowodca2", QString(), &U::dowodca2),
            tekst("DOWODCA3", "EDdowodca3", QString(), &U::dowodca3),
            tekst("ZGODNOSCETATOWA", "ezgodnoscetatowa",
                  "ZA ZGODNOŚĆ Z ETATEM:", &U::zgodnoscetatowa),
            tekst("WYKONAL", "ewykonal", "WYKONAŁ:", &U::wykonal),
            tekst("SFINANSISTA", "esfinansista",
                  "SPR. POD WZGLĘDEM FORMALNYM I RACH.:", &U::sfinansista, 0, true),
            tekst("FINANSISTA", "efinansista", QString(), &U::finansista),
            tekst("KONTO", "ekonto", "NUMER KONTA BANKOWEGO:", &U::konto, 0, true),
            tekst("BANK", "ebank", "NAZWA BANKU:", &U::bank, 35, true),
            tekst("POSIADACZ", "eposiadacz", "NAZWA POSIADACZA:", &U::posiadacz, 100, true,
                  "(Znaki '?\?\?' zastępują ENTER)"),
            tekst("KLBUDZET", "eklbudzet", "KLASYFIKACJA BUDŻETOWA:", &U::klbudzet, 14, true,
                  "(np. 123???45???678)"),
            kwota("KOSZTY", "ekoszty", "KOSZTY UZYSKANIA\nPRZYCHODU:", &U::koszty),
            kwota("WOLNA", "ewolna", "KWOTA WOLNA\nOD PODATKU:", &U::wolna),
            tekst("NIP", "enip", "NIP:", &U::nip, 10, true, "(bez myślników)"),
            tekst("REGON", "eregon", "REGON:", &U::regon, 0, true),
        };
    }();
    return pola;
}

double KwotaZGroszy(const QString& tekst) {
    bool ok = false;
    const double grosze = ParsujKwote(tekst, &ok);
    return ok ? grosze / 100.0 : 0.0;
}

UstawieniaJednostki WczytajUstawienia(Database& db) {
    UstawieniaJednostki u;
    for (const PoleUstawien& p : PolaUstawien()) {
        const QString wartosc = Odczyt(db, p.klucz);
        if (p.tekst)
            u.*p.tekst = wartosc;
        else
            u.*p.liczba = KwotaZGroszy(wartosc);
    }
    return u;
}

std::optional<BladUstawien> SprawdzUstawienia(const UstawieniaJednostki& u) {
    // The settings reach the transfer, ZWSI RON and tax files, all Windows-1250: a character
    // that code page lacks is refused first, naming the field (the caption of its group).
    QString etykieta;
    for (const PoleUstawien& p : PolaUstawien()) {
        if (!p.etykieta.isEmpty()) etykieta = p.etykieta;
        if (!p.tekst) continue;
        const QString znak = ZnakSpozaCp1250(u.*p.tekst);
        if (!znak.isEmpty())
            return BladUstawien{
                OpisZnakuSpozaCp1250(znak, QStringLiteral("Pole: ") +
                                               QString(etykieta).replace(u'\n', u' ').chopped(
                                                   etykieta.endsWith(u':') ? 1 : 0)),
                p.kontrolka};
    }
    if (pusty(u.haslo))
        return BladUstawien{"Proszę wprowadzić hasło dostępu do aplikacji.", "EDHaslo"};
    if (!CzyNrIdent(u.nrident))
        return BladUstawien{
            "Proszę wprowadzić właściwy numer identyfikacyjny jednostki (7-cyfrowy).", "EDNrIdent"};
    if (pusty(u.nazwa1)) return BladUstawien{"Proszę wprowadzić nazwę jednostki.", "EDNazwa1"};
    if (pusty(u.nretatu))
        return BladUstawien{"Proszę wprowadzić numer etatu jednostki.", "enretatu"};
    if (pusty(u.skrot)) return BladUstawien{"Proszę wprowadzić skrót nazwy jednostki.", "EDSkrot"};
    if (!CzyRachunek(u.konto))
        return BladUstawien{
            "Błąd sumy kontrolnej rachunku bankowego!\r\rWpisz właściwy numer rachunku.", "ekonto"};
    if (pusty(u.bank))
        return BladUstawien{"Proszę wprowadzić nazwę banku dla rachunku bankowego.", "ebank"};
    if (!CzyNip(u.nip)) return BladUstawien{"Proszę wprowadzić poprawny numer NIP...", "enip"};
    return std::nullopt;
}

void ZapiszUstawienia(Database& db, UstawieniaJednostki u) {
    if (pusty(u.posiadacz)) u.posiadacz = u.nazwa1 + " " + u.nazwa2;
    Transakcja t(db);
    if (!UstawieniaPotwierdzone(db)) Zapis(db, "DANE", "T");
    for (const PoleUstawien& p : PolaUstawien())
        if (p.tekst && p.klucz != QLatin1String("NIP") && p.klucz != QLatin1String("REGON"))
            Zapis(db, p.klucz, u.*p.tekst);
    ZapamietajBank(db, u.konto, u.bank);
    // An amount that cannot be stored (not a finite number) keeps its previous value.
    const std::pair<const char*, double> kwoty[] = {{"KOSZTY", u.koszty}, {"WOLNA", u.wolna}};
    for (const auto& [klucz, wartosc] : kwoty) {
        QString grosze;
        try {
            grosze = DoSetnych(wartosc);
        } catch (const VexaError&) {
            continue;
        }
        Zapis(db, klucz, grosze);
    }
    Zapis(db, "NIP", u.nip);
    Zapis(db, "REGON", u.regon);
    t.commit();
}

std::optional<BladUstawien> ZatwierdzUstawienia(Database& db, const UstawieniaJednostki& u) {
    if (auto blad = SprawdzUstawienia(u)) return blad;
    ZapiszUstawienia(db, u);
    return std::nullopt;
}

} // namespace vexa
