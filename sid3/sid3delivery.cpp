#include "sid3/sid3delivery.h"

#include "common/cp1252.h"
#include "common/deliveryfile.h"
#include "common/scrambler.h"
#include "sid3/sid3printmessages.h"

#include <QDir>

namespace ventrix::sid3 {

QString deliveryFileName(const QString& comprobante)
{
    return QStringLiteral("CP03SID3_") + comprobante + QStringLiteral(".txt");
}

QByteArray deliveryBytes(const QString& record, const QString& comprobante)
{
    return Encripta(record, comprobante) + QByteArray("\r\n");
}

Result<QString> Diskette_Sid3(
    const QString& archivosFolder, const QString& comprobante, const QString& record)
{
    const QString path = QDir(archivosFolder).filePath(deliveryFileName(comprobante));
    if (!QDir().mkpath(archivosFolder))
        return Error { msg::archivoNoEscrito(
            QDir::toNativeSeparators(path), QStringLiteral("no se pudo crear la carpeta")) };
    DeliveryFile file(path, comprobante);
    if (!file.write({ record }))
        return Error { msg::archivoNoEscrito(QDir::toNativeSeparators(path), file.errorString()) };
    return path;
}

Result<QString> readDeliveryRecord(const QByteArray& bytes, const QString& comprobante)
{
    // The scrambled line may itself hold the bytes of CR LF: only the last two close it.
    if (!bytes.endsWith("\r\n"))
        return Error { QStringLiteral("el archivo no termina con CR LF") };
    const QByteArray line = bytes.chopped(2);
    if (line.isEmpty())
        return Error { QStringLiteral("el archivo no tiene registro") };
    return fromCp1252(Desencripta(line, toCp1252(comprobante)));
}

}
