#include "persons/person_files.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/exchange_values.h"
#include "data/masked_lines.h"
#include "data/transaction.h"
#include "data/validators.h"

#include <QBuffer>
#include <QHash>
#include <QSqlQuery>

namespace vexa {

namespace {

const QString kRodzaj = QStringLiteral("Plik z osobami");

[[noreturn]] void blad(int linia, const QString& opis) {
    BladPlikuWymiany(kRodzaj, linia, opis);
}

constexpr int kMaksKolumn = 100;

QList<KolumnaTabeli> kolumnyOsob(Database& db) {
    return KolumnyTabeli(db, QStringLiteral("osoba")).mid(1);
}

// The marked persons among the listed ones, in the listed order: id → the query's row values.
template <class F> void zaznaczeni(Database& db, const QList<int>& listowane, F&& zrob) {
    QHash<int, QVariantMap> rows;
    QSqlQuery q =
        db.exec(QStringLiteral("select * from osoba where zaz = ?"), {QString(ZAZ_ZAZNACZONY)});
    while (q.next()) {
        QVariantMap m;
        for (int i = 0; i < q.record().count(); ++i)
            m.insert(q.record().fieldName(i).toLower(), q.value(i));
        rows.insert(q.value(QStringLiteral("id")).toInt(), m);
    }
    for (int id : listowane)
        if (rows.contains(id)) zrob(id, rows.value(id));
}

// Which person a refusal of a writer is about: "Osoba: NOWAK JAN (PESEL 80010112345)".
QString opisOsoby(const QVariantMap& row) {
    return QStringLiteral("Osoba: ") + row.value(QStringLiteral("nazwisko")).toString() + u' ' +
           row.value(QStringLiteral("imie")).toString() + QStringLiteral(" (PESEL ") +
           row.value(QStringLiteral("pesel")).toString() + u')';
}

} // namespace

int IluZaznaczonych(Database& db, const QList<int>& listowane) {
    int n = 0;
    QSqlQuery q = db.exec(QStringLiteral("select id from osoba where zaz = ?"),
                          {QString(ZAZ_ZAZNACZONY)});
    const QSet<int> lista(listowane.cbegin(), listowane.cend());
    while (q.next())
        if (lista.contains(q.value(0).toInt())) ++n;
    return n;
}

QByteArray PlikOsob(Database& db, const QList<int>& listowane, int* ile) {
    const QList<KolumnaTabeli> k = kolumnyOsob(db);
    QStringList nazwy;
    for (const KolumnaTabeli& c : k)
        nazwy << c.nazwa;
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    PiszLinie(out, QStringLiteral("LO"));
    PiszLinie(out, QString::number(k.size()));
    PiszLinie(out, LiniaPol(nazwy));
    int n = 0;
    zaznaczeni(db, listowane, [&](int, const QVariantMap& row) {
        PiszLinie(out, LiniaPol(WierszDoPliku(
                           [&row](const QString& c) { return row.value(c.toLower()); }, k,
                           opisOsoby(row))));
        ++n;
    });
    if (ile) *ile = n;
    return bytes;
}

OsobyZPliku CzytajPlikOsob(Database& db, const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    MaskedLineReader r(in);
    if (r.CzytajLinie() != QStringLiteral("LO")) throw VexaError(NIE_PLIK_OSOB);
    bool ok = false;
    const auto linia2 = r.CzytajLinie();
    const int n = linia2 ? linia2->trimmed().toInt(&ok) : 0;
    if (!ok || n < 1 || n > kMaksKolumn)
        blad(2, QStringLiteral("liczba kolumn musi być liczbą od 1 do %1.").arg(kMaksKolumn));
    const auto naglowek = r.CzytajRekord(n + 1);
    if (!naglowek) blad(3, QStringLiteral("brak wiersza (plik jest niekompletny)."));
    OsobyZPliku f;
    f.kolumny = PolaWiersza(*naglowek, n, kRodzaj, 3);
    const QHash<QString, TypKolumny> typy = TypyKolumn(db, QStringLiteral("osoba"));
    for (const QString& c : f.kolumny)
        if (!typy.contains(c.toLower()) || c.compare(u"id", Qt::CaseInsensitive) == 0)
            blad(3, QStringLiteral("kartoteka nie ma kolumny „%1”.").arg(c));
    int nr = 4;
    while (auto l = r.CzytajRekord(n + 1)) {
        if (l->isEmpty() && r.koniec()) break; // an empty last line ends the file
        f.wiersze << PolaWiersza(*l, n, kRodzaj, nr);
        WartosciWiersza(f.kolumny, f.wiersze.last(), typy, kRodzaj, nr);
        ++nr;
    }
    return f;
}

int DopiszOsobyZPliku(Database& db, const OsobyZPliku& f, const QSet<QString>& listowanePesele) {
    const QHash<QString, TypKolumny> typy = TypyKolumn(db, QStringLiteral("osoba"));
    Transakcja t(db);
    QSqlQuery q =
        db.prepare(QStringLiteral("insert into osoba (%1) values (%2)")
                       .arg(f.kolumny.join(u','),
                            QStringList(f.kolumny.size(), QStringLiteral("?")).join(u',')));
    int ile = 0, nr = 4;
    for (const QStringList& w : f.wiersze) {
        const QVariantList v = WartosciWiersza(f.kolumny, w, typy, kRodzaj, nr++);
        if (listowanePesele.contains(w.value(0).trimmed())) continue;
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v[i]);
        if (!q.exec())
            throw VexaError(QStringLiteral("Nie można dopisać osoby (wiersz %1).").arg(nr - 1));
        ++ile;
    }
    t.commit();
    return ile;
}

