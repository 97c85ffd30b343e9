#include "support/scripted_messages.h"

#include <QtTest>

int ScriptedMessages::Komunikat(int kind, const QString& text) {
    const bool open = m_db && m_db->wTransakcji();
    m_asked.append({kind, text, open});
    if (open)
        QTest::qFail(qPrintable(QStringLiteral("message shown inside a transaction: ") + text),
                     __FILE__, __LINE__);
    return m_answers.isEmpty() ? m_default : m_answers.dequeue();
}

void ScriptedMessages::answer(std::initializer_list<int> codes) {
    for (int code : codes)
        m_answers.enqueue(code);
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const Asked& a : m_asked)
        out.append(a.text);
    return out;
}

void ScriptedMessages::clear() {
    m_asked.clear();
    m_answers.clear();
}

QString ScriptedFileDialogs::openFileName(const QString& title, const QString& dir,
                                          const QString& filter) {
    m_requests.append({false, title, dir, filter, QString()});
    return next();
}

QString ScriptedFileDialogs::saveFileName(const QString& title, const QString& dir,
                                          const QString& filter, const QString& defaultSuffix,
                                          vexa::PytanieONadpisanie pytanie) {
    m_requests.append({true, title, dir, filter, defaultSuffix, pytanie});
    return next();
}

QStringList ScriptedFileDialogs::titles() const {
    QStringList out;
    for (const Request& r : m_requests)
        out.append(r.title);
    return out;
}

QStringList ScriptedFileDialogs::filters() const {
    QStringList out;
    for (const Request& r : m_requests)
        out.append(r.filter);
    return out;
}

QString ScriptedFileDialogs::next() {
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}
