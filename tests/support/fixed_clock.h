#pragma once

#include "data/clock.h"

// A clock that stands still at the day and time a test chooses.
class FixedClock : public vexa::Clock {
public:
    explicit FixedClock(QDate day = QDate(2027, 3, 5), QTime time = QTime(14, 7))
        : m_day(day), m_time(time) {}
    QDate today() const override { return m_day; }
    QTime now() const override { return m_time; }
    void set(QDate day, QTime time = QTime(14, 7)) {
        m_day = day;
        m_time = time;
    }

private:
    QDate m_day;
    QTime m_time;
};
