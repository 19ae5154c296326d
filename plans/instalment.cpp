#include "plans/instalment.h"

#include "common/fixed.h"
#include "plans/planchecks.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {

QList<int> instalmentNumbers(const PaymentPlan& plan)
{
    QList<int> out;
    for (qint64 n = 1; plan.cantCuotas && n <= *plan.cantCuotas; ++n)
        out.append(static_cast<int>(n));
    return out;
}

QDate CalculaVto(QDate fechaVtoCta2, std::optional<int> cuota)
{
    if (!cuota || !fechaVtoCta2.isValid())
        return {};
    // Counted from the second instalment each time, so a 31st comes back after a short month.
    QDate v = fechaVtoCta2.addMonths(*cuota - 2);
    if (v.dayOfWeek() == Qt::Saturday)
        v = v.addDays(2);
    else if (v.dayOfWeek() == Qt::Sunday)
        v = v.addDays(1);
    return v;
}

DueDateEdit dueDateEdit(QDate proposed, QDate typed)
{
    if (!proposed.isValid() || typed == proposed)
        return DueDateEdit::Accepted;
    if (!typed.isValid() || typed.month() != proposed.month() || typed.year() != proposed.year())
        return DueDateEdit::Refused;
    return DueDateEdit::DayMoved;
}

InstalmentAmounts CalculaInteres(const InterestInput& in)
{
    const Money cuota = in.cuota.value_or(Money());
    const qint64 days = in.vencimiento.isValid() && in.pago.isValid() ? in.vencimiento.daysTo(in.pago) : 0;
    const qint64 rateDays = in.tasa ? in.tasa->units() * days : 0;
    if (days <= 0 || rateDays <= 0)
        return { Money(), cuota };
    // cuota × (tasa / 30 × days) / 100, with the rate in hundredths: one exact division at the end.
    const Money interes
        = Money::fromUnits(fixed_detail::mulDivRound(cuota.units(), rateDays, 30 * 100 * 100));
    return { interes, cuota + interes };
}

InstalmentSlip instalmentSlip(const PaymentPlan& plan, int cuota, QDate vencimiento, QDate pago)
{
    const InstalmentAmounts a = CalculaInteres({ plan.tasa, plan.importeCuota, vencimiento, pago });
    return { plan, cuota, vencimiento, pago, a.interes, a.total };
}

std::optional<QString> Check_Datos(const InstalmentSlip& slip)
{
    const bool complete = !planRequestCheck(slip.plan) && slip.cuota && *slip.cuota >= 1
        && *slip.cuota <= *slip.plan.cantCuotas && slip.vencimiento.isValid() && slip.pago.isValid()
        && slip.interes && slip.total;
    if (!complete)
        return msg::completeCuota();
    return std::nullopt;
}

}
