#include "ui/dialog_services.h"

#include "ui/message_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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
                                    const QString& defaultSuffix, PytanieONadpisanie pytanie) {
    QFileDialog dialog(m_parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite,
                     pytanie == PytanieONadpisanie::BezPytania);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // With several file types, the one chosen decides: a name typed without an extension, or
    // with another type's extension, gets the chosen type's.
    static const QRegularExpression rozszerzenie(QStringLiteral("\\*\\.(\\w+)"));
    auto typ = [](const QString& f) { return rozszerzenie.match(f).captured(1); };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, typ](const QString& f) {
                         if (!typ(f).isEmpty()) dialog.setDefaultSuffix(typ(f));
                     });
    if (dialog.exec() != QDialog::Accepted) return QString();
    QString plik = dialog.selectedFiles().value(0);
    const QString wybrany = typ(dialog.selectedNameFilter());
    QStringList inne;
    for (const QString& f : dialog.nameFilters())
        inne << typ(f);
    const QFileInfo info(plik);
    if (!wybrany.isEmpty() && inne.size() > 1 && info.suffix() != wybrany &&
        inne.contains(info.suffix(), Qt::CaseInsensitive))
        plik = info.path() + u'/' + info.completeBaseName() + u'.' + wybrany;
    return plik;
}

} // namespace vexa
