#pragma once

#include "agents/declarationform.h"
#include "agentsfixture.h"
#include "pagerecorder.h"

namespace ventrix::test {

// An agent with withholdings and perceptions to declare.
struct ArpDeclarationFixture : AgentsFixture
{
    qint64 withholding(const QString& who, const QString& cuit, const QString& ib, const QString& recibo,
        QDate fecha, qint64 base, qint64 alicuota, qint64 importe)
    {
        return execInsert(t.db(),
            QStringLiteral("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Contribuyente, AgRet_CUIT, "
                           "AgRet_IBrutos, AgRet_NumRecibo, AgRet_Fecha_Retencion, AgRet_BaseImp, "
                           "AgRet_Alicuota, AgRet_Imp_Retenido) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, who, cuit, ib, recibo, fecha.toString(Qt::ISODate), base, alicuota, importe })
            .toLongLong();
    }
    qint64 perception(const QString& who, const QString& cuit, const QString& ib, const QString& factura,
        QDate fecha, qint64 base, qint64 alicuota, qint64 importe)
    {
        return execInsert(t.db(),
            QStringLiteral("INSERT INTO Form_AgentPercepcion (CP01_ID, AgPer_Contribuyente, AgPer_CUIT, "
                           "AgPer_IBrutos, AgPer_NumFactura, AgPer_Fecha_Percepcion, AgPer_BaseImp, "
                           "AgPer_Alicuota, AgPer_Imp_Percibido) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, who, cuit, ib, factura, fecha.toString(Qt::ISODate), base, alicuota, importe })
            .toLongLong();
    }
    qint64 deposit(
        const QString& operacion, const agents::ArpPeriod& p, QDate pago, const QString& form, qint64 cents)
    {
        return execInsert(t.db(),
            QStringLiteral(
                "INSERT INTO Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde, Arp_Hasta, Arp_FechaPago, "
                "Arp_NumFormulario, Arp_Importe_Depositado) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            { cp01Id, operacion, p.desde.toString(Qt::ISODate), p.hasta.toString(Qt::ISODate),
                pago.toString(Qt::ISODate), form, cents })
            .toLongLong();
    }
    // Marks the month as declared with the number, as the declaration does.
    agents::MonthlyDeclaration declare(
        agents::AgentRegister which, const agents::ArpPeriod& p, const QString& numero, QDate today)
    {
        agents::DeclarationStore store(access, agents::RegisterKind::of(which));
        const auto stored = store.AlmacenarDDJJ(cmdId, p, numero, today);
        if (!stored)
            ADD_FAILURE() << stored.error().toStdString();
        return { which, p, numero, today };
    }
};

// The authority's scrambling written out on its own: byte i (1-based) plus key byte
// ((i mod key length) + 1) plus 50, modulo 256; CR LF after each record, unscrambled.
inline QByteArray scrambledFile(const QList<QByteArray>& records, const QByteArray& key)
{
    QByteArray out;
    for (const QByteArray& r : records) {
        for (int i = 1; i <= r.size(); ++i) {
            const int k = (i % key.size()) + 1;
            out.append(char((quint8(r.at(i - 1)) + quint8(key.at(k - 1)) + 50) % 256));
        }
        out.append("\r\n");
    }
    return out;
}

}
