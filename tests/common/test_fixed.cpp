#include "common/fixed.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ventrix;

namespace {

template <int Scale> qint64 plain(const char16_t* text)
{
    const auto value = Fixed<Scale>::fromPlain(QStringView(text));
    return value ? value->units() : std::numeric_limits<qint64>::min();
}

constexpr qint64 Refused = std::numeric_limits<qint64>::min();

}

TEST(Fixed, RescalingRoundsHalfAwayFromZeroAtEveryScale)
{
    const Index4 mixed = Index4::fromUnits(12345); // 1.2345
    EXPECT_EQ(mixed.rescaled<3>().units(), 1235);
    EXPECT_EQ(mixed.rescaled<2>().units(), 123);
    EXPECT_EQ(mixed.rescaled<1>().units(), 12);
    EXPECT_EQ(mixed.rescaled<0>().units(), 1);

    // Exactly half a unit of the new scale goes away from zero, on both sides of zero.
    EXPECT_EQ(Index4::fromUnits(5).rescaled<3>().units(), 1);
    EXPECT_EQ(Index4::fromUnits(50).rescaled<2>().units(), 1);
    EXPECT_EQ(Index4::fromUnits(500).rescaled<1>().units(), 1);
    EXPECT_EQ(Index4::fromUnits(5000).rescaled<0>().units(), 1);
    EXPECT_EQ(Index4::fromUnits(-5).rescaled<3>().units(), -1);
    EXPECT_EQ(Index4::fromUnits(-50).rescaled<2>().units(), -1);
    EXPECT_EQ(Index4::fromUnits(-500).rescaled<1>().units(), -1);
    EXPECT_EQ(Index4::fromUnits(-5000).rescaled<0>().units(), -1);
    EXPECT_EQ(Money::fromUnits(-250).rescaled<0>().units(), -3);
    // Just under half goes to zero.
    EXPECT_EQ(Index4::fromUnits(49).rescaled<2>().units(), 0);
    EXPECT_EQ(Index4::fromUnits(-49).rescaled<2>().units(), 0);
    EXPECT_EQ(Index4::fromUnits(4999).rescaled<0>().units(), 0);

    // More places are exact.
    EXPECT_EQ(Money::fromUnits(-1234).rescaled<4>().units(), -123400);
    EXPECT_EQ(Index4::fromUnits(7).rescaled<4>().units(), 7);
}

