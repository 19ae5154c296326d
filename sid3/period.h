#pragma once

#include "common/result.h"

#include <QDate>

namespace ventrix::sid3 {

// A declared month.
struct Period
{
    int month = 0;
    int year = 0;

    QDate firstDay() const { return QDate(year, month, 1); }
    QDate lastDay() const { return firstDay().addMonths(1).addDays(-1); }
    // The first day of the month after the period: the month of payment.
    QDate paymentMonth() const { return firstDay().addMonths(1); }
    bool operator==(const Period&) const = default;
};

// The period the new-period dialog proposes: the month before today.
Period proposedPeriod(QDate today);
// The month box: 1 to 12, else the authority's refusal.
Result<int> checkMonth(int month);
// The year box: above 2200 becomes 2200, below 100 gets 1900 added.
int normalizeYear(int year);
// "0003" style: the year as the box shows it.
QString yearText(int year);
// A period may be declared from its own month on, never in advance.
Status checkNotInAdvance(Period period, QDate today);

}
