#include "pit/ui/pit11_dialog.h"

#include "ui/action_guard.h"
#include "ui/ui_helpers.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

Pit11Dialog::Pit11Dialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFPit_11"));
    setWindowTitle(QStringLiteral("KOREKTA / WYJAŚNIENIE PIT-11"));
    setModal(true);
    resize(620, 360);
    auto* col = new QVBoxLayout(this);
    m_korekta = new QCheckBox(QStringLiteral("Korekta zaznania PIT-11"), this);
    m_korekta->setObjectName(QStringLiteral("cbkorekta"));
    col->addWidget(m_korekta);
    col->addWidget(new QLabel(QStringLiteral("WYJAŚNIENIE:"), this));
    m_wyjasnienie = new QPlainTextEdit(this);
    m_wyjasnienie->setObjectName(QStringLiteral("ewyjasnienie"));
    m_wyjasnienie->setTabChangesFocus(true);
    m_wyjasnienie->installEventFilter(this);
    col->addWidget(m_wyjasnienie, 1);
    QPushButton* ok = nullptr;
    col->addLayout(PrzyciskiDialogu(this, QStringLiteral("Zatwierdź"), QStringLiteral("Anuluj"), &ok));
    connect(ok, &QPushButton::clicked, this, guarded([this] { accept(); }));
}

bool Pit11Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_wyjasnienie && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            !(k->modifiers() & Qt::ShiftModifier)) {
            ActionGuard::run([this] { accept(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Pit11Dialog::przygotuj(bool korekta, const QString& wyjasnienie) {
    m_korekta->setChecked(korekta);
    m_wyjasnienie->setPlainText(wyjasnienie);
    m_korekta->setFocus();
}

bool Pit11Dialog::korekta() const {
    return m_korekta->isChecked();
}

QString Pit11Dialog::wyjasnienie() const {
    // The memo's line breaks travel as CR LF, as the other multi-line texts of the program.
    return m_wyjasnienie->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace vexa
