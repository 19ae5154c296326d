#pragma once

#include "common/messages.h"
#include "cp01/cp01record.h"

#include <optional>

namespace ventrix::cp01 {

// Where a refused check sends the user: the message, and the tab, card and field of the data.
struct CheckFailure
{
    QString message;
    MessageIcon icon = MessageIcon::Critical;
    FormTab tab = FormTab::Persona;
    int card = -1; // premises card 0-3 (3: opened premises) or responsible card 0-4; -1 none
    QString field; // column of the field to focus; empty when none
};

// Activity dates of premises 1 to 3 before storing: every activity with a start date, no
// start after its cessation.
std::optional<CheckFailure> Control_Campos(const std::array<ActivityTable, 3>& premises);
// The same over the selected opened premises.
std::optional<CheckFailure> Control_Campos_Apertura(const ActivityTable& activities);
// Before storing and printing: the responsible persons' CUITs, then the dates of each premises
// against its activities.
std::optional<CheckFailure> Control_Campos_Excluyente(const Cp01Record& record);
// The premises-date part of the check for an opened premises, its messages without a number.
std::optional<CheckFailure> openedPremisesDates(const OpenedPremises& premises);

// Whether the premises number is already used by another premises on the screen: premises 1 to 3
// and the opened premises shown (which: 1-3, or 4 for the opened one).
bool premisesNumberOnScreen(
    const Cp01Record& record, const OpenedPremises* opened, int which, const QString& number);

// A CUIT field counts as empty while it holds no digit (its bare mask).
bool isEmptyCuit(const QString& text);

}
