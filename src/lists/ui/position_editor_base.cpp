#include "lists/ui/position_editor_base.h"

#include "ui/app_context.h"
#include "ui/navigator.h"
#include "ui/ui_helpers.h"
#include "data/error.h"
#include "data/messages.h"
#include "lists/constants.h"
#include "lists/list_editing.h"
#include "lists/ui/list_editor_page.h"
#include "lists/ui/list_grid.h"
#include "lists/ui/position_fields.h"

#include <QFrame>
#include <QLineEdit>

namespace vexa {

PositionEditorBase::PositionEditorBase(AppContext& ctx, ListEditorPage* editor, const QString& page,
                                       QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_editor(editor), m_page(page) {
    setStyleSheet(StylStronList());
    m_pola = new PolaPozycji(&m_p, this);
}

bool PositionEditorBase::aktywna() const {
    return m_ctx.nav->aktywnaStrona() == m_page;
}

bool PositionEditorBase::licz(const std::function<void()>& calculation) {
    try {
        calculation();
        return true;
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return false;
    }
}

void PositionEditorBase::otworz(int idpozycji) {
    m_p = ListRepository(m_ctx.db).pozycja(idpozycji);
    m_dane = BiezaceDaneNaliczenia(m_ctx.db);
    m_ctx.nav->setLocked(true);
    przygotuj(m_editor->lista());
    m_ctx.nav->pokazStrone(m_page);
    przelicz();
    // The first field takes the focus with its text selected, so typing replaces it.
    if (QWidget* first = pierwszePole()) {
        first->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(first)) e->selectAll();
    }
}

bool PositionEditorBase::zapisz() {
    try {
        SumyListy s;
        if (!ZapiszPozycjeListy(m_ctx.db, m_editor->lista(), m_editor->zapisana(), m_p, dane(),
                                &s)) {
            m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, LISTA_ZAMKNIETA_ANULOWANO);
            return true;
        }
        m_editor->pozycjaZapisana(m_p.id, s);
        return true;
    } catch (const VexaError& e) {
        m_ctx.messages.Komunikat(KOMUNIKAT_INFORMACJA, e.message());
        return false;
    }
}

void PositionEditorBase::zatwierdz() {
    if (zapisz()) m_editor->wroc(m_p.id);
}

void PositionEditorBase::anuluj() {
    m_editor->wroc(m_p.id);
}

void PositionEditorBase::przejdz(int krok) {
    if (!zapisz()) return;
    otworz(m_editor->sasiedniaPozycja(m_p.id, krok));
}

void PositionEditorBase::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_panel) CentrujPanel(m_panel);
}

void PositionEditorBase::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_panel) CentrujPanel(m_panel);
}

} // namespace vexa
