#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace ventrix {

// The earliest and latest dates the program accepts in a date field.
inline QDate earliestDate()
{
    return { 1900, 1, 1 };
}
inline QDate latestDate()
{
    return { 2099, 12, 31 };
}

// The date typed as dd/mm/yyyy when it is a calendar day within the program's date limits.
std::optional<QDate> dateWithinLimits(QStringView text);
bool isDateWithinLimits(QStringView text);

// The last day of the date's month.
QDate monthEnd(QDate date);

// The text reduced to its digits "0"-"9".
QString digitsOnly(QStringView text);

enum class LikeMatch { Contains, StartsWith };

// The text with "%", "_" and "\" escaped by "\", for a pattern bound to "LIKE ? ESCAPE '\'".
QString likeEscape(QStringView text);
// A bound LIKE pattern that finds the text (trimmed) anywhere or at the start; with
// blanksMatchAnything every run of blanks becomes "%", so "juan perez" finds "JUAN C. PEREZ".
QString likePattern(
    QStringView text, LikeMatch match = LikeMatch::Contains, bool blanksMatchAnything = false);

}
