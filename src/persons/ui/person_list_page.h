#pragma once

#include "persons/person_repository.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vexa {

struct AppContext;
class GridFontSpin;
class PersonBulkChangeDialog;
class PersonDateFilterDialog;
class PersonListModel;

// Page osoba: the soldiers or the civilian employees, by sub-unit, with or without inactive
// persons, filtered by one value and sorted by a column; marks, the bulk change of marked
// persons, the reset of advances, and DOPISZ / EDYTUJ / USUŃ, which hand the person to the
// editor page.
class PersonListPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonListPage(AppContext& ctx, QWidget* parent = nullptr);

    PersonListModel* model() const { return m_model; }
    QTableView* siatka() const { return m_siatka; }
    // The choices of the register printout: newly arrived, newly departed, their month.
    bool nowoprzybyli() const;
    bool nowoubyli() const;
    QString miesiac() const;
    // The person on the current row, or nullptr.
    const Osoba* biezaca() const;
    // The listed persons in the page's order.
    QList<Osoba> osoby() const;

    // The printouts of the page: WYDRUK KARTOTEKI, DEKLARACJA NALEŻNOŚCI and NALEŻNOŚCI DLA
    // OSOBY; set by the window that owns the preview.
    enum class Wydruk { Kartoteka, Deklaracja, Naleznosci };
    void ustawWydruki(std::function<void(Wydruk)> drukuj) { m_drukuj = std::move(drukuj); }

public slots:
    // Entering the page for the kind in the window state: the kind label, the sub-unit and
    // month choices, then the rebuild.
    void otworz();
    // OdswiezOsoby: the list rebuilt from the kind, sub-unit, inactive switch, filter and sort;
    // every mark in the table is cleared first.
    void odswiezOsoby();
    // Reads the listed rows again without touching the marks and makes the person with that
    // id current (the row of the same number when it is gone).
    void pokazOsobe(int id);

    void dopisz();
    void edytuj();
    void usun();
    void filtr();
    void zaznaczWszystkich();
    void odznaczWszystkich();
    void zaznaczWgDaty();
    void zmienZaznaczonych();
    void zerujZaliczki();

signals:
    // DOPISZ: a new person of the kind; EDYTUJ: the stored person with that id.
    void dopiszOsobe(const QString& zp);
    void edytujOsobe(int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* budujPasekFiltru();
    QWidget* budujPrzyciski();
    WidokOsob widok() const;
    void wczytaj(int id, int wiersz);
    void ustawWiersz(int row);
    void ustawPrzyciskFiltru();
    void szukaj(const QString& tekst);
    void pokazBlad(const QString& tekst);

    AppContext& m_ctx;
    PersonRepository m_repo;
    PersonListModel* m_model = nullptr;
    QTableView* m_siatka = nullptr;
    QLabel* m_rodzaj = nullptr;
    QLabel* m_ilosc = nullptr;
    QComboBox* m_pododdzial = nullptr;
    std::function<void(Wydruk)> m_drukuj;
    QCheckBox* m_nieaktywni = nullptr;
    QCheckBox* m_przybyli = nullptr;
    QCheckBox* m_ubyli = nullptr;
    QComboBox* m_miesiac = nullptr;
    QLineEdit* m_szukaj = nullptr;
    QPushButton* m_filtr = nullptr;
    GridFontSpin* m_czcionka = nullptr;
    PersonDateFilterDialog* m_dialogDaty = nullptr;
    PersonBulkChangeDialog* m_dialogZmiany = nullptr;
};

} // namespace vexa
