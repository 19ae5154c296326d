#pragma once

#include "../agentsfixture.h"
#include "common/clock.h"
#include "common/ui/moduleregistry.h"
#include "modaldialogs.h"
#include "rates/indicestable.h"
#include "scriptedmessages.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Failed comparisons show the texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ventrix::test {

// An agent's database, today pinned, and the message boxes answered by the test.
struct AgentsUiFixture : ::testing::Test, AgentsFixture
{
    FixedClock clock { QDate(2026, 12, 7) };
    ScriptedMessages boxes;

    AgentsUiFixture() { Clock::install(&clock); }
    ~AgentsUiFixture() override { Clock::install(nullptr); }

    ModuleLaunch launch() const { return { t.db(), cmdId, cp01Id }; }

    // Types into the field and leaves it.
    static void setText(QWidget* w, const QString& name, const QString& text) { typeAndLeave(w, name, text); }
    // Types into the field without leaving it.
    static void type(QWidget* w, const QString& name, const QString& text)
    {
        child<QLineEdit>(w, name)->setText(text);
    }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    // A supplier (or customer) other than the agent, with the address the register requires.
    static void fillCounterpart(
        QWidget* w, const QString& prefix, const QString& name = QStringLiteral("Proveedor SRL"))
    {
        type(w, prefix + QStringLiteral("_Contribuyente"), name);
        type(w, QStringLiteral("CUIT"), QStringLiteral("20-11111111/2"));
        type(w, QStringLiteral("IngBrut"), QStringLiteral("001-123456/00"));
        type(w, prefix + QStringLiteral("_Domicilio"), QStringLiteral("San Martín"));
        type(w, prefix + QStringLiteral("_DomNumero"), QStringLiteral("123"));
        type(w, prefix + QStringLiteral("_CodPostal"), QStringLiteral("5000"));
        type(w, prefix + QStringLiteral("_Localidad"), QStringLiteral("Capital"));
        auto* provincia = child<QComboBox>(w, QStringLiteral("Combo1"));
        provincia->setCurrentIndex(provincia->findText(QStringLiteral("CHACO")));
    }
    // The newest row of the register as the program reads it.
    agents::AgentOperation storedOperation(const agents::RegisterKind& kind)
    {
        agents::OperationStore store(access, kind);
        const qint64 id
            = stored(QStringLiteral("SELECT MAX(") + kind.keyColumn + QStringLiteral(") FROM ") + kind.table)
                  .toLongLong();
        auto row = store.load(id);
        EXPECT_TRUE(row) << kind.table.toStdString();
        return row ? *row : agents::AgentOperation();
    }
    // The day's index in ten-thousandths; negative: the day has none.
    bool setIndex(QDate day, qint64 units)
    {
        QSqlQuery q(t.db());
        q.prepare(QStringLiteral("DELETE FROM Indices WHERE Fecha = ?"));
        q.addBindValue(day.toString(Qt::ISODate));
        if (!q.exec())
            return false;
        return units < 0
            || rates::IndicesTable(t.db()).append(
                { { day, Index4::fromUnits(units), Rate::fromUnits(100) } });
    }
    // The indices of the days the month before today is worked out with when the module opens.
    bool indicesForOpening()
    {
        return setIndex(QDate(2026, 12, 7), 2000000) && setIndex(QDate(2026, 12, 15), 2000000);
    }
    QVariant stored(const QString& sql) const
    {
        QSqlQuery q(sql, t.db());
        return q.next() ? q.value(0) : QVariant();
    }
};

}
