#pragma once

#include <QString>

namespace vexa {

// Result codes of a message: the program compares answers with these numbers.
inline constexpr int TAK = 6;
inline constexpr int NIE = 7;

// Kinds of a message.
inline constexpr int KOMUNIKAT_INFORMACJA = 0;
inline constexpr int KOMUNIKAT_PYTANIE = 1;

// Every message and yes/no question of the program goes through this interface, so that
// the rules never touch a window and a test can answer a question with TAK or NIE.
class Messages {
public:
    virtual ~Messages() = default;

    // Shows the text (kind KOMUNIKAT_INFORMACJA or KOMUNIKAT_PYTANIE) and returns TAK or
    // NIE; an information always returns TAK. "\r" in the text is a line break.
    virtual int Komunikat(int kind, const QString& text) = 0;
};

// For work without anybody to ask (the command line, a demo): every question is answered yes
// and informations are dropped.
class BrakKomunikatow : public Messages {
public:
    int Komunikat(int, const QString&) override { return TAK; }
};

// Whether the save dialog itself asks before an existing file is chosen. It does not where
// the program asks its own question afterwards or overwrites without one.
enum class PytanieONadpisanie { WOknie, BezPytania };

// File choosers. An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual QString openFileName(const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    // defaultSuffix (without the dot) is added when the user types a name without one.
    virtual QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                                 const QString& defaultSuffix, PytanieONadpisanie pytanie) = 0;
};

} // namespace vexa
