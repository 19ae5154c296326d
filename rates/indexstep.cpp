#include "rates/indexstep.h"

#include <cmath>
#include <cstdlib>

namespace ventrix::rates {
namespace {

// The float nearest to the decimal value, as a conversion of its text would give.
float toSingle(qint64 units, int scale)
{
    const QByteArray text = fixed_detail::toPlain(units, scale).toLatin1();
    return std::strtof(text.constData(), nullptr);
}

}

float dailyRate(Rate monthly, int daysInMonth)
{
    return toSingle(monthly.units(), Rate::scale) / static_cast<float>(daysInMonth);
}

Index4 nextDayIndex(Index4 previous, float rate)
{
    const float sum = toSingle(previous.units(), Index4::scale) + rate;
    // A float times 10^4 is exact in long double, so this rounds the float's exact value.
    const long double scaled = static_cast<long double>(sum) * 10000.0L;
    return Index4::fromUnits(std::llroundl(scaled));
}

QList<IndexDay> monthIndices(QDate firstDay, Rate monthly, Index4 previous)
{
    const int days = firstDay.daysInMonth();
    const float rate = dailyRate(monthly, days);
    QList<IndexDay> out;
    out.reserve(days);
    Index4 index = previous;
    for (int d = 0; d < days; ++d) {
        index = nextDayIndex(index, rate);
        out.append({firstDay.addDays(d), index, monthly});
    }
    return out;
}

}
