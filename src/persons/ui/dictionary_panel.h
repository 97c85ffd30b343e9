#pragma once

#include "persons/dictionaries.h"

#include <QFrame>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace vexa {

struct AppContext;
class DictionaryModel;

// The objectNames of one dictionary's controls on page slowniki.
struct NazwyPanelu {
    QString tytul;  // caption of the panel
    QString panel;  // objectName of the panel
    QString siatka; // grid
    QString edycja; // edit panel
    QString dopisz, edytuj, usun, zatwierdz, anuluj;
};

// One half of page slowniki: the grid of a dictionary with DOPISZ / EDYTUJ / USUŃ, and the
// edit panel that takes the grid's place while a row is added or edited. While a row is open
// the navigation lock is set; ZATWIERDŹ (or Enter in a field) and ANULUJ (or Esc) end it.
class DictionaryPanel : public QFrame {
    Q_OBJECT
public:
    DictionaryPanel(AppContext& ctx, Slownik slownik, const NazwyPanelu& nazwy,
                    QWidget* parent = nullptr);

    // Reads the rows again and makes the row with that id (or the first) current.
    void wczytaj(int id = 0);
    bool edytuje() const { return m_edytuje; }
    // DOPISZ, EDYTUJ and USUŃ work only while the other dictionary is not being edited.
    void setAkcjeDostepne(bool on);
    DictionaryModel* model() const { return m_model; }
    QTableView* siatka() const { return m_siatka; }

public slots:
    void dopisz();
    void edytuj();
    void usun();
    void zatwierdz();
    void anuluj();

signals:
    void edycjaRozpoczeta();
    void edycjaZakonczona();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rozpocznij(const PozycjaSlownika& p);
    void zakoncz(int id);
    const PozycjaSlownika* biezaca() const;

    AppContext& m_ctx;
    Slownik m_slownik;
    DictionaryModel* m_model = nullptr;
    QStackedWidget* m_stos = nullptr;
    QTableView* m_siatka = nullptr;
    QLineEdit* m_skrot = nullptr;
    QLineEdit* m_nazwa = nullptr;
    QList<QPushButton*> m_akcje;
    PozycjaSlownika m_edytowana;
    bool m_edytuje = false;
};

} // namespace vexa
