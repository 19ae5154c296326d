#pragma once

#include <QString>

namespace ventrix::print {

// The longest page record the authority reads from a barcode or a delivery line; longer ones are
// cut and marked.
inline constexpr int PageRecordLimit = 2700;

// "V1.0|": the program's major and minor version, as the page records carry it.
QString versionField();
// A page record closed for the barcode and the delivery file: under the limit with the version
// field and "|OK"; otherwise its first 2,700 characters, "|FDat" and the version field.
QString closePageRecord(const QString& record);

}
