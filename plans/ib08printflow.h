#pragma once

#include "common/result.h"
#include "plans/ib08page.h"

#include <functional>

namespace ventrix::plans {

// Prints a stored general payment: the printer choice, a new form number, the bank barcode, the
// page with its three stubs read back before anything leaves the program, then the output the
// screen or a test gives (the preview, a PDF).
class Ib08PrintFlow
{
public:
    struct Hooks
    {
        // The printer choice (DialogoImpresora); false: cancelled, nothing printed.
        std::function<bool()> choosePrinter;
        // Shows or sends the page; whether it was printed or saved.
        std::function<bool(Ib08Page& page)> output;
    };

    explicit Ib08PrintFlow(Hooks hooks);

    // A new form number: 1 to 999999999, nine digits.
    static QString drawFormNumber();

    // The page of the payment, its barcode built and checked; why not, when it cannot be printed.
    static Result<Ib08Printout> printout(const Ib08Payment& payment, const Ib08Taxpayer& taxpayer,
        Ib08Concept tramite, const QString& formNumber);

    // The print of the payment: its form number, or why nothing was printed (an empty error when
    // the user cancelled the printer choice).
    Result<QString> Imprimir(const Ib08Payment& payment, const Ib08Taxpayer& taxpayer, Ib08Concept tramite);

    // The form without data or barcode, for the authority's staff to fill in; false when cancelled.
    bool ImprimirEnBlanco();

private:
    Hooks m_hooks;
};

}
