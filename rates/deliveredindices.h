#pragma once

#include "common/fixed.h"
#include "common/result.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>

namespace ventrix::rates {

// One month of the late-payment rate history the program is delivered with.
struct MonthlyRate
{
    QDate month; // first day of the month
    Rate rate; // percent a month
};

// The delivered monthly rates, oldest first, without gaps; empty when the list is damaged.
QList<MonthlyRate> deliveredMonthlyRates();

// Writes the daily indices of the delivered monthly rates into the empty table of a new
// database, inside the caller's transaction when there is one (the database's creation).
Status loadDeliveredIndices(QSqlDatabase db);

}
