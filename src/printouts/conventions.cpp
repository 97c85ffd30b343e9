#include "printouts/conventions.h"

#include "data/settings.h"
#include "data/validators.h"

#include <cmath>

namespace vexa {

QString LiniaDaty(const QDate& dzis) {
    return QStringLiteral("Data: ") + DataKrotka(dzis);
}

QString LiniaStrony(int strona, int stron) {
    return QStringLiteral("Strona: %1 z %2").arg(strona).arg(stron);
}

QString LiniaProduktu(bool zAdresem) {
    return zAdresem ? QStringLiteral("Wydrukowano z aplikacji VEXA-F, ") + STRONA_PROGRAMU
                    : QStringLiteral("Wydrukowano z aplikacji VEXA-F");
}

QString DataKonca(const QDate& d) {
    if (!d.isValid()) return QString();
    return d == DATA_BEZ_KONCA ? QStringLiteral(" - ") : DataKrotka(d);
}

QStringList NaglowekJednostki(Database& db) {
    return {Odczyt(db, "NAZWA1"), Odczyt(db, "NAZWA2")};
}

QList<double> UporzadkujNominaly(const QList<double>& nominaly) {
    QList<double> t;
    for (double n : nominaly)
        if (n != 0) t << n;
    // Passes that swap neighbours while a later one is larger: equal values keep their order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < t.size(); ++i)
            if (t[i + 1] > t[i]) {
                std::swap(t[i], t[i + 1]);
                swapped = true;
            }
    }
    return t.mid(0, 12);
}

QList<double> Nominaly(Database& db) {
    QList<double> n;
    for (int i = 1; i <= 12; ++i)
        n << OdczytSetne(db, QStringLiteral("N%1").arg(i));
    return UporzadkujNominaly(n);
}

void RozlozNaBanknoty(double kwota, const QList<double>& nominaly, LicznikiBanknotow& liczniki) {
    // Whole hundredths are taken to the nearest one: 0.29 is stored as 0.28999…, and cutting
    // its fraction off would lose a grosz.
    long long reszta = std::llround(kwota * 100.0);
    for (qsizetype k = 0; k < nominaly.size() && k < 12; ++k) {
        const long long n = std::llround(nominaly[k] * 100.0);
        if (n <= 0) continue;
        const long long ile = reszta / n;
        liczniki[size_t(k)] += int(ile);
        reszta -= ile * n;
    }
}

} // namespace vexa
