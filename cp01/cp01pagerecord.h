#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace ventrix::cp01 {

// The longest page record the authority reads; longer ones are cut and marked.
inline constexpr int PageRecordLimit = 2700;

// A new receipt number for one print: 1 to 9999999999 from the program's number source, at least
// nine digits ("000001234"; ten-digit numbers keep all ten).
QString drawReceiptNumber();
QString receiptText(quint64 number);

// A date as the page records carry it: day, month and four-digit year without leading zeros
// ("5-3-2003"); an invalid date is empty.
QString recordDate(QDate date);
// A field value as printed: dates as recordDate, numbers and texts as they read.
QString printedValue(const QVariant& value);

// "V1.0|": the program's major and minor version.
QString versionField();
// The page record closed for the barcode and the delivery file: under the limit with the version
// field and "|OK"; otherwise its first 2,700 characters, "|FDat" and the version field.
QString closePageRecord(const QString& record);

}
