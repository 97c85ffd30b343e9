#pragma once

#include "lists/records.h"

#include <QObject>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

namespace vexa {

// The edits and result captions of a position editor bound to the editor's copy of the
// position: what is typed goes into the copy at once (a day count left empty is no value, a
// number that does not convert counts as 0), and every field is shown again from the copy after
// a recalculation.
class PolaPozycji : public QObject {
    Q_OBJECT
public:
    PolaPozycji(Pozycja* p, QWidget* owner);

    QLineEdit* dni(const QString& name, std::optional<int> Pozycja::*member);
    QLineEdit* dni(const QString& name, int Pozycja::*member);
    QLineEdit* kwota(const QString& name, double Pozycja::*member,
                     const char16_t* format = u"#0.00");
    QLineEdit* tekst(const QString& name, QString Pozycja::*member);
    QLabel* wynik(const QString& name, double Pozycja::*member);
    // A caption of the person's data, shown again with every position.
    QLabel* dane(const QString& name, std::function<QString(const Pozycja&)> text);
    // A "!" mark, hidden until the calculation shows it.
    QLabel* znak(const QString& name);

    // Shows every field from the copy. The edit that has the focus keeps what is typed in it
    // while it holds the copy's value; when the value changed under it, it shows the new value,
    // whole text selected when that is 0.
    void pokaz();

    // The person's data in a panel: name, PESEL, grade, post, sub-unit, period (with its mark,
    // when given), accounts (the second with its currency caption, when given).
    QFrame* panelOsoby(QWidget* parent, const QString& suffix, QLabel* znakOkresu = nullptr,
                       QWidget* waluta2 = nullptr);

signals:
    // A typed value went into the copy.
    void wpisano(QLineEdit* edit);
    // An edit was left.
    void opuszczono(QLineEdit* edit);

private:
    struct Pole {
        QLineEdit* edit;
        std::function<QString()> tekst;            // the copy's value as the edit shows it
        std::function<bool(const QString&)> rowne; // the typed text holds the copy's value
        std::function<bool()> zero;
    };
    QLineEdit* edit(const QString& name, bool right);

    Pozycja* m_p;
    QWidget* m_owner;
    QList<Pole> m_pola;
    QList<std::function<void()>> m_pokaz;
};

} // namespace vexa
