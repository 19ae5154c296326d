#pragma once

#include <QImage>
#include <QString>

class QPagedPaintDevice;

namespace ventrix::print {

class PrintableForm;

// Sends a form's pages to a paged device (printer or PDF) after reading back every barcode at the
// device's resolution, and writes PDF files whole or not at all.
class PageOutput
{
public:
    // Draws every page for a printer of outputDpi, without output, and reads back their barcodes as
    // they come out there (at most at 600 dpi: finer adds cost, not certainty). Empty when all read
    // correctly, else the message that stops the print.
    static QString check(PrintableForm& form, qreal outputDpi);

    // Checks at the device's resolution, then paints all pages on the device, on the paper chosen
    // for it turned as the form wants.
    // False after showing the problem through the message service; nothing was painted then.
    [[nodiscard]] static bool print(PrintableForm& form, QPagedPaintDevice& device);

    // Checks (as printed at 300 dpi) and writes the pages as a PDF at path (temporary file renamed
    // at the end).
    [[nodiscard]] static bool writePdf(PrintableForm& form, const QString& path, int dpi = 1200);

    // One page painted into an image at dpi (white background), for screens and tests.
    static QImage renderPage(PrintableForm& form, int page, qreal dpi);

    // Paints all pages without checking on the form's own A4 layout (the preview's pages), drawn
    // as for a printer of outputDpi (0: the device's resolution).
    static void paintAll(PrintableForm& form, QPagedPaintDevice& device, qreal outputDpi = 0);

private:
    static QString check(PrintableForm& form, qreal outputDpi, qreal readDpi);
    static void paint(PrintableForm& form, QPagedPaintDevice& device, qreal outputDpi);
};

}
