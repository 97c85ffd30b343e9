#pragma once
// Page pit_11 "FORMULARZE PIT-11": the forms of the tax year chosen in the year box, created
// (UTWÓRZ) from the year's taxed lists, deleted (USUŃ), marked as a correction or explained
// (KOREKTA, or a double click), written as XML e-declarations (GENERUJ PLIKI XML) and printed.
#include "pit/pit11.h"
#include "pit/pit11_xml29.h"
#include "pit/pit11_printout.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QLineEdit;
class QTableView;

namespace vexa {

struct AppContext;
class Pit11Dialog;

// The grid's rows: one form each, in the year's order.
class Pit11Model : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void ustaw(QList<FormularzPit11> formularze);
    const QList<FormularzPit11>& formularze() const { return m_f; }
    int rowCount(const QModelIndex& = {}) const override { return int(m_f.size()); }
    int columnCount(const QModelIndex& = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    QList<FormularzPit11> m_f;
};

class Pit11Page : public QWidget {
    Q_OBJECT
public:
    explicit Pit11Page(AppContext& ctx, QWidget* parent = nullptr);

    // How a printing button prints: `wszystkie` the forms of the year (one job each, no
    // preview), else the current form in the preview. Set by the window that owns the preview.
    void ustawDrukowanie(
        std::function<void(WydrukPit11, const QList<FormularzPit11>&, bool wszystkie)> drukuj);

    QString rok() const;
    const QList<FormularzPit11>& formularze() const { return m_model->formularze(); }
    // The current form (id 0 when the year has none).
    FormularzPit11 biezacy() const;
    void wybierzWiersz(int row);
    const QStringList& szablon() const { return m_szablon; }
    // The variant GENERUJ PLIKI XML writes (the box epit_11_wariant).
    WariantPit11 wariant() const;
    Pit11Dialog* dialog() const { return m_dialog; }

public slots:
    // Opens on the previous calendar year, the preparer from the unit settings, the template
    // loaded from the program folder.
    void otworz();
    // Shows the year's forms and proposes the XML variant for the year.
    void pokazRok();
    void utworz();
    void usun();
    void korekta();
    void generujXml();
    void drukuj(WydrukPit11 co);
    void zamknij();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    AppContext& m_ctx;
    QFrame* m_panel = nullptr;
    QComboBox* m_rok = nullptr;
    QComboBox* m_wariant = nullptr;
    QLineEdit* m_imie = nullptr;
    QLineEdit* m_nazwisko = nullptr;
    QTableView* m_grid = nullptr;
    Pit11Model* m_model = nullptr;
    Pit11Dialog* m_dialog = nullptr;
    QStringList m_szablon;
    std::function<void(WydrukPit11, const QList<FormularzPit11>&, bool)> m_drukuj;
};

} // namespace vexa
