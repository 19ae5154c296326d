#include "common/clock.h"

namespace ventrix {
namespace {

class SystemClock : public Clock
{
protected:
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
};

SystemClock g_systemClock;
Clock* g_clock = &g_systemClock;

}

QDate Clock::today()
{
    return g_clock->currentDateTime().date();
}

QDateTime Clock::now()
{
    return g_clock->currentDateTime();
}

void Clock::install(Clock* clock)
{
    g_clock = clock ? clock : &g_systemClock;
}

}
