#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace vexa {

class Database;

// The unit's own data edited on page dane: identity, signatories, bank account and tax data,
// each kept under its key of table dane.
struct UstawieniaJednostki {
    QString haslo, nrident, nretatu, nazwa1, nazwa2, skrot, dowodca1, dowodca2, dowodca3,
        zgodnoscetatowa, wykonal, sfinansista, finansista, konto, bank, posiadacz, klbudzet;
    double koszty = 0; // in PLN; stored as whole grosze
    double wolna = 0;
    QString nip, regon;
};

// One key of the page in its order: the control that edits it and how it is typed.
struct PoleUstawien {
    QString klucz;       // "NRIDENT"
    QString kontrolka;   // objectName of its control: "EDNrIdent"
    QString etykieta;    // caption on the page; empty for the further lines of a group
    QString podpowiedz;  // hint beside the control
    int maksDlugosc = 0; // 0: no limit
    bool wielkieLitery = false;
    bool haslo = false; // masked
    bool kwota = false; // an amount shown with two decimals, stored in grosze
    QString UstawieniaJednostki::*tekst = nullptr;
    double UstawieniaJednostki::*liczba = nullptr;
};

// Every key edited on the page, in the order of the page.
const QList<PoleUstawien>& PolaUstawien();

// A refused confirmation: the message and the objectName of the control to focus.
struct BladUstawien {
    QString komunikat;
    QString kontrolka;
};

// Reads every key. KOSZTY and WOLNA hold whole grosze; an empty or non-numeric value reads as 0.
UstawieniaJednostki WczytajUstawienia(Database& db);

// The checks of ZATWIERDŹ in their order; the first that fails is returned.
std::optional<BladUstawien> SprawdzUstawienia(const UstawieniaJednostki& u);

// Stores settings that passed the checks, all at once: an empty account holder becomes the two
// name lines joined by a blank, DANE becomes "T" on a database never confirmed, the texts are
// written as typed, the bank of the account is remembered, KOSZTY and WOLNA are written in
// whole grosze (ties to even), then NIP and REGON.
void ZapiszUstawienia(Database& db, UstawieniaJednostki u);

// ZATWIERDŹ: the checks, then the save. Returns the refusal, or nothing once stored.
std::optional<BladUstawien> ZatwierdzUstawienia(Database& db, const UstawieniaJednostki& u);

// A whole-grosze setting as an amount in PLN: empty or not a number gives 0.
double KwotaZGroszy(const QString& tekst);

} // namespace vexa
