#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace ventrix::sid3 {

// "CP03SID3_" + the comprobante number + ".txt".
QString deliveryFileName(const QString& comprobante);

// The file's bytes: the record scrambled with the comprobante number as key, then CR LF.
QByteArray deliveryBytes(const QString& record, const QString& comprobante);

// Diskette_Sid3: writes the print's record into "Archivos" (created when missing) as its delivery
// file, replacing one of the same name, whole or not at all. The file's path, or why it could not
// be written.
Result<QString> Diskette_Sid3(
    const QString& archivosFolder, const QString& comprobante, const QString& record);

// The record of a delivery file, unscrambled with the key its name carries; the reason when the
// bytes are not one scrambled line closed by CR LF.
Result<QString> readDeliveryRecord(const QByteArray& bytes, const QString& comprobante);

}
