#include "persons/person_repository.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "data/validators.h"

namespace vexa {

namespace {

const QString kMarked = QString(ZAZ_ZAZNACZONY);
const QString kUnmarked = QString(ZAZ_NIEZAZNACZONY);

QString quoted(const QString& value) {
    return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}

bool isColumn(const QString& name) {
    for (const auto& c : Osoba::kolumny())
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A date field as typed: empty (or only its separators) is no date; otherwise it must be a
// complete DD.MM.YYYY date.
bool parseDateText(const QString& text, QDate& date) {
    const QString compact = BezSpacji(text);
    if (compact.isEmpty() || compact == QLatin1String("..")) {
        date = QDate();
        return true;
    }
    if (compact.size() != 10)
        return false;
    try {
        date = DataZTekstu(compact);
    } catch (const VexaError&) {
        return false;
    }
    if (date == DATA_PUSTA) // "00.00.0000" is the empty date
        date = QDate();
    return true;
}

// The text fields of the person form with their captions; then every other text column.
struct PoleTekstu {
    QString Osoba::*pole;
    const char* kontrolka;
    const char* etykieta;
};
constexpr PoleTekstu kPolaFormularza[] = {
    {&Osoba::nrid, "enrid", "IDENTYFIKATOR MACIERZYSTEJ JW"},
    {&Osoba::pesel, "epesel", "PESEL"},
    {&Osoba::nazwisko, "enazwisko", "NAZWISKO"},
    {&Osoba::imie, "eimie", "IMIĘ"},
    {&Osoba::imieojca, "eimieojca", "IMIĘ OJCA"},
    {&Osoba::nis, "enis", "NR IDENT. STANOWISKA"},
    {&Osoba::stanowisko, "estanowisko", "STANOWISKO"},
    {&Osoba::rozkazprzybyl, "erozkazprzybyl", "ROZKAZ (nabycie uprawnień)"},
    {&Osoba::rozkazubyl, "erozkazubyl", "ROZKAZ (utrata uprawnień)"},
    {&Osoba::rachunek1, "erachunek1", "NR KONTA (główny rachunek)"},
    {&Osoba::brachunek1, "ebrachunek1", "BANK (główny rachunek)"},
    {&Osoba::orachunek1, "eorachunek1", "POSIADACZ (główny rachunek)"},
    {&Osoba::bic1, "ebic1", "KOD BIC (główny rachunek)"},
    {&Osoba::rachunek2, "erachunek2", "NR KONTA (dodatkowy rachunek)"},
    {&Osoba::brachunek2, "ebrachunek2", "BANK (dodatkowy rachunek)"},
    {&Osoba::orachunek2, "eorachunek2", "POSIADACZ (dodatkowy rachunek)"},
    {&Osoba::bic2, "ebic2", "KOD BIC (dodatkowy rachunek)"},
    // The tax data page: named, though the editor cannot put the focus there.
    {&Osoba::us_nazwa, "", "NAZWA (urząd skarbowy)"},
    {&Osoba::us_ulica, "", "ADRES (urząd skarbowy)"},
    {&Osoba::us_kod, "", "ADRES (urząd skarbowy)"},
    {&Osoba::us_kod_is, "", "KOD IS"},
    {&Osoba::us_nip, "", "NIP"},
    {&Osoba::adr_kod, "", "KOD POCZTOWY (adres zamieszkania)"},
    {&Osoba::adr_poczta, "", "POCZTA (adres zamieszkania)"},
    {&Osoba::adr_gmina, "", "GMINA (adres zamieszkania)"},
    {&Osoba::adr_powiat, "", "POWIAT (adres zamieszkania)"},
    {&Osoba::adr_woj, "", "WOJEWÓDZTWO (adres zamieszkania)"},
    {&Osoba::adr_kraj, "", "KRAJ (adres zamieszkania)"},
    {&Osoba::adr_miejsc, "", "MIEJSCOWOŚĆ (adres zamieszkania)"},
    {&Osoba::adr_ulica, "", "ULICA (adres zamieszkania)"},
    {&Osoba::adr_nr_domu, "", "NR DOMU (adres zamieszkania)"},
    {&Osoba::adr_nr_lok, "", "NR LOKALU (adres zamieszkania)"},
};

} // namespace

std::optional<std::pair<QString, QString>> ZnakSpozaCp1250Osoby(const Osoba& o) {
    auto opis = [](const QString& znak, const QString& pole) {
        return OpisZnakuSpozaCp1250(znak, QStringLiteral("Pole: ") + pole);
    };
    for (const PoleTekstu& p : kPolaFormularza) {
        const QString znak = ZnakSpozaCp1250(o.*p.pole);
        if (!znak.isEmpty())
            return std::pair{opis(znak, QString::fromUtf8(p.etykieta)),
                             QString::fromLatin1(p.kontrolka)};
    }
    // The columns no page edits (codes, flags): named by the column.
    for (const auto& c : Osoba::kolumny()) {
        const QVariant v = c.get(o);
        if (v.typeId() != QMetaType::QString) continue;
        const QString znak = ZnakSpozaCp1250(v.toString());
        if (!znak.isEmpty()) return std::pair{opis(znak, c.name), QString()};
    }
    return std::nullopt;
}

QString PersonRepository::warunekFiltru(const QString& field, const QString& value) {
    if (field == QLatin1String("DATANABYCIA") || field == QLatin1String("DATAUTRATY")) {
        QDate d = QDate::fromString(value.left(10), Qt::ISODate);
        if (!d.isValid())
            d = QDate::fromString(value, QStringLiteral("dd.MM.yyyy"));
        return QStringLiteral("(%1=#%2#)").arg(field, DataNaSql(d));
    }
    return QStringLiteral("(%1=%2)").arg(field, quoted(value));
}

QString PersonRepository::zapytanie(const WidokOsob& w) {
    const QString sub = w.pododdzial.isEmpty()
                            ? QStringLiteral("(true)")
                            : QStringLiteral("(skrotpododdzialu=%1)").arg(quoted(w.pododdzial));
    const QString active = w.nieaktywni ? QStringLiteral("(true)") : QStringLiteral("(akt='T')");
    const QString kind = QStringLiteral("(zp=%1)").arg(quoted(w.zp));
    QString order = isColumn(w.sort) ? w.sort : QStringLiteral("nazwisko");
    if (order == QLatin1String("NAZWISKO"))
        order = QStringLiteral("NAZWISKO,IMIE");
    const QString filter = w.filtr.trimmed().isEmpty() ? QStringLiteral("(true)") : w.filtr;
    return QStringLiteral("select * from osoba where %1 and %2 and %3 and %4 order by %5")
        .arg(sub, active, kind, filter, order);
}

QList<Osoba> PersonRepository::lista(const WidokOsob& w) {
    QSqlQuery q = m_db.exec(zapytanie(w));
    return WczytajWszystkie(q, Osoba::kolumny());
}

Osoba PersonRepository::osoba(int id) {
    QSqlQuery q = m_db.exec(QStringLiteral("select * from osoba where id = ?"), {id});
    if (!q.next())
        throw VexaError(QStringLiteral("Brak osoby o numerze %1.").arg(id));
    Osoba o;
    WczytajRekord(o, q.record(), Osoba::kolumny());
    return o;
}

Osoba PersonRepository::nowa(const QString& zp, const QDate& today) {
    Osoba o;
    o.nridpkw = Odczyt(m_db, "NRIDENT");
    o.skrotpkw = Odczyt(m_db, "SKROT");
    o.zp = zp;
    o.datautraty = DATA_BEZ_KONCA;
    o.akt = "T";
    o.rachunek1czywaluta = "N";
    o.rachunek2czywaluta = "N";
    o.nis = Odczyt(m_db, "NRETATU");
    o.zwnaleznlekarzproc = 0;
    o.exportzwsi = "N";
    o.datadopisania = today;
    o.zaz = kUnmarked;
    return o;
}

int PersonRepository::dopisz(const Osoba& o) {
    return ZapisRekordow<Osoba>(m_db, "osoba", Osoba::kolumny(), ZapisRekordow<Osoba>::Wstaw)
        .zapisz(o);
}

void PersonRepository::zapisz(const Osoba& o) {
    ZapisRekordow<Osoba>(m_db, "osoba", Osoba::kolumny(), ZapisRekordow<Osoba>::Zmien)
        .zapisz(o, o.id);
}

void PersonRepository::usun(int id) {
    m_db.exec(QStringLiteral("delete from osoba where id = ?"), {id});
}

ZatwierdzenieOsoby PersonRepository::zatwierdz(Osoba& o, bool nowa, const TekstyDat& daty,
                                               Messages& messages) {
    auto refuse = [&](const char* text, const char* focus) {
        messages.Komunikat(KOMUNIKAT_INFORMACJA, QString::fromUtf8(text));
        return ZatwierdzenieOsoby{false, o.id, QString::fromLatin1(focus)};
    };
    auto asked = [&](const QString& text) {
        return messages.Komunikat(KOMUNIKAT_PYTANIE, text) != NIE;
    };

    // Every file the person reaches is Windows-1250: a character it lacks is refused here.
    if (const auto znak = ZnakSpozaCp1250Osoby(o)) {
        messages.Komunikat(KOMUNIKAT_INFORMACJA, znak->first);
        return ZatwierdzenieOsoby{false, o.id, znak->second};
    }
    const bool noPesel = o.pesel.trimmed().isEmpty();
    o.nis = BezSpacji(o.nis);
    if (o.nazwisko.isEmpty())
        o.nazwisko = QStringLiteral("WAKAT - ") + o.nis;
    if (o.skrotpododdzialu.isEmpty())
        return refuse("Proszę wybrać pododdział!", "epododdzial");
    if (!o.nrid.isEmpty() && !CzyNrIdent(o.nrid))
        return refuse("Proszę wpisać poprawny numer identyfikacyjny macierzystej jednostki "
                      "wojskowej!",
                      "enrid");
    if (!o.pesel.isEmpty() && !CzyPesel(o.pesel))
        return refuse("Proszę wprowadzić poprawny numer pesel!", "epesel");
    if (o.ste.isEmpty())
        return refuse("Proszę wybrać stopień etatowy!", "SpeedButton58");
    if (o.nis.isEmpty())
        return refuse("Proszę wpisać numer identyfikacyjny stanowiska!", "enis");
    if (o.stanowisko.isEmpty())
        return refuse("Proszę wpisać nazwę stanowiska!", "estanowisko");
    QDate start, end;
    if (!parseDateText(daty.nabycia, start))
        return refuse("Proszę wpisać poprawną datę nabycia uprawnień!", "edatanabycia");
    if (!parseDateText(daty.utraty, end))
        return refuse("Proszę wpisać poprawną datę utraty uprawnień!", "edatautraty");
    o.datanabycia = start;
    o.datautraty = end;
    if (!o.datanabycia.isValid()) {
        if (!noPesel)
            return refuse("Proszę wpisać datę nabycia uprawnień!", "edatanabycia");
        o.datanabycia = DATA_BEZ_KONCA;
    }
    if (!o.datautraty.isValid())
        o.datautraty = DATA_BEZ_KONCA;
    if (o.datautraty < o.datanabycia)
        return refuse("Data utraty uprawnień nie może być wcześniejsza od daty nabycia!",
                      "edatanabycia");
    const bool account1 = !o.rachunek1.trimmed().isEmpty();
    const bool account2 = !o.rachunek2.trimmed().isEmpty();
    if (account1 && !CzyRachunek(o.rachunek1))
        return refuse("Błąd sumy kontrolnej głównego rachunku bankowego!\r\rWpisz właściwy numer "
                      "rachunku.",
                      "erachunek1");
    if (account2 && !CzyRachunek(o.rachunek2))
        return refuse("Błąd sumy kontrolnej drugiego rachunku bankowego!\r\rWpisz właściwy numer "
                      "rachunku.",
                      "erachunek2");
    if (account1 && o.orachunek1.trimmed().isEmpty())
        o.orachunek1 = o.nazwisko + u' ' + o.imie;
    if (account1 && o.brachunek1.isEmpty())
        return refuse("Proszę wprowadzić nazwę banku dla rachunku głównego.", "ebrachunek1");
    if (account2 && o.orachunek2.trimmed().isEmpty())
        o.orachunek2 = o.nazwisko + u' ' + o.imie;
    if (account2 && o.brachunek2.isEmpty())
        return refuse("Proszę wprowadzić nazwę banku dla drugiego rachunku bankowego.",
                      "ebrachunek2");
    if (o.rachunek1czywaluta == QLatin1String("T") && o.bic1.isEmpty())
        return refuse("Proszę wprowadzić kod BIC (Bank Identifier Code) dla pierwszego rachunku "
                      "w walucie.",
                      "ebic1");
    if (o.rachunek2czywaluta == QLatin1String("T") && o.bic2.isEmpty())
        return refuse("Proszę wprowadzić kod BIC (Bank Identifier Code) dla drugiego rachunku "
                      "w walucie.",
                      "ebic2");
    if (noPesel && !asked("Czy chcesz zapisać do bazy danych osobę bez numeru PESEL?"))
        return {false, o.id, QString()};
    if (nowa && !noPesel &&
        m_db.scalar(QStringLiteral("select count(*) from osoba where pesel = ?"), {o.pesel})
                .toInt() > 0 &&
        !asked("Osoba o tym numerze PESEL znajduje się w bazie danych aplikacji.\r\rCzy napewno "
               "chcesz dopisać kolejną osobę?"))
        return {false, o.id, QString()};
    if (nowa && !o.nis.isEmpty() &&
        m_db.scalar(QStringLiteral("select count(*) from osoba where (nis = ?) and (akt='T')"),
                    {o.nis})
                .toInt() > 0 &&
        !asked("Osoba o tym numerze NIS znajduje się w bazie danych aplikacji.\r\rCzy napewno "
               "chcesz dopisać kolejną osobę?"))
        return {false, o.id, QString()};

    o.rachunek1 = FormatRachunek(o.rachunek1);
    o.rachunek2 = FormatRachunek(o.rachunek2);
    if (nowa)
        o.id = dopisz(o);
    else
        zapisz(o);
    return {true, o.id, QString()};
}

QStringList PersonRepository::pododdzialyOsob(const QString& zp) {
    QSqlQuery q = m_db.exec(QStringLiteral("select skrotpododdzialu, count(*) from osoba where "
                                           "zp = ? group by skrotpododdzialu"),
                            {zp});
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void PersonRepository::odznaczWszystkich() {
    m_db.exec(QStringLiteral("update osoba set zaz = ?"), {kUnmarked});
}

void PersonRepository::przelaczZaznaczenie(int id) {
    m_db.exec(QStringLiteral("update osoba set zaz = case when zaz = ? then ? else ? end where "
                             "id = ?"),
              {kUnmarked, kMarked, kUnmarked, id});
}

void PersonRepository::zaznaczRodzaj(const QString& zp) {
    m_db.exec(QStringLiteral("update osoba set zaz = ? where zp = ?"), {kMarked, zp});
}

int PersonRepository::iloscZaznaczonych() {
    return m_db.scalar(QStringLiteral("select count(*) from osoba where (zaz = ?)"), {kMarked})
        .toInt();
}

int PersonRepository::zaznaczDopisanychPo(const QList<int>& ids, const QDate& day) {
    Transakcja t(m_db);
    QSqlQuery mark = m_db.prepare(
        QStringLiteral("update osoba set zaz = ? where id = ? and datadopisania >= ?"));
    int count = 0;
    for (int id : ids) {
        mark.addBindValue(kMarked);
        mark.addBindValue(id);
        mark.addBindValue(DataDoBazy(day));
        if (!mark.exec())
            throw VexaError(QStringLiteral("Błąd bazy danych."));
        count += mark.numRowsAffected();
    }
    t.commit();
    return count;
}

int PersonRepository::zmienZaznaczonych(const QList<int>& ids, const ZmianaOsob& z) {
    Transakcja t(m_db);
    QStringList sets;
    QVariantList values;
    if (z.datautraty) {
        sets << QStringLiteral("datautraty = ?");
        values << DataDoBazy(*z.datautraty);
    }
    if (z.rozkazprzybyl) {
        sets << QStringLiteral("rozkazprzybyl = ?");
        values << *z.rozkazprzybyl;
    }
    if (z.rozkazubyl) {
        sets << QStringLiteral("rozkazubyl = ?");
        values << *z.rozkazubyl;
    }
    if (z.akt) {
        sets << QStringLiteral("akt = ?");
        values << *z.akt;
    }
    int count = 0;
    QSqlQuery marked = m_db.prepare(QStringLiteral("select count(*) from osoba where id = ? and "
                                                   "zaz = ?"));
    std::optional<QSqlQuery> change;
    if (!sets.isEmpty())
        change = m_db.prepare(QStringLiteral("update osoba set %1 where id = ?").arg(sets.join(", ")));
    for (int id : ids) {
        marked.addBindValue(id);
        marked.addBindValue(kMarked);
        if (!marked.exec() || !marked.next())
            throw VexaError(QStringLiteral("Błąd bazy danych."));
        const bool isMarked = marked.value(0).toInt() > 0;
        marked.finish();
        if (!isMarked)
            continue;
        if (change) {
            for (const QVariant& v : values)
                change->addBindValue(v);
            change->addBindValue(id);
            if (!change->exec())
                throw VexaError(QStringLiteral("Błąd bazy danych."));
        }
        ++count;
    }
    odznaczWszystkich();
    t.commit();
    return count;
}

void PersonRepository::zerujZaliczki(const QString& zp) {
    m_db.exec(QStringLiteral("update osoba set zaliczka=0 where zp = ?"), {zp});
}

} // namespace vexa
