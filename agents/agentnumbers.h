#pragma once

#include "agents/registerkind.h"
#include "common/fieldvalues.h"
#include "common/identifiers.h"
#include "common/result.h"
#include "data/accesodatos.h"

#include <QStringList>

#include <functional>

namespace ventrix::agents {

// The numbers the authority assigned to the taxpayer as withholding and perception agent, as the
// masked fields show them ("1234/1"), empty when not assigned.
struct AgentNumbers
{
    QString retencion;
    QString percepcion;

    bool any() const { return !retencion.trimmed().isEmpty() || !percepcion.trimmed().isEmpty(); }
    const QString& of(AgentRegister which) const
    {
        return which == AgentRegister::Retenciones ? retencion : percepcion;
    }
};

Result<AgentNumbers> readAgentNumbers(data::AccesoDatos& db, qint64 cmdId);

// Whether the agents' module may work for the taxpayer: one number at least.
Status mayUseAgentsModule(const AgentNumbers& numbers);
// Whether the register of withholdings (or perceptions) may be opened: its number is needed.
Status mayOpenRegister(const AgentNumbers& numbers, AgentRegister which);

// The CP01 columns the authorisations screen binds.
const QStringList& clavesCp01Columns();

// What the authorisations screen ("Autorizaciones") does: shows the agent's inscription data and
// stores the agent numbers, checked by their check digit, in the taxpayer's row. Everything it
// writes is written together or not at all.
class ClavesForm
{
public:
    // The message line: a text and how long it stays, in milliseconds.
    using StatusLine = std::function<void(const QString&, int)>;

    // cp01Id 0: an agent without an inscription (Convenio Multilateral or exempt).
    ClavesForm(data::AccesoDatos& db, qint64 cmdId, qint64 cp01Id, StatusLine status = {});

    bool open();
    const FieldValues& cp01() const { return m_cp01; }
    const AgentNumbers& numbers() const { return m_numbers; }
    qint64 cp01Id() const { return m_cp01Id; }

    // The field's check: an empty field is valid; a refused one is emptied (its mask set again).
    static IdentifierCheck NumAgente_Check(const QString& fieldText)
    {
        return ventrix::NumAgente_Check(fieldText);
    }

    // "&Guardar": true when stored and the screen may close. With cp01Editable the CP01 fields
    // are stored too (a new inscription row when the agent had none).
    bool Guardar(const FieldValues& cp01Fields, bool cp01Editable, const AgentNumbers& typed);

private:
    std::optional<AgentNumbers> checkedNumbers(const AgentNumbers& typed) const;
    bool store(const FieldValues& cp01Fields, bool cp01Editable, const AgentNumbers& numbers);

    data::AccesoDatos& m_db;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    StatusLine m_status;
    FieldValues m_cp01;
    AgentNumbers m_numbers;
};

}
