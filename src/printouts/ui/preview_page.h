#pragma once

#include "printouts/page_model.h"
#include "printouts/report_painter.h"

#include <QWidget>
#include <QList>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QPrinter;
class QScrollArea;

namespace vexa {

struct AppContext;

// Draws one page of a report at a scale.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);
    void ustaw(const StronaRaportu* strona, QSizeF rozmiarMm, double pikseliNaMm);
    double pikseliNaMm() const { return m_k; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const StronaRaportu* m_strona = nullptr;
    QSizeF m_rozmiar;
    double m_k = 1;
};

// Page podgl "PODGLĄD WYDRUKU": the pages of the last report, paged through, printed, saved as
// a PDF and zoomed; the close icon (or Esc) returns to the page the printout came from.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(AppContext& ctx, QWidget* parent = nullptr);

    // Shows the report from page 1 and switches to this page; closing returns to `powrot`.
    void pokaz(Raport raport, const QString& powrot);
    // Switches to this page with whatever it showed before; closing returns to `powrot`.
    void otworz(const QString& powrot);
    const Raport& raport() const { return m_raport; }
    int biezacaStrona() const { return m_strona; }

    // Sets up the printer (the print dialog by default); false when the user cancelled.
    void ustawDialogDrukarki(std::function<bool(QPrinter&)> dialog);
    // Prints a report on the default printer at once, without preview or dialog: one job.
    void drukujBezPodgladu(const Raport& raport);
    // Replaces the default printer (tests collect the jobs instead).
    void ustawDrukarkeDomyslna(std::function<void(const Raport&)> drukarka);

public slots:
    void pierwsza();
    void poprzednia();
    void nastepna();
    void ostatnia();
    void przejdz();
    void drukuj();
    void doPdf();
    void zamknij();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Shows page n; a page below 1 or above the count leaves the current one.
    void ustawStrone(int n);
    PostepDrukowania postep(const QString& opis);
    void odswiez();

    AppContext& m_ctx;
    Raport m_raport;
    int m_strona = 1;
    QString m_powrot;
    PageView* m_widok;
    QScrollArea* m_przewijanie;
    QLineEdit* m_estr;
    QLabel* m_opis;
    QComboBox* m_zoom;
    QList<QPushButton*> m_przyciskiRaportu;
    std::function<bool(QPrinter&)> m_dialogDrukarki;
    std::function<void(const Raport&)> m_drukarkaDomyslna;
};

} // namespace vexa
