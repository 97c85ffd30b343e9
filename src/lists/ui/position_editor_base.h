#pragma once

#include "lists/calculation.h"

#include <QWidget>

class QFrame;

namespace vexa {

struct AppContext;
class ListEditorPage;
class PolaPozycji;

// What both position editors share: the copy of the position they work on, opening one,
// the save step of ZATWIERDŹ and of the next / previous person (a protected closed list cancels
// the changes with its message), ANULUJ, and the centred panel.
class PositionEditorBase : public QWidget {
    Q_OBJECT
public:
    PositionEditorBase(AppContext& ctx, ListEditorPage* editor, const QString& page,
                       QWidget* parent = nullptr);

    // Opens the position with that id: the lock, the list's captions, the recalculation.
    void otworz(int idpozycji);
    const Pozycja& pozycja() const { return m_p; }

public slots:
    void zatwierdz();
    void anuluj();
    void nastepna() { przejdz(1); }
    void poprzednia() { przejdz(-1); }

protected:
    // The captions taken from the list when a position opens.
    virtual void przygotuj(const Lista& lista) = 0;
    // Recalculates the copy with the engine and shows the result and its marks.
    virtual void przelicz() = 0;
    // The calculation's outside data (the short editor adds the focus).
    virtual DaneNaliczenia dane() const { return m_dane; }
    // The edit that takes the focus when a position opens.
    virtual QWidget* pierwszePole() const = 0;
    // Runs the engine, showing its refusal (an impossible rate or month) as a message.
    bool licz(const std::function<void()>& calculation);
    bool aktywna() const;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    AppContext& m_ctx;
    ListEditorPage* m_editor;
    QString m_page;
    Pozycja m_p;
    DaneNaliczenia m_dane;
    PolaPozycji* m_pola;
    QFrame* m_panel = nullptr;

private:
    // The save step; false when an error keeps the editor where it is.
    bool zapisz();
    void przejdz(int krok);
};

} // namespace vexa
