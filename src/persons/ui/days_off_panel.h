#pragma once

#include "persons/days_off.h"

#include <QAbstractTableModel>
#include <QFrame>

class QTableView;

namespace vexa {

struct AppContext;
class DaysOffDialog;

// The grid RxDBGrid5 of a person's days off: OD, DO, TYP, ROZKAZ, newest first, banded rows.
class DaysOffModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DaysOffModel(QObject* parent = nullptr);

    void ustaw(const QList<DzienWolnyWiersz>& wiersze);
    const DzienWolnyWiersz* wiersz(int row) const;
    int wierszRowid(qint64 rowid) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<DzienWolnyWiersz> m_wiersze;
};

// Section "URLOPY I PODRÓŻE SŁUŻBOWE" of the person page: the grid and DOPISZ (SpeedButton53),
// ZMIEŃ (SpeedButton54, or a double-click) and USUŃ (SpeedButton55). The rows are stored at
// once, whatever becomes of the person's own edit; for a person not saved yet (or saved without
// a PESEL, which keys the rows) the buttons do nothing.
class DaysOffPanel : public QFrame {
    Q_OBJECT
public:
    explicit DaysOffPanel(AppContext& ctx, QWidget* parent = nullptr);

    // The days off of a stored person; an empty PESEL or a new person shows none.
    void wczytaj(const QString& pesel, bool zapisana);
    DaysOffModel* model() const { return m_model; }

public slots:
    void dopisz();
    void zmien();
    void usun();

private:
    bool dostepne() const;
    void odswiez(qint64 rowid);
    const DzienWolnyWiersz* biezacy() const;

    AppContext& m_ctx;
    DaysOffModel* m_model = nullptr;
    QTableView* m_siatka = nullptr;
    DaysOffDialog* m_dialog = nullptr;
    QString m_pesel;
    bool m_zapisana = false;
};

} // namespace vexa
