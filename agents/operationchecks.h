#pragma once

#include "agents/agentoperation.h"
#include "common/identifiers.h"

#include <optional>

namespace ventrix::agents {

// The agent's own identifiers, against which a counterpart is compared.
struct AgentIdentity
{
    QString cuit;
    QString iBrutos;
    QString numAgente; // the number of the register's kind
};

// A refused check: the column of the field to go back to, and what the user is told.
struct CheckFailure
{
    QString column;
    QString message;
    bool operator==(const CheckFailure&) const = default;
};

// True when every field the register requires is filled.
bool Check_Datos(const RegisterKind& kind, const AgentOperation& op);

// Why a stored row may not be changed (or deleted): the declaration that took it in.
std::optional<QString> lockedForSaving(const DeclarationMarks& marks);
std::optional<QString> lockedForDeleting(const DeclarationMarks& marks);

// Leaving the counterpart's CUIT or I.S.I.B. field: the text it keeps (emptied when the check
// digits refuse it) and the refusal; the agent's own identifier is refused and stays.
struct IdentifierLeave
{
    QString text;
    std::optional<CheckFailure> refusal;
};
IdentifierLeave leaveIdentifier(
    const RegisterKind& kind, IdentifierKind which, const QString& typed, const AgentIdentity& agent);

// Every check before a row is stored, in the order the screen shows them: the required fields,
// the counterpart's identifiers, then that it is not the agent itself.
std::optional<CheckFailure> checkForSaving(
    const RegisterKind& kind, const AgentOperation& op, const AgentIdentity& agent);

}
