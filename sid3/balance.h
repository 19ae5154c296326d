#pragma once

#include "common/fixed.h"
#include "sid3/declaration.h"

#include <QDate>

#include <optional>

namespace ventrix::sid3 {

// The balance between the total computable and what was already paid on account.
struct Balance
{
    Money pagosACuenta; // sum of the four register totals
    Money favorAgt; // owed to the authority
    Money favorContrib; // in favour of the taxpayer
    bool operator==(const Balance&) const = default;
};

Money Calc_FavorContrib(const std::array<RegisterTotal, 4>& registers);
// An empty total computable counts as zero. At most one side is non-zero.
Balance computeBalance(std::optional<Money> totalComputable, Money pagosACuenta);

// The 15th of the month after the period, moved past a Saturday or Sunday to the Monday.
QDate proposedDueDate(int month, int year);
// The first day of the due date's month while today is in an earlier month; today otherwise.
QDate proposedPaymentDate(QDate dueDate, QDate today);

// What the user's own due date means against the proposed one.
enum class DueDateChange { Unchanged, OtherDay, OtherMonth };
DueDateChange judgeDueDate(QDate proposed, QDate typed);

// Whether late-payment interest applies to the procedure code.
bool interestApplies(int tramite);

struct InterestInput
{
    int tramite = 0;
    Money saldo; // balance owed to the authority
    Index4 indiceVto; // cumulative index on the due date
    Index4 indicePago; // cumulative index on the payment date
    std::optional<Money> typedInterest; // set when the interest is typed instead of computed
};

struct InterestResult
{
    Money interes;
    Money totalDepositar;
    bool operator==(const InterestResult&) const = default;
};

// Interest = balance times the index difference (never negative) over 100, and the total to
// deposit; both are rounded half away from zero only at the end. A typed interest is kept and
// added to the balance.
InterestResult CalculaInteres(const InterestInput& in);

// Whether the stored declaration's dates lie inside the index table: later than its first day
// and not later than its last.
bool datesWithinIndices(QDate fechaPago, QDate fechaVto, QDate lowest, QDate highest);

}
