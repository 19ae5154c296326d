#include "rates/ratefields.h"

#include <gtest/gtest.h>

using namespace ventrix::rates;

namespace {
QString s(const char16_t* text)
{
    return QString::fromUtf16(text);
}
}

TEST(RateFields, MonthOutsideOneToTwelveIsCleared)
{
    EXPECT_EQ(checkMonth(s(u"1")), s(u"1"));
    EXPECT_EQ(checkMonth(s(u" 12 ")), s(u"12"));
    EXPECT_EQ(checkMonth(s(u"07")), s(u"7"));
    for (const char16_t* bad : { u"0", u"13", u"-1", u"abc", u"", u"1,5" })
        EXPECT_EQ(checkMonth(s(bad)), QString()) << s(bad).toStdString();
}

TEST(RateFields, ShortYearsAreInThisCenturyAndOldOnesCleared)
{
    EXPECT_EQ(checkYear(s(u"3")), s(u"2003"));
    EXPECT_EQ(checkYear(s(u"99")), s(u"2099"));
    EXPECT_EQ(checkYear(s(u"1950")), s(u"1950"));
    EXPECT_EQ(checkYear(s(u"2026")), s(u"2026"));
    EXPECT_EQ(yearValue(s(u"26")), 2026);
    for (const char16_t* bad : { u"100", u"1949", u"x", u"", u"-3" })
        EXPECT_EQ(checkYear(s(bad)), QString()) << s(bad).toStdString();
}

TEST(RateFields, RateIsRewrittenWithTwoDecimalsOrCleared)
{
    EXPECT_EQ(checkRate(s(u"3")), s(u"3,00"));
    EXPECT_EQ(checkRate(s(u"3,5")), s(u"3,50"));
    EXPECT_EQ(checkRate(s(u"3.5")), s(u"3,50")); // the keypad's point
    EXPECT_EQ(checkRate(s(u"2,345")), s(u"2,35"));
    EXPECT_EQ(checkRate(s(u"1,234")), s(u"1,23"));
    EXPECT_EQ(rateValue(s(u"3,00")), ventrix::Rate::fromUnits(300));
    for (const char16_t* bad : { u"abc", u"", u"3,5,1", u"-1", u"3%" })
        EXPECT_EQ(checkRate(s(bad)), QString()) << s(bad).toStdString();
}

TEST(RateFields, RatesAboveOneHundredPercentAndHugeNumbersAreRefused)
{
    EXPECT_EQ(checkRate(s(u"100")), s(u"100,00"));
    for (const char16_t* big :
        { u"100,01", u"1.234,5", u"9223372036850", u"9223372036855", u"99999999999999999999999" }) {
        EXPECT_EQ(checkRate(s(big)), QString()) << s(big).toStdString();
        EXPECT_TRUE(rateAboveMaximum(s(big))) << s(big).toStdString();
    }
    EXPECT_FALSE(rateAboveMaximum(s(u"abc")));
    EXPECT_FALSE(rateAboveMaximum(s(u"3,5")));
}

TEST(FixedParsing, NumbersBeyondTheTypeAreRefusedNotWrapped)
{
    using ventrix::Fixed;
    EXPECT_EQ(Fixed<2>::fromPlain(u"92233720368547758.07")->units(), INT64_MAX);
    EXPECT_EQ(Fixed<2>::fromPlain(u"92233720368547758.08"), std::nullopt);
    EXPECT_EQ(Fixed<2>::fromPlain(u"-92233720368547758.07")->units(), -INT64_MAX);
    EXPECT_EQ(Fixed<6>::fromPlain(u"9223372036855"), std::nullopt);
    EXPECT_EQ(Fixed<6>::fromPlain(u"9223372036854.775807")->units(), INT64_MAX);
    EXPECT_EQ(Fixed<4>::fromDisplay(u"1.000.000.000.000.000"), std::nullopt);
}
