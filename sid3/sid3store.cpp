#include "sid3/sid3store.h"

#include "common/regional.h"
#include "data/transaction.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

const QString Table = QStringLiteral("Form_Sid3");

// Amounts are stored as whole cents.
QVariant storedMoney(const std::optional<Money>& m)
{
    return m ? QVariant(m->units()) : QVariant();
}

std::optional<Money> moneyAt(const data::Recordset& rs, const QString& column)
{
    const QVariant v = rs.value(column);
    return v.isValid() ? std::optional(v.value<Money>()) : std::nullopt;
}

ActivityLine lineOf(const data::Recordset& rs)
{
    ActivityLine l;
    l.codigo = rs.value(QStringLiteral("SidAct_Codigo")).toString();
    l.denominacion = rs.value(QStringLiteral("SidAct_Denominacion")).toString();
    l.exento = rs.value(QStringLiteral("SidAct_Exento")).toLongLong() != 0;
    const QVariant emp = rs.value(QStringLiteral("SidAct_NumEmp"));
    l.numEmp = emp.isValid() ? std::optional(emp.toLongLong()) : std::nullopt;
    l.baseMinimo = moneyAt(rs, QStringLiteral("SidAct_BaseMinimo"));
    l.alicuota = moneyAt(rs, QStringLiteral("SidAct_Alicuota"));
    l.baseImp = moneyAt(rs, QStringLiteral("SidAct_BaseImp"));
    l.impuesto = moneyAt(rs, QStringLiteral("SidAct_Impuesto")).value_or(Money()).rescaled<6>();
    return l;
}

}

QString PeriodListRow::text() const
{
    QString t = QString::number(month) + u'/' + QString::number(year) + u' ' + tramiteDescrip;
    if (fechaPago.isValid())
        t += u' ' + regional::formatDate(fechaPago);
    return t;
}

Result<QList<PeriodListRow>> Sid3Store::Cargar_List_FormSid3(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT S.Sid_Mes, S.Sid_Año, S.Sid_Tramite_Descrip, S.Sid_Fecha_Pago, "
                           "S.Sid_ID FROM CMD C JOIN Form_Cp01 P ON P.CMD_ID = C.CMD_ID "
                           "JOIN Form_Sid3 S ON S.CP01_ID = P.CP01_ID WHERE C.CMD_ID = ? "
                           "ORDER BY S.Sid_ID DESC"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<PeriodListRow> rows;
    for (; !rs.eof(); rs.moveNext()) {
        rows.append({ rs.value(4).toLongLong(), rs.value(0).toInt(), rs.value(1).toInt(),
            rs.value(2).toString(), rs.value(3).toDate() });
    }
    return rows;
}

Result<Declaration> Sid3Store::load(qint64 sidId)
{
    FieldValues values;
    const data::LoadStatus status = m_db.loadFields(
        QStringLiteral("SELECT * FROM Form_Sid3 WHERE Sid_ID = ?"), { sidId }, QStringLiteral("Sid"), values);
    if (status != data::LoadStatus::Loaded)
        return Error { msg::errorCargarDatos() };
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT CP01_ID FROM Form_Sid3 WHERE Sid_ID = ?"), { sidId }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorCargarDatos() };
    Declaration d = withDeclarationFields({}, values);
    d.id = sidId;
    d.cp01Id = rs.value(0).toLongLong();
    return d;
}

Result<QList<ActivityLine>> Sid3Store::loadLines(qint64 sidId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT * FROM Form_Sid3_Act WHERE Sid_ID = ? ORDER BY SidAct_ID"), { sidId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorLeerActividades() };
    QList<ActivityLine> lines;
    for (; !rs.eof(); rs.moveNext())
        lines.append(lineOf(rs));
    return lines;
}

Result<Cp01Identity> Sid3Store::cp01Identity(qint64 cp01Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral(
                "SELECT CP01_Contribuyente, CP01_CUIT, CP01_IngBrut FROM Form_Cp01 WHERE CP01_ID = ?"),
            { cp01Id }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAcceso() };
    return Cp01Identity { rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString() };
}

Result<FieldValues> Sid3Store::cp01Fields(qint64 cp01Id)
{
    FieldValues values;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01 WHERE CP01_ID = ?"), { cp01Id },
            QStringLiteral("CP01"), values)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    return values;
}

