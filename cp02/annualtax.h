#pragma once

#include "cp02/cp02record.h"

namespace ventrix::cp02 {

// What the activities include ("Las Actividades Incluyen"): how the annual tax is taken from the
// monthly grid's totals.
enum class MinimoOption { Ninguna, Mensuales, Anuales, MensualesYAnuales };

// The tax of an activity row: base x rate / 100 rounded to cents, 0 for an exempt row; a missing
// base or rate counts as 0.
Money CalculaImpuesto(const AnnualActivity& row);

// The totals line of the activity grid: bases, taxes and the largest number of employees.
struct ActivityTotals
{
    Money base;
    Money impuesto;
    qint64 maxEmpleados = 0;
};
ActivityTotals activityTotals(const QList<AnnualActivity>& rows);

// Distribution of income: each of the four missing counts as 0; the total is their sum.
struct IncomeDistribution
{
    Money gravado;
    Money noGravado;
    Money exento;
    Money tasaCero;

    Money total() const { return gravado + noGravado + exento + tasaCero; }
};

// One month recomputed: computed = the greater of advance and minimum (empty when both are),
// balance = computed - withholdings (empty when both are).
MonthAmounts computeMonth(MonthAmounts month);

// The final part of the declaration.
struct AnnualBalance
{
    std::optional<Money> impuesto; // unchanged (the given one) without an option
    Money retenciones; // withholdings and other payments
    Money depositado;
    Money favorAgt;
    Money favorContrib;
};

// The monthly grid recomputed with its totals row, and the annual figures that follow.
struct MonthlyResult
{
    MonthGrid months;
    MonthAmounts totals;
    AnnualBalance balance;
};

// CalculaTotalGrid2: every month, the totals, the annual tax by the option (currentTax kept
// without one), withholdings plus the credits of every month but the last with a balance, the
// deposits and the balance in favour of the authority or of the taxpayer.
MonthlyResult CalculaTotalGrid2(
    const MonthGrid& months, MinimoOption option, std::optional<Money> currentTax);

// The annual tax the option takes from the totals; nullopt without an option.
std::optional<Money> annualTax(const MonthAmounts& totals, MinimoOption option);
// The balance of tax - withholdings - deposits split into the two sides (the other side 0.00).
void splitBalance(AnnualBalance& balance);

}
