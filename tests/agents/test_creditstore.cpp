#include "agents/creditstore.h"

#include "creditfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using ventrix::test::CreditFixture;

namespace {

const RegisterKind& ret = RegisterKind::retenciones();
const RegisterKind& per = RegisterKind::percepciones();

struct CreditStoreTest : ::testing::Test, CreditFixture
{
};

// "D-1234,A-123": the invoices of the lines in their order.
QString facturas(const QList<CreditLine>& lines)
{
    QStringList out;
    for (const CreditLine& l : lines)
        out << l.numFactura;
    return out.join(u',');
}

}

TEST_F(CreditStoreTest, OnlyTheTaxpayersDeclaredOperationsOfTheRegisterAreListedOldestFirst)
{
    const qint64 late = operation(ret, QStringLiteral("Tardía"), QDate(2005, 2, 20), 4000, false);
    setColumn(ret, late, QStringLiteral("Periodo_DDJJOutDate"), QStringLiteral("03/2005"));
    const qint64 march = operation(ret, QStringLiteral("Marzo"), QDate(2005, 3, 10), 2500);
    operation(ret, QStringLiteral("Sin declarar"), QDate(2005, 3, 1), 1000, false);
    operation(per, QStringLiteral("Percepción"), QDate(2005, 3, 5), 700);
    const qint64 otherCmd = test::execInsert(
        t.db(), QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { QStringLiteral("Otro") })
                                .toLongLong();
    operation(ret, QStringLiteral("Ajena"), QDate(2005, 3, 2), 900, true,
        addCp01(otherCmd, QStringLiteral("Otro")));

    const auto listed = credits.declaredOperations(cmdId, AgentRegister::Retenciones);
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 2);
    EXPECT_EQ(listed->at(0).id, late);
    EXPECT_EQ(listed->at(0).importe, Money::fromUnits(4000));
    const DeclaredOperation& m = listed->at(1);
    EXPECT_EQ(m.id, march);
    EXPECT_EQ(m.contribuyente, QStringLiteral("Marzo"));
    EXPECT_EQ(m.factura, QStringLiteral("0001-00001234"));
    EXPECT_EQ(m.fecha, QDate(2005, 3, 10));
    EXPECT_EQ(m.base.toDisplay(), QStringLiteral("1.000,00"));
    EXPECT_EQ(m.alicuota.toDisplay(), QStringLiteral("2,5000"));
    EXPECT_EQ(m.ddjjNumForm, QStringLiteral("0001234"));
    EXPECT_EQ(m.ddjjFechaPres, QDate(2005, 4, 15));
    EXPECT_TRUE(m.acreditado.isZero());

    const auto perceptions = credits.declaredOperations(cmdId, AgentRegister::Percepciones);
    ASSERT_TRUE(perceptions);
    ASSERT_EQ(perceptions->size(), 1);
    EXPECT_EQ(perceptions->at(0).contribuyente, QStringLiteral("Percepción"));
}

TEST_F(CreditStoreTest, AnErrorOnTheThirdOfFiveNewCreditsStoresNoneAndNamesTheLine)
{
    const qint64 a = operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    QList<CreditLine> lines;
    for (int i = 0; i < 5; ++i)
        lines << pending(AgentRegister::Retenciones, a, 500);
    lines[2].operationId = a + 1000; // an operation that does not exist: the database refuses the line
    const Status refused = credits.Guardar(cp01Id, lines);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
        QStringLiteral("No se pudieron almacenar los datos...\nError al ingresar la fila 3"));
    EXPECT_EQ(storedCredits(), 0);
    EXPECT_EQ(lines[0].id, 0);

    // An operation whose declaration was undone meanwhile is no longer creditable.
    lines[2].operationId = a;
    setColumn(ret, a, QStringLiteral("FechaDDJJ"), QVariant());
    EXPECT_EQ(credits.Guardar(cp01Id, lines).error(),
        QStringLiteral("No se pudieron almacenar los datos...\nError al ingresar la fila 1"));
    EXPECT_EQ(storedCredits(), 0);

    setColumn(ret, a, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-15"));
    ASSERT_TRUE(credits.Guardar(cp01Id, lines));
    EXPECT_EQ(storedCredits(), 5);
    EXPECT_GT(lines[4].id, lines[0].id);
    EXPECT_EQ(declared(AgentRegister::Retenciones, a).acreditado, Money::fromUnits(2500));
}

