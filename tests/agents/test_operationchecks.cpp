#include "agents/operationchecks.h"

#include "agentsfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;

namespace {
const AgentIdentity Agent { QStringLiteral("20-12345678/6"), QStringLiteral("901-123456/03"),
    QStringLiteral("1234/1") };
const QString IncompletoRet = QStringLiteral(
    "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, Código Postal, "
    "Localidad, Provincia, Fecha Retención, Base Imponible, Alicuota, Importe Retenido...");
const QString IncompletoPer = QStringLiteral(
    "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, Código Postal, "
    "Localidad, Provincia, I.Brutos, CUIT, Fecha Percepción, Base Imponible, Importe Percepción...");
}

TEST(CheckDatos, WithholdingsNeedTheRateNotTheIdentifiers)
{
    const auto& ret = RegisterKind::retenciones();
    AgentOperation op = test::sampleOperation();
    EXPECT_TRUE(Check_Datos(ret, op));
    op.counterpart.cuit.clear();
    op.counterpart.iBrutos.clear();
    EXPECT_TRUE(Check_Datos(ret, op));
    for (auto clear : std::initializer_list<std::function<void(AgentOperation&)>> {
             [](AgentOperation& o) { o.counterpart.contribuyente = QStringLiteral("   "); },
             [](AgentOperation& o) { o.counterpart.domicilio.clear(); },
             [](AgentOperation& o) { o.counterpart.domNumero.clear(); },
             [](AgentOperation& o) { o.counterpart.codPostal.clear(); },
             [](AgentOperation& o) { o.counterpart.localidad.clear(); },
             [](AgentOperation& o) { o.counterpart.provincia.clear(); },
             [](AgentOperation& o) { o.fecha = {}; }, [](AgentOperation& o) { o.base.reset(); },
             [](AgentOperation& o) { o.alicuota.reset(); }, [](AgentOperation& o) { o.importe.reset(); },
             [](AgentOperation& o) { o.numAgente.clear(); } }) {
        AgentOperation missing = test::sampleOperation();
        clear(missing);
        EXPECT_FALSE(Check_Datos(ret, missing));
        EXPECT_EQ(checkForSaving(ret, missing, Agent),
            (CheckFailure { QStringLiteral("AgRet_Contribuyente"), IncompletoRet }));
    }
}

TEST(CheckDatos, PerceptionsNeedTheIdentifiersNotTheRate)
{
    const auto& per = RegisterKind::percepciones();
    AgentOperation op = test::sampleOperation();
    op.alicuota.reset();
    EXPECT_TRUE(Check_Datos(per, op));
    EXPECT_EQ(checkForSaving(per, op, Agent), std::nullopt);
    op.counterpart.cuit.clear();
    EXPECT_EQ(checkForSaving(per, op, Agent)->message, IncompletoPer);
    op = test::sampleOperation();
    op.counterpart.iBrutos.clear();
    EXPECT_FALSE(Check_Datos(per, op));
}

TEST(DeclarationLock, PresentationDateWinsOverTheLatePeriod)
{
    DeclarationMarks m;
    EXPECT_EQ(lockedForSaving(m), std::nullopt);
    EXPECT_EQ(lockedForDeleting(m), std::nullopt);
    m.periodoOutDate = QStringLiteral("04/2005");
    EXPECT_EQ(*lockedForSaving(m),
        QStringLiteral(
            "El pago que desea almacenar ya está incorporado en la DDJJ mensual del período 04/2005\n"
            "Por tal motivo no puede almacenar las modificaciones..."));
    EXPECT_EQ(*lockedForDeleting(m),
        QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período 04/2005\n"
                       "Por tal motivo no puede borrarlo..."));
    m.fechaDDJJ = QDate(2005, 5, 2);
    EXPECT_EQ(*lockedForSaving(m),
        QStringLiteral(
            "El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el 02/05/2005\n"
            "Por tal motivo no puede almacenar las modificaciones..."));
    EXPECT_EQ(*lockedForDeleting(m),
        QStringLiteral(
            "El pago que desea borrar está incorporado en la DDJJ mensual presentada el 02/05/2005\n"
            "Por tal motivo no puede borrarlo..."));
}

TEST(LeaveIdentifier, WrongCheckDigitsEmptyTheField)
{
    const auto& ret = RegisterKind::retenciones();
    const auto good = leaveIdentifier(ret, IdentifierKind::Cuit, QStringLiteral("20-11111111/2"), Agent);
    EXPECT_EQ(good.text, QStringLiteral("20-11111111/2"));
    EXPECT_FALSE(good.refusal);
    const auto bad = leaveIdentifier(ret, IdentifierKind::Cuit, QStringLiteral("20-11111111/3"), Agent);
    EXPECT_EQ(bad.text, QString());
    EXPECT_EQ(bad.refusal->message, QStringLiteral("El número de CUIT ingresado no es válido..."));
    EXPECT_EQ(bad.refusal->column, QStringLiteral("AgRet_CUIT"));
    const auto badIb
        = leaveIdentifier(ret, IdentifierKind::IngBrutos, QStringLiteral("901-123456/04"), Agent);
    EXPECT_EQ(badIb.text, QString());
    EXPECT_EQ(badIb.refusal->column, QStringLiteral("AgRet_IBrutos"));
    // An empty field is accepted.
    EXPECT_FALSE(leaveIdentifier(ret, IdentifierKind::Cuit, QStringLiteral("__-________/_"), Agent).refusal);
    // A record that bypassed the field is refused at saving.
    AgentOperation op = test::sampleOperation();
    op.counterpart.iBrutos = QStringLiteral("001-123456/01");
    EXPECT_EQ(checkForSaving(ret, op, Agent)->message,
        QStringLiteral("El número de Ingresos Brutos ingresado no es válido..."));
}

TEST(LeaveIdentifier, TheAgentCannotWithholdOrPerceiveFromItself)
{
    const auto self = leaveIdentifier(RegisterKind::retenciones(), IdentifierKind::Cuit, Agent.cuit, Agent);
    EXPECT_EQ(self.text, Agent.cuit);
    EXPECT_EQ(self.refusal->message, QStringLiteral("No se puede realizar una autoretención..."));
    const auto selfIb
        = leaveIdentifier(RegisterKind::percepciones(), IdentifierKind::IngBrutos, Agent.iBrutos, Agent);
    EXPECT_EQ(selfIb.refusal->message, QStringLiteral("No se puede realizar una autopercepción..."));
    AgentOperation op = test::sampleOperation();
    op.counterpart.cuit = Agent.cuit;
    EXPECT_EQ(checkForSaving(RegisterKind::percepciones(), op, Agent)->message,
        QStringLiteral("No se puede realizar una autopercepción..."));
    // An agent without a CUIT does not make every empty CUIT its own.
    const AgentIdentity noCuit { {}, {}, QStringLiteral("1234/1") };
    EXPECT_FALSE(
        leaveIdentifier(RegisterKind::retenciones(), IdentifierKind::Cuit, QString(), noCuit).refusal);
}
