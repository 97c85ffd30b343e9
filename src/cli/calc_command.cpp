// vexa-cli calc: one position through the calculation, JSON in and JSON out.
//
// Input (standard input), one object:
//   {"lista": {...}, "pozycja": {...}, "dane": {"SRHIGIENYM": "9554", "SRHIGIENYK": "9609"},
//    "focus": "ezkrazem" | "ezkzaliczka" | null}
// Field names are the column names of tables lista and pozycja; dates are "YYYY-MM-DD", null
// is null (a null day count is derived). The values of "dane" are texts of whole hundredths, as
// the settings keep them. Lists of typ "P" and "U" get the full calculation, "D" the short one.
// Every field the chosen calculation reads must be present (null where null is allowed);
// other columns may be left out. Unknown names are refused, so a misspelt field never passes
// unnoticed.
//
// Output (standard output): {"pozycja": {every column}, "znaczniki": {the editor marks}},
// numbers in their shortest form that reads back bit for bit, always with a full stop.
// Bad input: a message on standard error and exit code 2.

#include "cli/commands.h"
#include "data/error.h"
#include "data/numbers.h"
#include "lists/calculation.h"
#include "lists/records.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <cstdio>

using namespace vexa;

namespace {

// Bad input: reported with exit code 2.
struct BladWejscia {
    QString tekst;
};

// The column tables carry no type, so the value a default struct gives tells it: a double,
// an int that has a value, a null int (a day count), a null text (a date) or a text.
enum class Typ { Tekst, Liczba, Calkowita, Dni, Data };

template <class S> Typ typKolumny(const Kolumna<S>& c) {
    const QVariant v = c.get(S{});
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return Typ::Liczba;
    case QMetaType::Int:
        return v.isNull() ? Typ::Dni : Typ::Calkowita;
    default:
        return v.isNull() ? Typ::Data : Typ::Tekst;
    }
}

QVariant wartosc(const QJsonValue& v, Typ typ, const QString& pole) {
    if (v.isNull()) return QVariant();
    switch (typ) {
    case Typ::Tekst:
        if (v.isString()) return v.toString();
        throw BladWejscia{QStringLiteral("Pole „%1” musi być tekstem.").arg(pole)};
    case Typ::Liczba:
        if (v.isDouble()) return v.toDouble();
        throw BladWejscia{QStringLiteral("Pole „%1” musi być liczbą.").arg(pole)};
    case Typ::Calkowita:
    case Typ::Dni: {
        const double d = v.toDouble(0.5);
        if (v.isDouble() && d == std::trunc(d) && std::fabs(d) <= 1e9) return int(d);
        throw BladWejscia{QStringLiteral("Pole „%1” musi być liczbą całkowitą.").arg(pole)};
    }
    case Typ::Data: {
        const QString t = v.toString();
        if (v.isString() && t.size() == 10 && QDate::fromString(t, Qt::ISODate).isValid()) return t;
        throw BladWejscia{QStringLiteral("Pole „%1” musi być datą RRRR-MM-DD.").arg(pole)};
    }
    }
    return QVariant();
}

template <class S>
S wczytaj(const QJsonObject& o, const QString& nazwa, const QStringList& wymagane) {
    S s;
    QSet<QString> znane;
    for (const Kolumna<S>& c : S::kolumny()) {
        znane.insert(c.name);
        const QString pole = nazwa + u'.' + c.name;
        const auto it = o.constFind(c.name);
        if (it == o.constEnd()) {
            if (wymagane.contains(c.name))
                throw BladWejscia{QStringLiteral("Brak pola „%1”.").arg(pole)};
            continue;
        }
        c.set(s, wartosc(*it, typKolumny(c), pole));
    }
    for (const QString& k : o.keys())
        if (!znane.contains(k))
            throw BladWejscia{QStringLiteral("Nieznane pole „%1.%2”.").arg(nazwa, k)};
    return s;
}

QJsonObject obiekt(const QJsonObject& o, const QString& nazwa, bool wymagany) {
    const QJsonValue v = o.value(nazwa);
    if ((v.isUndefined() || v.isNull()) && !wymagany) return {};
    if (!v.isObject()) throw BladWejscia{QStringLiteral("Brak obiektu „%1”.").arg(nazwa)};
    return v.toObject();
}

// What each calculation reads; these fields must be given.
const QStringList kListaPelna{"typ",
                              "miesiacrok",
                              "uposazenie",
                              "zwnaleznmon",
                              "czy_dod_wojenny",
                              "dodatekwojenny",
                              "dodatekwojenny2",
                              "dodatekwojenny3",
                              "rozm",
                              "osobnosrhigieny",
                              "czy_podatek",
                              "podatekproc",
                              "podatek_dieta",
                              "podatek_kurs",
                              "kurszaliczki",
                              "kursrach",
                              "walutarach"};
