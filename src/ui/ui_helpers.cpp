#include "ui/ui_helpers.h"

#include "ui/action_guard.h"
#include "data/messages.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace vexa {

namespace {

// Puts the cursor of every text field of a page without the focus at the start when the page is
// shown (setText of an unchanged text moves the cursor to the end without a signal).
class PoczatekTekstu : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* event) override {
        if (event->type() == QEvent::Show && obj == parent())
            for (QLineEdit* e : static_cast<QWidget*>(obj)->findChildren<QLineEdit*>())
                if (!e->hasFocus() && e->window() == static_cast<QWidget*>(obj)->window())
                    e->setCursorPosition(0);
        return false;
    }
};

} // namespace

void PokazujPoczatekTekstu(QWidget* strona) {
    for (QLineEdit* e : strona->findChildren<QLineEdit*>()) {
        if (e->window() != strona->window()) continue; // a dialog's fields are its own
        // textChanged comes with every setText, which clears the modified flag; what the user
        // types (with the focus, and modified) is left alone.
        QObject::connect(e, &QLineEdit::textChanged, e, [e] {
            if (!e->hasFocus() && !e->isModified()) e->setCursorPosition(0);
        });
        e->setCursorPosition(0);
    }
    strona->installEventFilter(new PoczatekTekstu(strona));
}

void WielkieLitery(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, guarded([edit](const QString& text) {
                         const QString upper = text.toUpper();
                         if (upper == text) return;
                         const int cursor = edit->cursorPosition();
                         edit->setText(upper.left(edit->maxLength()));
                         edit->setCursorPosition(qMin(cursor, int(edit->text().size())));
                     }));
}

void CentrujPanel(QWidget* panel) {
    QWidget* page = panel->parentWidget();
    QWidget* window = panel->window();
    if (!page || !window) return;
    // A panel with a largest size takes that size, or less on a smaller screen (never less
    // than it needs); a panel of one fixed size keeps it.
    if (panel->maximumWidth() < QWIDGETSIZE_MAX && panel->maximumHeight() < QWIDGETSIZE_MAX &&
        panel->minimumSize() != panel->maximumSize())
        panel->resize(panel->maximumSize()
                          .boundedTo(page->size() - QSize(8, 8))
                          .expandedTo(panel->minimumSizeHint())
                          .expandedTo(panel->minimumSize()));
    const int left = (window->width() - panel->width()) / 2;
    const int top = (window->height() - (panel->height() + 74)) / 2;
    // The 74 pixels stand for the bars above the page, so the panel sits mid-page.
    const int x = left - page->mapTo(window, QPoint(0, 0)).x();
    panel->move(qMax(0, x), qMax(0, top));
}

QHBoxLayout* PrzyciskiDialogu(QDialog* dialog, const QString& zatwierdz, const QString& anuluj,
                              QPushButton** ok) {
    auto* confirm = new QPushButton(zatwierdz, dialog);
    confirm->setObjectName(QStringLiteral("sbzatwierdz"));
    confirm->setDefault(true);
    auto* cancel = new QPushButton(anuluj, dialog);
    cancel->setObjectName(QStringLiteral("sbanuluj"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, guarded(dialog, &QDialog::reject));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(confirm);
    row->addWidget(cancel);
    *ok = confirm;
    return row;
}

QColor KolorBGR(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QColor TloWiersza(int row) {
    return KolorBGR((row + 1) % 2 == 1 ? KOLOR_WIERSZ_NIEPARZYSTY : KOLOR_WIERSZ_PARZYSTY);
}

bool PolaLiczbowePoprawne(Messages& messages, const QList<PoleLiczbowe>& pola) {
    for (const PoleLiczbowe& p : pola) {
        if (p.box && !p.box->isChecked()) continue;
        QString blad;
        if (!WartoscPola(p.edit->text(), p.zakres, &blad)) {
            messages.Komunikat(KOMUNIKAT_INFORMACJA, blad);
            p.edit->setFocus();
            p.edit->selectAll();
            return false;
        }
    }
    return true;
}

} // namespace vexa
