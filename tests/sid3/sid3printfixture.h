#pragma once

#include "common/randomsource.h"
#include "sid3/activitytax.h"
#include "sid3/balance.h"
#include "sid3/registerstore.h"
#include "sid3fixture.h"

#include <QSqlError>

#include <gtest/gtest.h>

#include <deque>

namespace ventrix::test {

// Answers the program's draws with numbers the test chooses; installs itself while alive.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::deque<quint64> numbers)
        : m_numbers(std::move(numbers))
    {
        RandomSource::install(this);
    }
    ~ScriptedRandom() override { RandomSource::install(nullptr); }

protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        lastRange = { low, high };
        const quint64 n = m_numbers.empty() ? low : m_numbers.front();
        if (!m_numbers.empty())
            m_numbers.pop_front();
        return n;
    }

public:
    std::pair<quint64, quint64> lastRange;

private:
    std::deque<quint64> m_numbers;
};

inline sid3::ActivityLine activity(
    const QString& code, const QString& name, qint64 rateUnits, qint64 baseUnits, qint64 minimumUnits = 7500)
{
    sid3::ActivityLine l;
    l.codigo = code;
    l.denominacion = QStringLiteral("Com1:") + name;
    l.numEmp = 1;
    l.alicuota = Rate::fromUnits(rateUnits);
    l.baseImp = Money::fromUnits(baseUnits);
    l.baseMinimo = Money::fromUnits(minimumUnits);
    l.impuesto = sid3::lineTax(l);
    return l;
}

// Eight activities of one inscription at two rates: five at 3,50 % and three at 2,50 %.
inline QList<sid3::ActivityLine> eightActivities()
{
    QList<sid3::ActivityLine> lines;
    for (int i = 0; i < 8; ++i) {
        const bool high = i % 3 != 1;
        lines.append(
            activity(QStringLiteral("4711%1").arg(10 + i), QStringLiteral("Actividad número %1").arg(i + 1),
                high ? 350 : 250, 100000 + 1000 * i, 7500 + 100 * i));
    }
    return lines;
}

// A stored declaration of the fixture's taxpayer for 03/2003 with its lines and register records,
// its totals as the screen computes them.
struct Sid3PrintFixture : Sid3Fixture
{
    qint64 storeDeclaration(const QList<sid3::ActivityLine>& lines, std::array<int, 4> records = {})
    {
        sid3::Declaration d;
        d.cp01Id = cp01Id;
        d.month = 3;
        d.year = 2003;
        d.tramite = 4;
        d.tramiteDescrip = QStringLiteral("Anticipo");
        QList<sid3::ActivityLine> computed = lines;
        const sid3::TaxSummary summary = sid3::CalculaImpuesto(computed, std::nullopt);
        d.gravado = summary.gravado;
        d.exento = summary.exento;
        d.tasaCero = summary.tasaCero;
        d.noGravado = Money::fromUnits(10000);
        d.subTotalAgt = summary.totalComputable;
        d.fhVto = QDate(2003, 4, 15);
        d.fechaPago = QDate(2003, 4, 20);
        EXPECT_TRUE(store.Guardar_Sid3(d, computed));
        for (sid3::Register reg : sid3::AllRegisters) {
            sid3::Sid3RegisterStore registers(access, reg);
            sid3::RegisterTotal& total = d.registerTotal(reg);
            for (int i = 0; i < records.at(static_cast<size_t>(reg)); ++i) {
                sid3::RegisterRecord r;
                r.fecha = QDate(2003, 3, 1 + i % 28);
                r.concepto = QStringLiteral("Comprobante %1").arg(i + 1);
                r.monto = Money::fromUnits(1000 + i);
                r.responsable = QStringLiteral("Agente Peña ÁLVAREZ");
                r.cuit = QStringLiteral("20-12345678/6");
                EXPECT_TRUE(registers.Guardar(r, d.id, { 3, 2003 }));
                total.total += *r.monto;
                total.count += 1;
            }
        }
        d.saldoContrib = sid3::Calc_FavorContrib(d.registers);
        d.saldoAgt = sid3::computeBalance(d.subTotalAgt, d.saldoContrib).favorAgt;
        d.interes = Money::fromUnits(171);
        d.totalDepositar = d.saldoAgt + *d.interes;
        d.importePagado = d.totalDepositar;
        EXPECT_TRUE(store.Guardar_Sid3(d, computed));
        return d.id;
    }
};

}
