#pragma once

#include "common/fixed.h"
#include "common/result.h"

#include <QDate>
#include <QStringView>

namespace ventrix::cp02 {

// A payment date as typed into the monthly grid: "5/3/2003" or digits run together, read as day
// (two), month (two) and year (the rest). An empty cell is no date. A date before 1 January 1900 or
// after 1 January 2099 is refused as not valid; anything else that is no calendar day is refused
// with the format example built from today's date.
Result<QDate> paymentDate(QStringView typed);

// An amount as typed into a grid cell ("1.234,5"); nullopt when it is not a number of at most two
// decimals.
std::optional<Money> typedAmount(QStringView typed);
// A whole number of employees as typed; nullopt otherwise.
std::optional<qint64> typedWhole(QStringView typed);

// "5-3-2003": day, month and four-digit year without leading zeros, as the printed pages and their
// records carry dates.
QString recordDate(QDate date);

}
