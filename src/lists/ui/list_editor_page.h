#pragma once

#include "lists/list_editing.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QRadioButton;
class QTableView;

namespace vexa {

class BulkChangeDialog;
class ShortBulkChangeDialog;

struct AppContext;
class DateFilterDialog;
class ListHeaderPanel;
class PositionEditorPage;
class PositionGridModel;
class ShortPositionEditorPage;

// Page edlista "LISTA NALEŻNOŚCI ZAGRANICZNYCH": the header of one list and the grid of its
// positions, with marking, to-do flags, deletions, appending new persons, the position
// editors and the confirmation of the list.
class ListEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit ListEditorPage(AppContext& ctx, QWidget* parent = nullptr);

    void ustawEdytoryPozycji(PositionEditorPage* full, ShortPositionEditorPage* shortEditor);

    // The header as typed so far, and as it was stored when the editor opened.
    const Lista& lista() const { return m_lista; }
    const Lista& zapisana() const { return m_zapisana; }
    // The current position's id (0 when none) and the id `krok` rows away in the grid's
    // order (the same id at either end).
    int biezacaPozycja() const;
    int sasiedniaPozycja(int id, int krok) const;
    // A position editor wrote a position: the totals and the grid follow.
    void pozycjaZapisana(int id, const SumyListy& sumy);
    // Back from a position editor to the grid, on that position.
    void wroc(int idpozycji);
    ListHeaderPanel* naglowek() const { return m_header; }
    // The order of the positions chosen on the page (by surname or by NIS).
    KolejnoscPozycji kolejnosc() const;
    DateFilterDialog* dateFilterDialog() const { return m_dateDialog; }

public slots:
    // Opens the list with that id for editing (from the register).
    void otworz(int idlisty);
    // otworzpozycje: reads the positions again in the chosen order, keeping the current one.
    void otworzpozycje();
    void zatwierdz();
    void anuluj();
    void edytujPozycje();
    // Space: the mark of the current position toggles.
    Q_INVOKABLE void przelaczZaznaczenie();
    void zaznaczWszystkie();
    void odznaczWszystkie();
    void zaznaczPln();
    void zaznaczWal();
    void zaznaczWgDat();
    void doZrobienia();
    void usunPozycje();
    void usunPuste();
    void dopisz();
    // "ZMIEŃ SKŁ. DLA ZAZNACZ. POZ.": the bulk change of the marked positions.
    void zmienSkladniki();
    // "GENERUJ PRZELEWY": the transfer files of this list.
    void generujPrzelewy();
    // How GENERUJ PRZELEWY writes the files of a list (the application sets it).
    void ustawGenerowaniePrzelewow(std::function<void(int idlisty, KolejnoscPozycji)> generuj) {
        m_generujPrzelewy = std::move(generuj);
    }

signals:
    // The editor was left (confirmed or cancelled); the register shows the list again.
    void zamknieta(int idlisty);

private:
    void buildGrid(QWidget* parent);
    void buildButtons(QWidget* parent);
    void klikniecie(const QModelIndex& index);
    void szukaj(const QString& text);
    void odswiezWiersz(int id);
    // The totals written by the repository go into the header; the grid is read again and
    // left on position `id` (or its first row).
    void ustawSumy(int id, const SumyListy& sumy);
    void odswiezDoZrobienia();
    void zaznaczRachunki(const QString& czyWaluta, const QString& caption);
    void zostawListe();
    bool chroniona(const QString& message);
    void wybierz(int id);
    // Runs one change of the database; an error is shown and false returned.
    bool wykonaj(const std::function<void()>& action);

    AppContext& m_ctx;
    BulkChangeDialog* m_zmiana = nullptr;
    ShortBulkChangeDialog* m_zmiana2 = nullptr;
    std::function<void(int, KolejnoscPozycji)> m_generujPrzelewy;
    Lista m_lista;
    Lista m_zapisana;
    ZapamietaneWartosci m_pamiec;
    bool m_pozycjeZapisane = false;
    ListHeaderPanel* m_header;
    PositionGridModel* m_model;
    QTableView* m_grid;
    QRadioButton* m_rbNazwisko;
    QRadioButton* m_rbNis;
    QLabel* m_title;
    QLabel* m_ilosc;
    QLabel* m_wyr;
    QLineEdit* m_szukaj;
    QLineEdit* m_przelewWaluta;
    DateFilterDialog* m_dateDialog;
    PositionEditorPage* m_full = nullptr;
    ShortPositionEditorPage* m_short = nullptr;
};

} // namespace vexa
