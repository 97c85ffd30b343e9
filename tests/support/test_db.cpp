#include "support/test_db.h"

#include <stdexcept>

TestDb::TestDb() {
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    m_db.create(file());
}
