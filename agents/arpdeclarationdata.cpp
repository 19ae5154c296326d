#include "agents/arpdeclarationdata.h"
#include "data/rowreader.h"

#include "agents/agentsmessages.h"

namespace ventrix::agents {
namespace {

QVariant isoDate(QDate d)
{
    return d.toString(Qt::ISODate);
}

const QString OwnedBy = QStringLiteral("CP01_ID IN (SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ?)");

// The rows a declaration holds: those of its month it declared, and those of earlier months it
// took in late with its period.
QString heldBy(const QString& prefix, const QString& dateFrom, const QString& dateTo)
{
    return QStringLiteral("((") + dateFrom + QStringLiteral(" >= ? AND ") + dateTo
        + QStringLiteral(" <= ? AND ") + prefix + QStringLiteral("_FechaDDJJ IS NOT NULL AND COALESCE(")
        + prefix + QStringLiteral("_Periodo_DDJJOutDate, '') = '') OR (") + prefix
        + QStringLiteral("_FechaDDJJ IS NULL AND ") + prefix + QStringLiteral("_Periodo_DDJJOutDate = ?))");
}

QVariantList heldByParams(const ArpPeriod& p)
{
    return { isoDate(p.desde), isoDate(p.hasta), p.text() };
}

Status readAgent(data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, ArpDeclarationData& out)
{
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT CMD.CMD_Contribuyente, CMD.") + kind.cmdNumberColumn
        + QStringLiteral(
            ", c.CP01_Contribuyente, c.CP01_CUIT, c.CP01_IngBrut FROM CMD LEFT JOIN Form_Cp01 c ON "
            "c.CP01_ID = (SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = CMD.CMD_ID ORDER BY "
            "CP01_FechaPres DESC, CP01_ID DESC LIMIT 1) WHERE CMD.CMD_ID = ?");
    if (db.openRecordset(sql, { cmdId }, rs) != data::AccesoDatos::Opened || rs.eof())
        return Error { msg::errorAccesoBaseDatos() };
    const QString inscribed = rs.value(2).toString().trimmed();
    out.agentName = inscribed.isEmpty() ? rs.value(0).toString().trimmed() : inscribed;
    out.agentNumber = rs.value(1).toString();
    out.cuit = rs.value(3).toString();
    out.ibrutos = rs.value(4).toString();
    return {};
}

Status readDeposits(data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, ArpDeclarationData& out)
{
    const ArpPeriod& p = out.declaration.period;
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT Arp_FechaPago, Arp_NumFormulario, Arp_Importe_Depositado FROM "
                                       "Form_ARP WHERE ")
        + OwnedBy + QStringLiteral(" AND Arp_Operacion = ? AND ")
        + heldBy(QStringLiteral("Arp"), QStringLiteral("Arp_Desde"), QStringLiteral("Arp_Hasta"))
        + QStringLiteral(" ORDER BY Arp_FechaPago, ARP_ID");
    if (db.openRecordset(sql, QVariantList { cmdId, kind.arpOperacion } + heldByParams(p), rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    for (; !rs.eof(); rs.moveNext()) {
        DeclaredDeposit d { rs.value(0).toDate(), rs.value(1).toString(), rs.value(2).value<Money>() };
        out.totalDepositado += d.importeDepositado;
        out.deposits.append(d);
    }
    return {};
}

Status readTotals(data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, ArpDeclarationData& out)
{
    const ArpPeriod& p = out.declaration.period;
    data::Recordset held;
    data::Recordset month;
    const QString sum = QStringLiteral("SELECT SUM(") + kind.amountColumn + QStringLiteral(") FROM ")
        + kind.table + QStringLiteral(" WHERE ") + OwnedBy + QStringLiteral(" AND ");
    // Sums of amount columns come back in cents; no rows sum to NULL, that is 0.
    if (db.openRecordset(sum + heldBy(kind.prefix, kind.dateColumn, kind.dateColumn),
            QVariantList { cmdId } + heldByParams(p), held)
            != data::AccesoDatos::Opened
        || db.openRecordset(sum + kind.dateColumn + QStringLiteral(" >= ? AND ") + kind.dateColumn
                   + QStringLiteral(" <= ?"),
               { cmdId, isoDate(p.desde), isoDate(p.hasta) }, month)
            != data::AccesoDatos::Opened
        || held.eof() || month.eof())
        return Error { msg::errorAccesoBaseDatos() };
    out.totalRegistro = Money::fromUnits(held.value(0).toLongLong());
    out.totalMes = Money::fromUnits(month.value(0).toLongLong());
    return {};
}

Status readOperations(data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, ArpDeclarationData& out)
{
    const QString sql = QStringLiteral("SELECT ") + kind.column(QStringLiteral("Contribuyente")) + u','
        + kind.column(QStringLiteral("IBrutos")) + u',' + kind.column(QStringLiteral("CUIT")) + u','
        + kind.documentColumn + u',' + kind.dateColumn + u',' + kind.column(QStringLiteral("BaseImp")) + u','
        + kind.column(QStringLiteral("Alicuota")) + u',' + kind.amountColumn + QStringLiteral(" FROM ")
        + kind.table + QStringLiteral(" WHERE ") + kind.column(QStringLiteral("DDJJNumForm"))
        + QStringLiteral(" = ? AND ") + OwnedBy + QStringLiteral(" ORDER BY ") + kind.dateColumn + u','
        + kind.keyColumn;
    // A month can hold hundreds of thousands of rows: read straight, not through variants.
    const QString failed = data::RowReader::forEach(
        db.connection(), sql, { out.declaration.numero, cmdId }, [&out](const data::RowView& r) {
            out.operations.append(
                { r.text(0), r.text(1), r.text(2), r.text(3), r.date(4), Money::fromUnits(r.integer(5)),
                    Fixed<4>::fromUnits(r.integer(6)), Money::fromUnits(r.integer(7)) });
            return true;
        });
    if (!failed.isEmpty())
        return Error { msg::errorAccesoBaseDatos() };
    return {};
}

}

Result<ArpDeclarationData> readDeclaration(
    data::AccesoDatos& db, qint64 cmdId, const MonthlyDeclaration& declaration)
{
    const RegisterKind& kind = RegisterKind::of(declaration.which);
    ArpDeclarationData out;
    out.declaration = declaration;
    for (const auto& step : { readAgent, readDeposits, readTotals, readOperations })
        if (auto done = step(db, cmdId, kind, out); !done)
            return Error { done.error() };
    return out;
}

}
