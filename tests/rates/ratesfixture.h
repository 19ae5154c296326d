#pragma once

#include "common/clock.h"
#include "rates/indicestable.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

namespace ventrix::test {

// A fresh database whose history ends on a chosen day, a fixed today and scripted message boxes.
class RatesFixture : public ::testing::Test
{
protected:
    void TearDown() override { Clock::install(nullptr); }

    // Drops every day after lastDay, so the tests do not depend on how far the delivered history runs.
    void historyEndsOn(QDate lastDay)
    {
        ASSERT_TRUE(table().removeFrom(lastDay.addDays(1)));
        ASSERT_EQ(newest().fecha, lastDay);
    }
    void setToday(QDate day)
    {
        m_clock = std::make_unique<FixedClock>(day);
        Clock::install(m_clock.get());
    }
    IndicesTable table() const { return IndicesTable(m_database.db()); }
    IndexDay newest() const
    {
        std::optional<IndexDay> d;
        EXPECT_TRUE(table().newest(&d));
        return d.value_or(IndexDay {});
    }
    IndexDay dayOf(QDate fecha) const
    {
        std::optional<IndexDay> d;
        EXPECT_TRUE(table().day(fecha, &d));
        return d.value_or(IndexDay {});
    }

    TestDatabase m_database;
    ScriptedMessages m_messages;
    std::unique_ptr<FixedClock> m_clock;
};

}
