#include "common/randomsource.h"

#include <QRandomGenerator>

namespace ventrix {
namespace {

class SystemRandom : public RandomSource
{
protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        if (high <= low)
            return low;
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
