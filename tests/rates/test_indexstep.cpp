#include "rates/indexstep.h"

#include <gtest/gtest.h>

using namespace ventrix;

TEST(IndexStep, ThirtyDayMonthAtThreeAddsExactlyThree)
{
    const auto days = monthIndices(QDate(2026, 11, 1), Rate::fromUnits(300), Index4::fromUnits(1234567));
    ASSERT_EQ(days.size(), 30);
    EXPECT_EQ(days.front().indice.units(), 1234567 + 1000);
    EXPECT_EQ(days.back().indice.units(), 1234567 + 30000);
    EXPECT_EQ(days.back().fecha, QDate(2026, 11, 30));
}
