#include "app/buttonrules.h"
#include "app/modulegates.h"
#include "app/register/passwordhash.h"
#include "common/clock.h"
#include "common/helpids.h"

#include "register/registerfixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;
using namespace ventrix::test;

namespace {

const QDate Today(2031, 3, 10);
const QDate FirstOfMonth(2031, 3, 1);
const QString DebeSeleccionar = QStringLiteral("Debe seleccionar o ingresar un contribuyente...");
const QString Convenio = QStringLiteral(
    "Es Ud. Contribuyente del Impuesto sobre los Ingresos Brutos\nde Convenio Multilateral o es Exento?...");
const QString Cp01Warning = QStringLiteral(
    "Esta opción es solamente para contribuyentes del\nImpuesto sobre los Ingresos Brutos Directos de "
    "Valdera...\n\nSi Ud. es Agente de Retención/Percepción y pertenece al régimen de Convenio Multilateral "
    "o es Exento al Impuesto Sobre los Ingresos Brutos debe ingresar directamente en ARP...\n\nDesea "
    "continuar...");
const QString NoRateSid3 = QStringLiteral(
    "Ud. no puede ingresar al CP03 sin tener ingresada la tasa actualizada del mes de marzo de 2031...");

class Gates : public ::testing::Test
{
protected:
    Gates() { Clock::install(&clock); }
    ~Gates() override { Clock::install(nullptr); }

    GateOutcome run(Module m, qint64 id)
    {
        ModuleGates gates(t.db(), [this]() -> std::optional<QString> {
            ++prompts;
            return typed;
        });
        return gates.run(m, id);
    }

    FixedClock clock { Today };
    TestDatabase t;
    ScriptedMessages boxes;
    std::optional<QString> typed;
    int prompts = 0;
};

}

TEST_F(Gates, TaxpayerWithoutCp01StopsAtTheCp01Message)
{
    addRate(t.db(), FirstOfMonth);
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Nuevo"));
    for (Module m : { Module::Sid3, Module::Cp02, Module::Pfp }) {
        boxes.clear();
        EXPECT_FALSE(run(m, id).open);
        EXPECT_EQ(boxes.texts(),
            QStringList { QStringLiteral("Debe completar y presentar el CP01 (Formulario de Inscripción)") });
    }
}

