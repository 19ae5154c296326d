#pragma once

#include "common/deliverycopier.h"
#include "cp01/cp01form.h"
#include "cp01/cp01page.h"

#include <functional>
#include <optional>

namespace ventrix::print {
class PrintableForm;
}

namespace ventrix::cp01 {

// What became of the pages shown in the preview.
enum class PreviewOutcome { Dropped, Printed, SavedPdf };

// One print that left the program: its receipt number, pages and delivery file.
struct Cp01Printout
{
    QString receipt;
    QList<Cp01Page> pages;
    QString deliveryPath;
};

// "&Imprimir" of the inscription form and of its openings card: the checks before printing (the
// form's), a new receipt number, the pages, the printer choice and the preview, then the delivery
// file and the offer to copy it. Nothing is written when the printer choice is cancelled or the
// preview is closed without printing or saving the pages.
class Cp01PrintFlow
{
public:
    struct Hooks
    {
        // DialogoImpresora: false when the user cancelled (it has said so).
        std::function<bool()> choosePrinter;
        // Shows the pages ("Imprimir", "Guardar PDF", "Cancelar Impresion").
        std::function<PreviewOutcome(print::PrintableForm&)> preview;
        // Copia_Diskette of the delivery file named; by default the removable volumes are offered.
        std::function<void(const QString& archivos, const QString& name)> copy;
        // The message line.
        std::function<void(const QString&, int)> status;
    };

    // archivos: the folder of delivery files.
    Cp01PrintFlow(QString archivos, Hooks hooks);

    // The procedure's print: the form's checks and presentation date, then the pages.
    std::optional<Cp01Printout> Imprimir(Cp01Form& form);
    // Imprimir_ApertComercio: the opened premises shown on the openings card, on one page.
    std::optional<Cp01Printout> Imprimir_ApertComercio(Cp01Form& form);

    // The print of pages already checked, for a new receipt number: printer, preview, file, copy.
    std::optional<Cp01Printout> printPages(const std::function<QList<Cp01Page>(const QString&)>& pagesFor);

private:
    QString m_archivos;
    Hooks m_hooks;
};

// The pages of a procedure and their delivery file without any dialog (the command line): a new
// receipt number, the PDF at pdfPath and the file in archivos. The error is the reason nothing
// (or, for a failed file, only the PDF) was written.
Result<Cp01Printout> printProcedureToPdf(
    const Cp01Record& record, const QString& pdfPath, const QString& archivos);

// The checks the procedure's print needs when no screen is there to ask: the name, an activity
// in every named premises, the storing checks and the activity dates. The error is the first message.
Status printChecksWithoutScreen(const Cp01Record& record);

}
