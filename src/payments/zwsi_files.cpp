#include "payments/zwsi_files.h"

#include "data/codepage.h"
#include "data/numbers.h"
#include "data/output_file.h"
#include "data/validators.h"
#include "lists/list_kinds.h"

#include <QDir>
#include <QFileInfo>

namespace vexa {

namespace {

// The three fields of a 26-digit account number: check digits, sort code, account.
QString kontoZwsi(const QString& numer) {
    const QString n = BezSpacji(numer);
    return PoleZwsi(n.mid(0, 2), 2) + PoleZwsi(n.mid(2, 8), 8) + PoleZwsi(n.mid(10, 16), 16);
}

const QString kZero = QStringLiteral("0");

// Tail T8 (84 characters) and tail T4 (42 characters).
QString ogonT8() {
    return QString(26, u' ') + PoleZwsi(kZero, 16) + QString(42, u' ');
}
QString ogonT4() {
    return QString(42, u' ');
}

void dopisz(QByteArray& plik, int& ile, const QString& rekord) {
    plik += toCp1250OrThrow(rekord);
    plik += "\r\n";
    ++ile;
}

} // namespace

QString PoleZwsi(const QString& value, int width) {
    QString t = value;
    t.replace(u'.', u',');
    return t.trimmed().left(width).leftJustified(width, u' ');
}

QString KwotaZwsi(double value) {
    return PoleZwsi(value == 0 ? kZero : Kwota00Przecinek(value), 16);
}

QString OpisRodzaju(const QString& rodzaj) {
    const RodzajListy* r = RodzajListyKodu(rodzaj);
    return r ? r->opisZwsi : QString();
}

PlikiZwsi GenerujPlikiZwsi(const Lista& lista, const QList<Pozycja>& pozycje) {
    PlikiZwsi f;
    const bool pelna = lista.typ == QLatin1String("P");
    const bool dodatkowa = lista.typ == QLatin1String("D");
    const QString opis = PoleZwsi(OpisRodzaju(lista.rodzaj), 50);
    const QString rodzaj = PoleZwsi(lista.rodzaj, 4);
    SprawdzCp1250(lista.rodzaj, QStringLiteral("Lista ") + lista.nr +
                                    QStringLiteral(", kolumna „rodzaj”."));
    for (const Pozycja& p : pozycje) {
        // The texts of the position these files take, each named if it holds a character
        // Windows-1250 lacks.
        const QString osoba = QStringLiteral("Pozycja: ") + p.nazwisko + u' ' + p.imie +
                              QStringLiteral(" (PESEL ") + p.pesel + QStringLiteral("), kolumna „");
        SprawdzCp1250(p.pesel, osoba + QStringLiteral("pesel”."));
        SprawdzCp1250(p.nrachunek1, osoba + QStringLiteral("nrachunek1”."));
        SprawdzCp1250(p.nrachunek2, osoba + QStringLiteral("nrachunek2”."));
        const QString pesel = PoleZwsi(p.pesel, 11);
        if (p.innezmniejszenia > 0)
            dopisz(f.zaliczka, f.ileZaliczka,
                   pesel + KwotaZwsi(p.innezmniejszenia) + KwotaZwsi(0) + kontoZwsi(p.nrachunek1) +
                       KwotaZwsi(p.innezmniejszenia) + ogonT8());
        if (p.zaliczkapln > 0 && p.niepobranewkasie == QLatin1String("N"))
            dopisz(f.niepobrane, f.ileNiepobrane,
                   pesel + KwotaZwsi(p.zaliczkapln) + KwotaZwsi(p.zaliczkapln) +
                       kontoZwsi(p.nrachunek1) + KwotaZwsi(p.zaliczkapln) + ogonT8());
        // The paid accounts of an account record, 42 characters each.
        QString konta;
        if (p.rachunek1 > 0) konta += kontoZwsi(p.nrachunek1) + KwotaZwsi(p.rachunek1);
        if (p.rachunek2 > 0) konta += kontoZwsi(p.nrachunek2) + KwotaZwsi(p.rachunek2);
        if (pelna) {
            if (p.rachunek > 0)
                dopisz(f.rachunek, f.ileRachunek,
                       pesel + KwotaZwsi(p.rachunek) + KwotaZwsi(p.rachunek) + konta + ogonT8());
            if (p.zaliczkawaluta > 0) {
                const bool wWalucie = lista.walutazaliczki == QLatin1String("USD") ||
                                      lista.walutazaliczki == QLatin1String("EUR");
                QString r =
                    pesel + KwotaZwsi(wWalucie ? p.zaliczkawaluta : p.zaliczkapln) + KwotaZwsi(0);
                if (p.zaliczkapln > 0)
                    r += kontoZwsi(p.nrachunek1) + KwotaZwsi(0) + ogonT8();
                else
                    r += ogonT4();
                dopisz(f.kasa, f.ileKasa, r);
            }
        } else if (dodatkowa) {
            if (p.rachunek > 0)
                dopisz(f.rachunek, f.ileRachunek,
                       pesel + rodzaj + KwotaZwsi(p.dowyplaty) + KwotaZwsi(p.rachunek) + konta +
                           opis);
            if (p.zaliczkawaluta > 0)
                dopisz(f.kasa, f.ileKasa,
                       pesel + rodzaj + KwotaZwsi(p.zaliczkawaluta) + KwotaZwsi(0) + KwotaZwsi(0) +
                           opis);
        }
    }
    return f;
}

PlikiZwsi PlikiZwsiListy(Database& db, int idlisty, KolejnoscPozycji kolejnosc) {
    ListRepository repo(db);
    return GenerujPlikiZwsi(repo.wymaganaLista(idlisty), repo.pozycje(idlisty, kolejnosc));
}

QString ZapiszPlikiZwsi(const PlikiZwsi& f, const QString& wybranyPlik) {
    const QFileInfo info(wybranyPlik);
    const QDir folder = info.dir();
    const QString nazwa = info.fileName();
    const struct {
        const char* przedrostek;
        const QByteArray& bajty;
        int ile;
    } pliki[] = {{"kasa_", f.kasa, f.ileKasa},
                 {"rachunek_", f.rachunek, f.ileRachunek},
                 {"zaliczka_", f.zaliczka, f.ileZaliczka},
                 {"niepobrane_", f.niepobrane, f.ileNiepobrane}};
    QList<PlikZestawu> zestaw;
    for (const auto& p : pliki)
        zestaw << PlikZestawu{folder.filePath(QString::fromLatin1(p.przedrostek) + nazwa),
                              p.ile > 0 ? std::optional(p.bajty) : std::nullopt};
    ZapiszPlikiRazem(zestaw);
    return QDir::toNativeSeparators(folder.absolutePath());
}

QString KomunikatZwsi(const QString& folder) {
    return QStringLiteral("Pliki dla ZWSI RON zostały utworzone.\r\rFolder: ") + folder;
}

} // namespace vexa
