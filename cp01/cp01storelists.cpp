// The lists, look-ups and deletions of Cp01Store: procedures of a taxpayer and opened premises.
#include "cp01/cp01messages.h"
#include "cp01/cp01store.h"
#include "data/transaction.h"

namespace ventrix::cp01 {
namespace {

const QString Premises = QStringLiteral("Form_Cp01_Comercios");
const QString PremisesActivities = QStringLiteral("Form_Cp01_Com_Act");
const QString NewestFirst = QStringLiteral(" ORDER BY CP01_FechaPres DESC, CP01_ID DESC");

}

Result<std::optional<CurrentProcedure>> Cp01Store::currentProcedure(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT CP01_ID, CP01_Tramite FROM Form_Cp01 WHERE CMD_ID = ?") + NewestFirst,
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    if (rs.eof())
        return std::optional<CurrentProcedure>();
    return std::optional(CurrentProcedure { rs.value(0).toLongLong(), rs.value(1).toString() });
}

Result<bool> Cp01Store::hasInscription(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ? AND CP01_Tramite = ?"),
            { cmdId, procedureText(ProcedureType::Inscripcion) }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    return !rs.eof();
}

Result<QList<ProcedureListRow>> Cp01Store::CargarGrilla(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT CP01_ID, CP01_Contribuyente, CP01_Tramite, CP01_Activ_Nombre, "
                           "CP01_FechaPres FROM Form_Cp01 WHERE CMD_ID = ?")
                + NewestFirst,
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<ProcedureListRow> rows;
    for (; !rs.eof(); rs.moveNext()) {
        rows.append({ rs.value(0).toLongLong(), rs.value(1).toString(), rs.value(2).toString(),
            rs.value(3).toString(), rs.value(4).toDate() });
    }
    return rows;
}

Status Cp01Store::deleteProcedure(qint64 cp01Id)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_Cp01 WHERE CP01_ID = ?"), { cp01Id })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrarTramite() };
    return {};
}

Status Cp01Store::deleteAllProcedures(qint64 cmdId)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_Cp01 WHERE CMD_ID = ?"), { cmdId }) != data::AccesoDatos::Ok)
        return Error { msg::errorBorrarTramite() };
    return {};
}

Result<QList<ListEntry>> Cp01Store::openedPremisesList(qint64 cp01Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT Com_Activ_Nombre, Com_ID FROM Form_Cp01_Comercios "
                                          "WHERE Cp01_ID = ? ORDER BY Com_Activ_Nombre, Com_ID"),
            { cp01Id }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<ListEntry> out;
    for (; !rs.eof(); rs.moveNext())
        out.append({ rs.value(0).toString(), rs.value(1) });
    return out;
}

Result<OpenedPremises> Cp01Store::loadOpenedPremises(qint64 comId)
{
    OpenedPremises p;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01_Comercios WHERE Com_ID = ?"), { comId },
            QStringLiteral("Com"), p.fields)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    auto table = Cargar_Tabla4(comId);
    if (!table)
        return Error { table.error() };
    p.comId = comId;
    p.activities = *table;
    return p;
}

Status Cp01Store::saveOpenedPremises(OpenedPremises& premises, qint64 cp01Id)
{
    data::Transaction tx(m_db.connection());
    const bool isNew = premises.comId == 0;
    FieldValues values = cutToWidths(Premises, QStringLiteral("Com"), premises.fields);
    if (isNew)
        values.remove(col::ComComId);
    const data::SaveResult saved
        = m_db.saveFields({ Premises, col::ComId, isNew ? QVariant() : QVariant(premises.comId),
            QStringLiteral("Cp01_ID"), cp01Id, QStringLiteral("Com"), values });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    if (isNew
        && m_db.execute(QStringLiteral("UPDATE Form_Cp01_Comercios SET Com_Com_ID = Com_ID WHERE Com_ID = ?"),
               { saved.key })
            != data::AccesoDatos::Ok)
        return Error { msg::errorAcceso() };
    if (auto s = rewriteActivities(PremisesActivities, col::ComId, saved.key, premises.activities); !s)
        return s;
    if (!tx.commit())
        return Error { msg::errorAcceso() };
    premises.comId = saved.key;
    premises.fields = values;
    premises.fields.insert(col::ComId, saved.key);
    if (isNew)
        premises.fields.insert(col::ComComId, saved.key);
    if (auto table = Cargar_Tabla4(saved.key))
        premises.activities = *table;
    return {};
}

Status Cp01Store::deleteOpenedPremises(qint64 comId)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_Cp01_Comercios WHERE Com_ID = ?"), { comId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrarDatos() };
    return {};
}

Result<bool> Cp01Store::premisesNumberTaken(qint64 cmdId, const QString& number, qint64 exceptComComId)
{
    // Every later procedure carries a copy of the same premises with the same number; copies of
    // the premises being edited (same permanent identity) are the premises itself.
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT COUNT(*) AS Cant FROM Form_Cp01 INNER JOIN Form_Cp01_Comercios "
                           "ON Form_Cp01.CP01_ID = Form_Cp01_Comercios.Cp01_ID "
                           "WHERE Com_Activ_ComerNum = ? AND Form_Cp01.CMD_ID = ? "
                           "AND COALESCE(Com_Com_ID, Com_ID) <> ?"),
            { number.trimmed().toLongLong(), cmdId, exceptComComId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    return rs.value(0).toLongLong() > 0;
}

}