TEST_F(Gates, Sid3FailuresInOrder)
{
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"));
    TaxpayerRegister(t.db()).setPasswordHash(
        id, passwordhash::hash(QStringLiteral("clave"), passwordhash::MinIterations));

    typed = QStringLiteral("otra");
    EXPECT_FALSE(run(Module::Sid3, id).open);
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("La clave ingresada es inválida...") });

    typed = QStringLiteral("CLAVE");
    boxes.clear();
    EXPECT_FALSE(run(Module::Sid3, 0).open); // no selection: nothing asked, selection message
    EXPECT_EQ(boxes.texts(), QStringList { DebeSeleccionar });

    boxes.clear();
    GateOutcome out = run(Module::Sid3, id); // no rate this month: off to the rates screen
    EXPECT_TRUE(out.open);
    EXPECT_EQ(out.moduleKey, modulekey::Tasas);
    EXPECT_EQ(boxes.texts(), QStringList { NoRateSid3 });

    addRate(t.db(), FirstOfMonth);
    boxes.clear();
    EXPECT_FALSE(run(Module::Sid3, id + 50).open); // a key without a row
    EXPECT_EQ(boxes.texts(), QStringList { DebeSeleccionar });

    addCp01(t.db(), id, QDate(2030, 1, 1), 1);
    const qint64 newest
        = addCp01(t.db(), id, QDate(2031, 1, 5), 1, QStringLiteral("20-12345678/6"), QString());
    boxes.clear();
    EXPECT_FALSE(run(Module::Sid3, id).open); // the newest CP01 lacks the I.S.I.B. number
    ASSERT_EQ(boxes.texts(),
        QStringList {
            QStringLiteral("Falta ingresar el N° de CUIT y/o Ing. Brutos\nIngrese en el último formulario "
                           "CP01 tarjeta Información Complementaria...") });
    EXPECT_EQ(boxes.shown().front().helpContext, helpid::InfoComplementaria);

    QSqlQuery(QStringLiteral("UPDATE Form_Cp01 SET CP01_IngBrut = '901-123456/07'"), t.db());
    boxes.clear();
    out = run(Module::Sid3, id);
    EXPECT_TRUE(out.open);
    EXPECT_EQ(out.moduleKey, modulekey::Sid3);
    EXPECT_EQ(out.cp01Id, newest);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(Gates, RateMessagesNameTheModuleAndTheMonth)
{
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"), {}, QStringLiteral("1234/5"));
    addCp01(t.db(), id, QDate(2030, 1, 1), 1);
    clock.set(QDate(2031, 12, 1).startOfDay());
    EXPECT_EQ(run(Module::Arp, id).moduleKey, modulekey::Tasas);
    EXPECT_EQ(run(Module::Pfp, id).moduleKey, modulekey::Tasas);
    EXPECT_EQ(boxes.texts(),
        (QStringList {
            QStringLiteral("Ud. no puede ingresar al módulo de Agentes de Retención/Percepción sin tener "
                           "ingresada la tasa actualizada del mes de diciembre de 2031..."),
            QStringLiteral("Ud. no puede ingresar al Plan de Facilidades de Pago sin tener ingresada la "
                           "tasa actualizada del mes de diciembre de 2031...") }));
    addRate(t.db(), QDate(2031, 12, 1));
    EXPECT_EQ(run(Module::Arp, id).moduleKey, modulekey::Arp);
}

TEST_F(Gates, PaymentPlanChecksTheRateBeforeTheSelection)
{
    EXPECT_EQ(run(Module::Pfp, 0).moduleKey, modulekey::Tasas);
    EXPECT_EQ(run(Module::Sid3, 0).open, false);
    EXPECT_EQ(boxes.texts(),
        (QStringList {
            QStringLiteral("Ud. no puede ingresar al Plan de Facilidades de Pago sin tener ingresada la "
                           "tasa actualizada del mes de marzo de 2031..."),
            DebeSeleccionar }));
}

TEST_F(Gates, Cp01AsksItsWarningAndNeedsNoRateNorCp01)
{
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"));
    boxes.answer(Answer::No);
    EXPECT_FALSE(run(Module::Cp01, id).open);
    boxes.answer(Answer::Yes);
    const GateOutcome out = run(Module::Cp01, id);
    EXPECT_TRUE(out.open);
    EXPECT_EQ(out.moduleKey, modulekey::Cp01);
    EXPECT_EQ(boxes.texts(), (QStringList { Cp01Warning, Cp01Warning }));
    EXPECT_EQ(boxes.shown().front().icon, MessageIcon::Critical);
    // The rates screen and IB08 have no checks of their own beyond the password.
    EXPECT_EQ(run(Module::Tasas, 0).moduleKey, modulekey::Tasas);
    EXPECT_EQ(run(Module::Ib08, id).moduleKey, modulekey::Ib08);
}

