#include "agents/ui/frm_agenoperacion.h"
#include "agents/ui/frm_agentesmenu.h"
#include "agents/ui/frm_arp.h"
#include "agents/ui/frm_claves.h"
#include "agentsuifixture.h"
#include "common/modulekeys.h"

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct MenuTest : AgentsUiFixture
{
    ModuleRegistry registry;
    bool indices = indicesForOpening();
    MenuTest() { registerAgentsWindows(registry); }
};

}

TEST_F(MenuTest, TheModuleOpensEachRegisterAndTheAgentNumbers)
{
    ASSERT_TRUE(indices);
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* menu) {
        ASSERT_NE(qobject_cast<Frm_ARP*>(menu), nullptr);
        EXPECT_EQ(menu->windowTitle(), QStringLiteral("Formulario ARP "));
        dialogs.expect([](QDialog* d) {
            EXPECT_NE(qobject_cast<Frm_AgenRet*>(d), nullptr);
            click(d, QStringLiteral("Cmd_Aceptar"));
        });
        click(menu, QStringLiteral("Cmd_ConstRetencion"));
        dialogs.expect([](QDialog* d) {
            EXPECT_NE(qobject_cast<Frm_AgenPer*>(d), nullptr);
            click(d, QStringLiteral("Cmd_Aceptar"));
        });
        click(menu, QStringLiteral("Cmd_ConstPercep"));
        dialogs.expect([](QDialog* d) {
            EXPECT_NE(qobject_cast<Frm_Claves*>(d), nullptr);
            click(d, QStringLiteral("Cmd_Aceptar"));
        });
        click(menu, QStringLiteral("Cmd_Claves"));
        click(menu, QStringLiteral("Cmd_Aceptar"));
    });
    EXPECT_TRUE(registry.runModal(modulekey::Arp, launch(), nullptr));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(MenuTest, ARegisterWithoutItsNumberIsRefused)
{
    QSqlQuery q(t.db());
    q.exec(QStringLiteral("UPDATE CMD SET CMD_NumAgentePercepcion = NULL"));
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* menu) {
        click(menu, QStringLiteral("Cmd_ConstPercep"));
        click(menu, QStringLiteral("Cmd_Aceptar"));
    });
    registry.runModal(modulekey::Arp, launch(), nullptr);
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Ud. no tiene ingresado el número de agente de percepción suministrado por la A.G.T.\nEl mismo "
            "deberá ser ingresado a través del botón \"Claves\" del menú..."));

    // Without any number the module does not open.
    q.exec(QStringLiteral("UPDATE CMD SET CMD_NumAgenteRetencion = NULL"));
    EXPECT_FALSE(registry.runModal(modulekey::Arp, launch(), nullptr));
    EXPECT_TRUE(boxes.last().startsWith(QStringLiteral(
        "Ud. necesita ingresar el número de Retención y/o Percepción para poder utilizar éste módulo...")));
}

TEST_F(MenuTest, TheSetUpOpensTheAgentNumbersWithoutAnInscription)
{
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        ASSERT_NE(qobject_cast<Frm_Claves*>(d), nullptr);
        EXPECT_EQ(text(d, QStringLiteral("CP01_Contribuyente")), QString());
        click(d, QStringLiteral("Cmd_Aceptar"));
    });
    EXPECT_TRUE(registry.runModal(modulekey::Claves, { t.db(), cmdId, 0 }, nullptr));
    EXPECT_TRUE(dialogs.allOpened());
}
