#include "agents/operationform.h"

#include "agentsfixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using ventrix::test::AgentsFixture;
using ventrix::test::sampleOperation;

namespace {

struct FormTest : ::testing::Test
{
    AgentsFixture f;
    test::ScriptedMessages messages;
    OperationStore retenciones { f.access, RegisterKind::retenciones() };
    OperationStore percepciones { f.access, RegisterKind::percepciones() };
    QStringList statuses;
    QStringList focused;
    std::optional<Counterpart> chosen;

    OperationForm form(OperationStore& store)
    {
        OperationForm form(store, f.cmdId, f.cp01Id,
            { [this](const QString& t, int) { statuses << t; }, [this](const QString& c) { focused << c; },
                [this] { return chosen; } });
        EXPECT_TRUE(form.open());
        return form;
    }
    FieldValues screen(const RegisterKind& kind, AgentOperation op = sampleOperation())
    {
        op.numAgente = QStringLiteral("9999/9"); // what the row had; the agent's own number is stored
        return operationFields(kind, op);
    }
};

}

TEST_F(FormTest, GuardarStoresTheRowWithTheAgentsNumber)
{
    OperationForm ret = form(retenciones);
    EXPECT_EQ(statuses.value(0), QStringLiteral("Cargando Datos..."));
    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(focused.last(), QStringLiteral("Cmd_Alta"));
    EXPECT_EQ(retenciones.load(ret.operation().id)->numAgente, QStringLiteral("1234/1"));

    OperationForm per = form(percepciones);
    ASSERT_TRUE(per.Guardar(screen(per.kind())));
    EXPECT_EQ(percepciones.load(per.operation().id)->numAgente, QStringLiteral("4321/5"));
    EXPECT_EQ(per.title(), QStringLiteral("Registro de Percepción "));
}

TEST_F(FormTest, GuardarRefusesInTheAuthoritysOrder)
{
    OperationForm ret = form(retenciones);
    AgentOperation op = sampleOperation();
    op.counterpart.localidad.clear();
    EXPECT_FALSE(ret.Guardar(screen(ret.kind(), op)));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, "
            "Código Postal, Localidad, Provincia, Fecha Retención, Base Imponible, Alicuota, Importe "
            "Retenido..."));
    EXPECT_EQ(focused.last(), QStringLiteral("AgRet_Contribuyente"));

    FieldValues badDate = screen(ret.kind());
    badDate.insert(QStringLiteral("AgRet_Fecha_Retencion"), QStringLiteral("31/02/2005"));
    EXPECT_FALSE(ret.Guardar(badDate));
    EXPECT_EQ(messages.last(), QStringLiteral("La fecha ingresada no es válida..."));

    // A declared row is refused before its fields are looked at.
    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    f.setColumn(ret.kind(), ret.operation().id, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-20"));
    EXPECT_FALSE(ret.Guardar(screen(ret.kind(), op)));
    EXPECT_EQ(messages.shown().last().icon, MessageIcon::Critical);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral(
        "El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el 20/04/2005\n")));
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 1);
}

TEST_F(FormTest, BorrarAsksWithNoAsDefault)
{
    OperationForm ret = form(retenciones);
    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    EXPECT_FALSE(ret.Borrar());
    EXPECT_EQ(messages.last(), QStringLiteral("Está seguro que desea borrar Proveedor SRL..."));
    EXPECT_EQ(messages.shown().last().defaultAnswer, Answer::No);
    EXPECT_EQ(statuses.last(), QStringLiteral("Operación cancelada por el usuario..."));
    messages.answer(Answer::Yes);
    EXPECT_TRUE(ret.Borrar());
    EXPECT_EQ(ret.operation().id, 0);
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 0);
    // Nothing loaded: the screen is only cleared, nothing asked.
    messages.clear();
    EXPECT_FALSE(ret.Borrar());
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(FormTest, BorrarOfADeclaredRowIsRefusedWithoutAsking)
{
    OperationForm per = form(percepciones);
    ASSERT_TRUE(per.Guardar(screen(per.kind())));
    f.setColumn(
        per.kind(), per.operation().id, QStringLiteral("Periodo_DDJJOutDate"), QStringLiteral("05/2005"));
    EXPECT_FALSE(per.Borrar());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.last(),
        QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período 05/2005\n"
                       "Por tal motivo no puede borrarlo..."));
}

