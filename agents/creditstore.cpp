#include "agents/creditstore.h"

#include "agents/agentsmessages.h"
#include "agents/creditmessages.h"
#include "common/fieldchecks.h"
#include "data/transaction.h"

namespace ventrix::agents {
namespace {

QVariant textOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}

QVariant dateOrNull(QDate d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}

QVariant keyOrNull(const CreditLine& line, AgentRegister which)
{
    return line.which == which ? QVariant(line.operationId) : QVariant();
}

// The declared rows of one register with their counterpart and the credits against them.
QString declaredSql(const RegisterKind& k)
{
    const auto c = [&k](const char* item) { return k.column(QString::fromLatin1(item)); };
    return QStringLiteral("SELECT r.") + k.keyColumn + QStringLiteral(", r.") + k.dateColumn
        + QStringLiteral(", r.") + c("Contribuyente") + QStringLiteral(", r.") + k.documentColumn
        + QStringLiteral(", r.") + c("BaseImp") + QStringLiteral(", r.") + c("Alicuota")
        + QStringLiteral(", r.") + k.amountColumn + QStringLiteral(", r.") + c("Domicilio")
        + QStringLiteral(", r.") + c("DomNumero") + QStringLiteral(", r.") + c("Telefono")
        + QStringLiteral(", r.") + c("DDJJNumForm") + QStringLiteral(", r.") + c("DDJJFechaPres")
        + QStringLiteral(", (SELECT SUM(AgCre_ImporteNC) FROM Form_AgentCredito n WHERE n.") + k.keyColumn
        + QStringLiteral(" = r.") + k.keyColumn + QStringLiteral(") FROM ") + k.table
        + QStringLiteral(" r INNER JOIN Form_Cp01 p ON p.CP01_ID = r.CP01_ID WHERE p.CMD_ID = ? AND (r.")
        + c("FechaDDJJ") + QStringLiteral(" IS NOT NULL OR COALESCE(r.") + c("Periodo_DDJJOutDate")
        + QStringLiteral(", '') <> '') ORDER BY r.") + k.dateColumn + QStringLiteral(", r.") + k.keyColumn;
}

DeclaredOperation declaredFrom(const data::Recordset& rs)
{
    DeclaredOperation op;
    op.id = rs.value(0).toLongLong();
    op.fecha = rs.value(1).toDate();
    op.contribuyente = rs.value(2).toString();
    op.factura = rs.value(3).toString();
    op.base = rs.value(4).value<Money>();
    op.alicuota = rs.value(5).value<Percent>();
    op.importe = rs.value(6).value<Money>();
    op.domicilio = rs.value(7).toString();
    op.numero = rs.value(8).toString();
    op.telefono = rs.value(9).toString();
    op.ddjjNumForm = rs.value(10).toString();
    op.ddjjFechaPres = rs.value(11).toDate();
    // A sum has no declared type: it comes back in cents.
    op.acreditado = Money::fromUnits(rs.value(12).toLongLong());
    return op;
}

const QString CreditColumns = QStringLiteral(
    "c.AgCre_ID, c.AgPer_ID, c.AgRet_ID, c.AgCre_BaseImp, c.AgCre_Alicuota, c.AgCre_Importe, c.AgCre_Fecha, "
    "c.AgCre_Contribuyente, c.AgCre_Domicilio, c.AgCre_DomNumero, c.AgCre_Telefono, c.AgCre_NumFactura, "
    "c.AgCre_DDJJNumForm, c.AgCre_DDJJFechaPres, c.AgCre_ImporteNC, c.AgCre_Impreso");

CreditLine creditFrom(const data::Recordset& rs)
{
    CreditLine line;
    line.id = rs.value(0).toLongLong();
    const bool percepcion = rs.value(1).isValid() && !rs.value(1).isNull();
    line.which = percepcion ? AgentRegister::Percepciones : AgentRegister::Retenciones;
    line.operationId = rs.value(percepcion ? 1 : 2).toLongLong();
    line.base = rs.value(3).value<Money>();
    line.alicuota = rs.value(4).value<Percent>();
    line.importe = rs.value(5).value<Money>();
    line.fecha = rs.value(6).toDate();
    line.contribuyente = rs.value(7).toString();
    line.domicilio = rs.value(8).toString();
    line.domNumero = rs.value(9).toString();
    line.telefono = rs.value(10).toString();
    line.numFactura = rs.value(11).toString();
    line.ddjjNumForm = rs.value(12).toString();
    line.ddjjFechaPres = rs.value(13).toDate();
    line.importeNC = rs.value(14).value<Money>();
    line.impreso = rs.value(15).toLongLong() != 0;
    line.imprimir = !line.impreso;
    return line;
}

// Whether the credited operation is still declared: a declaration undone since the credit was added
// leaves nothing to credit.
QString stillDeclaredSql(const RegisterKind& k)
{
    return QStringLiteral("SELECT COUNT(*) FROM ") + k.table + QStringLiteral(" WHERE ") + k.keyColumn
        + QStringLiteral(" = ? AND (") + k.column(QStringLiteral("FechaDDJJ"))
        + QStringLiteral(" IS NOT NULL OR COALESCE(") + k.column(QStringLiteral("Periodo_DDJJOutDate"))
        + QStringLiteral(", '') <> '')");
}

QVariantList insertValues(qint64 cp01Id, const CreditLine& l)
{
    return { cp01Id, keyOrNull(l, AgentRegister::Percepciones), keyOrNull(l, AgentRegister::Retenciones),
        l.base.units(), l.alicuota.units(), l.importe.units(), dateOrNull(l.fecha),
        textOrNull(l.contribuyente), textOrNull(l.domicilio), textOrNull(l.domNumero), textOrNull(l.telefono),
        textOrNull(l.numFactura), textOrNull(l.ddjjNumForm), dateOrNull(l.ddjjFechaPres),
        l.importeNC.units() };
}

}

