#pragma once

#include "../cp01/cp01fixture.h"
#include "common/clock.h"
#include "cp02/cp02store.h"
#include "scriptedmessages.h"

#include <QSqlQuery>

// Failed comparisons show the texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ventrix::test {

inline Money money(const char* plain)
{
    return *Money::fromPlain(QString::fromLatin1(plain));
}

// A taxpayer with a stored inscription, the CP02 store over the database, today pinned and the
// message boxes answered by the test.
struct Cp02Fixture : Cp01Fixture
{
    FixedClock clock { QDate(2026, 12, 7) };
    ScriptedMessages boxes;
    cp02::Cp02Store cp02 { access };
    qint64 cp01Id = 0;

    Cp02Fixture()
    {
        Clock::install(&clock);
        cp01Id = storeCp01({ activity(QStringLiteral("624101"), QDate(2003, 2, 1)) });
    }
    ~Cp02Fixture() { Clock::install(nullptr); }

    // Stores a CP01 procedure with the activities in premises 1 (and 2, when given).
    qint64 storeCp01(
        const QList<cp01::ActivityRow>& premises1, const QList<cp01::ActivityRow>& premises2 = {})
    {
        cp01::Cp01Record r = newRecord(QStringLiteral("1 - Inscripción"), QDate(2003, 2, 3));
        r.set(cp01::col::Cuit, QStringLiteral("20-12345678/6"));
        r.set(cp01::col::IngBrut, QStringLiteral("012-123456/00"));
        for (int i = 0; i < premises1.size(); ++i)
            r.premisesActivities(1).row(i) = premises1.at(i);
        for (int i = 0; i < premises2.size(); ++i)
            r.premisesActivities(2).row(i) = premises2.at(i);
        EXPECT_TRUE(store.GuardarCP01(r, cmdId, 0));
        return r.id();
    }

    // A declaration of the year with one activity, stored under the inscription.
    qint64 storeDeclaration(int periodo, const QString& tramite = cp02::Original)
    {
        cp02::Cp02Record r;
        r.set(cp02::col::Periodo, periodo);
        r.set(cp02::col::Tramite, tramite);
        r.set(cp02::col::NumEmpleados, 3);
        r.activities = { { QStringLiteral("624101"), QStringLiteral("Com1:Actividad 624101"), false,
            money("10000"), Rate::fromUnits(350), money("350"), 3 } };
        EXPECT_TRUE(cp02.save(r, cp01Id));
        return r.id();
    }
};

}
