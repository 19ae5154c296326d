#pragma once

#include "common/printui/dialogoimpresora.h"

#include <QPageSize>
#include <QPrinter>
#include <QString>

namespace ventrix::test {

// The platform's printer dialog as the user answers it, installed while alive: A4 paper and, when
// a file is given, the job sent to that PDF. accept = false answers Cancel.
struct FakePrinter
{
    explicit FakePrinter(QString pdfFile = {})
    {
        print::setPrinterDialogRunner([this, pdfFile](QPrinter& printer, QWidget*) {
            ++shown;
            printer.setPageSize(QPageSize(QPageSize::A4));
            if (!pdfFile.isEmpty()) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdfFile);
            }
            return accept;
        });
    }
    ~FakePrinter() { print::setPrinterDialogRunner({}); }
    FakePrinter(const FakePrinter&) = delete;
    FakePrinter& operator=(const FakePrinter&) = delete;

    bool accept = true;
    int shown = 0;
};

}
