#pragma once

#include <QString>

namespace vexa {

// State the pages share through the main window; names and first values are fixed.
struct StanOkna {
    QString osobaZp;                            // "Z" soldiers, "P" employees on page osoba
    QString osobaSort = "nazwisko";             // order of the person list
    QString osobaFiltr = "(true)";              // extra condition of the person list
    QString listaSort = "miesiacrok";           // order of the list register
    int listaSortTyp = 1;                       // type of that field (1 = text)
    QString listaFiltr = "(true)";              // extra condition of the list register
    QString ostatniPododdzial;                  // sub-unit of the last person saved
    QString stronaPowrotu;                      // page to return to from the preview
    QString przelewWaluta;                      // "N" PLN, "T" currency, empty both
};

// What a page may ask of the main window: switch pages, hold or release the navigation
// lock, share the window state, end the program.
class Navigator {
public:
    virtual ~Navigator() = default;

    virtual void pokazStrone(const QString& page) = 0;
    virtual QString aktywnaStrona() const = 0;
    virtual bool locked() const = 0;
    virtual void setLocked(bool locked) = 0;
    virtual StanOkna& stan() = 0;
    // Shows NAZWA1 + " " + NAZWA2 in the unit-name panel.
    virtual void odswiezNazweJednostki() = 0;
    // Opens the unit settings page as its button does (used after the password on a
    // database whose settings were never confirmed).
    virtual void otworzUstawienia() = 0;
    // Ends the program at once: no questions, no backup.
    virtual void zakonczProgram() = 0;
};

} // namespace vexa
