#pragma once

#include "data/messages.h"

#include <QPointer>

class QWidget;

namespace vexa {

class MessageDialog;

// Messages shown in the program's one message window, created here once.
class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget* parent = nullptr);
    ~DialogMessages() override;
    DialogMessages(const DialogMessages&) = delete;
    DialogMessages& operator=(const DialogMessages&) = delete;

    int Komunikat(int kind, const QString& text) override;

    MessageDialog* dialog() const { return m_dialog; }

private:
    QPointer<MessageDialog> m_dialog;
    QPointer<QWidget> m_parent;
};

// The standard open and save file dialogs.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                         const QString& defaultSuffix, PytanieONadpisanie pytanie) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace vexa
