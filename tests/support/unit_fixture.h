#pragma once

#include "lists/generation.h"
#include "persons/person_repository.h"
#include "support/scripted_messages.h"
#include "support/test_db.h"

// A configured unit over a fresh database: its settings, one grade "kpr." (multiplier 1.5),
// base pay 4000, hygiene 90 (men) / 100 (women), cash in USD, accounts in PLN.
struct UnitFixture {
    UnitFixture();

    // A soldier of sub-unit KOMP with grade kpr.; the sex follows the PESEL.
    int person(const QString& surname, const QString& pesel, QDate start = QDate(2027, 1, 1),
               QDate end = QDate(2999, 1, 1), const QString& zp = "Z");
    // A full list of March 2027 (cash rate 4, bank rate 1), number "1/2027 A".
    vexa::NowaLista full(int month = 3);
    int count(const char* table);

    TestDb t;
    vexa::Database& db = t.db();
    ScriptedMessages msg;
    vexa::PersonRepository persons{db};
    vexa::ListRepository lists{db};
};
