#include "lists/demo_data.h"

#include "data/database.h"
#include "data/messages.h"
#include "data/settings.h"
#include "data/transaction.h"
#include "data/validators.h"
#include "lists/generation.h"
#include "persons/days_off.h"
#include "persons/grades.h"
#include "persons/lookups.h"
#include "persons/records.h"
#include "persons/person_repository.h"

namespace vexa {

namespace {

// A small deterministic generator, so a demo unit is the same on every machine.
class Los {
public:
    explicit Los(unsigned seed) : m_state(seed ? seed : 1) {}
    unsigned next() {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 8) & 0xFFFFFF;
    }
    int below(int n) { return int(next() % unsigned(n)); }
    template <class T> const T& pick(const QList<T>& l) { return l[below(int(l.size()))]; }

private:
    unsigned m_state;
};

const QStringList kMaleSurnames{"NOWAK",     "KOWALSKI", "WIŚNIEWSKI", "WÓJCIK",    "KOWALCZYK",
                                "KAMIŃSKI",  "LEWANDOWSKI", "ZIELIŃSKI", "SZYMAŃSKI", "WOŹNIAK",
                                "DĄBROWSKI", "KOZŁOWSKI", "JANKOWSKI",  "MAZUR",     "KWIATKOWSKI",
                                "KRAWCZYK",  "PIOTROWSKI", "GRABOWSKI", "NOWAKOWSKI", "PAWŁOWSKI",
                                "MICHALSKI", "ŁUKASIK",   "ŻAK",        "O'BRIEN",   "ŚLIWA"};
const QStringList kMaleNames{"JAN",    "PIOTR",  "KRZYSZTOF", "ANDRZEJ", "TOMASZ",  "PAWEŁ",
                             "MICHAŁ", "MARCIN", "GRZEGORZ",  "ŁUKASZ",  "JAKUB",   "ADAM",
                             "MARIUSZ", "WOJCIECH", "ZBIGNIEW", "ŁUCJAN"};
const QStringList kFemaleNames{"ANNA", "MARIA", "KATARZYNA", "MAŁGORZATA", "AGNIESZKA",
                               "BARBARA", "EWA", "JOANNA", "MAGDALENA", "ŻANETA"};
const QStringList kBanks{"10201026", "10501445", "11402004", "12401037", "10901014"};
const QStringList kBankNames{"PKO BP", "ING BANK ŚLĄSKI", "MBANK", "BANK PEKAO", "SANTANDER"};

// Home addresses for the PIT-11 forms: towns with streets and a village without one.
struct AdresDemo {
    const char *kod, *poczta, *gmina, *powiat, *woj, *miejsc, *ulica;
};
const AdresDemo kAddresses[] = {
    {"00-950", "WARSZAWA", "WARSZAWA", "WARSZAWA", "MAZOWIECKIE", "WARSZAWA", "MARSZAŁKOWSKA"},
    {"31-019", "KRAKÓW", "KRAKÓW", "KRAKÓW", "MAŁOPOLSKIE", "KRAKÓW", "FLORIAŃSKA"},
    {"80-831", "GDAŃSK", "GDAŃSK", "GDAŃSK", "POMORSKIE", "GDAŃSK", "DŁUGA"},
    {"59-700", "BOLESŁAWIEC", "BOLESŁAWIEC", "BOLESŁAWIECKI", "DOLNOŚLĄSKIE", "BOLESŁAWIEC",
     "ŻWIRKI I WIGURY"},
    {"26-020", "CHMIELNIK", "CHMIELNIK", "KIELECKI", "ŚWIĘTOKRZYSKIE", "ZRECZE CHRUSTY", ""},
};

// The person's address and tax office, chosen by the person's number so that the rest of the
// demo stays as it was.
void adresDemo(Osoba& o, int i) {
    const AdresDemo& a = kAddresses[i % std::size(kAddresses)];
    o.adr_kraj = QStringLiteral("POLSKA");
    o.adr_kod = QString::fromUtf8(a.kod);
    o.adr_poczta = QString::fromUtf8(a.poczta);
    o.adr_gmina = QString::fromUtf8(a.gmina);
    o.adr_powiat = QString::fromUtf8(a.powiat);
    o.adr_woj = QString::fromUtf8(a.woj);
    o.adr_miejsc = QString::fromUtf8(a.miejsc);
    o.adr_ulica = QString::fromUtf8(a.ulica);
    o.adr_nr_domu = QString::number(1 + i * 7 % 120);
    o.adr_nr_lok = i % 3 == 0 ? QString::number(1 + i % 40) : QString();
    const QList<UrzadSkarbowy>& urzedy = UrzedyWykazu();
    if (!urzedy.isEmpty()) WybierzUrzad(o, urzedy.at(i * 37 % urzedy.size()));
}

QString femaleSurname(const QString& s) {
    if (s.endsWith(QLatin1String("SKI")))
        return s.left(s.size() - 3) + QStringLiteral("SKA");
    if (s.endsWith(QLatin1String("CKI")))
        return s.left(s.size() - 3) + QStringLiteral("CKA");
    return s;
}

void settings(Database& db) {
    const QList<std::pair<const char*, const char*>> values{
        {"HASLO", ""},
        {"NRIDENT", "1234562"},
        {"NRETATU", "AA001"},
        {"NAZWA1", "JEDNOSTKA WOJSKOWA 4321"},
        {"NAZWA2", "POLSKI KONTYNGENT WOJSKOWY"},
        {"SKROT", "PKW DEMO"},
        {"DOWODCA1", "DOWÓDCA PKW"},
        {"DOWODCA2", ""},
        {"DOWODCA3", "płk Jan KOWALSKI"},
        {"ZGODNOSCETATOWA", "mjr Adam NOWAK"},
        {"WYKONAL", "st. chor. Ewa WÓJCIK"},
        {"SFINANSISTA", "SPRAWDZIŁ POD WZGLĘDEM FORMALNYM I RACHUNKOWYM"},
        {"FINANSISTA", "kpt. Piotr MAZUR"},
        {"KONTO", "60 1020 1026 0000 0422 7020 1111"},
        {"BANK", "PKO BP"},
        {"POSIADACZ", "JEDNOSTKA WOJSKOWA 4321???UL. WOJSKOWA 1"},
        {"KLBUDZET", "752???75295???4010"},
        {"NIP", "5260250274"},
        {"REGON", "012345678"},
        {"WALUTAZALICZKI", "USD"},
        {"WALUTARACHUNEK", "PLN"},
        {"DANE", "T"},
    };
    for (const auto& [k, v] : values)
        Zapis(db, QString::fromLatin1(k), QString::fromUtf8(v));
    const QList<std::pair<const char*, double>> amounts{
        {"KOSZTY", 250},      {"WOLNA", 300},       {"UPOSAZENIE", 4560}, {"ZWNALMON", 10.2},
        {"DODWOJENNY", 1.5},  {"DODWOJENNY2", 2.5}, {"DODWOJENNY3", 3.5}, {"ROZM", 2},
        {"SRHIGIENYM", 95.54}, {"SRHIGIENYK", 96.09}, {"PODATEKPROC", 18}, {"N1", 100},
        {"N2", 50},           {"N3", 20},           {"N4", 10},           {"N5", 5},
        {"N6", 2},            {"N7", 1},            {"N8", 0.5},          {"N9", 0.25},
        {"N10", 0.1},         {"N11", 0.05},        {"N12", 0.01}};
    for (const auto& [k, v] : amounts)
        ZapisSetne(db, QString::fromLatin1(k), v);
}

} // namespace

