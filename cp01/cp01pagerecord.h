#pragma once

#include "common/print/pagerecord.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace ventrix::cp01 {

// Page records are closed by the rule every form with page records shares.
using print::closePageRecord;
using print::PageRecordLimit;
using print::versionField;

// A new receipt number for one print: 1 to 9999999999 from the program's number source, at least
// nine digits ("000001234"; ten-digit numbers keep all ten).
QString drawReceiptNumber();
QString receiptText(quint64 number);

// A date as the page records carry it: day, month and four-digit year without leading zeros
// ("5-3-2003"); an invalid date is empty.
QString recordDate(QDate date);
// A field value as printed: dates as recordDate, numbers and texts as they read.
QString printedValue(const QVariant& value);

}