TEST_F(Gates, AgentWithoutNumbersGoesThroughTheSetUp)
{
    addRate(t.db(), FirstOfMonth);
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Agente"));
    boxes.answer(Answer::No);
    EXPECT_FALSE(run(Module::Arp, id).open);
    boxes.answer(Answer::Yes);
    GateOutcome out = run(Module::Arp, id);
    EXPECT_EQ(out.moduleKey, modulekey::Claves);
    EXPECT_EQ(out.cp01Id, 0);
    EXPECT_EQ(boxes.texts(),
        (QStringList { Convenio,
            QStringLiteral("Ud. es un Contribuyente del Impuesto sobre los Ingresos Brutos "
                           "Directos y debe completar y presentar el CP01 (Formulario de "
                           "Inscripción)"),
            Convenio }));
    EXPECT_EQ(boxes.shown().front().defaultAnswer, Answer::No);

    // With a CP01 the set-up opens for it without asking, whatever its identifiers.
    const qint64 cp01 = addCp01(t.db(), id, QDate(2030, 1, 1), 0, QString(), QString());
    boxes.clear();
    out = run(Module::Arp, id);
    EXPECT_EQ(out.moduleKey, modulekey::Claves);
    EXPECT_EQ(out.cp01Id, cp01);
    EXPECT_TRUE(boxes.shown().isEmpty());

    // Once an agent, ARP needs the CP01's CUIT and I.S.I.B. number.
    QSqlQuery(QStringLiteral("UPDATE CMD SET CMD_NumAgentePercepcion = '1234/5'"), t.db());
    EXPECT_FALSE(run(Module::Arp, id).open);
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Falta ingresar el N° de CUIT y/o Ing. Brutos\nIngrese en el último formulario "
                       "CP01 tarjeta Información Complementaria..."));
}

TEST(ButtonRules, AgentOnlyTaxpayersUseOnlyArpAndTheRegister)
{
    const QList<MainButton> all { MainButton::Alta, MainButton::ModifContrib, MainButton::BajaContrib,
        MainButton::BuscarGrilla, MainButton::Cp01, MainButton::Sid3, MainButton::Cp02, MainButton::Arp,
        MainButton::Pfp, MainButton::Ib08, MainButton::Indices, MainButton::Help, MainButton::Salir };
    const QList<MainButton> agentOnly { MainButton::Alta, MainButton::ModifContrib, MainButton::BajaContrib,
        MainButton::BuscarGrilla, MainButton::Arp, MainButton::Indices, MainButton::Help, MainButton::Salir };
    const QList<MainButton> withoutSelection { MainButton::Alta, MainButton::BuscarGrilla,
        MainButton::Indices, MainButton::Help, MainButton::Salir };
    for (MainButton b : all) {
        EXPECT_EQ(isButtonEnabled(b, 7, QStringLiteral("0")), agentOnly.contains(b));
        EXPECT_TRUE(isButtonEnabled(b, 7, QStringLiteral("2"))); // no CP01 yet: everything
        EXPECT_TRUE(isButtonEnabled(b, 7, QString()));
        EXPECT_EQ(isButtonEnabled(b, 0, QString()), withoutSelection.contains(b));
    }
}

TEST_F(Gates, AFailedReadIsNotTakenForAMissingRow)
{
    addRate(t.db(), FirstOfMonth);
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"), {}, QStringLiteral("1234/5"));
    const qint64 notAgent = addTaxpayer(t.db(), QStringLiteral("Dos"));
    addCp01(t.db(), id, QDate(2030, 1, 1), 1);
    QSqlQuery(QStringLiteral("ALTER TABLE Form_Cp01 RENAME TO Form_Cp01_Aparte"), t.db());

    EXPECT_FALSE(run(Module::Sid3, id).open);
    EXPECT_FALSE(run(Module::Arp, notAgent).open); // the agent set-up words it without dots
    EXPECT_EQ(boxes.texts(),
        (QStringList { QStringLiteral("Error al acceder a la base de datos..."),
            QStringLiteral("Error al acceder a la base de datos") }));

    QSqlQuery(QStringLiteral("ALTER TABLE Form_Cp01_Aparte RENAME TO Form_Cp01"), t.db());
    QSqlQuery(QStringLiteral("ALTER TABLE Indices RENAME TO Indices_Aparte"), t.db());
    boxes.clear();
    const GateOutcome out = run(Module::Sid3, id);
    EXPECT_FALSE(out.open); // not sent to the rates screen: the rate may well be there
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Error al acceder a la base de datos...") });
}
