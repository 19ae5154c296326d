#pragma once

#include "../cp01fixture.h"
#include "common/clock.h"
#include "cp01/ui/frm_cp01.h"
#include "modaldialogs.h"
#include "scriptedmessages.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

// Failed comparisons show the texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ventrix::test {

// A taxpayer's database, today pinned to a Monday, and the message boxes answered by the test.
struct Cp01UiFixture : ::testing::Test, Cp01Fixture
{
    FixedClock clock { QDate(2026, 12, 7) };
    ScriptedMessages boxes;

    Cp01UiFixture() { Clock::install(&clock); }
    ~Cp01UiFixture() override { Clock::install(nullptr); }

    static void setText(QWidget* w, const QString& name, const QString& text) { typeAndLeave(w, name, text); }
    static QString text(QWidget* w, const QString& name) { return child<QLabel>(w, name)->text(); }
    // Selects the row whose first cell holds the text.
    static bool selectRow(QTableWidget* grid, const QString& first)
    {
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (grid->item(r, 0) && grid->item(r, 0)->text() == first) {
                grid->selectRow(r);
                return true;
            }
        }
        return false;
    }
    static QAbstractItemModel* gridModel(QWidget* w, int premises)
    {
        return child<QTableView>(w, QStringLiteral("TDBGrid%1").arg(premises))->model();
    }
    // Stores an inscription with one activity in premises 1, presented on the day given.
    qint64 storeInscription(QDate presented, const QString& tramite = QStringLiteral("1 - Inscripción"))
    {
        cp01::Cp01Record r = newRecord(tramite, presented);
        r.set(cp01::col::premises(1, QStringLiteral("Nombre")), QStringLiteral("Almacén Don Pepe"));
        r.set(cp01::col::premises(1, QStringLiteral("FhInicio")), QDate(2003, 2, 1));
        r.premisesActivities(1).row(0) = activity(QStringLiteral("621013"), QDate(2003, 2, 1));
        EXPECT_TRUE(store.GuardarCP01(r, cmdId, 0));
        return r.id();
    }
};

}
