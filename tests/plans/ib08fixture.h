#pragma once

#include "common/clock.h"
#include "drawnnumbers.h"
#include "pagerecorder.h"
#include "plans/ib08store.h"
#include "plansfixture.h"
#include "scriptedmessages.h"

namespace ventrix::test {

// A payment as a taxpayer types one: fiscal position 05/26, paid on 15/03/2026.
inline plans::Ib08Payment typedPayment()
{
    plans::Ib08Payment p;
    p.posFiscal = QStringLiteral("5/26");
    p.fechaPago = QDate(2026, 3, 15);
    p.importe = money("1000.00");
    p.actualizacion = money("12.34");
    p.interes = money("5.66");
    return p;
}

// The plans fixture with the payment store, a clock on 15/03/2026 and scripted answers.
struct Ib08Fixture : PlansFixture
{
    FixedClock clock { QDate(2026, 3, 15) };
    ScriptedMessages boxes;
    plans::Ib08Store ib08 { access };

    Ib08Fixture() { Clock::install(&clock); }
    ~Ib08Fixture() { Clock::install(nullptr); }

    qint64 storePayment(qint64 cp01Id, QDate paid, const char* importe = "1000.00")
    {
        plans::Ib08Payment p = typedPayment();
        p.fechaPago = paid;
        p.importe = money(importe);
        EXPECT_TRUE(ib08.save(p, cp01Id));
        return p.id;
    }
};

}