TEST(Fixed, MultiplyAndPercentRoundHalfAwayFromZeroToTheirOwnScale)
{
    EXPECT_EQ(Money::fromUnits(333).times(Money::fromUnits(300)).units(), 999); // 3.33 * 3
    EXPECT_EQ(Money::fromUnits(1000).times(Index4::fromUnits(5)).units(), 1); // 0.005 -> 0.01
    EXPECT_EQ(Money::fromUnits(-1000).times(Index4::fromUnits(5)).units(), -1);
    EXPECT_EQ(Money::fromUnits(1).times(Index4::fromUnits(4999)).units(), 0);
    EXPECT_EQ(Money::fromUnits(-1000).times(Index4::fromUnits(-5)).units(), 1);

    EXPECT_EQ(Money::fromUnits(100000).percent(Rate::fromUnits(350)).units(), 3500); // 3.50 % of 1000
    EXPECT_EQ(Money::fromUnits(5).percent(Rate::fromUnits(5000)).units(), 3); // 0.025 -> 0.03
    EXPECT_EQ(Money::fromUnits(-5).percent(Rate::fromUnits(5000)).units(), -3);
    EXPECT_EQ(Money::fromUnits(1).percent(Rate::fromUnits(4999)).units(), 0);
    EXPECT_EQ(Money::fromUnits(123456).percent(Index4::fromUnits(12345)).units(), 1524); // 15.2406432

    // The product of the units does not fit 64 bits; the result does and must be exact.
    const Money large = Money::fromUnits(9'000'000'000'000'000);
    EXPECT_EQ(large.times(Index4::fromUnits(10000)).units(), 9'000'000'000'000'000);
    EXPECT_EQ(large.percent(Index4::fromUnits(1000000)).units(), 9'000'000'000'000'000);
    EXPECT_EQ(Money::fromUnits(1050).timesInteger(-3).units(), -3150);
}

TEST(Fixed, PlainAndDisplayTexts)
{
    EXPECT_EQ(Money::fromUnits(123450).toPlain(), QStringLiteral("1234.50"));
    EXPECT_EQ(Money::fromUnits(-5).toPlain(), QStringLiteral("-0.05"));
    EXPECT_EQ(Index4::fromUnits(7).toPlain(), QStringLiteral("0.0007"));
    EXPECT_EQ(Fixed<0>::fromUnits(-1234567).toPlain(), QStringLiteral("-1234567"));
    EXPECT_EQ(Money::fromUnits(std::numeric_limits<qint64>::min()).toPlain(),
        QStringLiteral("-92233720368547758.08"));

    EXPECT_EQ(Money::fromUnits(123456789).toDisplay(), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(Money::fromUnits(-100000).toDisplay(), QStringLiteral("-1.000,00"));
    EXPECT_EQ(Money::fromUnits(99999).toDisplay(), QStringLiteral("999,99"));
    EXPECT_EQ(Money::fromUnits(-1).toDisplay(), QStringLiteral("-0,01"));
    EXPECT_EQ(Fixed<0>::fromUnits(1234).toDisplay(), QStringLiteral("1.234"));
    EXPECT_EQ(Index4::fromUnits(12345678).toDisplay(), QStringLiteral("1.234,5678"));
}

TEST(Fixed, ParsingTakesOnlyWhatTheScaleHolds)
{
    EXPECT_EQ(plain<2>(u"1234.5"), 123450);
    EXPECT_EQ(plain<2>(u" -0.05 "), -5);
    EXPECT_EQ(plain<2>(u"+7"), 700);
    EXPECT_EQ(plain<2>(u".5"), 50);
    EXPECT_EQ(plain<4>(u"1.2345"), 12345);
    EXPECT_EQ(plain<0>(u"42"), 42);
    for (const char16_t* bad : { u"", u" ", u"-", u".", u"1.234", u"1,5", u"1e3", u"12a", u"--1", u"1.2.3",
             u"1 000", u"\u0661\u0662", u"0x10" })
        EXPECT_EQ(plain<2>(bad), Refused) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(plain<4>(u"1.23456"), Refused);
    EXPECT_EQ(plain<0>(u"1.5"), Refused);

    EXPECT_EQ(Money::fromDisplay(u"1.234.567,89")->units(), 123456789);
    EXPECT_EQ(Money::fromDisplay(u"1234,5")->units(), 123450);
    EXPECT_EQ(Money::fromDisplay(u"-0,01")->units(), -1);
    EXPECT_FALSE(Money::fromDisplay(u"1,23.4")); // no grouping among the decimals
    EXPECT_FALSE(Money::fromDisplay(u"1,234"));
}

// Overflow: a text whose value does not fit in 64-bit units must be refused, never wrapped
// round to some other amount.
TEST(Fixed, ParsingRefusesNumbersTooLargeToHold)
{
    EXPECT_EQ(plain<2>(u"999999999999999.99"), 99'999'999'999'999'999); // large but held exactly
    EXPECT_EQ(plain<4>(u"900000000000000"), 9'000'000'000'000'000'000);

    EXPECT_EQ(plain<2>(u"92233720368547759"), Refused);
    EXPECT_EQ(plain<2>(u"-92233720368547759"), Refused);
    EXPECT_EQ(plain<2>(u"99999999999999999999"), Refused);
    EXPECT_EQ(plain<2>(u"184467440737095516.16"), Refused); // 2^64 cents: would wrap to zero
    EXPECT_EQ(plain<4>(u"922337203685479"), Refused);
    EXPECT_EQ(plain<4>(u"922337203685477.5808"), Refused);
    EXPECT_EQ(plain<0>(u"9223372036854775808"), Refused);
    EXPECT_FALSE(Index4::fromDisplay(u"922.337.203.685.479,0001"));
    EXPECT_FALSE(Money::fromDisplay(u"100.000.000.000.000.000,00"));
}
