#include "app/dialog_services.h"

#include "app/message_dialog.h"

#include <QFileDialog>

namespace vexa {

DialogMessages::DialogMessages(QWidget* parent)
    : m_dialog(new MessageDialog(parent)), m_parent(parent) {}

// The window may already be gone with its parent; QPointer then holds null.
DialogMessages::~DialogMessages() {
    delete m_dialog.data();
}

int DialogMessages::Komunikat(int kind, const QString& text) {
    // A message asked while another one is open (from a handler running inside it)
    // gets a window of its own, so the open one keeps its text and its answer.
    if (!m_dialog || m_dialog->isVisible()) {
        MessageDialog extra(m_parent);
        return extra.Komunikat(kind, text);
    }
    return m_dialog->Komunikat(kind, text);
}

QString QtFileDialogs::openFileName(const QString& title, const QString& dir,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, title, dir, filter);
}

// A dialog object rather than getSaveFileName, so the default suffix is added before the
// dialog asks whether to overwrite an existing file.
QString QtFileDialogs::saveFileName(const QString& title, const QString& dir, const QString& filter,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(m_parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace vexa
