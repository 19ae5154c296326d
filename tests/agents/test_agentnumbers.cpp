#include "agents/agentnumbers.h"

#include "agentsfixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using ventrix::test::AgentsFixture;

namespace {

struct ClavesTest : ::testing::Test
{
    AgentsFixture f;
    test::ScriptedMessages messages;
    qint64 plainCmd = test::execInsert(f.t.db(),
        QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { QStringLiteral("Sin números") })
                          .toLongLong();

    AgentNumbers stored(qint64 cmd) { return *readAgentNumbers(f.access, cmd); }
    QString cp01Name(qint64 cp01)
    {
        QSqlQuery q(f.t.db());
        q.prepare(QStringLiteral("SELECT CP01_Contribuyente FROM Form_Cp01 WHERE CP01_ID = ?"));
        q.addBindValue(cp01);
        q.exec();
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
};

}

TEST_F(ClavesTest, CheckDigitsOfTheAuthority)
{
    EXPECT_TRUE(ClavesForm::NumAgente_Check(QStringLiteral("1234/1")).valid);
    const IdentifierCheck wrong = ClavesForm::NumAgente_Check(QStringLiteral("1234/2"));
    EXPECT_FALSE(wrong.valid);
    EXPECT_TRUE(wrong.text.isEmpty());
    EXPECT_FALSE(ClavesForm::NumAgente_Check(QStringLiteral("0000/1")).valid);
    EXPECT_FALSE(ClavesForm::NumAgente_Check(QStringLiteral("123_/1")).valid);
    EXPECT_TRUE(ClavesForm::NumAgente_Check(QStringLiteral("____/_")).valid);
}

TEST_F(ClavesTest, StoresTheNumbersOfTheTaxpayer)
{
    ClavesForm claves(f.access, plainCmd, 0);
    ASSERT_TRUE(claves.open());
    EXPECT_FALSE(claves.numbers().any());
    // Only the perception number is enough.
    ASSERT_TRUE(claves.Guardar({}, false, { QStringLiteral("____/_"), QStringLiteral("1234/1") }));
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(stored(plainCmd).percepcion, QStringLiteral("1234/1"));
    EXPECT_TRUE(stored(plainCmd).retencion.isEmpty());
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD")), 2);
    EXPECT_TRUE(mayUseAgentsModule(stored(plainCmd)));
}

TEST_F(ClavesTest, RefusalsInTheirOrderWriteNothing)
{
    ClavesForm claves(f.access, f.cmdId, f.cp01Id);
    ASSERT_TRUE(claves.open());
    EXPECT_EQ(
        claves.cp01().value(QStringLiteral("CP01_Contribuyente")).toString(), QStringLiteral("Agente SA"));
    EXPECT_EQ(claves.numbers().retencion, QStringLiteral("1234/1"));

    EXPECT_FALSE(claves.Guardar({}, false, { QStringLiteral("____/_"), QString() }));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Debe ingresar el número de agente de retención y/o percepción para poder guardar los datos..."));

    FieldValues cp01;
    cp01.insert(QStringLiteral("CP01_Contribuyente"), QStringLiteral("  "));
    EXPECT_FALSE(claves.Guardar(cp01, true, { QStringLiteral("1234/1"), QString() }));
    EXPECT_EQ(
        messages.last(), QStringLiteral("Complete el apellido y nombre o razón social del contribuyente..."));

    cp01.insert(QStringLiteral("CP01_Contribuyente"), QStringLiteral("O'Brien \"Ñandú\" SA"));
    EXPECT_FALSE(claves.Guardar(cp01, true, { QStringLiteral("1234/2"), QStringLiteral("1234/1") }));
    EXPECT_EQ(messages.last(), QStringLiteral("Error en el número de agente de retención..."));
    EXPECT_FALSE(claves.Guardar(cp01, true, { QStringLiteral("1234/1"), QStringLiteral("0000/1") }));
    EXPECT_EQ(messages.last(), QStringLiteral("Error en el número de agente de percepción..."));
    // A refused number leaves the inscription and the numbers as they were.
    EXPECT_EQ(cp01Name(f.cp01Id), QStringLiteral("Agente SA"));
    EXPECT_EQ(stored(f.cmdId).percepcion, QStringLiteral("4321/5"));

    ASSERT_TRUE(claves.Guardar(cp01, true, { QStringLiteral("1234/1"), QString() }));
    EXPECT_EQ(cp01Name(f.cp01Id), QStringLiteral("O'Brien \"Ñandú\" SA"));
    EXPECT_TRUE(stored(f.cmdId).percepcion.isEmpty());
}

TEST_F(ClavesTest, AnAgentWithoutInscriptionGetsOneWithItsNumbers)
{
    ClavesForm claves(f.access, plainCmd, 0);
    ASSERT_TRUE(claves.open());
    FieldValues cp01;
    cp01.insert(QStringLiteral("CP01_Contribuyente"), QStringLiteral("Convenio SA"));
    cp01.insert(QStringLiteral("CP01_FormCP01"), 0);
    ASSERT_TRUE(claves.Guardar(cp01, true, { QStringLiteral("1234/1"), QString() }));
    ASSERT_GT(claves.cp01Id(), 0);
    EXPECT_EQ(cp01Name(claves.cp01Id()), QStringLiteral("Convenio SA"));
    EXPECT_EQ(stored(plainCmd).retencion, QStringLiteral("1234/1"));
}

TEST_F(ClavesTest, WithoutTaxpayerNothingIsStored)
{
    ClavesForm claves(f.access, 0, 0);
    EXPECT_FALSE(claves.Guardar({}, false, { QStringLiteral("1234/1"), QString() }));
    EXPECT_EQ(messages.last(), QStringLiteral("Error: identificador único no encontrado..."));
    ClavesForm missing(f.access, 999, 0);
    EXPECT_FALSE(missing.Guardar({}, false, { QStringLiteral("1234/1"), QString() }));
    EXPECT_EQ(messages.last(), QStringLiteral("Error al grabar los registros..."));
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD")), 2);
}

TEST(AgentNumbersRules, TheModuleAndEachRegisterNeedTheirNumbers)
{
    const Status none = mayUseAgentsModule({});
    EXPECT_EQ(none.error(),
        QStringLiteral("Ud. necesita ingresar el número de Retención y/o Percepción para poder utilizar éste "
                       "módulo...\nLos números son suministrados por la A.G.T. ..."));
    const AgentNumbers perOnly { QString(), QStringLiteral("1234/1") };
    EXPECT_TRUE(mayUseAgentsModule(perOnly));
    EXPECT_TRUE(mayOpenRegister(perOnly, AgentRegister::Percepciones));
    EXPECT_EQ(mayOpenRegister(perOnly, AgentRegister::Retenciones).error(),
        QStringLiteral(
            "Ud. no tiene ingresado el número de agente de retención suministrado por la A.G.T.\nEl mismo "
            "deberá ser ingresado a través del botón \"Claves\" del menú..."));
    EXPECT_EQ(mayOpenRegister({ QStringLiteral("1234/1"), QStringLiteral(" ") }, AgentRegister::Percepciones)
                  .error(),
        QStringLiteral(
            "Ud. no tiene ingresado el número de agente de percepción suministrado por la A.G.T.\nEl mismo "
            "deberá ser ingresado a través del botón \"Claves\" del menú..."));
}
