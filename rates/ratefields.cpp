#include "rates/ratefields.h"

#include <algorithm>

namespace ventrix::rates {
namespace {

constexpr int FirstYear = 1950;
constexpr int LastYear = 9999;

std::optional<int> wholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 6)
        return std::nullopt;
    for (QChar c : t) {
        if (!c.isDigit() || c.unicode() >= 128)
            return std::nullopt;
    }
    return t.toInt();
}

// Six places are enough to round any typed rate to hundredths the way the program shows it.
using Typed = Fixed<6>;

std::optional<Typed> typedRate(const QString& text)
{
    // Without a comma the point is a decimal point: a monthly rate never runs into thousands,
    // and "3.5" read as thirty-five would corrupt every later index.
    if (text.contains(u','))
        return Typed::fromDisplay(text);
    return Typed::fromPlain(text);
}

}

QString checkMonth(const QString& text)
{
    const auto month = monthValue(text);
    return month ? QString::number(*month) : QString();
}

QString checkYear(const QString& text)
{
    auto year = wholeNumber(text);
    if (!year)
        return {};
    if (*year < 100)
        *year += 2000;
    if (*year < FirstYear || *year > LastYear)
        return {};
    return QString::number(*year);
}

QString checkRate(const QString& text)
{
    const auto rate = rateValue(text);
    return rate ? rate->toDisplay() : QString();
}

std::optional<int> monthValue(const QString& text)
{
    const auto month = wholeNumber(text);
    if (!month || *month < 1 || *month > 12)
        return std::nullopt;
    return month;
}

std::optional<int> yearValue(const QString& text)
{
    const QString checked = checkYear(text);
    if (checked.isEmpty())
        return std::nullopt;
    return checked.toInt();
}

std::optional<Rate> rateValue(const QString& text)
{
    const auto typed = typedRate(text);
    // A negative rate would make the cumulative index fall; the authority never publishes one.
    if (!typed || typed->isNegative())
        return std::nullopt;
    const Rate rate = typed->rescaled<Rate::scale>();
    if (rate > MaxMonthlyRate)
        return std::nullopt;
    return rate;
}

bool rateAboveMaximum(const QString& text)
{
    const auto typed = typedRate(text);
    // Beyond what the type holds is above the maximum all the same.
    if (!typed) {
        const QString digits = text.trimmed();
        return !digits.isEmpty() && !digits.startsWith(u'-')
            && std::all_of(digits.begin(), digits.end(),
                [](QChar c) { return (c.isDigit() && c.unicode() < 128) || c == u'.' || c == u','; });
    }
    return typed->rescaled<Rate::scale>() > MaxMonthlyRate;
}

}
