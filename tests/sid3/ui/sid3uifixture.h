#pragma once

#include "../sid3fixture.h"
#include "common/clock.h"
#include "modaldialogs.h"
#include "scriptedmessages.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

// Failed comparisons show the texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ventrix::test {

// A taxpayer with one activity (624101 "Venta", 3,50 %, minimum 75,00) in the first premises of
// its inscription; today is 20/04/2003 and the index table runs from December 2002 to the end of
// May 2003, growing 0,1 a day.
struct Sid3UiFixture : ::testing::Test
{
    Sid3Fixture f;
    FixedClock clock { QDate(2003, 4, 20) };
    ScriptedMessages boxes;

    Sid3UiFixture()
    {
        Clock::install(&clock);
        f.addIndices(QDate(2002, 12, 1), QDate(2003, 5, 31));
        f.addActivity(QStringLiteral("Form_Cp01_Act"), f.cp01Id, QStringLiteral("624101"),
            QStringLiteral("Venta"), QStringLiteral("2003-01-10"));
    }
    ~Sid3UiFixture() override { Clock::install(nullptr); }

    // Types the text as the user would leave the field: the edit, then its end.
    static void type(QWidget* w, const QString& name, const QString& text) { typeAndLeave(w, name, text); }
    static QString text(QWidget* w, const QString& name)
    {
        QWidget* field = child(w, name);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            return edit->text();
        return qobject_cast<QLabel*>(field)->text();
    }
    int rows(const QString& table)
    {
        return countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM ") + table);
    }
};

}
