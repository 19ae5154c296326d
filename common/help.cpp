#include "common/help.h"

namespace ventrix {
namespace {

class NoHelp : public HelpService
{
public:
    void openContext(int) override { }
    void openIndex() override { }
    void close() override { }
};

NoHelp g_noHelp;
HelpService* g_help = &g_noHelp;

}

HelpService& HelpService::instance()
{
    return *g_help;
}

void HelpService::install(HelpService* service)
{
    g_help = service ? service : &g_noHelp;
}

void Ayuda_Contexto(int contextId)
{
    g_help->openContext(contextId);
}

void Ayuda_Indice()
{
    g_help->openIndex();
}

void Ayuda_Cerrar()
{
    g_help->close();
}

}
