#pragma once

#include "persons/lookups.h"
#include "persons/records.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QCompleter;
class QFrame;
class QLineEdit;
class QStandardItemModel;

namespace vexa {

struct AppContext;
class TaxOfficeDialog;

// Page edosobapit "DANE DO PIT-11": the tax office (chosen from the list, which fills its
// address and code; a new office through "DOPISZ URZĘDU SKARBOWY"), the NIP and the home
// address, whose postal code fills the post office, commune, district and voivodeship. Part of
// the person's edit: the values go into the person being edited on page edosoba, and
// "POWRÓT DO DANYCH OSOBOWYCH" returns there once the NIP is 10 digits (blanks allowed) or
// empty. Everything is typed in upper case.
class PersonPitPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonPitPage(AppContext& ctx, QWidget* parent = nullptr);

    QLineEdit* pole(const QString& nazwa) const { return m_pola.value(nazwa); }
    QCompleter* podpowiedzKodow() const { return m_completer; }

public slots:
    // Shows the person's PIT data and makes the page active; the person stays the editor's.
    void otworz(Osoba* osoba);
    // POWRÓT DO DANYCH OSOBOWYCH.
    void powrot();
    // DOPISZ URZĄD SKARBOWY.
    void dopiszUrzad();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* dodajPole(const QString& nazwa, int maks);
    void wczytajUrzedy(const QString& wybrany);
    void wczytajKody();
    // Shows the person's fields; the field being typed (pomin) keeps its text and cursor.
    void pokaz(const Osoba& o, const QLineEdit* pomin = nullptr);
    void zbierz(Osoba& o) const;
    void wybranoUrzad(int index);
    void wpisanoKod(const QString& tekst);
    void wybranoKod(const QModelIndex& index);

    AppContext& m_ctx;
    Osoba* m_osoba = nullptr;
    QFrame* m_panel = nullptr;
    QComboBox* m_urzad = nullptr;
    QHash<QString, QLineEdit*> m_pola;
    QList<UrzadSkarbowy> m_urzedy;
    QList<KodPocztowy> m_kody;
    QStandardItemModel* m_kodyModel = nullptr;
    QCompleter* m_completer = nullptr;
    TaxOfficeDialog* m_dialog = nullptr;
};

} // namespace vexa
