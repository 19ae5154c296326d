#include "agents/depositform.h"

#include "agentsfixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

ArpDeposit balanceOf(qint64 saldoCents, qint64 depositCents)
{
    ArpDeposit d;
    d.operacion = qs("Percepción");
    d.period = periodOf(QDate(2005, 3, 1));
    d.fechaVto = QDate(2005, 4, 15);
    d.fechaPago = QDate(2005, 4, 15);
    d.importe = Money::fromUnits(saldoCents);
    d.sumTotDepositado = Money {};
    d.intereses = Money {};
    d.saldo = Money::fromUnits(saldoCents);
    d.capitalAmortizado = Money {};
    d.importeDepositado = Money::fromUnits(depositCents);
    return d;
}

class DepositFormTest : public ::testing::Test, public AgentsFixture
{
protected:
    DepositFormTest() { RandomSource::install(&drawn); }
    ~DepositFormTest() override { RandomSource::install(nullptr); }

    ScriptedMessages messages;
    Scripted drawn;
    ArpDepositStore store { access };
    QStringList statuses;
    QStringList focused;
    DepositForm form { store, cp01Id,
        { [this](const QString& text, int) { statuses.append(text); },
            [this](const QString& column) { focused.append(column); } } };
};

}

TEST_F(DepositFormTest, PaymentAsksDrawsANumberOnceAndSaves)
{
    ArpDeposit d = balanceOf(123456, 123456);
    drawn.next = { 77 };
    ASSERT_TRUE(form.pagar(d, true)); // the confirmation defaults to Yes
    EXPECT_EQ(messages.texts(), QStringList { qs("Está seguro que desea pagar $1.234,56...") });
    EXPECT_EQ(d.numFormulario, qs("0000077"));
    EXPECT_EQ(statuses, QStringList { qs("O.K") });
    // Paid again (the form printed once more): the number is kept, nothing drawn.
    ASSERT_TRUE(form.pagar(d, true));
    EXPECT_EQ(store.load(d.id).value().numFormulario, qs("0000077"));
    EXPECT_EQ(countOf(t.db(), qs("SELECT COUNT(*) FROM Form_ARP")), 1);
}

TEST_F(DepositFormTest, PaymentAboveTheBalanceAsksWithNoPreselected)
{
    ArpDeposit d = balanceOf(10000, 10001);
    EXPECT_FALSE(form.pagar(d, true));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).text,
        qs("Está seguro que desea pagar un importe superior al saldo actual...?"));
    EXPECT_EQ(messages.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_EQ(countOf(t.db(), qs("SELECT COUNT(*) FROM Form_ARP")), 0);

    messages.clear();
    messages.answer(Answer::Yes);
    drawn.next = { 1 };
    EXPECT_TRUE(form.pagar(d, true));
}

TEST_F(DepositFormTest, MissingAmountOrFieldsAreRefusedWithTheirTexts)
{
    ArpDeposit noAmount = balanceOf(100, 100);
    noAmount.importeDepositado.reset();
    EXPECT_FALSE(form.pagar(noAmount, true));
    EXPECT_EQ(messages.last(), qs("Ingrese el importe a depositar..."));
    EXPECT_FALSE(form.guardar(noAmount, true));
    EXPECT_EQ(focused, QStringList { qs("Arp_Importe_Depositado") });

    ArpDeposit noIndex = balanceOf(100, 100);
    noIndex.intereses.reset();
    noIndex.saldo.reset();
    EXPECT_FALSE(form.pagar(noIndex, true));
    EXPECT_EQ(messages.last(),
        qs("Para poder almacenar e imprimir los datos es necesario tener completo todos los campos..."));
    EXPECT_FALSE(form.guardar(noIndex, true));
    EXPECT_EQ(messages.last(),
        qs("Para poder almacenar los datos es necesario tener completo todos los campos..."));
    EXPECT_EQ(countOf(t.db(), qs("SELECT COUNT(*) FROM Form_ARP")), 0);
}

TEST_F(DepositFormTest, DeclaredDepositIsRefusedBeforeAnyOtherCheck)
{
    ArpDeposit d = balanceOf(100, 100);
    ASSERT_TRUE(form.guardar(d, true));
    QSqlQuery(qs("UPDATE Form_ARP SET Arp_FechaDDJJ = '2005-04-05'"), t.db());
    d.importeDepositado.reset();
    EXPECT_FALSE(form.guardar(d, true));
    EXPECT_EQ(messages.last(),
        qs("El pago que desea guardar ya está incorporado en la DDJJ mensual del período 03/2005 presentada "
           "el "
           "05/04/2005\nPor tal motivo no puede almacenar las modificaciones..."));
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Critical);
}
