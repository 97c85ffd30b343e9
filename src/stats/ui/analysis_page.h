#pragma once
// Page analiza "ANALIZY LIST NALEŻNOŚCI ZAGRANICZNYCH": the register's filter shown, one amount
// component and up to two groupings chosen, GENERUJ, the grid of counts, sums and averages, and
// DO EXCELA as a semicolon file or an .xlsx workbook.
#include "stats/analysis.h"

#include <QAbstractTableModel>
#include <QWidget>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QTableView;

namespace vexa {

struct AppContext;
class ListRegisterPage;

class AnalysisModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void ustaw(WynikAnalizy w);
    const WynikAnalizy& wynik() const { return m_w; }
    int rowCount(const QModelIndex& = {}) const override { return int(m_w.wiersze.size()); }
    int columnCount(const QModelIndex& = {}) const override { return int(m_w.naglowki.size()); }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    WynikAnalizy m_w;
};

class AnalysisPage : public QWidget {
    Q_OBJECT
public:
    AnalysisPage(AppContext& ctx, ListRegisterPage& rejestr, QWidget* parent = nullptr);
    AnalysisModel* model() const { return m_model; }
    QTableView* siatka() const { return m_grid; }

public slots:
    // Entering the page: the filter display refreshed, the choices reset, the grid hidden.
    void otworz();
    // sbanaliza.
    void generuj();
    // SpeedButton34 "DO EXCELA".
    void eksportuj();
    void zamknij();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    AppContext& m_ctx;
    ListRegisterPage& m_rejestr;
    QFrame* m_panel = nullptr;
    QList<QLabel*> m_podpisyFiltru, m_wartosciFiltru;
    QLabel* m_zaz = nullptr;
    QComboBox* m_kwota = nullptr;
    QComboBox* m_grupa1 = nullptr;
    QComboBox* m_grupa2 = nullptr;
    QLabel *m_listy = nullptr, *m_wyplaty = nullptr, *m_grupy = nullptr, *m_suma = nullptr,
           *m_srednia = nullptr;
    QTableView* m_grid = nullptr;
    AnalysisModel* m_model = nullptr;
    bool m_wygenerowana = false;
};

} // namespace vexa
