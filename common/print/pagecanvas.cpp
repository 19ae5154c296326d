#include "common/print/pagecanvas.h"

#include "common/print/printfonts.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace ventrix::print {

PageCanvas::PageCanvas(QPainter& painter)
    : m_painter(painter)
    , m_dpi(painter.device() ? painter.device()->logicalDpiX() : 300)
    , m_font(PrintFonts::font(QStringLiteral("Arial"), 10))
    , m_metrics(m_font, painter.device())
{
    m_painter.setFont(m_font);
    applyPen();
}

void PageCanvas::fontChanged()
{
    m_painter.setFont(m_font);
    m_metrics = QFontMetricsF(m_font, m_painter.device());
}

void PageCanvas::setFont(const QString& name, qreal points, bool bold)
{
    setFont(PrintFonts::font(name, points, bold));
}

void PageCanvas::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    fontChanged();
}

void PageCanvas::setBold(bool bold)
{
    if (m_font.bold() == bold)
        return;
    m_font.setBold(bold);
    fontChanged();
}

qreal PageCanvas::textWidth(const QString& text) const
{
    return m_metrics.horizontalAdvance(text) * 25.4 / m_dpi;
}

qreal PageCanvas::lineHeight() const
{
    return m_metrics.height() * 25.4 / m_dpi;
}

void PageCanvas::text(qreal x, qreal y, const QString& text)
{
    if (m_collectOnly)
        return;
    const QPointF at = toDevice(x, y);
    m_painter.setPen(m_color);
    m_painter.drawText(QPointF(at.x(), at.y() + m_metrics.ascent()), text);
}

void PageCanvas::text(const QRectF& boxMm, const QString& text, Qt::Alignment align)
{
    if (m_collectOnly)
        return;
    m_painter.setPen(m_color);
    m_painter.drawText(toDevice(boxMm), int(align), text);
}

void PageCanvas::box(const QRectF& mm)
{
    if (m_collectOnly)
        return;
    applyPen();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDevice(mm));
}

void PageCanvas::roundedFrame(const QRectF& mm, qreal radiusMm)
{
    if (m_collectOnly)
        return;
    applyPen();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRoundedRect(toDevice(mm), toDevice(radiusMm), toDevice(radiusMm));
}

void PageCanvas::fill(const QRectF& mm, const QColor& color)
{
    if (m_collectOnly)
        return;
    m_painter.fillRect(toDevice(mm), color);
}

void PageCanvas::greyFill(const QRectF& mm, int percentBlack)
{
    const int level = 255 - 255 * std::clamp(percentBlack, 0, 100) / 100;
    fill(mm, QColor(level, level, level));
}

void PageCanvas::line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    if (m_collectOnly)
        return;
    applyPen();
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PageCanvas::image(const QRectF& mm, const QImage& image)
{
    if (m_collectOnly)
        return;
    m_painter.drawImage(toDevice(mm), image);
}

void PageCanvas::alinear(qreal x, qreal y, const QString& text, qreal points, bool bold, const QString& mask)
{
    const QFont saved = m_font;
    QFont f = m_font;
    f.setPointSizeF(points);
    f.setBold(bold);
    setFont(f);
    // Without a mask the text starts at x; a mask is measured once per font (amount columns
    // repeat it down the page).
    qreal left = x;
    if (!mask.isEmpty() && mask != text) {
        const QString key = m_font.key() + u'\n' + mask;
        auto width = m_maskWidths.constFind(key);
        if (width == m_maskWidths.cend())
            width = m_maskWidths.insert(key, textWidth(mask));
        left = x + *width - textWidth(text);
    }
    this->text(left, y, text);
    setFont(saved);
}

QString PageCanvas::alineaString(qreal x, qreal y, qreal widthMm, const QString& text, ColumnAlign align)
{
    // Measured once when it fits: shaping the text is most of the cost of a table cell.
    qreal w = textWidth(text);
    QString shown = text;
    if (w > widthMm) {
        shown = shortenToWidth(text, widthMm, [this](const QString& t) { return textWidth(t); });
        w = textWidth(shown);
    }
    qreal left = x;
    if (align == ColumnAlign::Right)
        left = x + widthMm - w;
    else if (align == ColumnAlign::Centre)
        left = x + (widthMm - w) / 2;
    this->text(left, y, shown);
    return shown;
}

void PageCanvas::barcode(const PlacedBarcode& placed)
{
    const QRectF onPage = placed.rectMm.translated(m_origin);
    if (!m_collectOnly && !placed.turned)
        paintSymbol(m_painter, placed.symbol, toDevice(placed.rectMm));
    if (!m_collectOnly && placed.turned) {
        // A quarter turn clockwise about the area's top-right corner puts the symbol inside it.
        const QRectF area = toDevice(placed.rectMm);
        m_painter.save();
        m_painter.translate(area.topRight());
        m_painter.rotate(90);
        paintSymbol(m_painter, placed.symbol, QRectF(QPointF(0, 0), area.size().transposed()));
        m_painter.restore();
    }
    m_barcodes.append({ placed.symbol, onPage, placed.turned });
}

QPointF PageCanvas::toDevice(qreal x, qreal y) const
{
    return { toDevice(x + m_origin.x()), toDevice(y + m_origin.y()) };
}

QRectF PageCanvas::toDevice(const QRectF& mm) const
{
    return { toDevice(mm.left(), mm.top()), QSizeF(toDevice(mm.width()), toDevice(mm.height())) };
}

void PageCanvas::applyPen()
{
    QPen pen(m_color);
    pen.setWidthF(toDevice(m_penMm));
    m_painter.setPen(pen);
}

QString rellenar(const QString& value, int width)
{
    QString digits;
    for (QChar c : value) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits.rightJustified(width, u'0');
}

QString shortenToWidth(const QString& text, qreal width, const std::function<qreal(const QString&)>& measure)
{
    if (measure(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty() && measure(cut + dots) > width)
        cut.chop(1);
    return cut + dots;
}

}
