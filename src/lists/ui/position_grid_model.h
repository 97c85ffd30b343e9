#pragma once

#include "lists/records.h"

#include <QAbstractTableModel>
#include <QSet>

namespace vexa {

// The read-only model of the list editor's position grid: the columns of a position, banded
// rows, red text for cash not collected, green text for persons repeated on the year's "JN"
// lists, a yellow background for positions to do.
class PositionGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int KOLUMNA_ZAZ = 0;
    static constexpr int KOLUMNA_K = 12;
    static constexpr int KOLUMNA_KASA = 14;

    using QAbstractTableModel::QAbstractTableModel;

    // `waluta` titles the cash column "KASA [waluta]"; `powtorzone` are the PESEL numbers drawn
    // green (empty for lists of other kinds).
    void ustaw(QList<Pozycja> pozycje, const QString& waluta, QSet<QString> powtorzone);
    void odswiezWiersz(const Pozycja& p);

    const Pozycja* pozycja(int row) const;
    int wierszId(int id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString legenda();

private:
    QString tekst(const Pozycja& p, int column) const;

    QList<Pozycja> m_pozycje;
    QString m_kasa = QStringLiteral("...");
    QSet<QString> m_powtorzone;
};

} // namespace vexa
