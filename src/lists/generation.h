#pragma once

#include "lists/list_repository.h"

#include <functional>

namespace vexa {

class Database;
class Messages;

// What the new-list dialog hands over.
struct NowaLista {
    bool wybranyPododdzial = false;
    QString skrotpododdzial, pododdzial; // chosen sub-unit and its name
    int miesiac = 0;                     // 1..12, 0 = none chosen
    int rok = 0;
    QString zp = "Z";
    bool dodatkowa = false;              // short list of additional allowances
    QString rodzaj;                      // kind code of an additional list
    bool specjalna = false;              // difference of two lists
    int idWyplaconej = 0, idNaliczonej = 0; // the lists chosen for a special list (ids: numbers
                                            // repeat)
    QString nr;
    double kurszaliczki = 1, kursrach = 1;
    QString tabelazaliczki;
    bool potracZaliczki = true;
    bool podatek = false;
    double podatekKurs = 0, podatekDieta = 0;
    QString podatekTabela;
    bool dodatekWojenny = true;
};

// The dialog's checks in order; the first failure with the control to focus.
std::optional<BladListy> SprawdzNowaListe(const NowaLista& n);
// "MM/YYYY" of the chosen month.
QString MiesiacRok(int miesiac, int rok);
// The list number proposed by the dialog: lists of this unit so far, plus one.
int ProponowanyNumerListy(Database& db);
// The lists of a month (and sub-unit) for the two choosers of a special list: id and number,
// in the order they were made. The choosers show numbers and carry ids.
struct ListaDoWyboru {
    int id = 0;
    QString nr;
};
QList<ListaDoWyboru> ListyMiesiaca(Database& db, const QString& miesiacrok,
                                   const QString* pododdzial);

// The list row the dialog creates: its choices, the unit's header data and, for full lists,
// a copy of the calculation constants.
Lista PrzygotujListe(Database& db, const NowaLista& n, const QDate& today);

// Hooks for tests: called after each position is written (with the running count).
struct OpcjeGenerowania {
    std::function<void(int)> poPozycji;
};

// Creates the list and its positions as the dialog's OK does: the war-supplement information,
// the duplicate question, then the row, the generation, the totals and the unmarking, all in
// one transaction (a failure leaves nothing behind). Returns the new list's id, or 0 when the
// user declined.
int UtworzListe(Database& db, Messages& messages, const NowaLista& n, const QDate& today,
                const OpcjeGenerowania& opcje = {});

// The generators; each returns the number of positions written. They run inside the caller's
// transaction when there is one.
int generujpelna(Database& db, int idlisty, const QString& pododdzial, bool potracZaliczki,
                 const QString& zp, const OpcjeGenerowania& opcje = {});
int generujskrocona(Database& db, int idlisty, const QString& pododdzial, const QString& zp,
                    const OpcjeGenerowania& opcje = {});
int generujspecjalna(Database& db, int idlisty, int idWyplaconej, int idNaliczonej,
                     const OpcjeGenerowania& opcje = {});

// "DOPISZ" of the list editor: appends persons registered since, then unmarks and writes the
// totals. Returns the number of positions added (0 for kinds other than P and D).
int DopiszNoweOsoby(Database& db, int idlisty);

} // namespace vexa
