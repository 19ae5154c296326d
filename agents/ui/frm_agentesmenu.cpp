#include "agents/ui/frm_agentesmenu.h"

#include "agents/ui/frm_arp.h"
#include "agents/ui/frm_claves.h"
#include "common/modulekeys.h"

namespace ventrix::agents {

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
