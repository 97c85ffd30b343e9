#include "persons/ui/dictionary_model.h"

#include "ui/ui_helpers.h"

namespace vexa {

DictionaryModel::DictionaryModel(QObject* parent) : QAbstractTableModel(parent) {}

void DictionaryModel::ustaw(const QList<PozycjaSlownika>& pozycje) {
    beginResetModel();
    m_pozycje = pozycje;
    endResetModel();
}

const PozycjaSlownika* DictionaryModel::pozycja(int row) const {
    return row >= 0 && row < m_pozycje.size() ? &m_pozycje.at(row) : nullptr;
}

int DictionaryModel::wierszId(int id) const {
    for (int i = 0; i < m_pozycje.size(); ++i)
        if (m_pozycje.at(i).id == id) return i;
    return -1;
}

int DictionaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_pozycje.size());
}

int DictionaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant DictionaryModel::data(const QModelIndex& index, int role) const {
    const PozycjaSlownika* p = pozycja(index.row());
    if (!p) return {};
    if (role == Qt::DisplayRole) return index.column() == 0 ? p->skrot : p->nazwa;
    if (role == Qt::BackgroundRole) return TloWiersza(index.row());
    return {};
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? QStringLiteral("SKRÓT") : QStringLiteral("NAZWA");
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace vexa
