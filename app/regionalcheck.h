#pragma once

#include <QString>

#include <optional>

namespace ventrix::app {

// The regional settings every date and amount of the program depends on, as texts:
// 5 October 1999 in the general date format, and the digit grouping ("3;0") and decimal
// digits ("2") of numbers and of currency.
struct RegionalSettings
{
    QString dateOf5October1999;
    QString numberGrouping;
    QString numberDecimals;
    QString currencyGrouping;
    QString currencyDecimals;
};

// The settings the program works with: its own fixed Argentine formats.
RegionalSettings programRegionalSettings();

bool dateFormatOk(const QString& dateOf5October1999);
bool groupingOk(const QString& grouping);
bool decimalsOk(const QString& decimals);

// The message of the first setting that fails, checked in the order dates, number grouping,
// number decimals, currency grouping, currency decimals; nullopt when all pass.
std::optional<QString> regionalProblem(const RegionalSettings& settings);

}
