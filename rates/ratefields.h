#pragma once

#include "common/fixed.h"

#include <QString>

#include <optional>

// The checks the rates screen applies when the user leaves one of its fields: each takes the
// typed text and returns the text the field keeps (empty when the value is refused).
namespace ventrix::rates {

// The highest monthly rate the program takes, in percent: the authority's late-payment rate has
// always been a few percent a month, and a typing slip (a missing comma) must not run every
// later index into the millions.
inline constexpr Rate MaxMonthlyRate = Rate::fromInteger(100);

// 1 to 12, else cleared.
QString checkMonth(const QString& text);
// Two-digit years are in this century ("3" -> "2003"); a year before 1950 is cleared.
QString checkYear(const QString& text);
// A number from 0 to MaxMonthlyRate rewritten with two decimals in the program's format
// ("3" -> "3,00"), else cleared.
QString checkRate(const QString& text);

// The values of fields that passed their checks; nullopt when empty or refused.
std::optional<int> monthValue(const QString& text);
std::optional<int> yearValue(const QString& text);
std::optional<Rate> rateValue(const QString& text);
// True when the text is a number, but above MaxMonthlyRate.
bool rateAboveMaximum(const QString& text);

}
