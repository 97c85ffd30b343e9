#pragma once

#include <QDate>
#include <QTime>

namespace vexa {

// Today's date and the time of day, injected so that tests can fix them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QTime now() const override { return QTime::currentTime(); }
};

} // namespace vexa
