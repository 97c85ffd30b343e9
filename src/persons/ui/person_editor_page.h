#pragma once

#include "persons/person_repository.h"

#include <QWidget>
#include <functional>

class QFrame;
class QPushButton;
class QTableView;

namespace vexa {

struct AppContext;
class DaysOffPanel;
class PersonForm;
class PersonHistoryModel;

// Page edosoba "DANE OSOBOWE": one person opened for adding or editing, with the history of the
// person's positions and the days off. The page works on a copy of the person; nothing of the
// person is written before ZATWIERDŹ passes every check (the days off are stored at once, as
// they are edited). The navigation lock is held from DOPISZ / EDYTUJ until ZATWIERDŹ or ANULUJ;
// page edosobapit edits the same copy.
class PersonEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonEditorPage(AppContext& ctx, QWidget* parent = nullptr);

    PersonForm* formularz() const { return m_form; }
    DaysOffPanel* dniWolne() const { return m_dni; }
    QTableView* historia() const { return m_historia; }
    // The person being edited (the PIT data page writes into it).
    Osoba& osoba() { return m_osoba; }
    bool nowa() const { return m_nowa; }

    // OTWÓRZ LISTĘ (and a double-click on the history) hands the list's id and the person's
    // PESEL to whoever opens lists, after the person's edit is cancelled. Until it is set the
    // button is disabled.
    void ustawOtwieranieListy(std::function<void(int idlisty, const QString& pesel)> otworz);
    // DRUKUJ POKWIT.: the receipt of the person as typed; nothing for an advance of 0. Until it
    // is set the button is disabled.
    void ustawPokwitowanie(std::function<void(const Osoba& osoba)> drukuj);
public slots:
    void pokwitowanie();
public:

public slots:
    // DOPISZ: a new person of the kind with the unit's defaults.
    void dopisz(const QString& zp);
    // EDYTUJ: the stored person with that id.
    void edytuj(int id);
    void zatwierdz();
    void anuluj();
    // DANE DO PIT-11: the PIT data page over the same person.
    void danePit();
    void otworzListe();

signals:
    // The person was stored under that id and the person list is shown again.
    void zapisano(int id);
    // The PIT data page is to show (and later fill) this person.
    void pokazPit(Osoba* osoba);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rozpocznij(const Osoba& o, bool nowa);
    void zakoncz();

    AppContext& m_ctx;
    PersonRepository m_repo;
    QFrame* m_panel = nullptr;
    PersonForm* m_form = nullptr;
    PersonHistoryModel* m_historiaModel = nullptr;
    QTableView* m_historia = nullptr;
    QPushButton* m_lista = nullptr;
    DaysOffPanel* m_dni = nullptr;
    Osoba m_osoba;
    bool m_nowa = false;
    bool m_otwarta = false;
    std::function<void(int, const QString&)> m_otworzListe;
    std::function<void(const Osoba&)> m_pokwitowanie;
};

} // namespace vexa
