#include "common/print/barcodesymbol.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace ventrix::print {

void paintSymbol(QPainter& painter, const BarcodeSymbol& symbol, const QRectF& deviceRect)
{
    if (symbol.isNull() || symbol.modules.isEmpty())
        return;
    const qreal sx = deviceRect.width() / symbol.modules.width();
    const qreal sy = deviceRect.height() / symbol.modules.height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& bar : symbol.bars) {
        painter.drawRect(QRectF(deviceRect.left() + bar.left() * sx, deviceRect.top() + bar.top() * sy,
                                bar.width() * sx, bar.height() * sy));
    }
    painter.restore();
}

QImage renderSymbol(const BarcodeSymbol& symbol, const QSizeF& sizeMm, qreal dpi, qreal quietMm)
{
    const qreal pxPerMm = dpi / 25.4;
    const qreal quiet = quietMm * pxPerMm;
    const int w = int(std::ceil(sizeMm.width() * pxPerMm + 2 * quiet));
    const int h = int(std::ceil(sizeMm.height() * pxPerMm + 2 * quiet));
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    QPainter painter(&image);
    paintSymbol(painter, symbol, QRectF(quiet, quiet, sizeMm.width() * pxPerMm, sizeMm.height() * pxPerMm));
    return image;
}

}
