#pragma once

#include "common/result.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace ventrix::cp01 {

// A date as typed into a date field or grid cell: "1/2/2003" or six or more digits run together,
// read as day (two), month (two) and year (the rest). nullopt when it is no calendar day within
// the program's date limits.
std::optional<QDate> readTypedDate(QStringView text);
// The same, refused with the format example built from today's date.
Result<QDate> dateEntry(QStringView text);

// "Domingo".
QString weekdayName(QDate date);
// "Lunes, 3 de Febrero de 2003".
QString longDate(QDate date);

// The answer typed into the presentation-date box: blanks read as separators, weekends refused
// with the weekday named. The error is the message to show.
Result<QDate> presentationDateAnswer(const QString& answer);

// Asks the presentation date and its confirmation, proposing the field's date or today; nullopt
// when the user cancels or the date is refused (the reason has been shown).
std::optional<QDate> PreguntaFechaPresent(QDate proposed);

}
