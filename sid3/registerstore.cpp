#include "sid3/registerstore.h"

#include "common/regional.h"
#include "data/transaction.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

RegisterRecord recordOf(const data::Recordset& rs)
{
    RegisterRecord r;
    r.id = rs.value(QStringLiteral("Per_ID")).toLongLong();
    r.fecha = rs.value(QStringLiteral("Per_Fecha")).toDate();
    r.concepto = rs.value(QStringLiteral("Per_Concepto")).toString();
    const QVariant monto = rs.value(QStringLiteral("Per_Monto"));
    r.monto = monto.isValid() ? std::optional(monto.value<Money>()) : std::nullopt;
    r.mes = rs.value(QStringLiteral("Per_Mes")).toString();
    r.anio = rs.value(QStringLiteral("Per_Año")).toString();
    r.responsable = rs.value(QStringLiteral("Per_Responsable")).toString();
    r.cuit = rs.value(QStringLiteral("Per_CUIT")).toString();
    r.numAgente = rs.value(QStringLiteral("Per_NumAgenteRet")).toString();
    return r;
}

QString orderColumn(RegisterOrder order)
{
    switch (order) {
    case RegisterOrder::Fecha:
        return QStringLiteral("Per_Fecha");
    case RegisterOrder::Concepto:
        return QStringLiteral("Per_Concepto");
    case RegisterOrder::Monto:
        return QStringLiteral("Per_Monto");
    case RegisterOrder::Agente:
        break;
    }
    return QStringLiteral("Per_Responsable");
}

}

FieldValues registerFields(const RegisterRecord& r)
{
    FieldValues v;
    v[QStringLiteral("Per_Fecha")] = r.fecha.isValid() ? QVariant(r.fecha) : QVariant();
    v[QStringLiteral("Per_Concepto")] = r.concepto;
    v[QStringLiteral("Per_Monto")] = r.monto ? QVariant::fromValue(*r.monto) : QVariant();
    v[QStringLiteral("Per_Mes")] = r.mes;
    v[QStringLiteral("Per_Año")] = r.anio;
    v[QStringLiteral("Per_Responsable")] = r.responsable;
    v[QStringLiteral("Per_CUIT")] = r.cuit;
    v[QStringLiteral("Per_NumAgenteRet")] = r.numAgente;
    return v;
}

RegisterRecord withRegisterFields(RegisterRecord r, const FieldValues& v)
{
    auto text = [&v](const char16_t* column) { return v.value(QString::fromUtf16(column)).toString(); };
    const QVariant fecha = v.value(QStringLiteral("Per_Fecha"));
    r.fecha = fecha.metaType() == QMetaType::fromType<QDate>()
        ? fecha.toDate()
        : regional::parseDate(fecha.toString().trimmed()).value_or(QDate());
    const QVariant monto = v.value(QStringLiteral("Per_Monto"));
    r.monto = monto.metaType() == QMetaType::fromType<Money>()
        ? std::optional(monto.value<Money>())
        : Money::fromDisplay(monto.toString().trimmed());
    r.concepto = text(u"Per_Concepto");
    r.mes = text(u"Per_Mes");
    r.anio = text(u"Per_Año");
    r.responsable = text(u"Per_Responsable");
    r.cuit = text(u"Per_CUIT");
    r.numAgente = text(u"Per_NumAgenteRet");
    return r;
}

QString ImportOutcome::message() const
{
    return msg::importados(inserted, cancelled, rejected);
}

std::optional<Register> Sid3RegisterStore::registerOf(const QString& table)
{
    for (Register r : AllRegisters) {
        if (registerTable(r).compare(table, Qt::CaseInsensitive) == 0)
            return r;
    }
    return std::nullopt;
}

Result<RegisterTotal> Sid3RegisterStore::VerTabla(qint64 sidId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT SUM(Per_Monto), COUNT(*) FROM ") + table()
                + QStringLiteral(" WHERE Sid_ID = ?"),
            { sidId }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAcceso() };
    // The sum of an amount column comes back in cents.
    return RegisterTotal { Money::fromUnits(rs.value(0).toLongLong()), rs.value(1).toInt() };
}

