#pragma once

#include "common/result.h"
#include "plans/slippage.h"

#include <functional>

namespace ventrix::plans {

// Prints an instalment's payment form: checks the slip, builds its numeric line, asks for the
// printer and shows the page. Nothing is stored and no file is written. The screen fills the hooks.
class SlipPrintFlow
{
public:
    struct Hooks
    {
        // The printer choice (DialogoImpresora); false: cancelled, nothing printed.
        std::function<bool()> choosePrinter;
        // Shows or sends the page (the preview on the chosen printer, a PDF); true when it went out.
        std::function<bool(SlipPage& page)> output;
    };

    explicit SlipPrintFlow(Hooks hooks);

    // The page of the slip, or why it cannot be printed (Check_Datos, a value the line cannot hold).
    static Result<SlipPage> page(const InstalmentSlip& slip, const SlipTaxpayer& taxpayer);

    // Imp_Cuota: true when the page went out; a refusal is shown through the message service, a
    // cancelled printer choice has already been told by the printer dialog.
    bool Imprimir(const InstalmentSlip& slip, const SlipTaxpayer& taxpayer);

private:
    Hooks m_hooks;
};

}
