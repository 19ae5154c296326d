#pragma once

#include "common/print/barcodesymbol.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QImage;
class QPainter;

namespace ventrix::print {

// How AlineaString places a value in its column.
enum class ColumnAlign { Left, Right, Centre };

// Draws a form page in millimetres onto whatever device the painter paints (printer, PDF, image).
// Coordinates count from the origin (default the page's top-left corner); texts are placed by the
// top-left corner of their first line, like the forms' layouts give them. Barcodes drawn are
// remembered so that they can be read back before the page leaves the program.
class PageCanvas
{
public:
    explicit PageCanvas(QPainter& painter);

    // A canvas that only measures and collects barcodes, drawing nothing (the read-back pass).
    void setCollectOnly(bool on) { m_collectOnly = on; }

    QPainter& painter() { return m_painter; }
    qreal dpi() const { return m_dpi; }
    // The resolution of the printer the page is meant for, which some forms scale their barcode by;
    // the painted device's own unless the output path says otherwise (read-back pass, preview).
    qreal outputDpi() const { return m_outputDpi > 0 ? m_outputDpi : m_dpi; }
    void setOutputDpi(qreal dpi) { m_outputDpi = dpi; }

    void setOrigin(const QPointF& mm) { m_origin = mm; }
    QPointF origin() const { return m_origin; }

    // Font by the name the form uses ("Arial", "times new roman").
    void setFont(const QString& name, qreal points, bool bold = false);
    void setFont(const QFont& font);
    QFont font() const { return m_font; }
    void setBold(bool bold);
    void setPenWidth(qreal mm) { m_penMm = mm; }
    void setColor(const QColor& color) { m_color = color; }

    qreal textWidth(const QString& text) const;
    qreal lineHeight() const;

    void text(qreal x, qreal y, const QString& text);
    void text(const QRectF& boxMm, const QString& text, Qt::Alignment align);
    void box(const QRectF& mm);
    void roundedFrame(const QRectF& mm, qreal radiusMm);
    void fill(const QRectF& mm, const QColor& color);
    void greyFill(const QRectF& mm, int percentBlack = 10);
    void line(qreal x1, qreal y1, qreal x2, qreal y2);
    void image(const QRectF& mm, const QImage& image);

    // alinear: the text ends where the mask would end printed from x, y (the mask defaults to the
    // text itself). Font size and bold apply to this text only.
    void alinear(qreal x, qreal y, const QString& text, qreal points = 10, bool bold = false,
        const QString& mask = {});
    // AlineaString: the value in a column of the given width, shortened a character at a time and
    // ended with "..." when it does not fit. Returns the text actually printed.
    QString alineaString(qreal x, qreal y, qreal widthMm, const QString& text, ColumnAlign align);

    // Draws a laid-out barcode (rectangle in millimetres from the origin) and remembers it.
    void barcode(const PlacedBarcode& placed);
    // Every barcode drawn so far, rectangles in millimetres from the page's top-left.
    const QList<PlacedBarcode>& barcodes() const { return m_barcodes; }
    // A barcode that could not be drawn: the page must not leave the program.
    void reportProblem(const QString& message) { m_problems << message; }
    const QStringList& problems() const { return m_problems; }

    QPointF toDevice(qreal x, qreal y) const;
    QRectF toDevice(const QRectF& mm) const;
    qreal toDevice(qreal mm) const { return mm * m_dpi / 25.4; }

private:
    void applyPen();
    void fontChanged();

    QPainter& m_painter;
    qreal m_dpi;
    qreal m_outputDpi = 0;
    QPointF m_origin;
    QFont m_font;
    QFontMetricsF m_metrics;
    bool m_collectOnly = false;
    qreal m_penMm = 0.2;
    QColor m_color = Qt::black;
    QList<PlacedBarcode> m_barcodes;
    QStringList m_problems;
    QHash<QString, qreal> m_maskWidths;
};

// rellenar: the digits of a value, padded on the left with "0" to the width (longer values keep all
// their digits; the caller checks that they fit the record).
QString rellenar(const QString& value, int width);

// The value shortened until it (with "..." appended) fits the width measured by the function.
QString shortenToWidth(const QString& text, qreal width, const std::function<qreal(const QString&)>& measure);

}
