#include "lists/database_check.h"

#include "data/database.h"
#include "data/error.h"
#include "data/integrity.h"
#include "data/numbers.h"
#include "data/transaction.h"
#include "lists/list_repository.h"
#include "persons/days_off.h"

namespace vexa {

namespace {

// The list columns that hold the totals of its positions.
struct PoleSumy {
    const char* nazwa;
    double SumyListy::*sumy;
    double Lista::*lista;
};

const PoleSumy kPolaSum[] = {
    {"razem", &SumyListy::razem, &Lista::razem},
    {"zaliczka", &SumyListy::zaliczka, &Lista::zaliczka},
    {"zaliczkawaluta", &SumyListy::zaliczkawaluta, &Lista::zaliczkawaluta},
    {"rachunek", &SumyListy::rachunek, &Lista::rachunek},
    {"skladkizus", &SumyListy::skladkizus, &Lista::skladkizus},
    {"innezmniejszenia", &SumyListy::innezmniejszenia, &Lista::innezmniejszenia},
};

QString niezgodnosc(const Lista& l, const QString& pole, const QString& zapisane,
                    const QString& wyliczone) {
    return QStringLiteral("Lista id=%1 (nr „%2”, %3): %4 = %5 w liście, a z pozycji wynika %6.")
        .arg(l.id)
        .arg(l.nr, l.miesiacrok, pole, zapisane, wyliczone);
}

} // namespace

QStringList SprawdzListy(Database& db) {
    QStringList lines;
    ListRepository repo(db);
    QList<int> ids;
    QSqlQuery q = db.exec(QStringLiteral("select id from lista order by id"));
    while (q.next())
        ids << q.value(0).toInt();
    for (const int id : ids) {
        const Lista l = repo.lista(id);
        const SumyListy s = repo.policzSumy(id);
        // Totals are written from exactly this sum, so any difference at all is a fault.
        for (const PoleSumy& p : kPolaSum)
            if (l.*p.lista != s.*p.sumy)
                lines << niezgodnosc(l, QString::fromLatin1(p.nazwa), LiczbaDokladna(l.*p.lista),
                                     LiczbaDokladna(s.*p.sumy));
        if (l.iloscpozycji != s.iloscpozycji)
            lines << niezgodnosc(l, QStringLiteral("iloscpozycji"), QString::number(l.iloscpozycji),
                                 QString::number(s.iloscpozycji));
    }

    q = db.exec(QStringLiteral("select id, idlisty, nazwisko, imie, pesel from pozycja p where "
                               "not exists (select 1 from lista l where l.id = p.idlisty) "
                               "order by id"));
    while (q.next()) {
        const QString lista = q.value(1).isNull()
                                  ? QStringLiteral("nie ma numeru listy")
                                  : QStringLiteral("należy do listy id=%1, której nie ma")
                                        .arg(q.value(1).toLongLong());
        lines << QStringLiteral("Pozycja id=%1 (%2 %3, PESEL „%4”) %5.")
                     .arg(q.value(0).toLongLong())
                     .arg(q.value(2).toString(), q.value(3).toString(), q.value(4).toString(),
                          lista);
    }
    return lines;
}

QStringList SprawdzBaze(Database& db) {
    // One read transaction: the program may be writing meanwhile, and a list must be compared
    // with its positions as they were at one moment. Nothing is written; it is rolled back.
    Transakcja snapshot(db);
    QStringList lines;
    for (const QString& problem : BledyIntegralnosci(db))
        lines << QStringLiteral("Kontrola spójności pliku: %1").arg(problem);
    try {
        lines << SprawdzListy(db);
        lines << DniWolneBezOsoby(db);
    } catch (const VexaError& e) {
        lines << QStringLiteral("Nie można sprawdzić zapisów programu: %1")
                     .arg(QString(e.message()).replace(u'\r', u' '));
    }
    return lines;
}

} // namespace vexa
