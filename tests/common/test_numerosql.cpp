#include "common/numerosql.h"

#include <gtest/gtest.h>

using namespace ventrix;

namespace {
QString sql(const char16_t* typed, int decimals)
{
    return Numero_SQL(QStringView(typed), decimals, QStringLiteral("NULL"));
}
}

TEST(NumeroSql, DecimalCountRules)
{
    EXPECT_EQ(sql(u"1.234,5", 2), QStringLiteral("1234.50"));
    EXPECT_EQ(sql(u"1.234,5", 0), QStringLiteral("1234"));
    // Extra decimals are cut, never rounded.
    EXPECT_EQ(sql(u"1.234,5678", 2), QStringLiteral("1234.56"));
    EXPECT_EQ(sql(u"1.234,5678", 4), QStringLiteral("1234.5678"));
    // A negative count keeps every decimal typed.
    EXPECT_EQ(sql(u"0,123456", -1), QStringLiteral("0.123456"));
    EXPECT_EQ(sql(u"12", -1), QStringLiteral("12."));
}

TEST(NumeroSql, SignZerosAndBlanks)
{
    EXPECT_EQ(sql(u"-1.234,5", 2), QStringLiteral("-1234.50"));
    EXPECT_EQ(sql(u" 15,5- ", 2), QStringLiteral("-15.50"));
    EXPECT_EQ(sql(u"+7", 2), QStringLiteral("7.00"));
    EXPECT_EQ(sql(u"-0", 2), QStringLiteral("0.00"));
    EXPECT_EQ(sql(u",5", 2), QStringLiteral("0.50"));
    EXPECT_EQ(sql(u"007", 0), QStringLiteral("7"));
}

TEST(NumeroSql, NotANumberGivesTheDefault)
{
    for (const char16_t* bad :
        { u"", u"  ", u"abc", u"1,2,3", u"1.2a", u"--1", u".5", u"5.", u"1..000", u"1e3", u"1.234.5,0x" })
        EXPECT_EQ(sql(bad, 2), QStringLiteral("NULL")) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(Numero_SQL(u"x", 2, QStringLiteral("0")), QStringLiteral("0"));
}

TEST(NumeroSql, TypedAmountIsExact)
{
    EXPECT_EQ(typedAmount<2>(u"1.234,5"), Money::fromUnits(123450));
    EXPECT_EQ(typedAmount<2>(u"-0,999"), Money::fromUnits(-99));
    EXPECT_EQ(typedAmount<4>(u"1,23456"), Index4::fromUnits(12345));
    EXPECT_EQ(typedAmount<2>(u"999.999.999.999.999.999.999,00"), std::nullopt); // beyond the range
    EXPECT_EQ(typedAmount<2>(u"uno"), std::nullopt);
}
