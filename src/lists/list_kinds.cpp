#include "lists/list_kinds.h"

namespace vexa {

const QList<RodzajListy>& RodzajeListy() {
    static const QList<RodzajListy> kinds{
        {"NU", "NU - Nagroda uznaniowa", "- Nagroda uznaniowa", "NAGRODA UZNANIOWA",
         "NAGRODA UZNANIOWA"},
        {"NP", "NP - Nagroda pieniężna", "- Nagroda pieniężna", "NAGRODA PIENIĘŻNA",
         "NAGRODA PIENIĘŻNA"},
        {"WN", "WN - Wyrównanie należności", "- Wyrównanie należności", "WYRÓWNANIE NALEŻNOŚCI",
         "WYRÓWNANIE NALEŻNOŚCI"},
        {"RD", "RD - Rzecznicy dyscyplinarni", "- Rzecznicy dyscyplinarni",
         "RZECZNICY DYSCYPLINARNI", "RZECZNICY DYSCYPLINARNI"},
        {"EZ", "EZ - Ekwiwalent żywnościowy", "- Ekwiwalent żywnościowy", "EKWIWALENT ŻYWNOŚCIOWY",
         "EKWIWALENT ŻYWNOŚCIOWY"},
        {"ZB", "ZB - Zwrot za bilet, hotel", "- Zwrot za bilet, hotel", "ZWROT ZA BILET, HOTEL",
         "ZWROT ZA BILET, HOTEL"},
        {"ZP", "ZP - Należność za przelot/przejazd",
         "- Należność zagraniczna za przelot / przejazd",
         "NALEŻNOŚĆ ZAGRANICZNA ZA PRZELOT / PRZEJAZD",
         "NALEŻNOŚĆ ZAGRANICZNA ZA PRZELOT / PRZEJAZD"},
        {"ZA", "ZA - Zapomoga", "- Zapomoga", "ZAPOMOGA", "ZAPOMOGA"},
        {"ZN", "ZN - Zwiększenie należności/dodatek wojenny",
         "- Zwiększenie należności / dodatek wojenny",
         "ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJENNY",
         "ZWIĘKSZENIE NALEŻNOŚCI ZAGRANICZNEJ / DODATEK WOJENNY"},
        {"ES", "ES - Ekwiwalent za środki higieny", "- Ekwiwalent za środki higieny",
         "EKWIWALENT ZA ŚRODKI HIGIENY", "EKWIWALENT ZA ŚRODKI HIGIENY"},
        {"NN", "NN - Niepodjęte należnosci przekazane na rachunek",
         "- Niepodjęte należności przekazane na rachunek",
         "NIEPODJĘTE NALEŻNOŚCI PRZEKAZANE NA RACHUNEK",
         "NIEPODJĘTE NALEŻNOŚCI PRZEKAZANE NA RACHUNEK"},
        {"PS", "PS - Podróż służbowa PKW", "- Podróż służbowa PKW", "PODRÓŻ SŁUŻBOWA PKW",
         "PODRÓŻ SŁUŻBOWA PKW"},
        {"NI", "NI - Inna należność dodatkowa", "- Inne należności", "INNA NALEŻNOŚĆ DODATKOWA",
         "INNA NALEŻNOŚĆ DODATKOWA"},
        {"ZK", "ZK - Zaliczka na poczet należności", "- Zaliczka na poczet należności",
         "ZALICZKA NA POCZET NALEŻNOŚCI", "ZALICZKA NA POCZET NALEŻNOŚCI ZAGRANICZNEJ"},
        {"SH", "SH - Równoważnik za środki higieny i konserwacji obuwia",
         "- Równoważnik za środki do utrzymania higieny i konserwacji obuwia",
         "RÓWNOWAŻNIK ZA ŚRODKI DO UTRZYMANIA HIGIENY I KONSERWACJĘ OBUWIA",
         "RÓWNOWAŻNIK ZA ŚRODKI DO UTRZYMANIA HIGIENY I KONSERWACJI OBUWIA"},
        {"JN", "JN - Jednorazowa należność", "- Jednorazowa należność", "",
         "JEDNORAZOWA NALEŻNOŚĆ"},
    };
    return kinds;
}

const RodzajListy* RodzajListyKodu(const QString& kod) {
    for (const RodzajListy& r : RodzajeListy())
        if (r.kod == kod) return &r;
    return nullptr;
}

QList<RodzajListy> RodzajeListyLegenda() {
    QList<RodzajListy> kinds = RodzajeListy();
    // The legend lists "Inne należności" (NI) before the business trip (PS).
    const auto ps = std::find_if(kinds.begin(), kinds.end(), [](auto& k) { return k.kod == "PS"; });
    const auto ni = std::find_if(kinds.begin(), kinds.end(), [](auto& k) { return k.kod == "NI"; });
    std::iter_swap(ps, ni);
    return kinds;
}

} // namespace vexa
