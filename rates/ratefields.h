#pragma once

#include "common/fixed.h"

#include <QString>

#include <optional>

// The checks the rates screen applies when the user leaves one of its fields: each takes the
// typed text and returns the text the field keeps (empty when the value is refused).
namespace ventrix::rates {

// 1 to 12, else cleared.
QString checkMonth(const QString& text);
// Two-digit years are in this century ("3" -> "2003"); a year before 1950 is cleared.
QString checkYear(const QString& text);
// A number rewritten with two decimals in the program's format ("3" -> "3,00"), else cleared.
QString checkRate(const QString& text);

// The values of fields that passed their checks; nullopt when empty or refused.
std::optional<int> monthValue(const QString& text);
std::optional<int> yearValue(const QString& text);
std::optional<Rate> rateValue(const QString& text);

}
