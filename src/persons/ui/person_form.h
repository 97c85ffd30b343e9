#pragma once

#include "persons/person_repository.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {

struct AppContext;
class GradeDialog;

// The fields of one person on page edosoba: identity, post and grade, entitlement dates and
// orders, both accounts, advance, doctor's increase and the ZWSI RON flag. It shows a person and
// gathers what was typed back into one; it writes nothing itself. While typing, the PESEL and
// the accounts are coloured, the PESEL sets the sex, an account names its bank while the bank
// field is empty, and the second account's amount stays 0 while that account is blank.
class PersonForm : public QWidget {
    Q_OBJECT
public:
    explicit PersonForm(AppContext& ctx, QWidget* parent = nullptr);

    // Fills the drop-downs (sub-units) and the currency label, then shows the person.
    void pokaz(const Osoba& o);
    // The person's fields of this form as typed (the PIT data and the rest are kept).
    void zbierz(Osoba& o) const;
    // The date fields as typed, for the checks of ZATWIERDŹ.
    TekstyDat daty() const;

    QLineEdit* pole(const QString& nazwa) const { return m_pola.value(nazwa); }
    // DRUKUJ POKWIT. beside the advance (the editor page wires it).
    QPushButton* przyciskPokwitowania() const { return m_pokwitowanie; }

public slots:
    // WYBIERZ: the grade dialog; a chosen grade becomes the person's.
    void wybierzStopien();

private:
    QLineEdit* dodajPole(const QString& nazwa, int maks, bool wielkie);
    QLineEdit* dodajKwote(const QString& nazwa);
    QComboBox* dodajListe(const QString& nazwa, const QList<QPair<QString, QVariant>>& pozycje);
    QWidget* budujOsobe();
    QWidget* budujStanowisko();
    QWidget* budujRachunki();
    void ustawListe(QComboBox* lista, const QVariant& wartosc, const QString& napis);
    void pesel(const QString& tekst);
    void rachunek(int ktory);
    void kwotaDrugiego();

    AppContext& m_ctx;
    QHash<QString, QLineEdit*> m_pola;
    QComboBox* m_akt = nullptr;
    QComboBox* m_pododdzial = nullptr;
    QComboBox* m_plec = nullptr;
    QComboBox* m_lekarz = nullptr;
    QLabel* m_ste = nullptr;
    QLabel* m_zp = nullptr;
    QLabel* m_waluta = nullptr;
    QPushButton* m_pokwitowanie = nullptr;
    QLabel* m_dopisany = nullptr;
    QCheckBox* m_waluta1 = nullptr;
    QCheckBox* m_waluta2 = nullptr;
    QCheckBox* m_zwsi = nullptr;
    GradeDialog* m_stopnie = nullptr;
    QString m_stopien;
    QHash<QString, QString> m_pokazaneKwoty; // the amounts as pokaz() showed them
};

} // namespace vexa
