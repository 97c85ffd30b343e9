#pragma once

#include "lists/list_repository.h"
#include "payments/transfers.h"

#include <QDialog>
#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QTextEdit;

namespace vexa {

struct AppContext;

// "GENEROWANIE PRZELEWÓW" (TFPrzelewy): the title lines and the value date of a run, then the
// run's report, which DRUKUJ prints.
class TransfersDialog : public QDialog {
    Q_OBJECT
public:
    explicit TransfersDialog(AppContext& ctx, QWidget* parent = nullptr);

    // Empties the titles and the report, shows the count of persons (empty for the
    // not-collected case) and sets the value date to today.
    void przygotuj(const QString& osoby);
    // The run's options as typed.
    OpcjePrzelewow opcje() const;
    // The dialog again, with the report; ZATWIERDŹ or ANULUJ just closes it.
    void pokazRaport(const QStringList& raport);
    QString raport() const;

    // How the report is printed (the print dialog by default; tests replace it).
    void ustawDrukowanie(std::function<void(const QString& title, const QString& text)> drukuj);

    void zatwierdz();
    void drukuj();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_ctx;
    QLabel* m_osoby;
    QLineEdit *m_tytul1, *m_tytul2, *m_tytul3;
    QDateEdit* m_dataWaluty;
    QTextEdit* m_raport;
    bool m_zRaportem = false;
    std::function<void(const QString&, const QString&)> m_drukuj;
};

// GENEROWANIE PRZELEWÓW of the list editor for the open list: the not-collected question,
// the count of marked positions (all of them after a "yes" when none is marked), the dialog,
// the save dialog, the files and the report. True when files were written.
bool GenerujPrzelewyZListy(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc,
                           TransfersDialog& dialog);

// GENERUJ PLIK DO ZWSI RON of the list register: the save dialog proposing the list's number,
// the four files and the information. True when files were written.
bool GenerujPlikiZwsiZListy(AppContext& ctx, int idlisty, KolejnoscPozycji kolejnosc);

} // namespace vexa