const QStringList kListaSkrocona{"typ",          "rodzaj",   "czy_podatek", "podatekproc",
                                 "kurszaliczki", "kursrach", "walutarach"};
const QStringList kKonto{"zaliczkawaluta",     "rachunek2",  "nrachunek1",     "rachunek1czywaluta",
                         "rachunek2czywaluta", "wyrownanie", "innezwiekszenia"};
const QStringList kPozycjaPelna = kKonto + QStringList{"pesel",
                                                       "datanabycia",
                                                       "datautraty",
                                                       "dni_wolne_u",
                                                       "dni_wolne_w",
                                                       "dni_wolne_p",
                                                       "iloscdni",
                                                       "iloscdnizwmon",
                                                       "iloscdniwojna",
                                                       "iloscdniwojna2",
                                                       "iloscdniwojna3",
                                                       "iloscdnirozm",
                                                       "kddw",
                                                       "mnoznik",
                                                       "zwnaleznlekarzproc",
                                                       "zwnaleznpkwproc",
                                                       "innezmniejszenia",
                                                       "skladkizus",
                                                       "srhigieny",
                                                       "czyzmianasrhigieny"};
const QStringList kPozycjaSkrocona = kKonto + QStringList{"razem"};

DaneNaliczenia wczytajDane(const QJsonObject& wejscie, bool pelna) {
    DaneNaliczenia d;
    const QJsonObject dane = obiekt(wejscie, QStringLiteral("dane"), pelna);
    for (const QString& k : dane.keys())
        if (k != QLatin1String("SRHIGIENYM") && k != QLatin1String("SRHIGIENYK"))
            throw BladWejscia{QStringLiteral("Nieznane pole „dane.%1”.").arg(k)};
    auto setne = [&](const char* kod, double& out) {
        const QJsonValue v = dane.value(QLatin1String(kod));
        if (v.isUndefined()) {
            if (pelna) throw BladWejscia{QStringLiteral("Brak pola „dane.%1”.").arg(kod)};
            return;
        }
        if (!v.isNull() && !v.isString())
            throw BladWejscia{QStringLiteral("Pole „dane.%1” musi być tekstem setnych części "
                                             "(np. \"9554\").")
                                  .arg(kod)};
        try {
            out = ZSetnych(v.toString());
        } catch (const VexaError& e) {
            throw BladWejscia{QStringLiteral("Pole „dane.%1”: %2").arg(kod, e.message())};
        }
    };
    setne("SRHIGIENYM", d.srhigienym);
    setne("SRHIGIENYK", d.srhigienyk);
    const QJsonValue f = wejscie.value(QStringLiteral("focus"));
    if (f.isString() && f.toString() == QLatin1String("ezkrazem"))
        d.fokus = FokusZk::Razem;
    else if (f.isString() && f.toString() == QLatin1String("ezkzaliczka"))
        d.fokus = FokusZk::Zaliczka;
    else if (!f.isNull() && !f.isUndefined())
        throw BladWejscia{QStringLiteral(
            "Pole „focus” musi mieć wartość \"ezkrazem\", \"ezkzaliczka\" albo null.")};
    return d;
}

