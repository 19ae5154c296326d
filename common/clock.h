#pragma once

#include <QDate>
#include <QDateTime>

namespace ventrix {

// The one source of "today" and "now"; tests install a fixed clock.
class Clock
{
public:
    virtual ~Clock() = default;

    static QDate today();
    static QDateTime now();

    // Replaces the process-wide clock; passing nullptr restores the system clock.
    static void install(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
};

// A clock that stands still at the given moment, for tests and scripted runs.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime moment)
        : m_moment(std::move(moment))
    {
    }
    explicit FixedClock(QDate day)
        : m_moment(day.startOfDay())
    {
    }
    void set(QDateTime moment) { m_moment = std::move(moment); }

protected:
    QDateTime currentDateTime() const override { return m_moment; }

private:
    QDateTime m_moment;
};

}
