#pragma once

#include "persons/person_views.h"

#include <QAbstractTableModel>

namespace vexa {

// The history grid RxDBGrid4 of the person page: the person's positions on every list
// (type, number, month, days, increase and the amounts), banded rows.
class PersonHistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PersonHistoryModel(QObject* parent = nullptr);

    void ustaw(const QList<PozycjaHistorii>& pozycje);
    const PozycjaHistorii* pozycja(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<PozycjaHistorii> m_pozycje;
};

} // namespace vexa
