#include "ui/action_guard.h"

#include "data/database.h"
#include "data/error.h"
#include "data/messages.h"

#include <QString>
#include <cstdio>
#include <exception>

namespace vexa {

namespace {

Messages* g_messages = nullptr;
Database* g_db = nullptr;
int g_depth = 0; // actions running inside each other (a modal dialog's own buttons)

void report(const QString& text) noexcept {
    try {
        if (g_messages) {
            g_messages->Komunikat(KOMUNIKAT_INFORMACJA, text);
            return;
        }
        const QByteArray bytes = QString(text).replace(u'\r', u'\n').toUtf8() + '\n';
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    } catch (...) {
        // Nothing is left to tell the user with; the program goes on.
    }
}

} // namespace

void ActionGuard::install(Messages* messages, Database* db) {
    g_messages = messages;
    g_db = db;
}

void ActionGuard::uninstall(Messages* messages) {
    if (g_messages == messages) {
        g_messages = nullptr;
        g_db = nullptr;
    }
}

bool ActionGuard::run(const std::function<void()>& action) noexcept {
    QString error;
    ++g_depth;
    try {
        action();
    } catch (const VexaError& e) {
        error = e.message();
    } catch (const std::bad_alloc&) {
        error = QStringLiteral("Zabrakło pamięci operacyjnej.");
    } catch (const std::exception& e) {
        error = QStringLiteral("Błąd programu: ") + QString::fromLocal8Bit(e.what());
    } catch (...) {
        error = QStringLiteral("Nieznany błąd programu. Czynność nie została wykonana.");
    }
    --g_depth;
    if (error.isNull()) return true;
    // The transaction guards of the action have undone their work while the error left
    // them; what an outermost action still holds open (a statement that failed half-way) is
    // rolled back before anybody is asked anything, so no message waits with the file locked.
    if (g_depth == 0 && g_db) {
        try {
            g_db->wycofajOtwarte();
        } catch (...) {
        }
    }
    report(error);
    return false;
}

} // namespace vexa
