#pragma once

#include "lists/records.h"

#include <QAbstractTableModel>

namespace vexa {

// The read-only model of the register grid dbglista: one row per list, the columns of the
// register, banded rows and the sort column's title in red.
class ListRegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void ustaw(QList<Lista> listy);
    // The field the register is ordered by; its column title is drawn red.
    void ustawSort(const QString& field);
    // Replaces one list after a change of its row (the mark), keeping its place.
    void odswiezWiersz(const Lista& l);

    const Lista* lista(int row) const;
    const QList<Lista>& listy() const { return m_listy; }
    int wierszId(int id) const;
    // The field shown in a column, and the column of a field (-1 when not shown).
    static QString pole(int column);
    static int kolumnaPola(const QString& field);
    // The value of any field of a row as the grid shows it (or as stored when not shown).
    QString tekst(int row, const QString& field) const;
    // The value of a field as stored, for a filter condition.
    QVariant wartosc(int row, const QString& field) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QString legenda();

private:
    QList<Lista> m_listy;
    QString m_sort;
};

} // namespace vexa
