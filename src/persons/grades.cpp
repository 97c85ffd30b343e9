#include "persons/grades.h"

#include <QStringList>

namespace vexa {

const QList<StopienEtatowy>& StopnieEtatowe() {
    static const QList<StopienEtatowy> stopnie = [] {
        const QString szer = QStringLiteral("SZEREGOWI");
        const QString podof = QStringLiteral("PODOFICEROWIE");
        const QString ofic = QStringLiteral("OFICEROWIE");
        const QString gen = QStringLiteral("GENERAŁOWIE");
        const QString pw = QStringLiteral("PRACOWNICY WOJSKA");
        return QList<StopienEtatowy>{
            {szer, QStringLiteral("SZEREGOWY / MARYNARZ"), QStringLiteral("SZER.")},
            {szer, QStringLiteral("ST. SZEREGOWY / ST. MARYNARZ"), QStringLiteral("ST.SZER.")},
            {podof, QStringLiteral("KAPRAL / MAT"), QStringLiteral("KPR.")},
            {podof, QStringLiteral("ST. KAPRAL / ST. MAT"), QStringLiteral("ST.KPR.")},
            {podof, QStringLiteral("PLUTONOWY / BOSMANMAT"), QStringLiteral("PLUT.")},
            {podof, QStringLiteral("SIERŻANT / BOSMAN"), QStringLiteral("SIERŻ.")},
            {podof, QStringLiteral("ST. SIERŻANT / ST. BOSMAN"), QStringLiteral("ST.SIERŻ.")},
            {podof, QStringLiteral("MŁ. CHORĄŻY / MŁ. CHORĄŻY MAR."), QStringLiteral("MŁ.CHOR.")},
            {podof, QStringLiteral("CHORĄŻY / CHORĄŻY MAR."), QStringLiteral("CHOR.")},
            {podof, QStringLiteral("ST. CHORĄŻY / ST. CHORĄŻY MAR."), QStringLiteral("ST.CHOR.")},
            {podof, QStringLiteral("ST. CHORĄŻY SZTABOWY / ST. CHORĄŻY SZTABOWY MAR."),
             QStringLiteral("ST.CHOR.SZTAB.")},
            {ofic, QStringLiteral("PODPORUCZNIK / PODPORUCZNIK MAR."), QStringLiteral("PPOR.")},
            {ofic, QStringLiteral("PORUCZNIK / PORUCZNIK MAR."), QStringLiteral("POR.")},
            {ofic, QStringLiteral("KAPITAN / KAPITAN MAR."), QStringLiteral("KPT.")},
            {ofic, QStringLiteral("MAJOR / KOMANDOR PODPORUCZNIK"), QStringLiteral("MJR")},
            {ofic, QStringLiteral("PODPUŁKOWNIK / KOMANDOR PORUCZNIK"), QStringLiteral("PPŁK")},
            {ofic, QStringLiteral("PUŁKOWNIK / KOMANDOR"), QStringLiteral("PŁK")},
            {gen, QStringLiteral("GENERAŁ BRYGADY / KONTRADMIRAŁ"), QStringLiteral("GEN.BRYG.")},
            {gen, QStringLiteral("GENERAŁ DYWIZJI / WICEADMIRAŁ"), QStringLiteral("GEN.DYW.")},
            {gen, QStringLiteral("GENERAŁ BRONI / ADMIRAŁ FLOTY"), QStringLiteral("GEN. BRONI")},
            {pw, QStringLiteral("WYKSZTAŁCENIE ŚREDNIE"), QStringLiteral("PW ŚREDNIE")},
            {pw, QStringLiteral("WUKSZTAŁCENIE WYŻSZE"), QStringLiteral("PW WYŻSZE")},
            {pw, QStringLiteral("OBSERWATOR"), QStringLiteral("OBSERWATOR")},
        };
    }();
    return stopnie;
}

QStringList GrupyStopni() {
    QStringList grupy;
    for (const StopienEtatowy& s : StopnieEtatowe())
        if (!grupy.contains(s.grupa)) grupy.append(s.grupa);
    return grupy;
}

} // namespace vexa
