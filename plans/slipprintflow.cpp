#include "plans/slipprintflow.h"

#include "common/messages.h"
#include "plans/slipline.h"

namespace ventrix::plans {

SlipPrintFlow::SlipPrintFlow(Hooks hooks)
    : m_hooks(std::move(hooks))
{
}

Result<SlipPage> SlipPrintFlow::page(const InstalmentSlip& slip, const SlipTaxpayer& taxpayer)
{
    if (auto refused = Check_Datos(slip))
        return Error { *refused };
    auto line = slipNumericLine(slip, taxpayer.cuit);
    if (!line)
        return Error { line.error() };
    return SlipPage(slip, taxpayer, *line);
}

bool SlipPrintFlow::Imprimir(const InstalmentSlip& slip, const SlipTaxpayer& taxpayer)
{
    auto built = page(slip, taxpayer);
    if (!built) {
        inform(built.error(), MessageIcon::Warning);
        return false;
    }
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return false;
    return m_hooks.output && m_hooks.output(*built);
}

}
