#pragma once

#include "data/database.h"
#include "data/messages.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <initializer_list>

// Answers the program's messages from a script instead of a window and remembers what
// was asked, so a test can check the exact texts and steer every question.
class ScriptedMessages : public vexa::Messages {
public:
    struct Asked {
        int kind = 0;
        QString text;
        bool inTransaction = false; // a write transaction of the watched database was open
    };

    // Every message is checked against this database: a message shown while one of its
    // transactions is open fails the running test (it would keep the file locked while the
    // user reads).
    void watch(vexa::Database* db) { m_db = db; }

    int Komunikat(int kind, const QString& text) override;

    // Queues answers, used in order; once they run out every message gets the default.
    void answer(int code) { m_answers.enqueue(code); }
    void answer(std::initializer_list<int> codes);
    void setDefaultAnswer(int code) { m_default = code; }
    int defaultAnswer() const { return m_default; }
    int pendingAnswers() const { return int(m_answers.size()); }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList texts() const;
    int count() const { return int(m_asked.size()); }
    QString lastText() const { return m_asked.isEmpty() ? QString() : m_asked.last().text; }
    void clear();

private:
    QList<Asked> m_asked;
    QQueue<int> m_answers;
    int m_default = vexa::TAK;
    vexa::Database* m_db = nullptr;
};

// Answers file dialogs from a queue of file names; an empty queue means the user
// cancelled (empty name). Every request is recorded.
class ScriptedFileDialogs : public vexa::FileDialogs {
public:
    struct Request {
        bool save = false;
        QString title;
        QString dir;
        QString filter;
        QString defaultSuffix;
        vexa::PytanieONadpisanie pytanie = vexa::PytanieONadpisanie::WOknie;
    };

    QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& dir, const QString& filter,
                         const QString& defaultSuffix, vexa::PytanieONadpisanie pytanie) override;

    void choose(const QString& fileName) { m_files.enqueue(fileName); }
    void cancel() { m_files.enqueue(QString()); }

    const QList<Request>& requests() const { return m_requests; }
    QStringList titles() const;
    QStringList filters() const;
    int pendingFiles() const { return int(m_files.size()); }

private:
    QString next();

    QList<Request> m_requests;
    QQueue<QString> m_files;
};
