#include "payments/transfers.h"

#include "data/codepage.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "data/settings.h"
#include "data/validators.h"

#include <QDir>
#include <QFileInfo>

namespace vexa {

namespace {

const QString kWciecie = QStringLiteral("        ");

// One account of a position as a transfer reads it.
struct Konto {
    double kwota = 0;
    bool waluta = false;
    QString numer, wlasciciel, bank, bic;
};

Konto konto(const Pozycja& p, int ktore) {
    if (ktore == 1)
        return {p.rachunek1,  p.rachunek1czywaluta != QLatin1String("N"),
                p.nrachunek1, p.orachunek1,
                p.brachunek1, p.bic1};
    return {p.rachunek2,  p.rachunek2czywaluta != QLatin1String("N"),
            p.nrachunek2, p.orachunek2,
            p.brachunek2, p.bic2};
}

// A quoted field; a double quote inside the value becomes an apostrophe.
QString cytat(const QString& value) {
    QString v = value;
    v.replace(u'"', u'\'');
    return u'"' + v + u'"';
}

QString tytul(const OpcjePrzelewow& o, const Pozycja& p, const QString& wlasciciel) {
    QString t = o.tytul1;
    if (!o.tytul2.isEmpty()) {
        const QString osoba = p.nazwisko + u' ' + p.imie;
        t += ZNACZNIK_LINII.toString() + o.tytul2 +
             (wlasciciel == osoba ? QString() : QStringLiteral("dla ") + osoba);
    }
    if (!o.tytul3.isEmpty()) t += ZNACZNIK_LINII.toString() + o.tytul3;
    return t;
}

bool poprawny(const Konto& k, const PlatnikPrzelewow& u) {
    return !k.bank.isEmpty() && !k.wlasciciel.isEmpty() && !k.numer.isEmpty() &&
           !u.bank.isEmpty() && !u.posiadacz.isEmpty() && !u.konto.isEmpty();
}

// One transfer line: 18 fields in PLN, 22 in the currency.
QString linia(const Konto& k, double kwota, bool waluta, const QString& kodWaluty, const Pozycja& p,
              const PlatnikPrzelewow& u, const OpcjePrzelewow& o) {
    const QString odbiorca = Podziel35(p.nazwisko + u' ' + p.imie);
    QStringList f{cytat(k.bank),
                  cytat(k.wlasciciel),
                  cytat(BezSpacji(k.numer)),
                  QStringLiteral("1"),
                  Kwota00Kropka(kwota),
                  cytat(u.bank),
                  cytat(u.posiadacz),
                  cytat(u.konto),
                  cytat(tytul(o, p, k.wlasciciel)),
                  cytat(waluta ? kodWaluty : QStringLiteral("PLN")),
                  cytat(odbiorca),
                  cytat(odbiorca),
                  cytat(QStringLiteral("N")),
                  cytat(QStringLiteral("VEXA-F")),
                  cytat(QStringLiteral("N")),
                  cytat(waluta ? QStringLiteral("R") : QString()),
                  cytat(QString()),
                  cytat(waluta ? QStringLiteral("SPOT") : u.klbudzet)};
    if (waluta)
        f << cytat(QStringLiteral("N")) << cytat(QStringLiteral("OUR")) << cytat(u.klbudzet)
          << cytat(k.bic.trimmed());
    return f.join(u' ');
}

void dopisz(QByteArray& plik, const QString& tekst) {
    plik += toCp1250OrThrow(tekst);
    plik += "\r\n";
}

// Before a transfer line is built: every text it takes, each named by where it comes from, so
// a character Windows-1250 lacks is refused naming the person and the column (or the setting,
// or the title line).
void sprawdzZnaki(const Pozycja& p, int ktore, const PlatnikPrzelewow& u,
                  const OpcjePrzelewow& o) {
    const Konto k = konto(p, ktore);
    const QString n = QString::number(ktore);
    const QString osoba = QStringLiteral("Pozycja: ") + p.nazwisko + u' ' + p.imie +
                          QStringLiteral(" (PESEL ") + p.pesel + QStringLiteral("), kolumna „");
    const std::pair<QString, QString> pola[] = {
        {p.nazwisko, osoba + QStringLiteral("nazwisko”.")},
        {p.imie, osoba + QStringLiteral("imie”.")},
        {k.bank, osoba + QStringLiteral("brachunek") + n + QStringLiteral("”.")},
        {k.wlasciciel, osoba + QStringLiteral("orachunek") + n + QStringLiteral("”.")},
        {k.numer, osoba + QStringLiteral("nrachunek") + n + QStringLiteral("”.")},
        {k.bic, osoba + QStringLiteral("bic") + n + QStringLiteral("”.")},
        {u.bank, QStringLiteral("Ustawienia jednostki, pole „BANK”.")},
        {u.posiadacz, QStringLiteral("Ustawienia jednostki, pole „POSIADACZ”.")},
        {u.konto, QStringLiteral("Ustawienia jednostki, pole „KONTO”.")},
        {u.klbudzet, QStringLiteral("Ustawienia jednostki, pole „KLBUDZET”.")},
        {o.tytul1 + o.tytul2 + o.tytul3, QStringLiteral("Pole „TYTUŁEM”.")}};
    for (const auto& [tekst, gdzie] : pola)
        SprawdzCp1250(tekst, gdzie);
}

} // namespace

PlatnikPrzelewow PlatnikPrzelewow::z(Database& db) {
    return {Odczyt(db, "BANK"), Odczyt(db, "POSIADACZ"), Odczyt(db, "KONTO"),
            Odczyt(db, "KLBUDZET")};
}

QString PlikWalutowy(const QString& plikPln) {
    const QFileInfo info(plikPln);
    return info.dir().filePath(QStringLiteral("wal_") + info.fileName());
}

WynikPrzelewow GenerujPrzelewy(const Lista& lista, const QList<Pozycja>& pozycje,
                               const PlatnikPrzelewow& platnik, const OpcjePrzelewow& o) {
    WynikPrzelewow w;
    const QString waluta = lista.walutarach.trimmed();
    const bool plnTak = o.niepobrane || o.filtr != QLatin1String("T");
    const bool walTak = !o.niepobrane && o.filtr != QLatin1String("N");
    if (walTak) {
        dopisz(w.waluta, QStringLiteral("\"WAL\" \"1\""));
        dopisz(w.waluta, o.dataWaluty.toString(u"dd/MM/yyyy"));
    }
    QStringList odrzucone;
    auto przelew = [&](const Pozycja& p, int ktore, double kwota, bool naWalute) {
        const Konto k = konto(p, ktore);
        const bool dobry = poprawny(k, platnik);
        if (!dobry) {
            odrzucone << kWciecie + p.nazwisko + u' ' + p.imie + QStringLiteral(" - ") +
                             Kwota00Przecinek(kwota) +
                             (naWalute ? u' ' + lista.walutarach : QStringLiteral(" PLN"));
            (naWalute ? w.walOdrzucone : w.plnOdrzucone) += 1;
            (naWalute ? w.walKwotaOdrzucona : w.plnKwotaOdrzucona) += kwota;
            return;
        }
        if (naWalute ? !walTak : !plnTak) return; // left out by the filter: not counted
        sprawdzZnaki(p, ktore, platnik, o);
        dopisz(naWalute ? w.waluta : w.pln, linia(k, kwota, naWalute, waluta, p, platnik, o));
        (naWalute ? w.walWykonane : w.plnWykonane) += 1;
        (naWalute ? w.walKwota : w.plnKwota) += kwota;
    };
    for (const Pozycja& p : pozycje) {
        if (o.niepobrane) {
            if (p.zaliczkapln > 0 && p.niepobranewkasie == QLatin1String("N"))
                przelew(p, 1, p.zaliczkapln, false);
            continue;
        }
        if (p.zaz != QString(ZAZ_ZAZNACZONY)) continue;
        ++w.osoby;
        for (int ktore : {1, 2}) {
            const Konto k = konto(p, ktore);
            if (k.kwota > 0) przelew(p, ktore, k.kwota, k.waluta);
        }
    }
    if (o.niepobrane) {
        w.zostajePln = true;
    } else {
        w.zostajePln = w.plnWykonane > 0;
        w.zostajeWaluta = w.walWykonane > 0;
    }

    QStringList& r = w.raport;
    r << QString() << QString() << QStringLiteral("      RAPORT Z GENEROWANIA PRZELEWÓW:")
      << QString();
    if (!o.niepobrane) r << kWciecie + QStringLiteral("ILOŚĆ OSÓB:  ") + QString::number(w.osoby);
    const QString dalej(21, u' ');
    r << kWciecie + QStringLiteral("NAZWA PLIKU: ") + o.plik
      << kWciecie + QStringLiteral("TYTUŁEM:     ") + o.tytul1 << dalej + o.tytul2
      << dalej + o.tytul3 << kWciecie + QStringLiteral("DATA:        ") + DataKrotka(o.dzis)
      << QString() << QStringLiteral("      PRZELEWY ODRZUCONE:");
    r << odrzucone;
    r << QString() << QStringLiteral("      PODSUMOWANIE:") << QString();
    auto czesc = [&](const QString& kod, int wykonane, double kwota, int anulowane,
                     double kwotaAnulowana) {
        r << kWciecie + QStringLiteral("PRZELEWY W ") + kod + QStringLiteral(" WYKONANE:   ") +
                 QString::number(wykonane)
          << kWciecie + QStringLiteral("NA KWOTĘ:                  ") + Kwota00Przecinek(kwota) +
                 u' ' + kod
          << kWciecie + QStringLiteral("PRZELEWY W ") + kod + QStringLiteral(" ANULOWANE:  ") +
                 QString::number(anulowane)
          << kWciecie + QStringLiteral("NA KWOTĘ:                  ") +
                 Kwota00Przecinek(kwotaAnulowana) + u' ' + kod;
    };
    czesc(QStringLiteral("PLN"), w.plnWykonane, w.plnKwota, w.plnOdrzucone, w.plnKwotaOdrzucona);
    r << QString();
    if (!o.niepobrane)
        czesc(waluta, w.walWykonane, w.walKwota, w.walOdrzucone, w.walKwotaOdrzucona);
    return w;
}

WynikPrzelewow PrzelewyListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc,
                             const OpcjePrzelewow& opcje) {
    ListRepository repo(db);
    return GenerujPrzelewy(repo.wymaganaLista(idlisty), repo.pozycje(idlisty, kolejnosc),
                           PlatnikPrzelewow::z(db), opcje);
}

void ZapiszPrzelewy(const WynikPrzelewow& w, const QString& plikPln, bool niepobrane) {
    QList<PlikZestawu> pliki{{plikPln, w.zostajePln ? std::optional(w.pln) : std::nullopt}};
    if (!niepobrane)
        pliki << PlikZestawu{PlikWalutowy(plikPln),
                             w.zostajeWaluta ? std::optional(w.waluta) : std::nullopt};
    ZapiszPlikiRazem(pliki);
}

} // namespace vexa
