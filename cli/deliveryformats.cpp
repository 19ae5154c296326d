#include "cli/deliveryformats.h"

#include "agents/arpdeclarationfile.h"
#include "cp01/cp01delivery.h"
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

Result<QList<DeliveryField>> readCp01(const QByteArray& bytes, const QString& key)
{
    const auto delivery = cp01::readCp01Delivery(bytes, key);
    if (!delivery)
        return Error { delivery.error() };
    const QStringList& head = delivery->pages.first().values;
    QList<DeliveryField> out { { QStringLiteral("Comprobante Nº"), delivery->receipt },
        { QStringLiteral("Trámite"), head.value(1) }, { QStringLiteral("C.U.I.T."), head.value(2) },
        { QStringLiteral("Nº de I.S.I.B."), head.value(3) },
        { QStringLiteral("Páginas"), QString::number(delivery->pages.size()) } };
    for (int i = 0; i < delivery->pages.size(); ++i) {
        const cp01::Cp01DeliveryPage& p = delivery->pages[i];
        out.append({ QStringLiteral("Página %1 (%2%3)")
                         .arg(i + 1)
                         .arg(p.version, p.cut ? QStringLiteral(", cortada en 2700 caracteres") : QString()),
            p.values.join(QStringLiteral(" | ")) });
    }
    return out;
}

Result<QList<DeliveryField>> readAgentDeclaration(
    agents::AgentRegister which, const QByteArray& bytes, const QString& key)
{
    const auto read = agents::readDeclarationFile(bytes, which, key);
    if (!read)
        return Error { read.error() };
    QList<DeliveryField> out { { QStringLiteral("DDJJ Nº"), key },
        { QStringLiteral("Nº de agente"), read->agentNumber } };
    if (read->totalMes)
        out.append({ QStringLiteral("Total retenido del mes"), read->totalMes->toDisplay() });
    out.append({ QStringLiteral("Registros de detalle"), QString::number(read->details) });
    out.append({ which == agents::AgentRegister::Retenciones ? QStringLiteral("Suma de lo retenido")
                                                             : QStringLiteral("Suma de lo percibido"),
        read->sumImporte.toDisplay() });
    return out;
}

}

const QList<DeliveryFormat>& deliveryFormats()
{
    static const QList<DeliveryFormat> formats {
        { QStringLiteral("CP03/SID3"), QRegularExpression(QStringLiteral("^CP03SID3_([0-9]{9})\\.txt$")),
            readSid3 },
        { QStringLiteral("CP01"), QRegularExpression(QStringLiteral("^CP01_([0-9]{9,10})\\.txt$")),
            readCp01 },
        { QStringLiteral("IB16"), QRegularExpression(QStringLiteral("^IB16_([0-9]{7})\\.txt$")),
            [](const QByteArray& bytes, const QString& key) {
                return readAgentDeclaration(agents::AgentRegister::Retenciones, bytes, key);
            } },
        { QStringLiteral("AP02"), QRegularExpression(QStringLiteral("^AP02_([0-9]{7})\\.txt$")),
            [](const QByteArray& bytes, const QString& key) {
                return readAgentDeclaration(agents::AgentRegister::Percepciones, bytes, key);
            } },
    };
    return formats;
}

}
