#include "agents/ui/frm_agentesmenu.h"

#include "agents/agentsmessages.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/frm_agenoperacion.h"
#include "agents/ui/frm_arp.h"
#include "agents/ui/frm_claves.h"
#include "common/help.h"
#include "common/helpids.h"
#include "common/messages.h"
#include "common/modulekeys.h"
#include "common/ui/timedstatusline.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::agents {
namespace {

QPushButton* button(QWidget* parent, const QString& text, const QString& name)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(32);
    return b;
}

}

Frm_AgentesMenu::Frm_AgentesMenu(const ModuleLaunch& launch, QWidget* parent)
    : ModuleWindow(QStringLiteral("Frm_AgentesMenu"), msg::tituloMenuAgentes(), helpid::Agentes, parent)
    , m_launch(launch)
    , m_access(launch.db)
{
    auto* layout = new QVBoxLayout(this);
    auto* retencion = button(this, msg::botonConstRetencion(), QStringLiteral("Cmd_ConstRetencion"));
    auto* percepcion = button(this, msg::botonConstPercepcion(), QStringLiteral("Cmd_ConstPercep"));
    auto* claves = button(this, msg::botonClaves(), QStringLiteral("Cmd_Claves"));
    auto* ayuda = button(this, QStringLiteral("&Ayuda"), QStringLiteral("Com_Help"));
    auto* salir = button(this, QStringLiteral("&Salir"), QStringLiteral("Cmd_Aceptar"));
    for (QPushButton* b : { retencion, percepcion, claves, ayuda, salir })
        layout->addWidget(b);
    layout->addWidget(statusLine());
    connect(retencion, &QPushButton::clicked, this, &Frm_AgentesMenu::Cmd_ConstRetencion_Click);
    connect(percepcion, &QPushButton::clicked, this, &Frm_AgentesMenu::Cmd_ConstPercep_Click);
    connect(claves, &QPushButton::clicked, this, &Frm_AgentesMenu::Cmd_Claves_Click);
    connect(ayuda, &QPushButton::clicked, this, [] { HelpService::instance().openContext(helpid::Agentes); });
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 260);

    if (auto agent
        = OperationStore(m_access, RegisterKind::retenciones()).agentData(launch.cmdId, launch.cp01Id))
        setWindowTitle(msg::tituloMenuAgentes() + agent->text(QStringLiteral("CP01_Contribuyente")));
    m_opened = readNumbers();
    if (!m_opened)
        return;
    if (const Status usable = mayUseAgentsModule(m_numbers); !usable) {
        warn(usable.error());
        m_opened = false;
    }
}

bool Frm_AgentesMenu::readNumbers()
{
    auto numbers = readAgentNumbers(m_access, m_launch.cmdId);
    if (!numbers) {
        fail(numbers.error());
        return false;
    }
    m_numbers = *numbers;
    return true;
}

void Frm_AgentesMenu::openRegister(AgentRegister which)
{
    if (!readNumbers())
        return;
    if (const Status may = mayOpenRegister(m_numbers, which); !may) {
        warn(may.error());
        return;
    }
    if (which == AgentRegister::Retenciones) {
        Frm_AgenRet screen(m_launch, this);
        if (screen.opened())
            screen.exec();
    } else {
        Frm_AgenPer screen(m_launch, this);
        if (screen.opened())
            screen.exec();
    }
}

void Frm_AgentesMenu::Cmd_ConstRetencion_Click()
{
    openRegister(AgentRegister::Retenciones);
}

void Frm_AgentesMenu::Cmd_ConstPercep_Click()
{
    openRegister(AgentRegister::Percepciones);
}

void Frm_AgentesMenu::Cmd_Claves_Click()
{
    Frm_Claves screen(m_launch, this);
    if (!screen.opened()) {
        fail(msg::errorModuloClaves());
        return;
    }
    screen.exec();
    readNumbers();
}

void registerAgentsWindows(ModuleRegistry& registry)
{
    registry.add(modulekey::Arp, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        auto* arp = new Frm_ARP(launch, parent);
        if (arp->opened())
            return arp;
        delete arp;
        return nullptr;
    });
    registry.add(modulekey::Claves, [](const ModuleLaunch& launch, QWidget* parent) -> QWidget* {
        auto* claves = new Frm_Claves(launch, parent);
        if (claves->opened())
            return claves;
        delete claves;
        return nullptr;
    });
}

}