TEST_F(FormTest, LeavingTheDatePointsOutDepositsAlreadyMade)
{
    OperationForm ret = form(retenciones);
    ret.leaveFecha(QDate(2005, 3, 10));
    EXPECT_TRUE(messages.shown().isEmpty());
    f.addDeposit(QStringLiteral("Retención"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    ret.leaveFecha(QDate(2005, 3, 10));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Ud. ya tiene presentado 1 pago de éste período. Ud. tiene que incluir ésta retención en el "
            "próximo pago."));
    f.addDeposit(QStringLiteral("Retención"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    ret.leaveFecha(QDate(2005, 3, 10));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Ud. ya tiene presentado 2 pagos de éste período. Ud. tiene que incluir ésta retención en el "
            "próximo págo."));
    // The warning does not stop the save.
    EXPECT_TRUE(ret.Guardar(screen(ret.kind())));

    f.addDeposit(QStringLiteral("Percepción"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    form(percepciones).leaveFecha(QDate(2005, 3, 31));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Ud. ya tiene presentado 1 pago de éste período. Ud. tiene que incluir ésta percepción en el "
            "próximo pago."));
}

TEST_F(FormTest, LeavingTheCuitRefusesTheAgentAndFillsKnownCounterparts)
{
    OperationForm ret = form(retenciones);
    const auto self = ret.leaveIdentifier(IdentifierKind::Cuit, QStringLiteral("20-12345678/6"));
    EXPECT_FALSE(self.accepted);
    EXPECT_EQ(messages.last(), QStringLiteral("No se puede realizar una autoretención..."));
    EXPECT_EQ(focused.last(), QStringLiteral("AgRet_CUIT"));

    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    ret.ClearForm();
    const auto known = ret.leaveIdentifier(IdentifierKind::Cuit, QStringLiteral("20-11111111/2"));
    EXPECT_TRUE(known.accepted && known.filled);
    EXPECT_EQ(ret.operation().counterpart.contribuyente, QStringLiteral("Proveedor SRL"));
    EXPECT_EQ(ret.operation().id, 0);
    EXPECT_FALSE(ret.operation().fecha.isValid());

    const auto wrong = ret.leaveIdentifier(IdentifierKind::Cuit, QStringLiteral("20-11111111/3"));
    EXPECT_TRUE(wrong.text.isEmpty());
    EXPECT_FALSE(wrong.accepted);
}

TEST_F(FormTest, BuscarBaseAndSearchLoadTheChosenRow)
{
    OperationForm ret = form(retenciones);
    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    const qint64 id = ret.operation().id;
    ret.ClearForm();
    EXPECT_FALSE(ret.BuscarBase()); // cancelled
    chosen = retenciones.counterparts(QStringLiteral("Prov"))->value(0);
    EXPECT_TRUE(ret.BuscarBase());
    EXPECT_EQ(ret.operation().counterpart.domicilio, QStringLiteral("San Martín"));
    EXPECT_EQ(focused.last(), QStringLiteral("AgRet_Fecha_Retencion"));

    const auto entries = ret.Buscar(QStringLiteral("prov"));
    EXPECT_EQ(statuses.last(), QStringLiteral("Buscando..."));
    ASSERT_EQ(entries.size(), 1);
    ASSERT_TRUE(ret.elegir(entries[0].key.toLongLong()));
    EXPECT_EQ(ret.operation().id, id);
}

TEST_F(FormTest, ImprimirSavesThenDrawsANewNumberEachTime)
{
    OperationForm ret = form(retenciones);
    AgentOperation op = sampleOperation();
    op.alicuota.reset();
    EXPECT_FALSE(ret.Imprimir(screen(ret.kind(), op)));
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Para poder almacenar los datos es necesario")));
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 0);

    const auto first = ret.Imprimir(screen(ret.kind()));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->numero.size(), 7);
    EXPECT_EQ(first->agente[1].value, QStringLiteral("1234/1"));
    const auto second = ret.Imprimir(screen(ret.kind()));
    ASSERT_TRUE(second);
    EXPECT_NE(first->numero, second->numero);
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 1);
}

TEST_F(FormTest, ADeclaredRowIsPrintedAgainAsStoredButNotChanged)
{
    OperationForm ret = form(retenciones);
    ASSERT_TRUE(ret.Guardar(screen(ret.kind())));
    const qint64 id = ret.operation().id;
    f.setColumn(ret.kind(), id, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-20"));
    ret.ClearForm();
    ASSERT_TRUE(ret.elegir(id));

    const auto again = ret.Imprimir(screen(ret.kind()));
    ASSERT_TRUE(again);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(again->sonPesos, QStringLiteral("25,00"));

    AgentOperation changed = sampleOperation();
    changed.importe = Money::fromUnits(9900);
    EXPECT_FALSE(ret.Imprimir(screen(ret.kind(), changed)));
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral(
        "El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el 20/04/2005")));
    EXPECT_EQ(retenciones.load(id)->importe, Money::fromUnits(2500));
}
