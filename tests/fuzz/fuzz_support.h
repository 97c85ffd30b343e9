#pragma once
// What every fuzz target shares: a Qt core application and one scratch database created once
// per process, and the abort that turns a broken promise into a finding.
#include "data/database.h"

#include <QByteArray>
#include <QString>

namespace vexa::fuzz {

// The scratch database (an empty unit created in a temporary folder on first use).
Database& BazaProbna();

// Rows of a table, to prove that a refused file left nothing behind.
int Wierszy(Database& db, const char* tabela);

// Stops the run with the broken promise printed: libFuzzer keeps the input as a crash.
[[noreturn]] void Naruszenie(const char* co, const QString& szczegol = {});

} // namespace vexa::fuzz
