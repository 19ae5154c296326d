#pragma once

#include "plans/planrecord.h"

#include <QDate>
#include <QList>

#include <optional>

namespace ventrix::plans {

// The instalment numbers a plan offers: 1 to its number of instalments.
QList<int> instalmentNumbers(const PaymentPlan& plan);

// The proposed due date of an instalment: the second instalment's due date moved by (n - 2)
// calendar months on the same day (the month's last day when it has no such day), then past a
// Saturday or Sunday to the Monday. There is no list of holidays: the user moves the day. No
// date without an instalment number or a second instalment's due date.
QDate CalculaVto(QDate fechaVtoCta2, std::optional<int> cuota);

// What becomes of a due date the user typed over the proposed one.
enum class DueDateEdit {
    Accepted, // the proposed date itself
    DayMoved, // another day of the same month: kept after the reminder (the proposed day is a holiday)
    Refused, // another month or year: the reminder, then the proposed date comes back
};
DueDateEdit dueDateEdit(QDate proposed, QDate typed);

// The late-payment interest of an instalment at the plan's own rate.
struct InterestInput
{
    std::optional<Rate> tasa; // percent a month
    std::optional<Money> cuota; // no amount counts as 0
    QDate vencimiento;
    QDate pago;
};

struct InstalmentAmounts
{
    Money interes;
    Money total;

    bool operator==(const InstalmentAmounts&) const = default;
};

// The plan's monthly rate counts as rate / 30 per day, whatever the month's length, linearly from
// the due date to the payment date; paid on or before the due date (or with a date missing) there
// is no interest. The interest is rounded to cents half away from zero and the total is the
// instalment plus that interest, so the two printed amounts always add up.
InstalmentAmounts CalculaInteres(const InterestInput& in);

// One instalment's slip as the instalment screen fills it.
struct InstalmentSlip
{
    PaymentPlan plan;
    std::optional<int> cuota;
    QDate vencimiento;
    QDate pago;
    std::optional<Money> interes;
    std::optional<Money> total;
};

// The slip of the instalment, due and paid on the dates given, with its interest and total.
InstalmentSlip instalmentSlip(const PaymentPlan& plan, int cuota, QDate vencimiento, QDate pago);

// The check before printing a slip: every field filled and the instalment one of the plan's;
// its message when not, nullopt when the slip may be printed.
std::optional<QString> Check_Datos(const InstalmentSlip& slip);

}
