#include "common/print/pageoutput.h"

#include "common/messages.h"
#include "common/print/barcodecheck.h"
#include "common/print/pagecanvas.h"
#include "common/print/printableform.h"
#include "common/print/printtexts.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace ventrix::print {
namespace {

// A PDF has no resolution of its own: it is read back as the usual office printer would print it,
// the coarsest resolution at which the forms use their normal module size.
constexpr qreal kPdfCheckDpi = 300;
// Above this every module spans enough dots that a finer read-back adds cost, not certainty.
constexpr qreal kMaxCheckDpi = 600;

// A symbol cut by the sheet's edge (or without its quiet zone) cannot be read at the counter.
QString offSheet(const QList<PlacedBarcode>& barcodes, const QRectF& sheetMm)
{
    constexpr qreal quietMm = 0.5;
    const QRectF usable = sheetMm.adjusted(quietMm, quietMm, -quietMm, -quietMm);
    for (const PlacedBarcode& placed : barcodes) {
        if (!usable.contains(placed.rectMm))
            return QStringLiteral("el símbolo queda fuera de la hoja");
    }
    return {};
}

}

QString PageOutput::check(PrintableForm& form, qreal outputDpi)
{
    return check(form, outputDpi, std::min(outputDpi, kMaxCheckDpi));
}

QString PageOutput::check(PrintableForm& form, qreal outputDpi, qreal readDpi)
{
    for (int page = 0; page < form.pageCount(); ++page) {
        if (!form.pageHasBarcodes(page))
            continue;
        // Drawn into a recording nobody replays: only the barcodes the page places are wanted.
        QPicture scratch;
        QPainter painter(&scratch);
        PageCanvas canvas(painter);
        canvas.setCollectOnly(true);
        canvas.setOutputDpi(outputDpi);
        form.paintPage(page, canvas);
        painter.end();
        if (!canvas.problems().isEmpty())
            return canvas.problems().front();
        QString problem = offSheet(canvas.barcodes(), form.pageLayout().fullRect(QPageLayout::Millimeter));
        if (problem.isEmpty())
            problem = checkBarcodes(canvas.barcodes(), readDpi);
        if (!problem.isEmpty())
            return msg::barcodeUnreadable(page + 1, problem);
    }
    return {};
}

bool PageOutput::print(PrintableForm& form, QPagedPaintDevice& device)
{
    const QString problem = check(form, device.logicalDpiX());
    if (!problem.isEmpty()) {
        fail(problem);
        return false;
    }
    // The paper stays the one the user chose; the form only turns it.
    device.setPageOrientation(form.orientation());
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    paint(form, device, 0);
    return true;
}

bool PageOutput::writePdf(PrintableForm& form, const QString& path, int dpi)
{
    const QString problem = check(form, dpi, kPdfCheckDpi);
    if (!problem.isEmpty()) {
        fail(problem);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(msg::pdfNotWritten(path));
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(dpi);
        writer.setTitle(form.documentName());
        writer.setCreator(QStringLiteral("Ventrix"));
        paintAll(form, writer);
    }
    if (!file.commit()) {
        fail(msg::pdfNotWritten(path));
        return false;
    }
    return true;
}

QImage PageOutput::renderPage(PrintableForm& form, int page, qreal dpi)
{
    const QSizeF mm = form.pageLayout().fullRect(QPageLayout::Millimeter).size();
    QImage image(int(std::lround(mm.width() * dpi / 25.4)), int(std::lround(mm.height() * dpi / 25.4)),
        QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageCanvas canvas(painter);
    form.paintPage(page, canvas);
    return image;
}

void PageOutput::paintAll(PrintableForm& form, QPagedPaintDevice& device, qreal outputDpi)
{
    device.setPageLayout(form.pageLayout());
    paint(form, device, outputDpi);
}

void PageOutput::paint(PrintableForm& form, QPagedPaintDevice& device, qreal outputDpi)
{
    QPainter painter(&device);
    for (int page = 0; page < form.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        // Coordinates count from the sheet's corner, not from the printable area.
        painter.resetTransform();
        const QRectF paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
        painter.translate(-paintRect.topLeft());
        PageCanvas canvas(painter);
        canvas.setOutputDpi(outputDpi);
        form.paintPage(page, canvas);
    }
}

}
