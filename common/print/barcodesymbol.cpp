#include "common/print/barcodesymbol.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

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
    const int w = std::max(int(std::ceil(sizeMm.width() * pxPerMm + 2 * quiet)), 1);
    const int h = std::max(int(std::ceil(sizeMm.height() * pxPerMm + 2 * quiet)), 1);
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const int dpm = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    if (symbol.isNull() || symbol.modules.isEmpty())
        return image;
    // Filled directly rather than through QPainter, whose fills into 8-bit grey images are slow for
    // tall bars. The rule is a printer's (and QPainter's, unantialiased): a dot is black when its
    // centre lies in a bar.
    const qreal sx = sizeMm.width() * pxPerMm / symbol.modules.width();
    const qreal sy = sizeMm.height() * pxPerMm / symbol.modules.height();
    const auto firstDot
        = [](qreal edge, int size) { return std::clamp(int(std::ceil(edge - 0.5)), 0, size); };
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const QRectF& bar : symbol.bars) {
        const int x0 = firstDot(quiet + bar.left() * sx, w);
        const int x1 = firstDot(quiet + bar.right() * sx, w);
        const int y0 = firstDot(quiet + bar.top() * sy, h);
        const int y1 = firstDot(quiet + bar.bottom() * sy, h);
        for (int y = y0; y < y1 && x1 > x0; ++y)
            std::memset(bits + y * stride + x0, 0, size_t(x1 - x0));
    }
    return image;
}

}
