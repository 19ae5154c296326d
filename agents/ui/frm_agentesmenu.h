#pragma once

#include "agents/agentnumbers.h"
#include "common/ui/moduleregistry.h"
#include "common/ui/modulewindow.h"

namespace ventrix::agents {

// The agents' module as the main window opens it: the agent's registers of withholdings and of
// perceptions, each open only with its agent number, and the agent numbers themselves.
class Frm_AgentesMenu : public ModuleWindow
{
    Q_OBJECT

public:
    explicit Frm_AgentesMenu(const ModuleLaunch& launch, QWidget* parent = nullptr);

    // False when the taxpayer has no agent number (the reason has been shown).
    bool opened() const { return m_opened; }

    void Cmd_ConstRetencion_Click();
    void Cmd_ConstPercep_Click();
    void Cmd_Claves_Click();

private:
    bool readNumbers();
    void openRegister(AgentRegister which);

    ModuleLaunch m_launch;
    data::AccesoDatos m_access;
    AgentNumbers m_numbers;
    bool m_opened = false;
};

// Registers the agents' module (the monthly declaration screen, Frm_ARP) and the agent numbers' screen the
// set-up opens.
void registerAgentsWindows(ModuleRegistry& registry);

}
