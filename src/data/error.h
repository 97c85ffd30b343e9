#pragma once

#include <QString>
#include <stdexcept>

namespace vexa {

// An error the user can be told about: the message is Polish and complete, so a page
// only has to show it. Thrown by conversions of bad input and by database operations.
class VexaError : public std::runtime_error {
public:
    explicit VexaError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace vexa
