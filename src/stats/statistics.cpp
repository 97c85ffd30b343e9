#include "stats/statistics.h"

#include "data/codepage.h"
#include "data/database.h"
#include "data/numbers.h"
#include "data/settings.h"
#include "lists/list_register.h"
#include "printouts/conventions.h"
#include "printouts/report_builder.h"
#include "printouts/report_parts.h"

#include <QSqlQuery>

namespace vexa {

namespace {

// The sums in the panel's order, as the database names them.
const char* const kKolumny[17] = {
    "naleznosc", "zwnaleznmon",      "zwnaleznpkw", "dodatekwojenny", "dodatekwojenny2",
    "dodatekwojenny3", "rozm",       "srhigieny",   "wyrownanie",     "innezwiekszenia",
    "razem",     "skladkizus",       "innezmniejszenia", "dowyplaty", "rachunek",
    "zaliczkapln", "zaliczkawaluta"};

QString Stawka(double v) {
    return Liczba1(v);
}

} // namespace

std::array<double, 3> StawkiWojenne(Database& db) {
    return {OdczytSetne(db, QStringLiteral("DODWOJENNY")),
            OdczytSetne(db, QStringLiteral("DODWOJENNY2")),
            OdczytSetne(db, QStringLiteral("DODWOJENNY3"))};
}

Statystyka ObliczStatystyke(Database& db, const QList<Lista>& rejestr) {
    Statystyka s;
    const QString znak(ZAZ_ZAZNACZONY);
    s.tylkoZaznaczone = LiczbaZaznaczonychList(db) > 0;
    QStringList sumy;
    for (const char* k : kKolumny)
        sumy << QStringLiteral("sum(%1)").arg(QLatin1String(k));
    QSqlQuery q = db.prepare(QStringLiteral("select %1 from pozycja where idlisty = ?")
                                 .arg(sumy.join(QStringLiteral(", "))));
    for (const Lista& l : rejestr) {
        if (s.tylkoZaznaczone && l.zaz != znak) continue;
        ++s.listy;
        if (l.zp == u"Z") ++s.zolnierzy;
        if (l.zp == u"P") ++s.pracownikow;
        if (l.typ == u"P") ++s.pelne;
        if (l.typ == u"D") ++s.dodatkowe;
        q.addBindValue(l.id);
        if (!q.exec() || !q.next())
            throw VexaError(QStringLiteral("Nie można policzyć sum listy %1.").arg(l.nr));
        for (int i = 0; i < 17; ++i)
            s.sumy[size_t(i)] += q.value(i).toDouble(); // null (no positions) reads as 0
        q.finish();
    }
    return s;
}

QList<WierszStatystyki> WierszeStatystyki(const Statystyka& s, const std::array<double, 3>& stawki,
                                          const QString& waluta) {
    QList<WierszStatystyki> w{
        {"lsil", "Listy należności:", QString::number(s.listy), {}},
        {"lsilz", "Listy żołnierzy:", QString::number(s.zolnierzy), {}},
        {"lsilp", "Listy pracowników:", QString::number(s.pracownikow), {}},
        {"lslp", "Listy pełne:", QString::number(s.pelne), {}},
        {"lsld", "Listy dodatkowe:", QString::number(s.dodatkowe), {}}};
    const QList<QPair<QString, QString>> sumy{
        {"lsnaleznosc", "Należn. zagr:"},
        {"lszwiekszmon", "Zwiększ. MON:"},
        {"lszwiekszpkw", "Zwiększ. PKW:"},
        {"lsdodwoj3", "Dod.woj " + Stawka(stawki[0]) + "%"},
        {"lsdodwoj4", "Dod.woj " + Stawka(stawki[1]) + "%"},
        {"lsdodwoj5", "Dod.woj " + Stawka(stawki[2]) + "%"},
        {"lsdodrozm", "Dod. za rozm:"},
        {"lssrhig", "Ekw.śr.higieny:"},
        {"lswyr", "Wyrównanie:"},
        {"lsizw", "Inne zwiększenia:"},
        {"lsrazem", "RAZEM:"},
        {"lszus", "Składki ZUS:"},
        {"lsizm", "Inne zmniejsz:"},
        {"lsdowypl", "DO WYPŁATY:"},
        {"lsrach", "RACHUNEK:"},
        {"lskasapln", "KASA:"},
        {"lskasa", "KASA:"}};
    for (int i = 0; i < sumy.size(); ++i)
        w << WierszStatystyki{sumy[i].first, sumy[i].second,
                              Kwota00Przecinek(s.sumy[size_t(i)]),
                              i == 16 ? waluta : QStringLiteral("zł")};
    return w;
}

Raport WydrukStatystyki(const Statystyka& s, const std::array<double, 3>& stawki,
                        const QString& waluta, const QDate& dzis) {
    const QList<WierszStatystyki> panel = WierszeStatystyki(s, stawki, waluta);
    auto woj = [&](int i) {
        return (QStringLiteral("DODATEK WOJENNY ") + Stawka(stawki[size_t(i)]) +
                QStringLiteral("%:"))
            .toUpper();
    };
    const QStringList podpisy{"ILOŚĆ LIST NALEŻNOŚCI:",
                              "LISTY ŻOŁNIERZY:",
                              "LISTY PRACOWNIKÓW WOJSKA:",
                              "LISTY PEŁNE:",
                              "LISTY DODATKOWE:",
                              "NALEŻNOŚĆ ZAGRANICZNA:",
                              "ZWIĘKSZENIE NALEŻNOŚCI MON:",
                              "ZWIĘKSZENIE NALEŻNOŚCI D-CA PKW:",
                              woj(0),
                              woj(1),
                              woj(2),
                              "DODATEK ZA ROZMINOWANIE:",
                              "EKWIWALENT ZA ŚRODKI HIGIENY:",
                              "WYRÓWNANIE / POTRĄCENIE:",
                              "INNE ZWIĘKSZENIA:",
                              "RAZEM:",
                              "SKŁADKI ZUS:",
                              "INNE ZMNIEJSZENIA:",
                              "DO WYPŁATY:",
                              "RACHUNEK:",
                              "KASA:",
                              "KASA:"};
    Raport r;
    r.tytulZadania = TYTUL_LISTA;
    r.poziomo = false;
    BudowaRaportu b(r);
    druk::stopka(b);
    const double wiersz = 6.5;
    b.ustawTytul(30 + podpisy.size() * wiersz + 50, [=](Pasmo& p) {
        p.tekst(p.szerokosc() - 60, 0, 60, 4, LiniaDaty(dzis), {8}, Wyrownanie::Prawo);
        p.tekst(0, 10, p.szerokosc(), 8, QStringLiteral("STATYSTYKA ZE ZBIORU LIST NALEŻNOŚCI"),
                {12, true}, Wyrownanie::Srodek);
        for (int i = 0; i < podpisy.size(); ++i) {
            const double y = 26 + i * wiersz + (i >= 5 ? 4 : 0);
            p.tekst(20, y, 85, 5, podpisy[i], {9, i < 5 || i == 15 || i == 18});
            p.tekst(105, y, 40, 5, panel[i].wartosc, {9, true}, Wyrownanie::Prawo);
            p.tekst(147, y, 20, 5, panel[i].jednostka, {9});
        }
        const double y = 26 + podpisy.size() * wiersz + 10;
        p.tekst(20, y, 40, 5, QStringLiteral("UWAGI:"), {9, true});
        p.ramka(20, y + 6, p.szerokosc() - 40, 30, 0.2);
    });
    b.zakoncz();
    return r;
}

} // namespace vexa