QByteArray PlikOsobZwsi(Database& db, const QList<int>& listowane, QList<int>* osoby) {
    const QStringList naglowek{QStringLiteral("JG"),
                               QStringLiteral("Dział"),
                               QStringLiteral("Nazwisko i imię"),
                               QStringLiteral("Pesel"),
                               QStringLiteral("Ulica"),
                               QStringLiteral("Kod. Poczt."),
                               QStringLiteral("Miejsc."),
                               QStringLiteral("Kraj"),
                               QStringLiteral("Telefon"),
                               QStringLiteral("Fax"),
                               QStringLiteral("Nr Ident. Pod."),
                               QStringLiteral("Kraj banku"),
                               QStringLiteral("Kod banku"),
                               QStringLiteral("Konto bankowe"),
                               QStringLiteral("Kod kontrolny banku"),
                               QStringLiteral("Nazwa Posiadacza konta"),
                               QStringLiteral("Identyfikator JW"),
                               QStringLiteral("Stopień")};
    QByteArray bytes = toCp1250OrThrow(naglowek.join(u'\t')) + "\r\n";
    if (osoby) osoby->clear();
    zaznaczeni(db, listowane, [&](int id, const QVariantMap& row) {
        auto tekst = [&](const char* pole) {
            return row.value(QString::fromLatin1(pole)).toString();
        };
        bool wyslana = false;
        for (int k : {1, 2}) {
            const QString konto = tekst(k == 1 ? "rachunek1" : "rachunek2");
            if (konto.isEmpty()) continue;
            const QString a = BezSpacji(konto);
            const QStringList pola{QStringLiteral("2056"),
                                 QStringLiteral("2056"),
                                 tekst("nazwisko") + u' ' + tekst("imie"),
                                 tekst("pesel"),
                                 QStringLiteral("Radiowa 2"),
                                 QStringLiteral("00-908"),
                                 QStringLiteral("Warszawa"),
                                 QStringLiteral("PL"),
                                 QString(),
                                 QString(),
                                 QString(),
                                 QStringLiteral("PL"),
                                 a.mid(2, 8),
                                 a.mid(10, 16),
                                 a.mid(0, 2),
                                 tekst(k == 1 ? "orachunek1" : "orachunek2"),
                                 QStringLiteral("4731086"),
                                 tekst("ste")};
            // Only the columns written are checked: the file is built from them alone.
            for (int i = 0; i < pola.size(); ++i)
                SprawdzCp1250(pola[i], opisOsoby(row) + QStringLiteral(", kolumna „") +
                                           naglowek[i] + QStringLiteral("”."));
            bytes += toCp1250OrThrow(
                         QStringList(pola).replaceInStrings(QStringLiteral("\t"), QString())
                             .join(u'\t')) +
                     "\r\n";
            wyslana = true;
        }
        if (wyslana && osoby) *osoby << id;
    });
    return bytes;
}

void OznaczWyslaneDoZwsi(Database& db, const QList<int>& osoby) {
    Transakcja t(db);
    db.exec(QStringLiteral("update osoba set wydrukzwsi = 'N'"));
    QSqlQuery q = db.prepare(
        QStringLiteral("update osoba set exportzwsi = 'T', wydrukzwsi = 'T' where id = ?"));
    for (int id : osoby) {
        q.bindValue(0, id);
        if (!q.exec()) throw VexaError(QStringLiteral("Nie można oznaczyć osoby w kartotece."));
    }
    t.commit();
}

} // namespace vexa
