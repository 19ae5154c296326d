#pragma once

#include "common/randomsource.h"

#include <QList>

namespace ventrix::test {

// Hands out the numbers the test wants, in order (1 once they run out); installs itself as the
// program's number source while alive.
class DrawnNumbers : public RandomSource
{
public:
    QList<quint64> next;
    DrawnNumbers() { RandomSource::install(this); }
    ~DrawnNumbers() override { RandomSource::install(nullptr); }

protected:
    quint64 draw(quint64, quint64) override { return next.isEmpty() ? 1 : next.takeFirst(); }
};

}
