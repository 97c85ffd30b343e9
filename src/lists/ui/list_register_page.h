#pragma once

#include "lists/list_register.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace vexa {

struct AppContext;
class ContingentDialog;
class ListEditorPage;
class ListRegisterModel;
class YearDialog;

// Page listy "LISTY NALEŻNOŚCI": the register of allowance lists with its filters, sorting,
// search, the filter on the current value, marks, and the buttons that open, create and
// delete lists.
class ListRegisterPage : public QWidget {
    Q_OBJECT
public:
    explicit ListRegisterPage(AppContext& ctx, QWidget* parent = nullptr);

    // The list editor that EDYTUJ opens.
    void ustawEdytor(ListEditorPage* editor) { m_editor = editor; }
    // The new-list dialog is wired here once it exists; until then "NOWA" stays disabled.
    void ustawNowaLista(std::function<void()> action);
    // What DRUKUJ LISTĘ does with the selected list's id.
    void ustawDrukowanie(std::function<void(int idlisty)> drukuj) { m_drukuj = std::move(drukuj); }
    // WYKAZ PRZELEWÓW and POBRANE W KASIE of the current list.
    void ustawWykazPrzelewow(std::function<void(int idlisty)> drukuj) {
        m_wykazPrzelewow = std::move(drukuj);
    }
    // GENERUJ PLIK DO ZWSI RON: the files of the current list (0 when there is none).
    void ustawPlikiZwsi(std::function<void(int idlisty)> generuj) {
        m_plikiZwsi = std::move(generuj);
    }
    void ustawPobraneWKasie(std::function<void(int idlisty)> drukuj) {
        m_pobraneWKasie = std::move(drukuj);
    }

    // GENERUJ PODSUMOWANIE and GENERUJ ANALIZY.
    void ustawStatystyke(std::function<void()> akcja) { m_statystyka = std::move(akcja); }
    void ustawAnalizy(std::function<void()> akcja) { m_analizy = std::move(akcja); }
    // The current list's id, 0 when there is none.
    int biezacaLista() const;
    // The lists shown, in the register's order, and the current one (nullptr when none).
    const QList<Lista>& listy() const;
    const Lista* biezaca() const;
    // The title of the column the register is filtered on and the current list's value there,
    // as the grid shows them; empty when no column filter is set.
    QString tytulKolumnyFiltru() const;
    QString wartoscFiltru() const;
    // Makes the list with that id current (when it is shown).
    void wybierzListe(int id);
    FiltrRejestru filtr() const;
    YearDialog* yearDialog() const { return m_yearDialog; }
    ContingentDialog* contingentDialog() const { return m_pkwDialog; }

public slots:
    // Opening the page from the button bar: contingents, month, refresh, unmark all lists.
    void otworz();
    // odswiezlisty: runs the register's query again, keeping the current list.
    void odswiezlisty();
    void wybierzRok();
    void wybierzPkw();
    void sortuj(int column);
    void przelaczFiltr();
    void edytuj();
    void usun();
    // "GENERUJ PLIK DO ZWSI RON": the four payment files of the selected list.
    void plikiZwsi();
    // "ZAPISZ LISTĘ DO PLIKU" and "WCZYTAJ LISTĘ Z PLIKU".
    void zapiszDoPliku();
    void wczytajZPliku();

private:
    void buildFilters(QWidget* parent);
    void buildButtons(QWidget* parent);
    bool odswiez();
    void szukaj(const QString& text);
    void klikniecie(const QModelIndex& index);
    void ustawPrzyciskFiltru(bool active);

    AppContext& m_ctx;
    ListRegisterModel* m_model;
    QTableView* m_grid;
    QComboBox* m_miesiac;
    QLineEdit* m_rok;
    QLineEdit* m_pkw;
    QPlainTextEdit* m_mpkw;
    QCheckBox *m_otwarte, *m_zamkniete, *m_pelne, *m_dodatkowe, *m_zolnierze, *m_cywile;
    QLineEdit* m_szukaj;
    QPushButton* m_filtr;
    QPushButton* m_nowa;
    QLabel* m_ilosc;
    QStringList m_kody;
    YearDialog* m_yearDialog;
    ContingentDialog* m_pkwDialog;
    ListEditorPage* m_editor = nullptr;
    std::function<void()> m_nowaLista;
    std::function<void(int)> m_drukuj, m_wykazPrzelewow, m_pobraneWKasie, m_plikiZwsi;
    std::function<void()> m_statystyka, m_analizy;
};

} // namespace vexa
