#include "common/printui/dialogoimpresora.h"

#include "common/print/papercheck.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace ventrix::print {
namespace {

bool runPlatformDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

PrinterDialogRunner& runner()
{
    static PrinterDialogRunner r = runPlatformDialog;
    return r;
}

}

bool DialogoImpresora(QPrinter& printer, QWidget* parent)
{
    if (!runner()(printer, parent))
        return reportPrintCancelled();
    // The sheet as it lies: a landscape A4 is 297 x 210.
    return acceptPaper(printer.pageLayout().fullRect(QPageLayout::Millimeter).size());
}

void setPrinterDialogRunner(PrinterDialogRunner r)
{
    runner() = r ? std::move(r) : PrinterDialogRunner(runPlatformDialog);
}

}
