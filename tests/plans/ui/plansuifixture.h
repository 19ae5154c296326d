#pragma once

#include "../plansfixture.h"
#include "common/clock.h"
#include "modaldialogs.h"
#include "screenshot.h"
#include "scriptedmessages.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace ventrix::test {

// The plans database, today pinned, and the message boxes answered by the test.
struct PlansUiFixture : ::testing::Test, PlansFixture
{
    FixedClock clock { QDate(2026, 12, 7) };
    ScriptedMessages boxes;

    PlansUiFixture() { Clock::install(&clock); }
    ~PlansUiFixture() override { Clock::install(nullptr); }

    // Types into the field and leaves it.
    static void setText(QWidget* w, const QString& name, const QString& text) { typeAndLeave(w, name, text); }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    QVariant stored(const QString& sql) const
    {
        QSqlQuery q(sql, t.db());
        return q.next() ? q.value(0) : QVariant();
    }
};

}
