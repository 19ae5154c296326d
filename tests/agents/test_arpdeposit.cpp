#include "agents/arpdeposit.h"

#include "agentsfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

ArpDeposit sampleDeposit()
{
    ArpDeposit d;
    d.operacion = qs("Retención");
    d.period = periodOf(QDate(2005, 3, 1));
    d.fechaVto = QDate(2005, 4, 15);
    d.fechaPago = QDate(2005, 4, 20);
    d.importe = Money::fromUnits(100000);
    d.sumTotDepositado = Money::fromUnits(0);
    d.intereses = Money::fromUnits(3500);
    d.saldo = Money::fromUnits(103500);
    d.capitalAmortizado = Money::fromUnits(0);
    d.importeDepositado = Money::fromUnits(103500);
    d.numFormulario = qs("0001234");
    return d;
}

class ArpDepositTest : public ::testing::Test, public AgentsFixture
{
protected:
    ArpDepositStore store { access };

    void markColumn(qint64 id, const char* column, const QString& value)
    {
        QSqlQuery q(t.db());
        q.prepare(qs("UPDATE Form_ARP SET %1 = ? WHERE ARP_ID = ?").arg(QLatin1String(column)));
        q.addBindValue(value);
        q.addBindValue(id);
        ASSERT_TRUE(q.exec());
    }
};

}

TEST_F(ArpDepositTest, SavedDepositReadsBackWhole)
{
    ArpDeposit d = sampleDeposit();
    ASSERT_TRUE(store.save(d, cp01Id));
    ASSERT_GT(d.id, 0);
    const ArpDeposit back = store.load(d.id).value();
    EXPECT_EQ(back.operacion, qs("Retención"));
    EXPECT_EQ(back.period, d.period);
    EXPECT_EQ(back.fechaVto, QDate(2005, 4, 15));
    EXPECT_EQ(back.fechaPago, QDate(2005, 4, 20));
    EXPECT_EQ(back.importe, Money::fromUnits(100000));
    EXPECT_EQ(back.intereses, Money::fromUnits(3500));
    EXPECT_EQ(back.capitalAmortizado, Money::fromUnits(0));
    EXPECT_EQ(back.importeDepositado, Money::fromUnits(103500));
    EXPECT_EQ(back.numFormulario, qs("0001234"));
    EXPECT_FALSE(back.marks.isDeclared());
    EXPECT_EQ(countOf(t.db(), qs("SELECT COUNT(*) FROM Form_ARP WHERE Arp_Importe = 100000")), 1);
}

TEST_F(ArpDepositTest, CheckDatosWantsEveryFieldAndTheAgentData)
{
    EXPECT_TRUE(Check_Datos(sampleDeposit(), true));
    EXPECT_FALSE(Check_Datos(sampleDeposit(), false));
    ArpDeposit noInterest = sampleDeposit();
    noInterest.intereses.reset(); // a missing index leaves it blank
    EXPECT_FALSE(Check_Datos(noInterest, true));
    ArpDeposit noDue = sampleDeposit();
    noDue.fechaVto = {};
    EXPECT_FALSE(Check_Datos(noDue, true));
    ArpDeposit zero = sampleDeposit();
    zero.importe = Money {};
    EXPECT_TRUE(Check_Datos(zero, true)); // 0,00 is a value
}

TEST_F(ArpDepositTest, DeclaredDepositIsNeitherSavedNorDeleted)
{
    ArpDeposit d = sampleDeposit();
    ASSERT_TRUE(store.save(d, cp01Id));
    markColumn(d.id, "Arp_FechaDDJJ", qs("2005-04-05"));
    d.importeDepositado = Money::fromUnits(1);
    EXPECT_EQ(store.save(d, cp01Id).error(),
        qs("El pago que desea guardar ya está incorporado en la DDJJ mensual del período 03/2005 presentada "
           "el "
           "05/04/2005\nPor tal motivo no puede almacenar las modificaciones..."));
    EXPECT_EQ(store.remove(d.id).error(),
        qs("El pago que desea borrar está incorporado en la DDJJ mensual del período 03/2005 presentada el "
           "05/04/2005\nPor tal motivo no puede borrarlo..."));
    EXPECT_EQ(store.load(d.id).value().importeDepositado, Money::fromUnits(103500));
}

TEST_F(ArpDepositTest, DepositTakenInLateNamesBothMonths)
{
    ArpDeposit d = sampleDeposit();
    ASSERT_TRUE(store.save(d, cp01Id));
    markColumn(d.id, "Arp_Periodo_DDJJOutDate", qs("04/2005"));
    EXPECT_EQ(store.save(d, cp01Id).error(),
        qs("El pago que desea guardar ya está incorporado en la DDJJ mensual del período 04/2005 aunque fue "
           "realizado en el período 03/2005\nPor tal motivo no puede almacenar las modificaciones..."));
    EXPECT_EQ(store.remove(d.id).error(),
        qs("El pago que desea borrar está incorporado en la DDJJ mensual del período 04/2005 aunque fue "
           "realizado en el período 03/2005\nPor tal motivo no puede borrarlo..."));

    ArpDeposit open = sampleDeposit();
    ASSERT_TRUE(store.save(open, cp01Id));
    EXPECT_TRUE(store.remove(open.id));
    EXPECT_FALSE(store.load(open.id));
}

TEST(ArpDepositScreen, TypedFieldsBecomeTheDepositAndWhatIsNotANumberOrDateIsEmpty)
{
    const FieldValues typed { { qs("Arp_Operacion"), qs("Percepción") },
        { qs("Arp_Desde"), qs("01/03/2005") }, { qs("Arp_Hasta"), qs("31/03/2005") },
        { qs("Arp_FechaVto"), qs("15/04/2005") }, { qs("Arp_FechaPago"), qs("31/02/2005") },
        { qs("Arp_Importe"), qs("1.234,56") }, { qs("Arp_Saldo"), qs("-5,00") },
        { qs("Arp_Intereses"), qs("abc") }, { qs("Arp_NumFormulario"), qs("0000042") } };
    const ArpDeposit d = depositFromScreen(typed);
    EXPECT_EQ(d.operacion, qs("Percepción"));
    EXPECT_EQ(d.period, periodOf(QDate(2005, 3, 1)));
    EXPECT_EQ(d.fechaVto, QDate(2005, 4, 15));
    EXPECT_FALSE(d.fechaPago.isValid());
    EXPECT_EQ(d.importe, Money::fromUnits(123456));
    EXPECT_EQ(d.saldo, Money::fromUnits(-500));
    EXPECT_FALSE(d.intereses);
    EXPECT_FALSE(d.importeDepositado);
    EXPECT_EQ(d.numFormulario, qs("0000042"));

    FieldValues agent { { qs("CP01_Contribuyente"), qs("Agente SA") },
        { qs("CP01_CUIT"), qs("20-12345678/6") }, { qs("CP01_IngBrut"), qs("901-123456/03") } };
    EXPECT_TRUE(agentDataComplete(agent));
    agent[qs("CP01_IngBrut")] = qs("  ");
    EXPECT_FALSE(agentDataComplete(agent));
}
