#include "cli/deliveryformats.h"

#include "sid3/sid3delivery.h"
#include "sid3/sid3printrecord.h"

namespace ventrix::cli {
namespace {

Result<QList<DeliveryField>> readSid3(const QByteArray& bytes, const QString& key)
{
    constexpr qsizetype Expected = sid3::RecordLength + 2;
    if (bytes.size() != Expected)
        return Error { QStringLiteral("el archivo tiene %1 bytes y uno de CP03/SID3 tiene %2")
                           .arg(bytes.size())
                           .arg(Expected) };
    const auto record = sid3::readDeliveryRecord(bytes, key);
    if (!record)
        return Error { record.error() };
    const auto fields = sid3::readPrintRecord(*record);
    if (!fields)
        return Error { fields.error() };
    QList<DeliveryField> out;
    for (const sid3::ReadField& f : *fields) {
        if (f.key == u"00" && f.value != key)
            return Error { QStringLiteral(
                "el número de comprobante del registro (%1) no es el del nombre del "
                "archivo (%2)")
                               .arg(f.value, key) };
        out.append({ f.key + QStringLiteral(" ") + f.label, f.value });
    }
    return out;
}

}

const QList<DeliveryFormat>& deliveryFormats()
{
    static const QList<DeliveryFormat> formats {
        { QStringLiteral("CP03/SID3"), QRegularExpression(QStringLiteral("^CP03SID3_([0-9]{9})\\.txt$")),
            readSid3 },
    };
    return formats;
}

}
