#include "persons/ui/person_history_model.h"

#include "ui/ui_helpers.h"
#include "data/numbers.h"
#include "persons/ui/dictionary_model.h"

namespace vexa {

namespace {

const char* const kTytuly[] = {"T",     "NR",         "MIESIĄC",  "ID",       "PKW",
                               "RAZEM", "KASA [PLN]", "RACHUNEK", "ZAL. [WZ]"};
constexpr int kIlosc = int(std::size(kTytuly));

} // namespace

PersonHistoryModel::PersonHistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

void PersonHistoryModel::ustaw(const QList<PozycjaHistorii>& pozycje) {
    beginResetModel();
    m_pozycje = pozycje;
    endResetModel();
}

const PozycjaHistorii* PersonHistoryModel::pozycja(int row) const {
    return row >= 0 && row < m_pozycje.size() ? &m_pozycje.at(row) : nullptr;
}

int PersonHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_pozycje.size());
}

int PersonHistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kIlosc;
}

QVariant PersonHistoryModel::data(const QModelIndex& index, int role) const {
    const PozycjaHistorii* p = pozycja(index.row());
    if (!p) return {};
    if (role == Qt::BackgroundRole) return TloWiersza(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() >= 3 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0:
        return p->typ;
    case 1:
        return p->nr;
    case 2:
        return p->miesiacrok;
    case 3:
        return p->iloscdni ? QString::number(*p->iloscdni) : QString();
    case 4:
        return Liczba1(p->zwnaleznpkwproc);
    case 5:
        return Kwota00Przecinek(p->razem);
    case 6:
        return Kwota00Przecinek(p->zaliczkapln);
    case 7:
        return Kwota00Przecinek(p->rachunek);
    case 8:
        return Kwota00Przecinek(p->zaliczkawaluta);
    default:
        return {};
    }
}

QVariant PersonHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kIlosc)
        return QString::fromUtf8(kTytuly[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace vexa
