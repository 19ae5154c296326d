#include "agents/operationchecks.h"

#include "agents/agentsmessages.h"
#include "common/regional.h"

namespace ventrix::agents {
namespace {

bool filled(const QString& s)
{
    return !s.trimmed().isEmpty();
}

bool sameIdentifier(const QString& a, const QString& b)
{
    return filled(a) && a.trimmed() == b.trimmed();
}

QString identifierColumn(const RegisterKind& kind, IdentifierKind which)
{
    return kind.column(which == IdentifierKind::Cuit ? QStringLiteral("CUIT") : QStringLiteral("IBrutos"));
}

}

bool Check_Datos(const RegisterKind& kind, const AgentOperation& op)
{
    const Counterpart& c = op.counterpart;
    const bool common = filled(c.contribuyente) && filled(c.domicilio) && filled(c.domNumero)
        && filled(c.codPostal) && filled(c.localidad) && filled(c.provincia) && op.fecha.isValid() && op.base
        && op.importe && filled(op.numAgente);
    if (kind.which == AgentRegister::Retenciones)
        return common && op.alicuota.has_value();
    // A perception may go without a rate, but not without the customer's identifiers.
    return common && filled(c.cuit) && filled(c.iBrutos);
}

std::optional<QString> lockedForSaving(const DeclarationMarks& marks)
{
    if (marks.fechaDDJJ.isValid())
        return msg::guardarPresentada(regional::formatDate(marks.fechaDDJJ));
    if (!marks.periodoOutDate.isEmpty())
        return msg::guardarPeriodo(marks.periodoOutDate);
    return std::nullopt;
}

std::optional<QString> lockedForDeleting(const DeclarationMarks& marks)
{
    if (marks.fechaDDJJ.isValid())
        return msg::borrarPresentada(regional::formatDate(marks.fechaDDJJ));
    if (!marks.periodoOutDate.isEmpty())
        return msg::borrarPeriodo(marks.periodoOutDate);
    return std::nullopt;
}

IdentifierLeave leaveIdentifier(
    const RegisterKind& kind, IdentifierKind which, const QString& typed, const AgentIdentity& agent)
{
    const QString column = identifierColumn(kind, which);
    const IdentifierCheck check = validateIdentifier(which, typed);
    if (!check.valid) {
        const QString text = which == IdentifierKind::Cuit ? msg::cuitNoValido() : msg::iBrutosNoValido();
        return { check.text, CheckFailure { column, text } };
    }
    const QString& own = which == IdentifierKind::Cuit ? agent.cuit : agent.iBrutos;
    if (sameIdentifier(check.text, own))
        return { check.text, CheckFailure { column, kind.selfOperationMessage() } };
    return { check.text, std::nullopt };
}

std::optional<CheckFailure> checkForSaving(
    const RegisterKind& kind, const AgentOperation& op, const AgentIdentity& agent)
{
    if (!Check_Datos(kind, op))
        return CheckFailure { kind.column(QStringLiteral("Contribuyente")), kind.incompleteMessage() };
    for (IdentifierKind which : { IdentifierKind::Cuit, IdentifierKind::IngBrutos }) {
        const QString& typed = which == IdentifierKind::Cuit ? op.counterpart.cuit : op.counterpart.iBrutos;
        if (auto refused = leaveIdentifier(kind, which, typed, agent).refusal)
            return refused;
    }
    return std::nullopt;
}

}
