#include "agents/ui/frm_agenoperacion.h"
#include "agents/ui/frm_arp.h"
#include "agents/ui/frm_claves.h"
#include "agentsuifixture.h"
#include "app/ui/frm_principal.h"
#include "app/ui/programwindows.h"
#include "rates/indicestable.h"
#include "screenshot.h"

#include <QPushButton>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

// The main window over the agent's database with the program's own module windows.
struct FromMain : AgentsUiFixture
{
    bool rateEntered = rates::IndicesTable(t.db()).append(
        { { QDate(2026, 12, 1), Index4::fromUnits(10000), Rate::fromUnits(100) },
            // The days the month before today is worked out with on opening.
            { QDate(2026, 12, 7), Index4::fromUnits(10000), Rate::fromUnits(100) },
            { QDate(2026, 12, 15), Index4::fromUnits(10000), Rate::fromUnits(100) } });
    bool registered = (app::registerModuleWindows(), true);
    std::unique_ptr<app::Frm_Principal> window = std::make_unique<app::Frm_Principal>(t.db());

    void pressArp()
    {
        window->setCmdId(cmdId);
        child<QPushButton>(window.get(), QStringLiteral("Cmd_ARP"))->click();
    }
};

}

TEST_F(FromMain, TheAgentsButtonOpensTheModuleAndItsRegisters)
{
    ASSERT_TRUE(rateEntered);
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* menu) {
        ASSERT_NE(qobject_cast<Frm_ARP*>(menu), nullptr);
        dialogs.expect([](QDialog* d) {
            auto* ret = qobject_cast<Frm_AgenRet*>(d);
            ASSERT_NE(ret, nullptr);
            EXPECT_EQ(text(d, QStringLiteral("CP01_Contribuyente")), QStringLiteral("Agente SA"));
            click(d, QStringLiteral("Cmd_Aceptar"));
        });
        click(menu, QStringLiteral("Cmd_ConstRetencion"));
        click(menu, QStringLiteral("Cmd_Aceptar"));
    });
    pressArp();
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
}

TEST_F(FromMain, ATaxpayerWithoutNumbersIsSentToTheAgentNumbers)
{
    QSqlQuery(t.db()).exec(
        QStringLiteral("UPDATE CMD SET CMD_NumAgenteRetencion = NULL, CMD_NumAgentePercepcion = NULL"));
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        ASSERT_NE(qobject_cast<Frm_Claves*>(d), nullptr);
        child<QLineEdit>(d, QStringLiteral("CMD_NumAgenteRetencion"))->setText(QStringLiteral("1234/1"));
        click(d, QStringLiteral("Command1"));
    });
    pressArp();
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(stored(QStringLiteral("SELECT CMD_NumAgenteRetencion FROM CMD")).toString(),
        QStringLiteral("1234/1"));
}
