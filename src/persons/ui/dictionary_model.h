#pragma once

#include "persons/dictionaries.h"

#include <QAbstractTableModel>
#include <QColor>

namespace vexa {


// The read-only grid of one dictionary: columns "SKRÓT" and "NAZWA", banded rows.
class DictionaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DictionaryModel(QObject* parent = nullptr);

    void ustaw(const QList<PozycjaSlownika>& pozycje);
    const PozycjaSlownika* pozycja(int row) const;
    // The row of the entry with that id, or -1.
    int wierszId(int id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<PozycjaSlownika> m_pozycje;
};

} // namespace vexa
