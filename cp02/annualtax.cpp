#include "cp02/annualtax.h"

namespace ventrix::cp02 {
namespace {

void add(std::optional<Money>& total, const std::optional<Money>& value)
{
    if (value)
        total = total.value_or(Money()) + *value;
}

}

Money CalculaImpuesto(const AnnualActivity& row)
{
    if (row.exento)
        return Money();
    return row.base.value_or(Money()).percent(row.alicuota.value_or(Rate()));
}

ActivityTotals activityTotals(const QList<AnnualActivity>& rows)
{
    ActivityTotals t;
    for (const AnnualActivity& r : rows) {
        t.base += r.base.value_or(Money());
        t.impuesto += r.impuesto.value_or(Money());
        t.maxEmpleados = std::max(t.maxEmpleados, r.numEmp.value_or(0));
    }
    return t;
}

MonthAmounts computeMonth(MonthAmounts m)
{
    m.computado = m.anticipo && m.minimo ? std::max(*m.anticipo, *m.minimo)
        : m.anticipo                     ? m.anticipo
                                         : m.minimo;
    if (m.computado || m.retenciones)
        m.saldo = m.computado.value_or(Money()) - m.retenciones.value_or(Money());
    else
        m.saldo.reset();
    return m;
}

std::optional<Money> annualTax(const MonthAmounts& totals, MinimoOption option)
{
    const Money anticipos = totals.anticipo.value_or(Money());
    const Money minimos = totals.minimo.value_or(Money());
    const Money computados = totals.computado.value_or(Money());
    switch (option) {
    case MinimoOption::Mensuales:
        return computados;
    case MinimoOption::Anuales:
        return std::max(anticipos, minimos);
    case MinimoOption::MensualesYAnuales:
        // Ties go to the advances, then to the minimums: the same amount either way.
        return std::max({ anticipos, minimos, computados });
    case MinimoOption::Ninguna:
        break;
    }
    return std::nullopt;
}

void splitBalance(AnnualBalance& b)
{
    const Money saldo = b.impuesto.value_or(Money()) - b.retenciones - b.depositado;
    b.favorAgt = saldo.isNegative() ? Money() : saldo;
    b.favorContrib = saldo.isNegative() ? -saldo : Money();
}

MonthlyResult CalculaTotalGrid2(const MonthGrid& months, MinimoOption option, std::optional<Money> currentTax)
{
    MonthlyResult r;
    int lastWithBalance = -1;
    for (int i = 0; i < 12; ++i) {
        r.months.at(i) = months.at(i);
        r.months.at(i).amounts = computeMonth(months.at(i).amounts);
        const MonthAmounts& m = r.months.at(i).amounts;
        add(r.totals.base, m.base);
        add(r.totals.anticipo, m.anticipo);
        add(r.totals.minimo, m.minimo);
        add(r.totals.computado, m.computado);
        add(r.totals.retenciones, m.retenciones);
        add(r.totals.saldo, m.saldo);
        add(r.totals.depositado, m.depositado);
        if (m.saldo)
            lastWithBalance = i;
    }
    // A month's credit is carried to the next month, so it lowers what was withheld; the credit of
    // the last month with a balance is the one the year ends with and is not carried.
    Money credits;
    for (int i = 0; i < lastWithBalance; ++i) {
        const std::optional<Money>& saldo = r.months.at(i).amounts.saldo;
        if (saldo && saldo->isNegative())
            credits += *saldo;
    }
    const std::optional<Money> tax = annualTax(r.totals, option);
    r.balance.impuesto = tax ? tax : currentTax;
    r.balance.retenciones = r.totals.retenciones.value_or(Money()) + credits;
    r.balance.depositado = r.totals.depositado.value_or(Money());
    splitBalance(r.balance);
    return r;
}

}
