#include "sid3/period.h"

#include "sid3/sid3messages.h"

namespace ventrix::sid3 {

Period proposedPeriod(QDate today)
{
    const QDate previous = today.addMonths(-1);
    return { previous.month(), previous.year() };
}

Result<int> checkMonth(int month)
{
    if (month < 1 || month > 12)
        return Error { msg::mesFueraDeRango() };
    return month;
}

int normalizeYear(int year)
{
    if (year > 2200)
        return 2200;
    if (year < 100)
        return year + 1900;
    return year;
}

QString yearText(int year)
{
    return QString::number(year).rightJustified(4, u'0');
}

Status checkNotInAdvance(Period period, QDate today)
{
    const int months = (period.year - today.year()) * 12 + period.month - today.month();
    if (months > 0)
        return Error { msg::porAnticipado() };
    return {};
}

}