TEST_F(CreditStoreTest, AStoredCreditKeepsTheOperationsDataAndOnlyItsOwnKey)
{
    const qint64 p = operation(per, QStringLiteral("Cliente SA"), QDate(2005, 3, 5), 2500);
    QList<CreditLine> lines { pending(AgentRegister::Percepciones, p, 1050) };
    lines[0].domNumero.clear();
    ASSERT_TRUE(credits.Guardar(cp01Id, lines));
    QSqlQuery q(QStringLiteral(
                    "SELECT AgPer_ID, AgRet_ID, AgCre_BaseImp, AgCre_Alicuota, AgCre_Importe, AgCre_Fecha, "
                    "AgCre_Contribuyente, AgCre_DomNumero, AgCre_NumFactura, AgCre_DDJJNumForm, "
                    "AgCre_DDJJFechaPres, AgCre_ImporteNC, AgCre_Impreso, CP01_ID FROM Form_AgentCredito"),
        t.db());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toLongLong(), p);
    EXPECT_TRUE(q.value(1).isNull());
    EXPECT_EQ(q.value(2).toLongLong(), 100000); // cents
    EXPECT_EQ(q.value(3).toLongLong(), 25000); // ten-thousandths
    EXPECT_EQ(q.value(4).toLongLong(), 2500);
    EXPECT_EQ(q.value(5).toString(), QStringLiteral("2005-03-05"));
    EXPECT_EQ(q.value(6).toString(), QStringLiteral("Cliente SA"));
    EXPECT_TRUE(q.value(7).isNull()); // empty values are stored as NULL
    EXPECT_EQ(q.value(8).toString(), QStringLiteral("0001-00001234"));
    EXPECT_EQ(q.value(9).toString(), QStringLiteral("0001234"));
    EXPECT_EQ(q.value(10).toString(), QStringLiteral("2005-04-15"));
    EXPECT_EQ(q.value(11).toLongLong(), 1050);
    EXPECT_EQ(q.value(12).toLongLong(), 0);
    EXPECT_EQ(q.value(13).toLongLong(), cp01Id);

    const auto back = credits.QueryVerImprimir(cmdId, {});
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 1);
    EXPECT_EQ(back->at(0).which, AgentRegister::Percepciones);
    EXPECT_EQ(back->at(0).operationId, p);
    EXPECT_EQ(back->at(0).importeNC.toDisplay(), QStringLiteral("10,50"));
    EXPECT_TRUE(back->at(0).imprimir);
}

TEST_F(CreditStoreTest, TheTwoViewsAndTheInvoiceFilter)
{
    const qint64 a = operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    QList<CreditLine> lines;
    for (const QString& factura : { QStringLiteral("A-123"), QStringLiteral("B-124"), QStringLiteral("C-9%9"),
             QStringLiteral("D-1234") }) {
        lines << pending(AgentRegister::Retenciones, a, 100);
        lines.back().numFactura = factura;
    }
    ASSERT_TRUE(credits.Guardar(cp01Id, lines));
    ASSERT_TRUE(credits.marcarImpresos({ lines[1].id }));

    auto view = credits.QueryVerImprimir(cmdId, { true, {} });
    ASSERT_TRUE(view);
    EXPECT_EQ(facturas(*view), QStringLiteral("D-1234,C-9%9,A-123")); // newest first
    view = credits.QueryVerImprimir(cmdId, { false, {} });
    ASSERT_TRUE(view);
    EXPECT_EQ(facturas(*view), QStringLiteral("D-1234,C-9%9,B-124,A-123"));
    EXPECT_TRUE(view->at(2).impreso);
    EXPECT_FALSE(view->at(2).imprimir);

    view = credits.QueryVerImprimir(cmdId, { false, QStringLiteral("12") });
    ASSERT_TRUE(view);
    EXPECT_EQ(facturas(*view), QStringLiteral("D-1234,B-124,A-123"));
    view = credits.QueryVerImprimir(cmdId, { true, QStringLiteral("12") });
    ASSERT_TRUE(view);
    EXPECT_EQ(facturas(*view), QStringLiteral("D-1234,A-123"));
    // The typed number is text to find, not a pattern nor a piece of the statement.
    view = credits.QueryVerImprimir(cmdId, { false, QStringLiteral("9%") });
    ASSERT_TRUE(view);
    EXPECT_EQ(facturas(*view), QStringLiteral("C-9%9"));
    view = credits.QueryVerImprimir(cmdId, { false, QStringLiteral("' OR '1'='1") });
    ASSERT_TRUE(view);
    EXPECT_TRUE(view->isEmpty());
}

TEST_F(CreditStoreTest, BorrarRemovesOnlyThatCredit)
{
    const qint64 a = operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    QList<CreditLine> lines { pending(AgentRegister::Retenciones, a, 100),
        pending(AgentRegister::Retenciones, a, 200) };
    ASSERT_TRUE(credits.Guardar(cp01Id, lines));
    ASSERT_TRUE(credits.Borrar(lines[0].id));
    const auto left = credits.QueryVerImprimir(cmdId, { false, {} });
    ASSERT_TRUE(left);
    ASSERT_EQ(left->size(), 1);
    EXPECT_EQ(left->at(0).id, lines[1].id);
    // The credited operation itself can no longer be deleted on its own.
    EXPECT_FALSE(OperationStore(access, ret).remove(a));
}
