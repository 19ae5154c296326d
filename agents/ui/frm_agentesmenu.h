#pragma once

#include "common/ui/moduleregistry.h"

namespace ventrix::agents {

// Registers the agents' module (the monthly declaration screen, Frm_ARP, which opens the registers
// and the agent numbers) and the agent numbers' screen the set-up opens.
void registerAgentsWindows(ModuleRegistry& registry);

}
