#pragma once

#include "common/clock.h"
#include "rates/indicestable.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace ventrix::test {

// A fresh database whose history ends on a chosen day, a fixed today and scripted message boxes.
class RatesFixture : public ::testing::Test
{
protected:
    void TearDown() override { Clock::install(nullptr); }

    // Drops every day after lastDay and gives that day a known index and rate, so the tests depend
    // neither on how far the delivered history runs nor on its rates.
    void historyEndsOn(QDate lastDay, Index4 index = Index4::fromInteger(100), Rate rate = Rate::fromUnits(300))
    {
        ASSERT_TRUE(table().removeFrom(lastDay.addDays(1)));
        QSqlQuery q(m_database.db());
        q.prepare(QStringLiteral("UPDATE Indices SET Indice = ?, Tasa = ? WHERE Fecha = ?"));
        q.addBindValue(index.units());
        q.addBindValue(rate.units());
        q.addBindValue(lastDay.toString(Qt::ISODate));
        ASSERT_TRUE(q.exec());
        ASSERT_EQ(newest().fecha, lastDay);
    }
    void setToday(QDate day)
    {
        m_clock = std::make_unique<FixedClock>(day);
        Clock::install(m_clock.get());
    }
    rates::IndicesTable table() const { return rates::IndicesTable(m_database.db()); }
    rates::IndexDay newest() const
    {
        std::optional<rates::IndexDay> d;
        EXPECT_TRUE(table().newest(&d));
        return d.value_or(rates::IndexDay {});
    }
    rates::IndexDay dayOf(QDate fecha) const
    {
        std::optional<rates::IndexDay> d;
        EXPECT_TRUE(table().day(fecha, &d));
        return d.value_or(rates::IndexDay {});
    }

    TestDatabase m_database;
    ScriptedMessages m_messages;
    std::unique_ptr<FixedClock> m_clock;
};

}
