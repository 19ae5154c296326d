#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace ventrix {

// The program's own fixed Argentine formats, whatever the system locale says:
// dates dd/mm/yyyy, "." grouping thousands by three, "," before two decimals.
namespace regional {

inline constexpr QChar DecimalSeparator = u',';
inline constexpr QChar GroupSeparator = u'.';
inline constexpr QChar DateSeparator = u'/';

// The regional settings the program runs with, as the start-up checks read them.
QString numberGrouping(); // "3;0"
QString numberDecimals(); // "2"
QString currencyGrouping(); // "3;0"
QString currencyDecimals(); // "2"
QString decimalSeparator(); // ","
QString dateSeparator(); // "/"

// Spanish name of the month as written in running text ("enero" ... "diciembre").
QString monthName(int month);

// "05/10/1999".
QString formatDate(QDate date);
// Reads "5/10/1999" or "05/10/1999"; nullopt when it is not a calendar day.
std::optional<QDate> parseDate(QStringView text);

}
}
