#pragma once

#include "agents/creditstore.h"
#include "agentsfixture.h"

namespace ventrix::test {

// An agent with operations of both registers, some taken in by a monthly declaration.
struct CreditFixture : AgentsFixture
{
    agents::CreditStore credits { access };

    // A stored operation; declared: taken in by declaration "0001234" presented on 15/04/2005.
    qint64 operation(const agents::RegisterKind& kind, const QString& name, QDate fecha, qint64 importeCents,
        bool declared = true, qint64 cp01 = 0)
    {
        agents::OperationStore store(access, kind);
        agents::AgentOperation op = sampleOperation(name);
        op.fecha = fecha;
        op.importe = Money::fromUnits(importeCents);
        if (!store.save(op, cp01 ? cp01 : cp01Id))
            ADD_FAILURE() << "operation not stored";
        if (declared) {
            setColumn(kind, op.id, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-15"));
            setColumn(kind, op.id, QStringLiteral("DDJJNumForm"), QStringLiteral("0001234"));
            setColumn(kind, op.id, QStringLiteral("DDJJFechaPres"), QStringLiteral("2005-04-15"));
        }
        return op.id;
    }

    agents::DeclaredOperation declared(agents::AgentRegister which, qint64 id)
    {
        const auto all = credits.declaredOperations(cmdId, which);
        EXPECT_TRUE(all);
        for (const auto& op : all ? *all : QList<agents::DeclaredOperation>()) {
            if (op.id == id)
                return op;
        }
        ADD_FAILURE() << "operation " << id << " not listed";
        return {};
    }

    agents::CreditLine pending(agents::AgentRegister which, qint64 id, qint64 creditCents)
    {
        return agents::AddCredito(which, declared(which, id), Money::fromUnits(creditCents));
    }

    int storedCredits() { return countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentCredito")); }
};

}
