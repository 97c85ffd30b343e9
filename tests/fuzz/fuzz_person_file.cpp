// Any bytes as a person file: refused with a Polish message, or read into rows that are all
// added in one go; a refused addition leaves the register as it was.
#include "fuzz_support.h"

#include "data/error.h"
#include "data/transaction.h"
#include "persons/person_files.h"

#include <cstddef>
#include <cstdint>

using namespace vexa;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Database& db = fuzz::BazaProbna();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    OsobyZPliku plik;
    try {
        plik = CzytajPlikOsob(db, bytes);
    } catch (const VexaError& e) {
        if (e.message().isEmpty()) fuzz::Naruszenie("refused without a message");
        return 0;
    }
    for (const QStringList& w : plik.wiersze)
        if (w.size() != plik.kolumny.size()) fuzz::Naruszenie("a row read past its columns");
    Transakcja zewnetrzna(db);
    const int przed = fuzz::Wierszy(db, "osoba");
    try {
        const int dodane = DopiszOsobyZPliku(db, plik, {});
        if (dodane != plik.wiersze.size() || fuzz::Wierszy(db, "osoba") != przed + dodane)
            fuzz::Naruszenie("persons added do not match the file");
    } catch (const VexaError& e) {
        if (fuzz::Wierszy(db, "osoba") != przed)
            fuzz::Naruszenie("a refused addition left persons behind", e.message());
    }
    return 0;
}
