#include "persons/lookups.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/transaction.h"
#include "data/validators.h"
#include "persons/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace vexa {

namespace {

constexpr qint64 kKawalek = 64 * 1024;

// A stored field is never null: a missing one is an empty text.
QString pustyGdyBrak(const QString& s) {
    return s.isNull() ? QStringLiteral("") : s;
}

// Control characters other than TAB cannot be typed or shown; garbage in a line loses them.
QString bezZnakowSterujacych(QString s) {
    s.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return s;
}

struct OpisLadowania {
    const char* plik;
    const char* tabela;
    QStringList kolumny;
    const char* przed;
    const char* po;
    const char* czego; // "urzędów skarbowych"
};

const OpisLadowania& urzedy() {
    static const OpisLadowania o{
        PLIK_URZEDOW,
        "urzedy_skarbowe",
        {"nazwa", "ulica", "kod", "kod_is"},
        "Aplikacja załaduje dane urzędów skarbowych. Proszę chwilę poczekać...",
        "Dane urzędów skarbowych zostały załadowane...",
        "urzędów skarbowych",
    };
    return o;
}

const OpisLadowania& kody() {
    static const OpisLadowania o{
        PLIK_KODOW,
        "kody_pocztowe",
        {"kod", "poczta", "gmina", "powiat", "woj"},
        "Aplikacja załaduje dane urzędów pocztowych. Proszę chwilę poczekać...",
        "Dane urzędów pocztowych zostały załadowane...",
        "urzędów pocztowych",
    };
    return o;
}

QString nazwaPliku(const QString& sciezka) {
    return QStringLiteral("„") + QDir::toNativeSeparators(sciezka) + QStringLiteral("”");
}

bool zaladuj(Database& db, Messages& messages, const QString& folder, const OpisLadowania& o,
             const PostepWczytania& postep) {
    const QString sciezka = QDir(folder).filePath(QString::fromLatin1(o.plik));
    const QString niezaladowane =
        QStringLiteral("\r\rDane %1 nie zostały załadowane.").arg(QString::fromUtf8(o.czego));
    // A file that is not there is reported at once: announcing a load would mislead.
    if (!QFileInfo(sciezka).isFile()) {
        messages.Komunikat(KOMUNIKAT_INFORMACJA, QStringLiteral("Brak pliku ") +
                                                     nazwaPliku(sciezka) + QStringLiteral(".") +
                                                     niezaladowane);
        return false;
    }
    messages.Komunikat(KOMUNIKAT_INFORMACJA, QString::fromUtf8(o.przed));
    try {
        WczytajPlikTab(db, sciezka, QString::fromLatin1(o.tabela), o.kolumny, postep);
    } catch (const VexaError& e) {
        messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message() + niezaladowane);
        return false;
    }
    messages.Komunikat(KOMUNIKAT_INFORMACJA, QString::fromUtf8(o.po));
    return true;
}

bool pusta(Database& db, const char* tabela) {
    return !db.scalar(QStringLiteral("select 1 from %1 limit 1").arg(QString::fromLatin1(tabela)))
                .isValid();
}

void wypelnijAdres(Osoba& o, const KodPocztowy& k) {
    o.adr_poczta = k.poczta;
    o.adr_miejsc = k.poczta;
    o.adr_gmina = k.gmina;
    o.adr_powiat = k.powiat;
    o.adr_woj = k.woj;
    o.adr_kraj = QStringLiteral("POLSKA");
}

} // namespace

int WczytajPlikTab(Database& db, const QString& sciezka, const QString& tabela,
                   const QStringList& kolumny, const PostepWczytania& postep) {
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        throw VexaError(QStringLiteral("Nie można odczytać pliku ") + nazwaPliku(sciezka) +
                        QStringLiteral(".\r") + f.errorString());
    const qint64 rozmiar = f.size();

    QStringList znaki;
    for (qsizetype i = 0; i < kolumny.size(); ++i)
        znaki << QStringLiteral("?");
    Transakcja t(db);
    QSqlQuery q = db.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                                 .arg(tabela, kolumny.join(u','), znaki.join(u',')));
    int wiersze = 0;
    auto zapiszLinie = [&](QByteArray linia) {
        if (linia.endsWith('\r')) linia.chop(1);
        const PolaTab pola(bezZnakowSterujacych(zCp1250(linia)));
        for (qsizetype i = 0; i < kolumny.size(); ++i)
            q.bindValue(int(i), pustyGdyBrak(pola.pole(int(i) + 1)));
        if (!q.exec())
            throw VexaError(QStringLiteral("Błąd bazy danych.\r") + q.lastError().text());
        ++wiersze;
    };

    QByteArray reszta;
    qint64 wczytano = 0;
    while (true) {
        const QByteArray kawalek = f.read(kKawalek);
        if (kawalek.isEmpty()) {
            if (f.error() != QFileDevice::NoError)
                throw VexaError(QStringLiteral("Błąd odczytu pliku ") + nazwaPliku(sciezka) +
                                QStringLiteral(".\r") + f.errorString());
            break;
        }
        if (kawalek.contains('\0'))
            throw VexaError(QStringLiteral("Plik ") + nazwaPliku(sciezka) +
                            QStringLiteral(" nie jest plikiem tekstowym."));
        wczytano += kawalek.size();
        reszta += kawalek;
        qsizetype poczatek = 0;
        for (qsizetype lf = reszta.indexOf('\n'); lf >= 0; lf = reszta.indexOf('\n', poczatek)) {
            zapiszLinie(reszta.mid(poczatek, lf - poczatek));
            poczatek = lf + 1;
        }
        reszta.remove(0, poczatek);
        if (postep) postep(wczytano, rozmiar);
    }
    // The last line needs no line end; a file that ends with one has no empty line after it.
    if (!reszta.isEmpty()) zapiszLinie(reszta);
    t.commit();
    if (postep) postep(rozmiar, rozmiar);
    return wiersze;
}

