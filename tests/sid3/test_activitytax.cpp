#include "sid3/activitytax.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;

namespace {

ActivityLine line(
    const char* code, const char* rate, const char* base, bool exento = false, const char* minimo = nullptr)
{
    ActivityLine l;
    l.codigo = QString::fromLatin1(code);
    l.alicuota = Rate::fromPlain(QString::fromLatin1(rate));
    l.baseImp = Money::fromPlain(QString::fromLatin1(base));
    l.exento = exento;
    if (minimo)
        l.baseMinimo = Money::fromPlain(QString::fromLatin1(minimo));
    return l;
}

QString plain(Money m)
{
    return m.toPlain();
}

}

TEST(ActivityTax, TaxedExemptAndRateZeroLinesGoToTheirTotals)
{
    QList<ActivityLine> lines { line("624101", "3.50", "1000.00", false, "75.00"),
        line("951500", "3.00", "500.00", true, "900.00"), line("111112", "0.00", "200.00") };
    const TaxSummary s = CalculaImpuesto(lines, std::nullopt);

    EXPECT_EQ(lines[0].impuesto.toPlain(), QStringLiteral("35.000000"));
    EXPECT_TRUE(lines[1].impuesto.isZero()); // exempt: no tax, whatever its rate
    EXPECT_EQ(plain(s.gravado), QStringLiteral("1000.00"));
    EXPECT_EQ(plain(s.exento), QStringLiteral("500.00"));
    EXPECT_EQ(plain(s.tasaCero), QStringLiteral("200.00"));
    // A rate-0 line counts in the period's income but not in the "Base Imp." footer.
    EXPECT_EQ(plain(s.baseFooter()), QStringLiteral("1500.00"));
    EXPECT_EQ(plain(s.totalIngresoPeriodo()), QStringLiteral("1700.00"));
    // The exempt line's higher minimum does not count.
    EXPECT_EQ(plain(s.minimum), QStringLiteral("75.00"));
    EXPECT_EQ(plain(*s.totalComputable), QStringLiteral("75.00"));
}

TEST(ActivityTax, LineTaxesAreSummedUnroundedAndRoundedHalfAwayFromZeroOnlyWhenShown)
{
    // 0,15 at 3 % is 0,0045 a line: rounded per line the total would be 0,00.
    QList<ActivityLine> lines { line("1", "3.00", "0.15"), line("2", "3.00", "0.15") };
    TaxSummary s = CalculaImpuesto(lines, Money());
    EXPECT_EQ(s.totalTax.toPlain(), QStringLiteral("0.009000"));
    EXPECT_EQ(plain(s.totalTaxShown()), QStringLiteral("0.01"));

    QList<ActivityLine> half { line("1", "5.00", "0.10") }; // exactly 0,005
    s = CalculaImpuesto(half, Money());
    EXPECT_EQ(plain(s.totalTaxShown()), QStringLiteral("0.01"));

    QList<ActivityLine> below { line("1", "4.99", "0.10") }; // 0,00499
    s = CalculaImpuesto(below, Money());
    EXPECT_EQ(plain(s.totalTaxShown()), QStringLiteral("0.00"));
}

TEST(ActivityTax, TheNomenclatureMinimumReplacesTheLinesMinimumEvenWhenLower)
{
    QList<ActivityLine> lines { line("624101", "3.00", "100.00", false, "300.00") };
    const TaxSummary s = CalculaImpuesto(lines, Money::fromInteger(135));
    EXPECT_EQ(plain(s.minimum), QStringLiteral("135.00"));
    EXPECT_EQ(plain(*s.totalComputable), QStringLiteral("135.00"));
}

TEST(ActivityTax, TotalComputableIsTheTaxWhenItReachesTheMinimum)
{
    QList<ActivityLine> tie { line("1", "3.00", "2500.00") }; // tax 75,00
    EXPECT_EQ(plain(*CalculaImpuesto(tie, Money::fromInteger(75)).totalComputable), QStringLiteral("75.00"));
    QList<ActivityLine> above { line("1", "3.00", "2500.50") }; // 75,015
    EXPECT_EQ(
        plain(*CalculaImpuesto(above, Money::fromInteger(75)).totalComputable), QStringLiteral("75.02"));
    QList<ActivityLine> under { line("1", "3.00", "2499.50") }; // 74,985 shows 74,99
    EXPECT_EQ(
        plain(*CalculaImpuesto(under, Money::fromInteger(75)).totalComputable), QStringLiteral("75.00"));
}

TEST(ActivityTax, EmptyBaseIsZeroAndALineWithoutRatePaysNothing)
{
    ActivityLine noBase = line("1", "3.00", "0");
    noBase.baseImp.reset();
    ActivityLine noRate = line("2", "0", "100.00");
    noRate.alicuota.reset();
    QList<ActivityLine> lines { noBase, noRate };
    const TaxSummary s = CalculaImpuesto(lines, std::nullopt);
    EXPECT_TRUE(s.totalTax.isZero());
    EXPECT_TRUE(s.gravado.isZero());
    EXPECT_TRUE(s.tasaCero.isZero());
}

TEST(ActivityTax, MinimumColumnByEmployees)
{
    EXPECT_EQ(minimumColumn(std::nullopt), MinimumColumn::Minimo1);
    EXPECT_EQ(minimumColumn(0), MinimumColumn::Minimo1);
    EXPECT_EQ(minimumColumn(1), MinimumColumn::Minimo1);
    EXPECT_EQ(minimumColumn(2), MinimumColumn::Minimo2);
    // Three employees already take the upper band here.
    EXPECT_EQ(minimumColumn(3), MinimumColumn::Minimo3);
    EXPECT_EQ(minimumColumn(40), MinimumColumn::Minimo3);
    EXPECT_EQ(minimumColumnName(MinimumColumn::Minimo2), QStringLiteral("Minimo2"));
}

TEST(ActivityTax, SumTotalAddsUntaxedAndExemptIncome)
{
    const IncomeTotals t
        = SumTotal(Money::fromInteger(100), Money::fromInteger(1000), Money::fromInteger(50));
    EXPECT_EQ(plain(t.totalExentos), QStringLiteral("150.00"));
    EXPECT_EQ(plain(t.totalImpuestos), QStringLiteral("1150.00"));
}
