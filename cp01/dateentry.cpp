#include "cp01/dateentry.h"

#include "common/clock.h"
#include "common/fieldchecks.h"
#include "common/messages.h"
#include "common/regional.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {
namespace {

bool allDigits(QStringView t)
{
    for (QChar c : t) {
        if (!c.isDigit())
            return false;
    }
    return !t.isEmpty();
}

// Two-digit years as the regional settings read them: 00-29 this century, 30-99 the last.
int fullYear(QStringView digits)
{
    const int y = digits.toInt();
    if (digits.size() != 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

std::optional<QDate> withinLimits(int y, int m, int d)
{
    const QDate date(y, m, d);
    if (!date.isValid() || date < earliestDate() || date > latestDate())
        return std::nullopt;
    return date;
}

}

std::optional<QDate> readTypedDate(QStringView text)
{
    const QStringView t = text.trimmed();
    if (allDigits(t)) {
        if (t.size() < 6)
            return std::nullopt;
        return withinLimits(fullYear(t.mid(4)), t.mid(2, 2).toInt(), t.left(2).toInt());
    }
    const auto parts = t.split(regional::DateSeparator);
    if (parts.size() != 3 || !allDigits(parts[0]) || !allDigits(parts[1]) || !allDigits(parts[2])
        || (parts[2].size() != 2 && parts[2].size() != 4))
        return std::nullopt;
    return withinLimits(fullYear(parts[2]), parts[1].toInt(), parts[0].toInt());
}

Result<QDate> dateEntry(QStringView text)
{
    if (auto d = readTypedDate(text))
        return *d;
    return Error { msg::formatoFecha(regional::formatDate(Clock::today())) };
}

QString weekdayName(QDate date)
{
    static const char16_t* const names[]
        = { u"lunes", u"martes", u"miércoles", u"jueves", u"viernes", u"sábado", u"domingo" };
    return date.isValid() ? QString::fromUtf16(names[date.dayOfWeek() - 1]) : QString();
}

QString longDate(QDate date)
{
    return weekdayName(date) + QStringLiteral(", ") + QString::number(date.day()) + QStringLiteral(" de ")
        + regional::monthName(date.month()) + QStringLiteral(" de ") + QString::number(date.year());
}

Result<QDate> presentationDateAnswer(const QString& answer)
{
    QString typed = answer.trimmed();
    typed.replace(u' ', regional::DateSeparator);
    const auto date = dateEntry(typed);
    if (!date)
        return date;
    if (date->dayOfWeek() >= 6)
        return Error { msg::diaNoHabil(regional::formatDate(*date), weekdayName(*date)) };
    return date;
}

std::optional<QDate> PreguntaFechaPresent(QDate proposed)
{
    const QDate shown = proposed.isValid() ? proposed : Clock::today();
    const auto answer = askText({}, msg::preguntaFechaPresentacion(), regional::formatDate(shown));
    if (!answer)
        return std::nullopt;
    const auto date = presentationDateAnswer(*answer);
    if (!date) {
        warn(date.error());
        return std::nullopt;
    }
    if (!askYesNo(msg::confirmaPresentacion(longDate(*date)), MessageIcon::Question, false))
        return std::nullopt;
    return *date;
}

}
