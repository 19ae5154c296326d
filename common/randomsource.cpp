#include "common/randomsource.h"

#include <QRandomGenerator>

#include <limits>

namespace ventrix {
namespace {

class SystemRandom : public RandomSource
{
protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        if (high <= low)
            return low;
        // The whole 64-bit range has no bound one past its top: high - low + 1 would wrap to 0.
        if (high - low == std::numeric_limits<quint64>::max())
            return QRandomGenerator::global()->generate64();
        return low + QRandomGenerator::global()->bounded(quint64(0), high - low + 1);
    }
};

SystemRandom g_systemRandom;
RandomSource* g_random = &g_systemRandom;

}

quint64 RandomSource::bounded(quint64 low, quint64 high)
{
    return g_random->draw(low, high);
}

void RandomSource::install(RandomSource* source)
{
    g_random = source ? source : &g_systemRandom;
}

}
