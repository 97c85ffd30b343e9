#include "app/ui_helpers.h"

#include "app/action_guard.h"
#include "data/messages.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace vexa {

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
