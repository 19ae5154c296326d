#include "cp02/annualtax.h"
#include "cp02fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using ventrix::test::money;

namespace {

MonthGrid months(const QList<MonthAmounts>& amounts)
{
    MonthGrid g = emptyMonths();
    for (int i = 0; i < amounts.size(); ++i)
        g.at(i).amounts = amounts.at(i);
    return g;
}

QString plain(const std::optional<Money>& m)
{
    return m ? m->toPlain() : QStringLiteral("(vacío)");
}

}

TEST(AnnualTax, ActivityTaxIsBaseTimesRateAndZeroWhenExempt)
{
    AnnualActivity row { QStringLiteral("624101"), QStringLiteral("Com1:Almacén"), false, money("10000"),
        Rate::fromUnits(350), {}, 2 };
    EXPECT_EQ(CalculaImpuesto(row).toPlain(), QStringLiteral("350.00"));
    row.exento = true;
    EXPECT_EQ(CalculaImpuesto(row).toPlain(), QStringLiteral("0.00"));
    row.exento = false;
    row.base.reset();
    EXPECT_EQ(CalculaImpuesto(row).toPlain(), QStringLiteral("0.00"));
    // Half a cent and more goes up.
    row.base = money("333.33");
    row.alicuota = Rate::fromUnits(150);
    EXPECT_EQ(CalculaImpuesto(row).toPlain(), QStringLiteral("5.00"));
}

TEST(AnnualTax, MonthComputesTheGreaterOfAdvanceAndMinimumLessWithholdings)
{
    MonthAmounts m;
    m.anticipo = money("120");
    m.minimo = money("150");
    m.retenciones = money("30");
    m = computeMonth(m);
    EXPECT_EQ(plain(m.computado), QStringLiteral("150.00"));
    EXPECT_EQ(plain(m.saldo), QStringLiteral("120.00"));
    m.minimo.reset();
    m.retenciones = money("200");
    m = computeMonth(m);
    EXPECT_EQ(plain(m.computado), QStringLiteral("120.00"));
    EXPECT_EQ(plain(m.saldo), QStringLiteral("-80.00"));
    // A month left blank has no balance.
    EXPECT_EQ(computeMonth({}).saldo, std::nullopt);
}

TEST(AnnualTax, AnnualTaxFollowsTheOption)
{
    // Advances 1200 and minimums 1500 over the year; every month computes its greater one.
    QList<MonthAmounts> rows;
    for (int i = 0; i < 12; ++i) {
        MonthAmounts m;
        m.anticipo = money(i < 6 ? "50" : "150"); // 300 + 900 = 1200
        m.minimo = money("125"); // 1500
        rows << m;
    }
    const MonthGrid grid = months(rows);
    EXPECT_EQ(plain(CalculaTotalGrid2(grid, MinimoOption::Anuales, {}).balance.impuesto),
        QStringLiteral("1500.00"));
    // Monthly: 6 x 125 + 6 x 150.
    EXPECT_EQ(plain(CalculaTotalGrid2(grid, MinimoOption::Mensuales, {}).balance.impuesto),
        QStringLiteral("1650.00"));
    EXPECT_EQ(plain(CalculaTotalGrid2(grid, MinimoOption::MensualesYAnuales, {}).balance.impuesto),
        QStringLiteral("1650.00"));
    // Without an option the tax stays what it was.
    EXPECT_EQ(plain(CalculaTotalGrid2(grid, MinimoOption::Ninguna, money("77")).balance.impuesto),
        QStringLiteral("77.00"));
    const MonthAmounts totals = CalculaTotalGrid2(grid, MinimoOption::Anuales, {}).totals;
    EXPECT_EQ(plain(totals.anticipo), QStringLiteral("1200.00"));
    EXPECT_EQ(plain(totals.minimo), QStringLiteral("1500.00"));
    EXPECT_EQ(plain(totals.computado), QStringLiteral("1650.00"));
    EXPECT_EQ(totals.depositado, std::nullopt);
}

TEST(AnnualTax, BalanceFallsToTheTaxpayerOrTheAuthority)
{
    MonthAmounts jan;
    jan.retenciones = money("300");
    jan.depositado = money("800");
    const MonthlyResult r = CalculaTotalGrid2(months({ jan }), MinimoOption::Ninguna, money("1000"));
    EXPECT_EQ(r.balance.retenciones.toPlain(), QStringLiteral("300.00"));
    EXPECT_EQ(r.balance.depositado.toPlain(), QStringLiteral("800.00"));
    EXPECT_EQ(r.balance.favorContrib.toPlain(), QStringLiteral("100.00"));
    EXPECT_EQ(r.balance.favorAgt.toPlain(), QStringLiteral("0.00"));

    AnnualBalance b { money("1000"), money("300"), money("500"), {}, {} };
    splitBalance(b);
    EXPECT_EQ(b.favorAgt.toPlain(), QStringLiteral("200.00"));
    EXPECT_EQ(b.favorContrib.toPlain(), QStringLiteral("0.00"));
    b.depositado = money("700");
    splitBalance(b);
    EXPECT_EQ(b.favorAgt.toPlain(), QStringLiteral("0.00"));
    EXPECT_EQ(b.favorContrib.toPlain(), QStringLiteral("0.00"));
}

TEST(AnnualTax, CreditsOfEarlierMonthsLowerWithholdingsButNotTheLastMonthsCredit)
{
    QList<MonthAmounts> rows(12);
    rows[2].retenciones = money("50"); // March: balance -50
    rows[5].anticipo = money("100"); // June: balance 100
    rows[11].retenciones = money("20"); // December: balance -20, the last month with one
    const MonthlyResult r = CalculaTotalGrid2(months(rows), MinimoOption::Mensuales, {});
    EXPECT_EQ(plain(r.months.at(2).amounts.saldo), QStringLiteral("-50.00"));
    EXPECT_EQ(plain(r.months.at(11).amounts.saldo), QStringLiteral("-20.00"));
    EXPECT_EQ(plain(r.totals.retenciones), QStringLiteral("70.00"));
    EXPECT_EQ(r.balance.retenciones.toPlain(), QStringLiteral("20.00")); // 70 - 50
    EXPECT_EQ(plain(r.balance.impuesto), QStringLiteral("100.00"));
    EXPECT_EQ(r.balance.favorAgt.toPlain(), QStringLiteral("80.00"));

    // When the credit month is itself the last with a balance, nothing is taken off.
    rows[11] = {};
    rows[5] = {};
    EXPECT_EQ(CalculaTotalGrid2(months(rows), MinimoOption::Mensuales, {}).balance.retenciones.toPlain(),
        QStringLiteral("50.00"));
}
