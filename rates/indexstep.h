#pragma once

#include "common/fixed.h"

#include <QDate>
#include <QList>

namespace ventrix::rates {

// One day of the cumulative late-payment index.
struct IndexDay
{
    QDate fecha;
    Index4 indice;
    Rate tasa;
};

// The authority's tables were computed in single precision: the daily rate is the monthly
// rate divided by the days of the month as a float, each day adds it to the previous index
// as a float, and the sum is rounded to four places. Following the same steps keeps our
// indices equal to the published ones to the last place.
float dailyRate(Rate monthly, int daysInMonth);
Index4 nextDayIndex(Index4 previous, float dailyRate);

// The days of the month starting at firstDay (a first of month), continuing from the index
// of the day before it.
QList<IndexDay> monthIndices(QDate firstDay, Rate monthly, Index4 previous);

}
