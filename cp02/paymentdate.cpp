#include "cp02/paymentdate.h"

#include "common/clock.h"
#include "common/regional.h"
#include "cp02/cp02messages.h"

namespace ventrix::cp02 {
namespace {

bool allDigits(QStringView t)
{
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
}

// Two-digit years as the regional settings read them: 00-29 this century, 30-99 the last.
int fullYear(QStringView digits)
{
    const int y = digits.toInt();
    if (digits.size() != 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

QDate calendarDay(QStringView t)
{
    if (allDigits(t))
        return t.size() < 6 ? QDate() : QDate(fullYear(t.mid(4)), t.mid(2, 2).toInt(), t.left(2).toInt());
    const auto parts = t.split(regional::DateSeparator);
    if (parts.size() != 3 || !allDigits(parts[0]) || !allDigits(parts[1]) || !allDigits(parts[2])
        || (parts[2].size() != 2 && parts[2].size() != 4))
        return {};
    return QDate(fullYear(parts[2]), parts[1].toInt(), parts[0].toInt());
}

}

Result<QDate> paymentDate(QStringView typed)
{
    const QStringView t = typed.trimmed();
    if (t.isEmpty())
        return QDate();
    const QDate date = calendarDay(t);
    if (!date.isValid())
        return Error { msg::formatoFecha(regional::formatDate(Clock::today())) };
    if (date < QDate(1900, 1, 1) || date > QDate(2099, 1, 1))
        return Error { msg::fechaNoValida() };
    return date;
}

std::optional<Money> typedAmount(QStringView typed)
{
    return Money::fromDisplay(typed.trimmed());
}

std::optional<qint64> typedWhole(QStringView typed)
{
    const QStringView t = typed.trimmed();
    if (!allDigits(t) || t.size() > 9)
        return std::nullopt;
    return t.toLongLong();
}

QString recordDate(QDate date)
{
    if (!date.isValid())
        return {};
    return QString::number(date.day()) + u'-' + QString::number(date.month()) + u'-'
        + QString::number(date.year());
}

}
