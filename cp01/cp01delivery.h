#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QStringList>

namespace ventrix::cp01 {

// "CP01_000123456.txt": the delivery file of the print with that receipt number.
QString deliveryFileName(const QString& receipt);

// Diskette_CP01: writes the delivery file of a print into the "Archivos" folder, one line per page
// (the closed page record scrambled with the receipt number, Windows-1252, then CR LF), replacing
// a file of the same name; whole or not at all. The path written, or the system's reason.
Result<QString> Diskette_CP01(
    const QString& archivos, const QString& receipt, const QStringList& closedRecords);

// One page line of a delivery file, unscrambled.
struct Cp01DeliveryPage
{
    QString record; // the closed record as the file holds it
    QStringList values; // the printed values, without the version field and the closing mark
    QString version; // "V1.0"
    bool cut = false; // closed with "|FDat": the record reached 2,700 characters and was cut there
};

// What a CP01 delivery file holds.
struct Cp01Delivery
{
    QString receipt;
    QList<Cp01DeliveryPage> pages;
};

// Reads a CP01 delivery file back: the receipt number from its name keys the unscrambling; every
// line must be a closed page record whose first value is that number and whose four leading
// values (receipt, procedure, CUIT, I.S.I.B. number) agree between pages. The error says what is off.
Result<Cp01Delivery> checkCp01Delivery(const QString& path);
// The same check over bytes already read, keyed by the receipt number; the error is the bare reason.
Result<Cp01Delivery> readCp01Delivery(const QByteArray& bytes, const QString& receipt);

// The file's contents as a taxpayer reads them, one Spanish line each.
QStringList describeCp01Delivery(const Cp01Delivery& delivery);

}
