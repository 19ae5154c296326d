#include "rates/deliveredindices.h"
#include "rates/indexstep.h"

#include "testdatabase.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::rates;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

}

TEST(DeliveredIndices, CoverEveryDayAndEqualTheAuthoritysDailyStep)
{
    test::TestDatabase t(qs("delivered"));
    QSqlQuery q(qs("SELECT Fecha, Indice, Tasa FROM Indices ORDER BY Fecha"), t.db());
    const QList<MonthlyRate> rates = deliveredMonthlyRates();
    ASSERT_EQ(rates.size(), (2026 - 2000) * 12 + 11);
    Index4 previous;
    QDate expectedDay(2000, 1, 1);
    int days = 0;
    for (const MonthlyRate& month : rates) {
        for (const IndexDay& day : monthIndices(month.month, month.rate, previous)) {
            ASSERT_TRUE(q.next()) << day.fecha.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(q.value(0).toString(), expectedDay.toString(Qt::ISODate));
            ASSERT_EQ(q.value(1).toLongLong(), day.indice.units())
                << expectedDay.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(q.value(2).toLongLong(), month.rate.units());
            previous = day.indice;
            expectedDay = expectedDay.addDays(1);
            ++days;
        }
    }
    EXPECT_FALSE(q.next());
    EXPECT_EQ(expectedDay, QDate(2026, 12, 1));
    EXPECT_EQ(days, QDate(2000, 1, 1).daysTo(QDate(2026, 11, 30)) + 1);
    // Late-payment rates of the period, all plausible.
    for (const MonthlyRate& month : rates) {
        EXPECT_GE(month.rate, Rate::fromUnits(100));
        EXPECT_LE(month.rate, Rate::fromUnits(500));
    }
    // The first month at 1.50 % over 31 days: the figures the authority published.
    EXPECT_EQ(rates.front().rate, Rate::fromUnits(150));
}

TEST(DeliveredIndices, ATableAlreadyHoldingDaysIsRefusedAndLeftAsItWas)
{
    test::TestDatabase t(qs("again"));
    QSqlQuery count(t.db());
    ASSERT_TRUE(count.exec(qs("SELECT COUNT(*) FROM Indices")) && count.next());
    const int before = count.value(0).toInt();
    const Status again = loadDeliveredIndices(t.db());
    EXPECT_FALSE(again.ok());
    EXPECT_FALSE(again.error().isEmpty());
    ASSERT_TRUE(count.exec(qs("SELECT COUNT(*) FROM Indices")) && count.next());
    EXPECT_EQ(count.value(0).toInt(), before);
}
