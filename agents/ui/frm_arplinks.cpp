#include "agents/agentsmessages.h"
#include "agents/ui/agentsuimessages.h"
#include "agents/ui/arpdeclarationprint.h"
#include "agents/ui/arpexternalencrypt.h"
#include "agents/ui/control_arp.h"
#include "agents/ui/frm_agencred.h"
#include "agents/ui/frm_arp.h"
#include "common/messages.h"
#include "common/ui/timedstatusline.h"

#include <QPrinter>

namespace ventrix::agents {

// The declaration has been marked; the printer the user chose for it is m_ddjjPrinter.
void Frm_ARP::printDeclaration(const MonthlyDeclaration& made)
{
    printArpDeclaration(this, m_launch, made, m_ddjjPrinter.get());
    m_ddjjPrinter.reset();
}

void Frm_ARP::Cmd_QuienFalta_Click()
{
    if (!m_period || !m_operation)
        return;
    if (m_period->desde > m_period->hasta) {
        statusLine()->showNotice(msg::periodoInicialMayor(), 2500);
        return;
    }
    Control_ARP control(m_launch, *m_operation, *m_period, this);
    control.exec();
}

void Frm_ARP::Command1_Click()
{
    if (!readNumbers())
        return;
    if (const Status may = mayOpenRegister(m_numbers, AgentRegister::Retenciones); !may) {
        warn(may.error());
        return;
    }
    Frm_AgenCred credits(m_launch, m_operation.value_or(AgentRegister::Retenciones), this);
    credits.exec();
}

void Frm_ARP::Cmd_EncripExterno_Click(AgentRegister which)
{
    encryptDeclarationExternally(this, m_launch, which);
}

}