Result<QList<RegisterRecord>> Sid3RegisterStore::records(qint64 sidId, RegisterOrder order)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT * FROM ") + table()
                + QStringLiteral(" WHERE Sid_ID = ? ORDER BY ") + orderColumn(order)
                + QStringLiteral(", Per_ID"),
            { sidId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<RegisterRecord> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(recordOf(rs));
    return out;
}

Status Sid3RegisterStore::checkDate(QDate fecha, Period period) const
{
    const QDate limit = registerDateLimit(m_register, period.month, period.year);
    if (fecha.isValid() && fecha > limit)
        return Error { msg::fechaPosterior(regional::formatDate(limit)) };
    return {};
}

Status Sid3RegisterStore::Guardar(RegisterRecord& record, qint64 sidId, Period period)
{
    if (!record.fecha.isValid() || !record.monto)
        return Error { msg::errorGuardar() };
    if (auto dated = checkDate(record.fecha, period); !dated)
        return dated;
    if (hasAgent() && record.cuit.trimmed().isEmpty())
        return Error { msg::ingreseCuit() };
    record.mes = QString::number(period.month);
    record.anio = QString::number(period.year);
    const data::SaveResult saved = m_db.saveFields({ table(), QStringLiteral("Per_ID"), record.id,
        QStringLiteral("Sid_ID"), sidId, QStringLiteral("Per"), registerFields(record) });
    if (!saved.ok)
        return Error { msg::errorGuardar() };
    record.id = saved.key;
    return {};
}

Status Sid3RegisterStore::Borrar(qint64 perId)
{
    if (m_db.execute(
            QStringLiteral("DELETE FROM ") + table() + QStringLiteral(" WHERE Per_ID = ?"), { perId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorAcceso() };
    return {};
}

Status Sid3RegisterStore::BorrarTodos(qint64 sidId)
{
    if (m_db.execute(
            QStringLiteral("DELETE FROM ") + table() + QStringLiteral(" WHERE Sid_ID = ?"), { sidId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrarTodos() };
    return {};
}

Result<std::optional<AgentInfo>> Sid3RegisterStore::agentByNumber(const QString& number)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT Per_Responsable, Per_CUIT FROM ") + table()
                + QStringLiteral(" WHERE Per_NumAgenteRet = ? ORDER BY Per_ID DESC LIMIT 1"),
            { number }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    if (rs.eof())
        return std::optional<AgentInfo>();
    return std::optional(AgentInfo { rs.value(0).toString(), rs.value(1).toString() });
}

Result<ImportOutcome> Sid3RegisterStore::Ingresar_Registros(qint64 sidId, Period period,
    const ImportFile& file, const std::function<bool()>& continueAfterFailure,
    const std::function<bool(int done)>& cancelled)
{
    ImportOutcome out;
    data::Transaction tx(m_db.connection());
    const QString insert = QStringLiteral("INSERT INTO ") + table()
        + QStringLiteral(" (Sid_ID, Per_Fecha, Per_Concepto, Per_Monto, Per_Mes, Per_Año, Per_Responsable, "
                         "Per_CUIT) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    int done = 0;
    for (const ImportedRecord& r : file.records) {
        if (cancelled && cancelled(done++)) {
            out.cancelled = true;
            break;
        }
        if (!r.accepted()) {
            ++out.rejected;
            continue;
        }
        const QVariantList values { sidId, r.fecha.toString(Qt::ISODate), r.concepto, r.monto->units(),
            QString::number(period.month), QString::number(period.year), r.responsable, r.cuit };
        if (m_db.execute(insert, values) == data::AccesoDatos::Ok) {
            ++out.inserted;
            continue;
        }
        ++out.rejected;
        if (!continueAfterFailure || !continueAfterFailure())
            break;
    }
    if (!tx.commit())
        return Error { msg::errorAcceso() };
    return out;
}

}