CreditStore::CreditStore(data::AccesoDatos& db)
    : m_db(db)
{
}

Result<QList<DeclaredOperation>> CreditStore::declaredOperations(qint64 cmdId, AgentRegister which)
{
    data::Recordset rs;
    if (m_db.openRecordset(declaredSql(RegisterKind::of(which)), { cmdId }, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    QList<DeclaredOperation> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(declaredFrom(rs));
    return out;
}

Result<QString> CreditStore::nombreAgente(qint64 cp01Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT CP01_Contribuyente FROM Form_Cp01 WHERE CP01_ID = ?"), { cp01Id }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    return rs.eof() ? QString() : rs.value(0).toString();
}

Status CreditStore::Guardar(qint64 cp01Id, QList<CreditLine>& lines)
{
    static const QString insert = QStringLiteral(
        "INSERT INTO Form_AgentCredito (CP01_ID, AgPer_ID, AgRet_ID, AgCre_BaseImp, AgCre_Alicuota, "
        "AgCre_Importe, AgCre_Fecha, AgCre_Contribuyente, AgCre_Domicilio, AgCre_DomNumero, AgCre_Telefono, "
        "AgCre_NumFactura, AgCre_DDJJNumForm, AgCre_DDJJFechaPres, AgCre_ImporteNC) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::noSeAlmacenaron(1) };
    QList<qint64> keys;
    int fila = 0;
    for (const CreditLine& line : std::as_const(lines)) {
        if (!line.isPending())
            continue;
        ++fila;
        data::Recordset rs;
        if (m_db.openRecordset(stillDeclaredSql(RegisterKind::of(line.which)), { line.operationId }, rs)
                != data::AccesoDatos::Opened
            || rs.eof() || rs.value(0).toLongLong() == 0)
            return Error { msg::noSeAlmacenaron(fila) };
        if (m_db.execute(insert, insertValues(cp01Id, line)) != data::AccesoDatos::Ok
            || m_db.openRecordset(QStringLiteral("SELECT MAX(AgCre_ID) FROM Form_AgentCredito"), {}, rs)
                != data::AccesoDatos::Opened)
            return Error { msg::noSeAlmacenaron(fila) };
        keys.append(rs.value(0).toLongLong());
    }
    if (!tx.commit())
        return Error { msg::noSeAlmacenaron(fila) };
    for (CreditLine& line : lines) {
        if (line.isPending())
            line.id = keys.takeFirst();
    }
    return {};
}

Status CreditStore::Borrar(qint64 creditId)
{
    const QString answer
        = m_db.execute(QStringLiteral("DELETE FROM Form_AgentCredito WHERE AgCre_ID = ?"), { creditId });
    if (answer != data::AccesoDatos::Ok)
        return Error { msg::canceladaPorSistema(answer) };
    return {};
}

Result<QList<CreditLine>> CreditStore::QueryVerImprimir(qint64 cmdId, const CreditQuery& query)
{
    QString sql = QStringLiteral("SELECT ") + CreditColumns
        + QStringLiteral(" FROM Form_AgentCredito c INNER JOIN Form_Cp01 p ON p.CP01_ID = c.CP01_ID "
                         "WHERE p.CMD_ID = ?");
    QVariantList params { cmdId };
    if (query.soloNoImpresos)
        sql += QStringLiteral(" AND c.AgCre_Impreso = 0");
    if (!query.factura.isEmpty()) {
        sql += QStringLiteral(" AND c.AgCre_NumFactura LIKE ? ESCAPE '\\'");
        params.append(likePattern(query.factura, LikeMatch::Contains));
    }
    sql += QStringLiteral(" ORDER BY c.AgCre_ID DESC");
    data::Recordset rs;
    if (m_db.openRecordset(sql, params, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    QList<CreditLine> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(creditFrom(rs));
    return out;
}

Status CreditStore::marcarImpresos(const QList<qint64>& ids)
{
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorAccesoBaseDatos() };
    for (qint64 id : ids) {
        if (m_db.execute(
                QStringLiteral("UPDATE Form_AgentCredito SET AgCre_Impreso = 1 WHERE AgCre_ID = ?"), { id })
            != data::AccesoDatos::Ok)
            return Error { msg::errorAccesoBaseDatos() };
    }
    if (!tx.commit())
        return Error { msg::errorAccesoBaseDatos() };
    return {};
}

}