bool WczytajUrzedy(Database& db, Messages& messages, const QString& folder,
                   const PostepWczytania& postep) {
    return zaladuj(db, messages, folder, urzedy(), postep);
}

bool WczytajKodyPocztowe(Database& db, Messages& messages, const QString& folder,
                         const PostepWczytania& postep) {
    return zaladuj(db, messages, folder, kody(), postep);
}

void UzupelnijUrzedyIKody(Database& db, Messages& messages, const QString& folder,
                          const PostepWczytania& postep) {
    if (pusta(db, urzedy().tabela)) WczytajUrzedy(db, messages, folder, postep);
    if (pusta(db, kody().tabela)) WczytajKodyPocztowe(db, messages, folder, postep);
}

const QList<UrzadSkarbowy>& UrzedyWykazu() {
    static const QList<UrzadSkarbowy> wykaz = [] {
        QFile f(QStringLiteral(":/vexa/us.txt"));
        QList<UrzadSkarbowy> out;
        if (!f.open(QIODevice::ReadOnly)) return out;
        for (QString linia : zCp1250(f.readAll()).split(u'\n')) {
            linia.remove(u'\r');
            const QStringList p = linia.split(u'\t');
            if (p.size() < 4 || p.at(3).trimmed().isEmpty()) continue;
            out.append({p.at(0).trimmed(), p.at(1).trimmed(), p.at(2).trimmed(), p.at(3).trimmed()});
        }
        return out;
    }();
    return wykaz;
}

const QSet<QString>& KodyUrzedowWykazu() {
    static const QSet<QString> kody = [] {
        QSet<QString> k;
        for (const UrzadSkarbowy& u : UrzedyWykazu())
            k.insert(u.kod_is);
        return k;
    }();
    return kody;
}

QList<UrzadSkarbowy> UrzedySkarbowe(Database& db) {
    QSqlQuery q = db.exec(QStringLiteral(
        "select nazwa, ulica, kod, kod_is from urzedy_skarbowe order by nazwa, rowid"));
    QList<UrzadSkarbowy> out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toString()});
    return out;
}

std::optional<UrzadSkarbowy> ZnajdzUrzad(Database& db, const QString& nazwa) {
    QSqlQuery q = db.exec(QStringLiteral("select nazwa, ulica, kod, kod_is from urzedy_skarbowe "
                                         "where nazwa = ? order by rowid limit 1"),
                          {nazwa});
    if (!q.next()) return std::nullopt;
    return UrzadSkarbowy{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString()};
}

void DopiszUrzad(Database& db, const UrzadSkarbowy& u) {
    db.exec(QStringLiteral(
                "insert into urzedy_skarbowe (nazwa, ulica, kod, kod_is) values (?, ?, ?, ?)"),
            {pustyGdyBrak(u.nazwa), pustyGdyBrak(u.ulica), pustyGdyBrak(u.kod),
             pustyGdyBrak(u.kod_is)});
}

void WybierzUrzad(Osoba& o, const UrzadSkarbowy& u) {
    o.us_nazwa = u.nazwa;
    o.us_ulica = u.ulica;
    o.us_kod = u.kod;
    o.us_kod_is = u.kod_is;
}

std::optional<KodPocztowy> ZnajdzKodPocztowy(Database& db, const QString& kod) {
    QSqlQuery q = db.exec(QStringLiteral("select kod, poczta, gmina, powiat, woj from "
                                         "kody_pocztowe where kod = ? order by rowid limit 1"),
                          {kod});
    if (!q.next()) return std::nullopt;
    return KodPocztowy{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                       q.value(3).toString(), q.value(4).toString()};
}

void WpiszKodPocztowy(Database& db, Osoba& o, const QString& tekst) {
    o.adr_kod = tekst;
    if (tekst.size() != 6) return;
    if (const auto k = ZnajdzKodPocztowy(db, tekst)) {
        wypelnijAdres(o, *k);
        return;
    }
    wypelnijAdres(o, KodPocztowy{});
}

void WybierzKodPocztowy(Osoba& o, const KodPocztowy& k) {
    o.adr_kod = k.kod;
    wypelnijAdres(o, k);
}

} // namespace vexa