QString PeselDemo(const QDate& birth, int serial, const QString& plec) {
    int month = birth.month();
    const int year = birth.year();
    if (year >= 2000 && year < 2100)
        month += 20;
    else if (year >= 1800 && year < 1900)
        month += 80;
    QString p = QStringLiteral("%1%2%3%4")
                    .arg(year % 100, 2, 10, QChar('0'))
                    .arg(month, 2, 10, QChar('0'))
                    .arg(birth.day(), 2, 10, QChar('0'))
                    .arg(serial % 1000, 3, 10, QChar('0'));
    int sexDigit = (serial / 1000) % 5 * 2; // even: woman
    if (plec == QLatin1String("M"))
        sexDigit += 1;
    p += QString::number(sexDigit);
    static const int w[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += p[i].digitValue() * w[i];
    return p + QString::number((10 - sum % 10) % 10);
}

QString RachunekDemo(const QString& bank8, qint64 customer) {
    const QString body = bank8 + QStringLiteral("%1").arg(customer, 16, 10, QChar('0'));
    int r = 0;
    for (const QChar c : body + QStringLiteral("252100"))
        r = (r * 10 + c.digitValue()) % 97;
    const QString nrb = QStringLiteral("%1").arg(98 - r, 2, 10, QChar('0')) + body;
    return FormatRachunek(nrb);
}

void WypelnijDemo(Database& db, int persons, const QDate& today, unsigned seed) {
    Los los(seed);
    Transakcja t(db);
    settings(db);
    const QList<StopienEtatowy>& grades = StopnieEtatowe();
    for (int i = 0; i < grades.size(); ++i)
        db.exec(QStringLiteral("insert into ste (skrot, nazwa, mnoznik) values (?, ?, ?)"),
                {grades[i].skrot, grades[i].napis, 1.0 + 0.15 * i});
    const QList<std::pair<QString, QString>> units{{"DOW", "DOWÓDZTWO"},
                                                   {"KOMP1", "PIERWSZA KOMPANIA"},
                                                   {"KOMP2", "DRUGA KOMPANIA"},
                                                   {"LOG", "PLUTON LOGISTYCZNY"}};
    for (const auto& [skrot, nazwa] : units)
        db.exec(QStringLiteral("insert into pododdzial (skrot, nazwa) values (?, ?)"),
                {skrot, nazwa});
    for (int i = 0; i < kBanks.size(); ++i)
        db.exec(QStringLiteral("insert into bank (prefiks, nazwa) values (?, ?)"),
                {kBanks[i], kBankNames[i]});

    const QDate monthStart(today.year(), today.month(), 1);
    const QDate listMonth = monthStart.addMonths(-1);
    PersonRepository repo(db);
    for (int i = 0; i < persons; ++i) {
        const bool soldier = i % 5 != 4;
        const bool woman = los.below(6) == 0;
        Osoba o = repo.nowa(soldier ? "Z" : "P", monthStart.addMonths(-4));
        const QString surname = los.pick(kMaleSurnames);
        o.nazwisko = woman ? femaleSurname(surname) : surname;
        o.imie = woman ? los.pick(kFemaleNames) : los.pick(kMaleNames);
        o.imieojca = los.pick(kMaleNames);
        o.plec = woman ? "K" : "M";
        const QDate birth = QDate(1965, 1, 1).addDays(los.below(365 * 35));
        o.pesel = PeselDemo(birth, i, o.plec);
        o.skrotpododdzialu = units[los.below(int(units.size()))].first;
        const StopienEtatowy& g = soldier ? grades[los.below(17)] : grades[20 + los.below(2)];
        o.ste = g.skrot;
        o.nis = QStringLiteral("AA001%1").arg(i + 1, 5, 10, QChar('0'));
        o.stanowisko = soldier ? los.pick(QStringList{"STRZELEC", "KIEROWCA", "DOWÓDCA DRUŻYNY",
                                                      "SANITARIUSZ", "RADIOOPERATOR"})
                               : los.pick(QStringList{"SPECJALISTA", "TŁUMACZ", "KSIĘGOWY"});
        o.datanabycia = listMonth.addMonths(-los.below(5)).addDays(los.below(20));
        o.datautraty = los.below(10) == 0 ? listMonth.addDays(14 + los.below(14)) : DATA_BEZ_KONCA;
        o.rozkazprzybyl = QStringLiteral("%1/%2").arg(10 + los.below(80)).arg(listMonth.year());
        const int bank = los.below(int(kBanks.size()));
        o.rachunek1 = RachunekDemo(kBanks[bank], 1000000 + i * 7919LL);
        o.brachunek1 = kBankNames[bank];
        o.orachunek1 = o.nazwisko + u' ' + o.imie;
        if (los.below(8) == 0) {
            o.rachunek2 = RachunekDemo(kBanks[(bank + 1) % kBanks.size()], 2000000 + i * 104729LL);
            o.brachunek2 = kBankNames[(bank + 1) % kBanks.size()];
            o.orachunek2 = o.orachunek1;
            o.rachunek2kwota = 500;
        }
        o.zaliczka = los.below(4) == 0 ? 100.0 * (1 + los.below(5)) : 0.0;
        o.zwnaleznlekarzproc = soldier && los.below(25) == 0 ? 150 : 0;
        adresDemo(o, i);
        repo.dopisz(o);
        if (los.below(10) == 0) {
            const QDate from = listMonth.addDays(los.below(20));
            DopiszDzienWolny(db, {o.pesel, los.pick(QStringList{"U", "W", "P"}), from,
                                  from.addDays(1 + los.below(6)),
                                  QStringLiteral("%1/%2").arg(los.below(90)).arg(from.year())});
        }
    }

    BrakKomunikatow quiet;
    NowaLista n;
    n.miesiac = listMonth.month();
    n.rok = listMonth.year();
    n.kurszaliczki = 3.9876;
    n.kursrach = 1;
    n.tabelazaliczki = QStringLiteral("001/A/NBP/%1").arg(listMonth.year());
    n.nr = QStringLiteral("1/%1").arg(listMonth.year());
    UtworzListe(db, quiet, n, today);
    n.zp = "P";
    n.nr = QStringLiteral("2/%1").arg(listMonth.year());
    UtworzListe(db, quiet, n, today);
    n.zp = "Z";
    n.dodatkowa = true;
    n.rodzaj = "JN";
    n.nr = QStringLiteral("3/%1").arg(listMonth.year());
    UtworzListe(db, quiet, n, today);
    t.commit();
}

} // namespace vexa
