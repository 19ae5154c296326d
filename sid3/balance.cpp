#include "sid3/balance.h"

namespace ventrix::sid3 {

Money Calc_FavorContrib(const std::array<RegisterTotal, 4>& registers)
{
    Money sum;
    for (const RegisterTotal& r : registers)
        sum += r.total;
    return sum;
}

Balance computeBalance(std::optional<Money> totalComputable, Money pagosACuenta)
{
    const Money d = totalComputable.value_or(Money()) - pagosACuenta;
    Balance b;
    b.pagosACuenta = pagosACuenta;
    b.favorAgt = d.isNegative() ? Money() : d;
    b.favorContrib = d.isNegative() ? -d : Money();
    return b;
}

QDate proposedDueDate(int month, int year)
{
    QDate due = QDate(year, month, 15).addMonths(1);
    if (due.dayOfWeek() == Qt::Saturday)
        due = due.addDays(2);
    else if (due.dayOfWeek() == Qt::Sunday)
        due = due.addDays(1);
    return due;
}

QDate proposedPaymentDate(QDate dueDate, QDate today)
{
    const int months = (today.year() - dueDate.year()) * 12 + today.month() - dueDate.month();
    if (months <= -1)
        return QDate(dueDate.year(), dueDate.month(), 1);
    return today;
}

DueDateChange judgeDueDate(QDate proposed, QDate typed)
{
    if (typed == proposed)
        return DueDateChange::Unchanged;
    if (typed.year() == proposed.year() && typed.month() == proposed.month())
        return DueDateChange::OtherDay;
    return DueDateChange::OtherMonth;
}

bool interestApplies(int tramite)
{
    return tramite == 1 || tramite == 2 || tramite == 4 || tramite == 12 || tramite == 25;
}

InterestResult CalculaInteres(const InterestInput& in)
{
    if (in.typedInterest)
        return { *in.typedInterest, in.saldo + *in.typedInterest };
    Index4 delta = interestApplies(in.tramite) ? in.indicePago - in.indiceVto : Index4();
    if (delta.isNegative())
        delta = Index4();
    // Balance (cents) times delta (ten-thousandths of a point) over 100 is rounded once.
    const Money interes = in.saldo.percent(delta);
    return { interes, in.saldo + interes };
}

bool datesWithinIndices(QDate fechaPago, QDate fechaVto, QDate lowest, QDate highest)
{
    auto inside = [&](QDate d) { return lowest.daysTo(d) > 0 && highest.daysTo(d) <= 0; };
    return inside(fechaPago) && inside(fechaVto);
}

}
