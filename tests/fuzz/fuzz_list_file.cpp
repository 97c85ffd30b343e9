// Any bytes as a list file: the reader either refuses them with a Polish message or gives a
// list that imports whole; a refused import leaves no list and no position behind.
#include "fuzz_support.h"

#include "data/error.h"
#include "data/transaction.h"
#include "lists/list_files.h"

#include <cstddef>
#include <cstdint>

using namespace vexa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Database& db = fuzz::BazaProbna();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ListaZPliku plik;
    try {
        plik = CzytajPlikListy(db, bytes);
    } catch (const VexaError& e) {
        if (e.message().isEmpty()) fuzz::Naruszenie("refused without a message");
        return 0;
    }
    if (plik.pytanie().isEmpty()) fuzz::Naruszenie("no question before the import");
    // Everything the import writes is undone after each input, so the database stays empty.
    Transakcja zewnetrzna(db);
    const int list = fuzz::Wierszy(db, "lista"), poz = fuzz::Wierszy(db, "pozycja");
    try {
        const int id = ZaimportujListe(db, plik);
        if (fuzz::Wierszy(db, "lista") != list + 1)
            fuzz::Naruszenie("imported list missing", QString::number(id));
        if (fuzz::Wierszy(db, "pozycja") != poz + plik.pozycje.size())
            fuzz::Naruszenie("imported positions missing", QString::number(id));
    } catch (const VexaError& e) {
        if (fuzz::Wierszy(db, "lista") != list || fuzz::Wierszy(db, "pozycja") != poz)
            fuzz::Naruszenie("a refused import left rows behind", e.message());
    }
    return 0;
}