QString tekstJson(const QString& t) {
    QByteArray a = QJsonDocument(QJsonArray{t}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

QString liczbaJson(double v) {
    if (!std::isfinite(v))
        throw VexaError(QStringLiteral("Wynik obliczenia nie jest liczbą skończoną."));
    return LiczbaDokladna(v);
}

QString wartoscJson(const QVariant& v) {
    if (v.isNull()) return QStringLiteral("null");
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return liczbaJson(v.toDouble());
    case QMetaType::Int:
        return QString::number(v.toInt());
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return tekstJson(v.toString());
    }
}

using Pola = QList<QPair<QString, QVariant>>;

QString obiektJson(const Pola& pola) {
    QStringList linie;
    for (const auto& [nazwa, v] : pola)
        linie << QStringLiteral("    ") + tekstJson(nazwa) + QStringLiteral(": ") + wartoscJson(v);
    return QStringLiteral("{\n") + linie.join(QStringLiteral(",\n")) + QStringLiteral("\n  }");
}

Pola znaczniki(const ZnacznikiPozycji& z) {
    return {{"wokres", z.wokres},
            {"wiloscdni", z.wiloscdni},
            {"wrazem", z.wrazem},
            {"wdowyplaty", z.wdowyplaty},
            {"wrachunek", z.wrachunek},
            {"wrachunek2", z.wrachunek2},
            {"wrachunek1czywaluta", z.wrachunek1czywaluta},
            {"wrachunek2czywaluta", z.wrachunek2czywaluta},
            {"lrachunek1waluta", z.lrachunek1waluta},
            {"lrachunek2waluta", z.lrachunek2waluta},
            {"lrachunek2waluta_2", z.lrachunek2waluta_2},
            {"lbrakrachunku", z.lbrakrachunku},
            {"wyrownanieujemne", z.wyrownanieujemne},
            {"innezwiekszeniaujemne", z.innezwiekszeniaujemne}};
}

Pola znaczniki(const ZnacznikiPozycjiSkroconej& z) {
    return {{"wrazem_2", z.wrazem_2},
            {"wrachunek_2", z.wrachunek_2},
            {"wrachunek2_2", z.wrachunek2_2},
            {"wrachunek1czywaluta_2", z.wrachunek1czywaluta_2},
            {"wrachunek2czywaluta_2", z.wrachunek2czywaluta_2},
            {"lrachunek1waluta_4", z.lrachunek1waluta_4},
            {"lrachunek2waluta_4", z.lrachunek2waluta_4},
            {"lrachunek2waluta_5", z.lrachunek2waluta_5},
            {"lbrakrachunku2", z.lbrakrachunku2 ? QVariant(*z.lbrakrachunku2) : QVariant()}};
}

QString wynikJson(const Pozycja& p, const Pola& marks) {
    Pola pola;
    for (const Kolumna<Pozycja>& c : Pozycja::kolumny())
        pola.append({c.name, c.get(p)});
    return QStringLiteral("{\n  \"pozycja\": ") + obiektJson(pola) +
           QStringLiteral(",\n  \"znaczniki\": ") + obiektJson(marks) + QStringLiteral("\n}\n");
}

QString oblicz(const QByteArray& dane) {
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(dane, &err);
    if (err.error != QJsonParseError::NoError)
        throw BladWejscia{QStringLiteral("Niepoprawny JSON na wejściu (znak %1): %2.")
                              .arg(err.offset)
                              .arg(err.errorString())};
    if (!doc.isObject())
        throw BladWejscia{QStringLiteral("Na wejściu oczekiwano jednego obiektu JSON.")};
    const QJsonObject wejscie = doc.object();
    for (const QString& k : wejscie.keys())
        if (!QStringList{"lista", "pozycja", "dane", "focus"}.contains(k))
            throw BladWejscia{QStringLiteral("Nieznane pole „%1”.").arg(k)};
    const QJsonObject lo = obiekt(wejscie, QStringLiteral("lista"), true);
    const QJsonObject po = obiekt(wejscie, QStringLiteral("pozycja"), true);
    const QJsonValue typ = lo.value(QStringLiteral("typ"));
    const QString t = typ.toString();
    if (t != QLatin1String("P") && t != QLatin1String("U") && t != QLatin1String("D"))
        throw BladWejscia{
            QStringLiteral("Pole „lista.typ” musi mieć wartość \"P\", \"U\" albo \"D\".")};
    const bool pelna = t != QLatin1String("D");
    const Lista lista =
        wczytaj<Lista>(lo, QStringLiteral("lista"), pelna ? kListaPelna : kListaSkrocona);
    Pozycja p =
        wczytaj<Pozycja>(po, QStringLiteral("pozycja"), pelna ? kPozycjaPelna : kPozycjaSkrocona);
    const DaneNaliczenia d = wczytajDane(wejscie, pelna);
    if (pelna) {
        try {
            MiesiacListy::z(lista.miesiacrok);
        } catch (const VexaError& e) {
            throw BladWejscia{e.message()};
        }
        const ZnacznikiPozycji z = przeliczpozycje(lista, p, d);
        return wynikJson(p, znaczniki(z));
    }
    const ZnacznikiPozycjiSkroconej z = przeliczpozycjeskrocona(lista, p, d);
    return wynikJson(p, znaczniki(z));
}

} // namespace

int cliCalc(const QStringList& args) {
    if (!args.isEmpty()) {
        cliError(QStringLiteral("Użycie: vexa-cli calc < pozycja.json"));
        return 2;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        cliError(QStringLiteral("Nie można czytać standardowego wejścia."));
        return 2;
    }
    QString wynik;
    try {
        wynik = oblicz(in.readAll());
    } catch (const BladWejscia& e) {
        cliError(e.tekst);
        return 2;
    }
    const QByteArray out = wynik.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
