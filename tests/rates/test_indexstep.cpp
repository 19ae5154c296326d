#include "rates/indexstep.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::rates;

TEST(IndexStep, ThirtyDayMonthAtThreeAddsExactlyThree)
{
    const auto days = monthIndices(QDate(2026, 11, 1), Rate::fromUnits(300), Index4::fromUnits(1234567));
    ASSERT_EQ(days.size(), 30);
    EXPECT_EQ(days.front().indice.units(), 1234567 + 1000);
    EXPECT_EQ(days.back().indice.units(), 1234567 + 30000);
    EXPECT_EQ(days.back().fecha, QDate(2026, 11, 30));
}

namespace {

// The same month in exact decimals: each day adds 3/31 to the index and rounds half up to four places.
qint64 exactDecimalDay(qint64 previousUnits, qint64 rateHundredths, int days)
{
    const qint64 numerator = previousUnits * days + rateHundredths * 100;
    return (numerator * 2 + days) / (2 * days);
}

}

TEST(IndexStep, ThirtyOneDayMonthFollowsTheSinglePrecisionStep)
{
    // Above 1024 a float keeps only about four significant places after the point, so the
    // rounding carries of the single-precision step show in the fourth decimal.
    const Index4 start = Index4::fromUnits(10240000);
    const auto days = monthIndices(QDate(2026, 10, 1), Rate::fromUnits(300), start);
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days[0].indice.toPlain(), QStringLiteral("1024.0968"));
    EXPECT_EQ(days[27].indice.toPlain(), QStringLiteral("1026.7104"));
    EXPECT_EQ(days[28].indice.toPlain(), QStringLiteral("1026.8073"));
    EXPECT_EQ(days[29].indice.toPlain(), QStringLiteral("1026.9041"));
    EXPECT_EQ(days[30].indice.toPlain(), QStringLiteral("1027.0009"));
    EXPECT_EQ(days[30].fecha, QDate(2026, 10, 31));

    qint64 exact = start.units();
    for (int d = 0; d < 29; ++d)
        exact = exactDecimalDay(exact, 300, 31);
    EXPECT_EQ(exact, 10268072) << "exact decimals end day 29 one unit lower";
    EXPECT_NE(exact, days[28].indice.units());
}
