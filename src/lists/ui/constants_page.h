#pragma once

#include <QList>
#include <QWidget>

class QFrame;
class QLineEdit;
class QTableView;

namespace vexa {

struct AppContext;
struct DaneDoNaliczen;
class MnoznikiModel;

// Page skladniki, "DANE DO NALICZEŃ": the calculation constants in the centred panel
// pskladniki and the multiplier table of the post grades with its editor pmnoznik. An edit
// page: it holds the navigation lock from otworz() until ZATWIERDŹ, ANULUJ or its close button.
class ConstantsPage : public QWidget {
    Q_OBJECT
public:
    explicit ConstantsPage(AppContext& ctx, QWidget* parent = nullptr);
    ~ConstantsPage() override;

public slots:
    // The bar button "DANE DO NALICZEŃ": nothing while the lock is set; otherwise shows the
    // page, sets the lock and reads every value.
    void otworz();
    // ZATWIERDŹ (Enter): checks and stores the values, then leaves the page.
    void zatwierdz();
    // ANULUJ (Esc) and the close button: leaves the page, storing nothing.
    void anuluj();
    // Double-click on a grade: the multiplier editor for that row.
    void edytujMnoznik(int row);
    // ZAPISZ of the multiplier editor.
    bool zapiszMnoznik();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* addEdit(QWidget* parent, const char* name);
    void buildRates(QWidget* box);
    void buildCurrencies(QWidget* box);
    QWidget* buildGrades(QWidget* parent);
    void fill(const DaneDoNaliczen& d);
    bool readNumbers(DaneDoNaliczen& d);
    void colourDenomination(QLineEdit* edit);
    void leave();

    AppContext& m_ctx;
    QFrame* m_panel = nullptr;
    QLineEdit* m_uposazenie = nullptr;
    QLineEdit* m_zwnalmon = nullptr;
    QLineEdit* m_dodwojenny[3] = {};
    QLineEdit* m_rozm = nullptr;
    QLineEdit* m_srhigienym = nullptr;
    QLineEdit* m_srhigienyk = nullptr;
    QLineEdit* m_waluta = nullptr;
    QLineEdit* m_walutarach = nullptr;
    QLineEdit* m_podatekproc = nullptr;
    QList<QLineEdit*> m_nominaly;
    QTableView* m_grid = nullptr;
    MnoznikiModel* m_model = nullptr;
    QFrame* m_pmnoznik = nullptr;
    QLineEdit* m_emnoznik = nullptr;
    int m_editedRow = -1;
};

} // namespace vexa