Status Sid3Store::Guardar_Sid3(Declaration& d, const QList<ActivityLine>& lines)
{
    auto identity = cp01Identity(d.cp01Id);
    if (!identity)
        return Error { msg::errorGuardar() };
    Declaration stored = d;
    stored.ib = identity->ingBrut;
    stored.cuit = identity->cuit;
    data::Transaction tx(m_db.connection());
    const data::SaveResult saved = m_db.saveFields({ Table, QStringLiteral("Sid_ID"), d.id,
        QStringLiteral("CP01_ID"), d.cp01Id, QStringLiteral("Sid"), declarationFields(stored) });
    if (!saved.ok || saved.key == 0)
        return Error { msg::errorGuardar() };
    if (auto written = writeLines(saved.key, lines); !written)
        return written;
    if (!tx.commit())
        return Error { msg::errorGuardar() };
    stored.id = saved.key;
    d = stored;
    return {};
}

Status Sid3Store::writeLines(qint64 sidId, const QList<ActivityLine>& lines)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_Sid3_Act WHERE Sid_ID = ?"), { sidId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorGuardarActividades() };
    const QString insert = QStringLiteral("INSERT INTO Form_Sid3_Act (Sid_ID, SidAct_Codigo, "
                                          "SidAct_Denominacion, SidAct_Exento, SidAct_NumEmp, "
                                          "SidAct_BaseMinimo, SidAct_Alicuota, SidAct_BaseImp, "
                                          "SidAct_Impuesto) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const ActivityLine& l : lines) {
        if (!l.hasCode())
            continue;
        const QVariantList bound { sidId, l.codigo, l.denominacion, l.exento ? 1 : 0,
            l.numEmp ? QVariant(*l.numEmp) : QVariant(), storedMoney(l.baseMinimo), storedMoney(l.alicuota),
            storedMoney(l.baseImp), storedMoney(l.impuesto.rescaled<2>()) };
        if (m_db.execute(insert, bound) != data::AccesoDatos::Ok)
            return Error { msg::errorGuardarActividades() };
    }
    return {};
}

Status Sid3Store::updateInterest(qint64 sidId, std::optional<Money> interes)
{
    if (m_db.execute(QStringLiteral("UPDATE Form_Sid3 SET Sid_Interes = ? WHERE Sid_ID = ?"),
            { storedMoney(interes), sidId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorActualizarIntereses() };
    return {};
}

Status Sid3Store::BorrarTabla(qint64 sidId)
{
    data::Transaction tx(m_db.connection());
    for (Register r : AllRegisters) {
        if (m_db.execute(
                QStringLiteral("DELETE FROM ") + registerTable(r) + QStringLiteral(" WHERE Sid_ID = ?"),
                { sidId })
            != data::AccesoDatos::Ok)
            return Error { msg::errorAcceso() };
    }
    if (m_db.execute(QStringLiteral("DELETE FROM Form_Sid3_Act WHERE Sid_ID = ?"), { sidId })
            != data::AccesoDatos::Ok
        || m_db.execute(QStringLiteral("DELETE FROM Form_Sid3 WHERE Sid_ID = ?"), { sidId })
            != data::AccesoDatos::Ok
        || !tx.commit())
        return Error { msg::errorAcceso() };
    return {};
}

Result<int> Sid3Store::count(const QString& sql, const QVariantList& params)
{
    data::Recordset rs;
    if (m_db.openRecordset(sql, params, rs) != data::AccesoDatos::Opened || rs.eof())
        return Error { msg::errorAcceso() };
    return rs.value(0).toInt();
}

Result<int> Sid3Store::anticiposOfInscription(qint64 cp01Id, Period period)
{
    return count(
        QStringLiteral("SELECT COUNT(*) FROM Form_Sid3 WHERE CP01_ID = ? AND Sid_Mes = ? AND Sid_Año = ? "
                       "AND Sid_Tramite = ?"),
        { cp01Id, period.month, period.year, static_cast<int>(Procedure::Anticipo) });
}

Result<int> Sid3Store::anticiposOfTaxpayer(qint64 cmdId, Period period)
{
    return count(
        QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 P JOIN Form_Sid3 S ON S.CP01_ID = P.CP01_ID "
                       "WHERE P.CMD_ID = ? AND S.Sid_Mes = ? AND S.Sid_Año = ? AND S.Sid_Tramite = ?"),
        { cmdId, period.month, period.year, static_cast<int>(Procedure::Anticipo) });
}

}
