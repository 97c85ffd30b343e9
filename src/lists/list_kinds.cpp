#include "lists/list_kinds.h"

namespace vexa {

const QList<RodzajListy>& RodzajeListy() {
    static const QList<RodzajListy> kinds{
        {"NU", "NU - Nagroda uznaniowa", "- Nagroda uznaniowa"},
        {"NP", "NP - Nagroda pieniężna", "- Nagroda pieniężna"},
        {"WN", "WN - Wyrównanie należności", "- Wyrównanie należności"},
        {"RD", "RD - Rzecznicy dyscyplinarni", "- Rzecznicy dyscyplinarni"},
        {"EZ", "EZ - Ekwiwalent żywnościowy", "- Ekwiwalent żywnościowy"},
        {"ZB", "ZB - Zwrot za bilet, hotel", "- Zwrot za bilet, hotel"},
        {"ZP", "ZP - Należność za przelot/przejazd",
         "- Należność zagraniczna za przelot / przejazd"},
        {"ZA", "ZA - Zapomoga", "- Zapomoga"},
        {"ZN", "ZN - Zwiększenie należności/dodatek wojenny",
         "- Zwiększenie należności / dodatek wojenny"},
        {"ES", "ES - Ekwiwalent za środki higieny", "- Ekwiwalent za środki higieny"},
        {"NN", "NN - Niepodjęte należnosci przekazane na rachunek",
         "- Niepodjęte należności przekazane na rachunek"},
        {"PS", "PS - Podróż służbowa PKW", "- Podróż służbowa PKW"},
        {"NI", "NI - Inna należność dodatkowa", "- Inne należności"},
        {"ZK", "ZK - Zaliczka na poczet należności", "- Zaliczka na poczet należności"},
        {"SH", "SH - Równoważnik za środki higieny i konserwacji obuwia",
         "- Równoważnik za środki do utrzymania higieny i konserwacji obuwia"},
        {"JN", "JN - Jednorazowa należność", "- Jednorazowa należność"},
    };
    return kinds;
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
