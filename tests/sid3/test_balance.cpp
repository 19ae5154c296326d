#include "sid3/balance.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;

namespace {

Money money(const char* text)
{
    return *Money::fromPlain(QString::fromLatin1(text));
}

Index4 index(const char* text)
{
    return *Index4::fromPlain(QString::fromLatin1(text));
}

}

TEST(DueDate, FifteenthOfTheNextMonthMovedOffTheWeekend)
{
    EXPECT_EQ(proposedDueDate(3, 2003), QDate(2003, 4, 15)); // a Tuesday
    EXPECT_EQ(proposedDueDate(5, 2003), QDate(2003, 6, 16)); // the 15th is a Sunday
    EXPECT_EQ(proposedDueDate(1, 2003), QDate(2003, 2, 17)); // the 15th is a Saturday
    EXPECT_EQ(proposedDueDate(12, 2003), QDate(2004, 1, 15));
}

TEST(DueDate, PaymentDateIsTheDueMonthsFirstDayWhileTodayIsEarlier)
{
    const QDate due(2003, 4, 15);
    EXPECT_EQ(proposedPaymentDate(due, QDate(2003, 3, 31)), QDate(2003, 4, 1));
    EXPECT_EQ(proposedPaymentDate(due, QDate(2002, 12, 5)), QDate(2003, 4, 1));
    EXPECT_EQ(proposedPaymentDate(due, QDate(2003, 4, 2)), QDate(2003, 4, 2));
    EXPECT_EQ(proposedPaymentDate(due, QDate(2003, 7, 9)), QDate(2003, 7, 9));
}

TEST(DueDate, OnlyTheDayMayBeChanged)
{
    const QDate proposed(2003, 6, 16);
    EXPECT_EQ(judgeDueDate(proposed, proposed), DueDateChange::Unchanged);
    EXPECT_EQ(judgeDueDate(proposed, QDate(2003, 6, 17)), DueDateChange::OtherDay);
    EXPECT_EQ(judgeDueDate(proposed, QDate(2003, 7, 16)), DueDateChange::OtherMonth);
    EXPECT_EQ(judgeDueDate(proposed, QDate(2004, 6, 16)), DueDateChange::OtherMonth);
}

TEST(Balance, OneSideIsNonZero)
{
    const std::array<RegisterTotal, 4> registers { { { money("100.00"), 2 }, { money("50.50"), 1 },
        { money("0.25"), 1 }, { Money(), 0 } } };
    EXPECT_EQ(Calc_FavorContrib(registers).toPlain(), QStringLiteral("150.75"));

    Balance b = computeBalance(money("1000.00"), money("150.75"));
    EXPECT_EQ(b.favorAgt.toPlain(), QStringLiteral("849.25"));
    EXPECT_TRUE(b.favorContrib.isZero());

    // Payments on account above the tax: the surplus is the taxpayer's, nothing is owed.
    b = computeBalance(money("100.00"), money("150.75"));
    EXPECT_TRUE(b.favorAgt.isZero());
    EXPECT_EQ(b.favorContrib.toPlain(), QStringLiteral("50.75"));

    b = computeBalance(std::nullopt, Money());
    EXPECT_TRUE(b.favorAgt.isZero());
    EXPECT_TRUE(b.favorContrib.isZero());
}

TEST(Interest, AnticipoPaidLate)
{
    const InterestResult r
        = CalculaInteres({ 4, money("1000.00"), index("10.5"), index("12.0"), std::nullopt });
    EXPECT_EQ(r.interes.toPlain(), QStringLiteral("15.00"));
    EXPECT_EQ(r.totalDepositar.toPlain(), QStringLiteral("1015.00"));
}

TEST(Interest, RoundedOnceHalfAwayFromZero)
{
    // 333,33 x 0,0015 % = 0,004999... and 333,34 x 1,5 % = 5,0001.
    EXPECT_EQ(
        CalculaInteres({ 4, money("333.33"), index("10.0000"), index("10.0015"), {} }).interes.toPlain(),
        QStringLiteral("0.00"));
    EXPECT_EQ(CalculaInteres({ 4, money("1.00"), index("10.0000"), index("10.5000"), {} }).interes.toPlain(),
        QStringLiteral("0.01")); // exactly 0,005
    const InterestResult r = CalculaInteres({ 4, money("333.34"), index("10.0"), index("11.5"), {} });
    EXPECT_EQ(r.interes.toPlain(), QStringLiteral("5.00"));
    EXPECT_EQ(r.totalDepositar.toPlain(), QStringLiteral("338.34"));
}

TEST(Interest, NoneWhenPaidOnOrBeforeTheDueDate)
{
    InterestResult r = CalculaInteres({ 4, money("1000.00"), index("12.0"), index("10.5"), {} });
    EXPECT_TRUE(r.interes.isZero());
    EXPECT_EQ(r.totalDepositar.toPlain(), QStringLiteral("1000.00"));
    r = CalculaInteres({ 4, money("1000.00"), index("12.0"), index("12.0"), {} });
    EXPECT_TRUE(r.interes.isZero());
}

TEST(Interest, OnlyTheAuthoritysProceduresComputeIt)
{
    for (int code : { 1, 2, 4, 12, 25 })
        EXPECT_TRUE(interestApplies(code)) << code;
    for (int code : { 0, 3, 5, 6, 13 })
        EXPECT_FALSE(interestApplies(code)) << code;
    // A Rectificativa computes none, and a typed interest is added to the balance.
    EXPECT_TRUE(CalculaInteres({ 5, money("1000.00"), index("10.5"), index("12.0"), {} }).interes.isZero());
    const InterestResult typed
        = CalculaInteres({ 5, money("1000.00"), index("10.5"), index("12.0"), money("7.30") });
    EXPECT_EQ(typed.interes.toPlain(), QStringLiteral("7.30"));
    EXPECT_EQ(typed.totalDepositar.toPlain(), QStringLiteral("1007.30"));
}

TEST(Interest, StoredDatesMustLieInsideTheIndexTable)
{
    const QDate lowest(2003, 1, 1), highest(2003, 12, 31);
    EXPECT_TRUE(datesWithinIndices(QDate(2003, 4, 15), QDate(2003, 12, 31), lowest, highest));
    EXPECT_FALSE(datesWithinIndices(QDate(2003, 1, 1), QDate(2003, 4, 15), lowest, highest));
    EXPECT_FALSE(datesWithinIndices(QDate(2003, 4, 15), QDate(2004, 1, 1), lowest, highest));
}
