#include "lists/constants.h"

#include "data/database.h"
#include "data/settings.h"
#include "data/transaction.h"

namespace vexa {

namespace {

// The numeric keys in the order they are read (the order of the page).
struct Klucz {
    const char* kod;
    double DaneDoNaliczen::*pole;
};

const Klucz kStawki[] = {
    {"UPOSAZENIE", &DaneDoNaliczen::uposazenie},   {"ZWNALMON", &DaneDoNaliczen::zwnalmon},
    {"DODWOJENNY", &DaneDoNaliczen::dodwojenny},   {"DODWOJENNY2", &DaneDoNaliczen::dodwojenny2},
    {"DODWOJENNY3", &DaneDoNaliczen::dodwojenny3}, {"ROZM", &DaneDoNaliczen::rozm},
    {"SRHIGIENYM", &DaneDoNaliczen::srhigienym},   {"SRHIGIENYK", &DaneDoNaliczen::srhigienyk},
};

QString kodNominalu(int i) {
    return QStringLiteral("N%1").arg(i + 1);
}

} // namespace

DaneDoNaliczen WczytajDaneDoNaliczen(Database& db) {
    DaneDoNaliczen d;
    for (const Klucz& k : kStawki)
        d.*k.pole = OdczytSetne(db, QLatin1String(k.kod));
    d.walutazaliczki = Odczyt(db, QStringLiteral("WALUTAZALICZKI"));
    d.walutarachunek = Odczyt(db, QStringLiteral("WALUTARACHUNEK"));
    d.podatekproc = OdczytSetne(db, QStringLiteral("PODATEKPROC"));
    for (int i = 0; i < 12; ++i)
        d.nominaly[i] = OdczytSetne(db, kodNominalu(i));
    return d;
}

QString SprawdzDaneDoNaliczen(const DaneDoNaliczen& d) {
    if (d.walutazaliczki.trimmed().isEmpty()) return QString::fromUtf8(kBrakWalutyZaliczki);
    return QString();
}

bool ZapiszDaneDoNaliczen(Database& db, DaneDoNaliczen& d, QString* blad) {
    const QString powod = SprawdzDaneDoNaliczen(d);
    if (blad) *blad = powod;
    if (!powod.isEmpty()) return false;
    if (d.walutarachunek.trimmed().isEmpty()) d.walutarachunek = QStringLiteral("PLN");
    Transakcja t(db);
    ZapisSetne(db, QStringLiteral("UPOSAZENIE"), d.uposazenie);
    ZapisSetne(db, QStringLiteral("ZWNALMON"), d.zwnalmon);
    ZapisSetne(db, QStringLiteral("DODWOJENNY"), d.dodwojenny);
    ZapisSetne(db, QStringLiteral("DODWOJENNY2"), d.dodwojenny2);
    ZapisSetne(db, QStringLiteral("DODWOJENNY3"), d.dodwojenny3);
    ZapisSetne(db, QStringLiteral("SRHIGIENYM"), d.srhigienym);
    ZapisSetne(db, QStringLiteral("SRHIGIENYK"), d.srhigienyk);
    ZapisSetne(db, QStringLiteral("ROZM"), d.rozm);
    Zapis(db, QStringLiteral("WALUTAZALICZKI"), d.walutazaliczki);
    Zapis(db, QStringLiteral("WALUTARACHUNEK"), d.walutarachunek);
    ZapisSetne(db, QStringLiteral("PODATEKPROC"), d.podatekproc);
    for (int i = 0; i < 12; ++i)
        ZapisSetne(db, kodNominalu(i), d.nominaly[i]);
    t.commit();
    return true;
}

DaneNaliczenia BiezaceDaneNaliczenia(Database& db) {
    DaneNaliczenia d;
    d.srhigienym = OdczytSetne(db, QStringLiteral("SRHIGIENYM"));
    d.srhigienyk = OdczytSetne(db, QStringLiteral("SRHIGIENYK"));
    return d;
}

QList<MnoznikStopnia> MnoznikiStopni(Database& db) {
    QList<MnoznikStopnia> out;
    QSqlQuery q =
        db.exec(QStringLiteral("select id, skrot, nazwa, mnoznik from ste order by nazwa"));
    while (q.next())
        out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toDouble()});
    return out;
}

void ZapiszMnoznik(Database& db, int id, double mnoznik) {
    db.exec(QStringLiteral("update ste set mnoznik = ? where id = ?"), {mnoznik, id});
}

TabelaMnoznikow::TabelaMnoznikow(Database& db) {
    for (const MnoznikStopnia& m : MnoznikiStopni(db)) {
        if (!m_exact.contains(m.skrot))
            m_exact.insert(m.skrot, m.mnoznik);
        if (!m_folded.contains(m.skrot.toUpper()))
            m_folded.insert(m.skrot.toUpper(), m.mnoznik);
    }
}

double TabelaMnoznikow::operator()(const QString& ste) const {
    if (auto it = m_exact.constFind(ste); it != m_exact.cend())
        return *it;
    return m_folded.value(ste.toUpper(), 0.0);
}

} // namespace vexa
