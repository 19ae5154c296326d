#pragma once

#include "common/deliverycopier.h"
#include "common/result.h"
#include "cp02/cp02pages.h"

#include <functional>

namespace ventrix::cp02 {

// Prints a stored annual declaration: draws the receipt number, lays out the two pages with their
// barcodes, writes the delivery file "CP02_" + receipt + ".txt" (two scrambled lines) and offers its
// copy, then shows the pages. The screen and the command line fill the hooks.
class Cp02PrintFlow
{
public:
    struct Hooks
    {
        // The printer choice (DialogoImpresora); false: cancelled, nothing printed, no file.
        std::function<bool()> choosePrinter;
        // Shows or sends the pages (the preview on the chosen printer, a PDF).
        std::function<bool(Cp02Pages& pages)> output;
        // Offers the finished file to a removable volume (Copia_Diskette); none: no copy.
        std::function<void(const QString& fileName)> copy;
    };

    // archivos: the folder the delivery files are written to.
    Cp02PrintFlow(QString archivos, Hooks hooks);

    // A new receipt number: 1 to 999999999, nine digits.
    static QString drawReceipt();
    // "CP02_000123456.txt".
    static QString fileName(const QString& receipt);

    // The print of the declaration; the receipt number of the print, or why nothing was delivered
    // (an empty error when the user cancelled).
    Result<QString> Imprimir(const Cp02Record& record, const TaxpayerData& taxpayer);

    // Writes both page records, scrambled with the receipt number, whole or not at all.
    Status Diskette_CP02(const Cp02Pages& pages);

private:
    QString m_archivos;
    Hooks m_hooks;
};

}
