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

    template <typename T = QWidget> static T* child(QWidget* w, const QString& name)
    {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static void click(QWidget* w, const QString& name) { child<QAbstractButton>(w, name)->click(); }
    // Types into the field and leaves it.
    static void setText(QWidget* w, const QString& name, const QString& text)
    {
        auto* edit = child<QLineEdit>(w, name);
        edit->setText(text);
        emit edit->editingFinished();
    }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    QVariant stored(const QString& sql) const
    {
        QSqlQuery q(sql, t.db());
        return q.next() ? q.value(0) : QVariant();
    }
};

}
