#pragma once

#include "persons/records.h"

#include <QAbstractTableModel>
#include <QFont>

namespace vexa {

// The read-only grid of page osoba over the rows of the person list: the mark, status,
// sub-unit, PESEL, sex, entitlement dates, grade, names, post and main account. Rows are
// banded; every cell of an inactive person is struck out; the title of the sort column is red.
class PersonListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PersonListModel(QObject* parent = nullptr);

    void ustaw(const QList<Osoba>& osoby);
    // The field whose title is red (compared in upper case).
    void ustawSort(const QString& pole);
    // The cell font of the grid (its size follows the grid's spin buttons).
    void ustawCzcionke(const QFont& font);

    const Osoba* osoba(int row) const;
    QList<int> identyfikatory() const;
    // The row of the person with that id / PESEL, or -1.
    int wierszId(int id) const;
    int wierszPesel(const QString& pesel) const;
    // The first row whose field (as the grid shows it) starts with the text, case ignored; -1.
    int znajdzPoczatek(const QString& pole, const QString& tekst) const;
    // The mark of the row as the table got it: unmarked becomes marked, anything else unmarked.
    void przelaczZaznaczenie(int row);

    // The field name of a column ("zaz", "akt", ..., "rachunek1").
    static QString pole(int column);
    static int kolumnaPola(const QString& pole);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString tekst(const Osoba& o, int column) const;

    QList<Osoba> m_osoby;
    QString m_sort;
    QFont m_font;
};

} // namespace vexa
