#include "support/app_fixture.h"

#include "app/pages.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

AppFixture::AppFixture(QDate today) : m_clock(today) {
    m_messages.watch(&m_db.db());
    m_ctx = std::make_unique<vexa::AppContext>(
        vexa::AppContext{m_db.db(), m_messages, m_files, m_clock, m_db.folder()});
    m_window = std::make_unique<vexa::MainWindow>(*m_ctx);
    vexa::ZainstalujStrony(*m_window, *m_ctx);
    m_window->resize(1280, 800);
}

AppFixture::~AppFixture() {
    m_window.reset();
    m_ctx.reset();
}

bool AppFixture::show() {
    m_window->show();
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get());
}

void AppFixture::key(int key, Qt::KeyboardModifiers mods) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != m_window.get())
        target = m_window.get();
    QTest::keyClick(target, Qt::Key(key), mods);
}

void AppFixture::login(const QString& password) {
    auto* edit = find<QLineEdit>(QStringLiteral("EHaslo"));
    edit->setFocus();
    edit->setText(password);
    key(Qt::Key_Return);
}
