#pragma once

#include "ui/app_context.h"
#include "app/main_window.h"
#include "support/fixed_clock.h"
#include "support/scripted_messages.h"
#include "support/test_db.h"

#include <memory>

// The main window over a fresh database, with scripted messages and a fixed clock,
// shown and active so that keys reach it as they would from the keyboard.
class AppFixture {
public:
    explicit AppFixture(QDate today = QDate(2027, 3, 5));
    ~AppFixture();

    vexa::MainWindow& window() { return *m_window; }
    vexa::Database& db() { return m_db.db(); }
    ScriptedMessages& messages() { return m_messages; }
    ScriptedFileDialogs& files() { return m_files; }
    FixedClock& clock() { return m_clock; }
    vexa::AppContext& ctx() { return *m_ctx; }
    QString folder() const { return m_db.folder(); }

    // Shows the window and waits until it is active.
    bool show();
    // Sends a key press to the control that has the focus (or the window), as the
    // keyboard does.
    void key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Logs in with the given password through the start page.
    void login(const QString& password = QString());
    template <class T> T* find(const QString& name) const {
        return m_window->findChild<T*>(name);
    }
    // The widget of that name on one page (pages may reuse a control's name).
    template <class T> T* findOn(const QString& page, const QString& name) const {
        return m_window->strona(page)->findChild<T*>(name);
    }

private:
    TestDb m_db;
    ScriptedMessages m_messages;
    ScriptedFileDialogs m_files;
    FixedClock m_clock;
    std::unique_ptr<vexa::AppContext> m_ctx;
    std::unique_ptr<vexa::MainWindow> m_window;
};
