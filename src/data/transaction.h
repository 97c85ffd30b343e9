#pragma once

namespace vexa {

class Database;

// Scoped transaction: everything done between construction and commit() is kept together;
// leaving the scope without commit() (an error, an exception) undoes all of it.
// Guards nest (an inner guard is a savepoint of the outer one).
class Transakcja {
public:
    explicit Transakcja(Database& db);
    ~Transakcja();
    Transakcja(const Transakcja&) = delete;
    Transakcja& operator=(const Transakcja&) = delete;

    void commit();

private:
    Database& m_db;
    int m_level;
    bool m_done = false;
};

} // namespace vexa
