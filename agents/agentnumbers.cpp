#include "agents/agentnumbers.h"

#include "agents/agentsmessages.h"
#include "common/messages.h"
#include "data/transaction.h"

namespace ventrix::agents {

Result<AgentNumbers> readAgentNumbers(data::AccesoDatos& db, qint64 cmdId)
{
    data::Recordset rs;
    if (db.openRecordset(
            QStringLiteral("SELECT CMD_NumAgenteRetencion, CMD_NumAgentePercepcion, CMD_ID FROM CMD "
                           "WHERE CMD_ID = ?"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    if (rs.eof())
        return AgentNumbers();
    return AgentNumbers { rs.value(0).toString().trimmed(), rs.value(1).toString().trimmed() };
}

Status mayUseAgentsModule(const AgentNumbers& numbers)
{
    if (!numbers.any())
        return Error { msg::sinNumeros() };
    return {};
}

Status mayOpenRegister(const AgentNumbers& numbers, AgentRegister which)
{
    if (!numbers.of(which).trimmed().isEmpty())
        return {};
    return Error { which == AgentRegister::Retenciones ? msg::sinNumeroRetencion()
                                                       : msg::sinNumeroPercepcion() };
}

const QStringList& clavesCp01Columns()
{
    static const QStringList columns { QStringLiteral("CP01_Contribuyente"), QStringLiteral("CP01_CUIT"),
        QStringLiteral("CP01_IngBrut"), QStringLiteral("CP01_DomFisc_Domicilio"),
        QStringLiteral("CP01_DomFisc_DomNumero"), QStringLiteral("CP01_DomFisc_Monoblock"),
        QStringLiteral("CP01_DomFisc_Planta"), QStringLiteral("CP01_DomFisc_Depto"),
        QStringLiteral("CP01_DomFisc_Piso"), QStringLiteral("CP01_DomFisc_Oficina"),
        QStringLiteral("CP01_DomFisc_Te_Caract"), QStringLiteral("CP01_DomFisc_Telefono"),
        QStringLiteral("CP01_DomFisc_CodPostal"), QStringLiteral("CP01_DomFisc_Localidad"),
        QStringLiteral("CP01_DomFisc_Provincia"), QStringLiteral("CP01_FormCP01"),
        QStringLiteral("CP01_InfComp_SistemaPago") };
    return columns;
}

ClavesForm::ClavesForm(data::AccesoDatos& db, qint64 cmdId, qint64 cp01Id, StatusLine status)
    : m_db(db)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_status(std::move(status))
{
}

bool ClavesForm::open()
{
    if (m_status)
        m_status(msg::cargandoDatos(), 2000);
    m_cp01.clear();
    if (m_cp01Id > 0) {
        const QString sql = QStringLiteral("SELECT ") + clavesCp01Columns().join(QStringLiteral(", "))
            + QStringLiteral(" FROM Form_Cp01 WHERE CMD_ID = ? AND CP01_ID = ?");
        if (m_db.loadFields(sql, { m_cmdId, m_cp01Id }, QStringLiteral("CP01"), m_cp01)
            == data::LoadStatus::Failed) {
            fail(msg::errorAccesoBaseDatos());
            return false;
        }
    }
    auto numbers = readAgentNumbers(m_db, m_cmdId);
    if (!numbers) {
        fail(numbers.error());
        return false;
    }
    m_numbers = *numbers;
    return true;
}

std::optional<AgentNumbers> ClavesForm::checkedNumbers(const AgentNumbers& typed) const
{
    const IdentifierCheck ret = NumAgente_Check(typed.retencion);
    if (!ret.valid) {
        warn(msg::errorNumeroRetencion());
        return std::nullopt;
    }
    const IdentifierCheck per = NumAgente_Check(typed.percepcion);
    if (!per.valid) {
        warn(msg::errorNumeroPercepcion());
        return std::nullopt;
    }
    return AgentNumbers { ret.text, per.text };
}

bool ClavesForm::Guardar(const FieldValues& cp01Fields, bool cp01Editable, const AgentNumbers& typed)
{
    // The empty mask counts as no number.
    const AgentNumbers shown {
        identifierEmptyPattern(IdentifierKind::Agente) == typed.retencion ? QString() : typed.retencion,
        identifierEmptyPattern(IdentifierKind::Agente) == typed.percepcion ? QString() : typed.percepcion
    };
    if (!shown.any()) {
        warn(msg::faltanNumeros());
        return false;
    }
    if (cp01Editable
        && cp01Fields.value(QStringLiteral("CP01_Contribuyente")).toString().trimmed().isEmpty()) {
        warn(msg::falteNombre());
        return false;
    }
    // Every check comes before the first write, so a refused number leaves the inscription as it was.
    const auto numbers = checkedNumbers(shown);
    if (!numbers)
        return false;
    if (m_cmdId <= 0) {
        fail(msg::sinIdentificador());
        return false;
    }
    if (!store(cp01Fields, cp01Editable, *numbers)) {
        fail(msg::errorGrabar());
        return false;
    }
    m_numbers = *numbers;
    return true;
}

bool ClavesForm::store(const FieldValues& cp01Fields, bool cp01Editable, const AgentNumbers& numbers)
{
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return false;
    qint64 cp01Id = m_cp01Id;
    if (cp01Editable) {
        FieldValues values;
        for (const QString& column : clavesCp01Columns()) {
            if (cp01Fields.contains(column))
                values.insert(column, cp01Fields.value(column));
        }
        const data::SaveResult saved = m_db.saveFields({ QStringLiteral("Form_Cp01"),
            QStringLiteral("CP01_ID"), m_cp01Id > 0 ? QVariant(m_cp01Id) : QVariant(),
            QStringLiteral("CMD_ID"), m_cmdId, QStringLiteral("CP01"), values });
        if (!saved.ok)
            return false;
        cp01Id = saved.key;
    }
    FieldValues cmd;
    cmd.insert(QStringLiteral("CMD_NumAgenteRetencion"), numbers.retencion);
    cmd.insert(QStringLiteral("CMD_NumAgentePercepcion"), numbers.percepcion);
    const data::SaveResult saved = m_db.saveFields(
        { QStringLiteral("CMD"), QStringLiteral("CMD_ID"), m_cmdId, {}, {}, QStringLiteral("CMD"), cmd });
    if (!saved.ok || saved.key != m_cmdId || !tx.commit())
        return false;
    m_cp01Id = cp01Id;
    return true;
}

}
