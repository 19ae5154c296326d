#pragma once

#include "common/result.h"
#include "plans/ib08record.h"

#include <QStringView>

#include <optional>

namespace ventrix::plans {

// The fiscal position as the field keeps it once left: month 1-12 and year 0-99 separated by "/",
// rewritten with two digits each ("1/5" -> "01/05"); an empty field stays empty. Anything else is
// refused with the message that shows the form with today's month and year.
Result<QString> posicionFiscal(QStringView typed);

// The payment date as typed, "15/03/2026" or its eight digits "15032026", when it is a calendar day
// within the program's limits; nullopt for an empty field.
Result<std::optional<QDate>> ib08PaymentDate(QStringView typed);

// The check before storing a payment: a payment date, at least one amount and a well-formed fiscal
// position; the message of the first that fails, nullopt when the payment may be stored.
std::optional<QString> ib08SaveCheck(const Ib08Payment& payment);

// An amount field's text once left: the amount in the regional format ("1.234,50"), "0,00" when
// the text is no amount, empty when nothing was typed.
QString ib08AmountOnLeaving(QStringView typed);

}
