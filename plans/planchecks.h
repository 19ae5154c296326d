#pragma once

#include "plans/planrecord.h"

#include <QStringView>

#include <optional>

namespace ventrix::plans {

// The check before storing a plan request: every field filled (texts not blank after trimming);
// its message when one is missing, nullopt when the plan may be stored.
std::optional<QString> planRequestCheck(const PaymentPlan& plan);

// An amount field's text once the field is left: text that is not a number becomes "0"; an empty
// field stays empty, so that the request check still finds it missing.
QString amountOnLeaving(QStringView typed);

}
