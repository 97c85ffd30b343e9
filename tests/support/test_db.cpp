#include "support/test_db.h"

#include "data/transaction.h"

#include <QFile>

#include <stdexcept>

TestDb::TestDb() {
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    m_db.create(file());
}

void DopiszOsoby(vexa::Database& db, int count) {
    vexa::Transakcja batch(db);
    for (int i = 0; i < count; ++i)
        db.exec(QStringLiteral("insert into osoba (nazwisko, imie) values (?, 'JAN')"),
                {QStringLiteral("NOWAK%1").arg(i)});
    batch.commit();
}

bool UszkodzStrone(const QString& file, int page) {
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const QByteArray header = f.read(18);
    if (header.size() < 18) return false;
    // Bytes 16-17: the page size, big-endian; 1 stands for 65536.
    int size = (uchar(header.at(16)) << 8) | uchar(header.at(17));
    if (size == 1) size = 65536;
    const qint64 at = qint64(page - 1) * size;
    if (page < 1 || at + size > f.size() || !f.seek(at)) return false;
    return f.write(QByteArray(size, char(0xA5))) == size;
}
