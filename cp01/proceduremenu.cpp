#include "cp01/proceduremenu.h"

#include "common/messages.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {

ProcedureMenu::ProcedureMenu(Cp01Store& store, qint64 cmdId, QString contribuyente)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_contribuyente(std::move(contribuyente))
{
}

std::optional<FormOpening> ProcedureMenu::Cmd_Prox(
    ProcedureType type, const QString& personas, const QList<Section>& sections)
{
    const auto current = m_store.currentProcedure(m_cmdId);
    if (!current) {
        fail(current.error());
        return std::nullopt;
    }
    if (type == ProcedureType::Inscripcion) {
        const auto inscribed = m_store.hasInscription(m_cmdId);
        if (!inscribed) {
            fail(inscribed.error());
            return std::nullopt;
        }
        if (*inscribed) {
            warn(msg::yaInscripto());
            return std::nullopt;
        }
        return FormOpening { procedureText(type), personas, 0, false };
    }
    if (current->has_value() && isProcedure(current->value().tramite, ProcedureType::CeseTotal)
        && type != ProcedureType::Reinscripcion) {
        warn(msg::soloReinscripcion());
        return std::nullopt;
    }
    inform(msg::presentacionObligatoria());
    if (!current->has_value()) {
        warn(msg::inscripcionNoEncontrada());
        return std::nullopt;
    }
    const QString text
        = type == ProcedureType::ModificarDatos ? modificationText(sections) : procedureText(type);
    return FormOpening { text, personas, current->value().id, true };
}

QList<ProcedureListRow> ProcedureMenu::CargarGrilla()
{
    const auto rows = m_store.CargarGrilla(m_cmdId);
    if (!rows) {
        fail(rows.error());
        return {};
    }
    if (rows->isEmpty())
        inform(msg::noHayRegistros());
    return *rows;
}

std::optional<FormOpening> ProcedureMenu::Cmd_ModTram(const ProcedureListRow* selected) const
{
    if (!selected)
        return std::nullopt;
    return FormOpening { selected->tramite, {}, selected->id, false };
}

bool ProcedureMenu::Cmd_BorrarTramite(const ProcedureListRow* selected)
{
    if (!selected) {
        inform(msg::seleccioneTramiteBorrar());
        return false;
    }
    if (isProcedure(selected->tramite, ProcedureType::Inscripcion)) {
        inform(msg::advertenciaBorrarInscripcion());
        if (!askYesNo(msg::confirmaBorrarTodos(m_contribuyente), MessageIcon::Question, false)) {
            inform(msg::canceladaPorOperador());
            return false;
        }
        if (!m_store.deleteAllProcedures(m_cmdId)) {
            fail(msg::errorBorrarTramite());
            return false;
        }
        inform(msg::tramitesBorrados());
        return true;
    }
    if (!askYesNo(
            msg::confirmaBorrarTramite(selected->tramite, m_contribuyente), MessageIcon::Question, false)) {
        inform(msg::canceladaPorOperador());
        return false;
    }
    if (!m_store.deleteProcedure(selected->id)) {
        fail(msg::errorBorrarTramite());
        return false;
    }
    inform(msg::tramiteBorrado());
    return true;
}

}
