#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QImage;
class QPainter;

namespace ventrix::print {

// One barcode symbol as the encoder laid it out: dark rectangles in module units, plus the exact
// text a reader must get back from it.
struct BarcodeSymbol
{
    enum class Kind { Pdf417, Interleaved2of5 };

    Kind kind = Kind::Pdf417;
    QString data;
    QSizeF modules; // width and height in modules (PDF417 rows already at their row height)
    QList<QRectF> bars; // dark areas, module units from the symbol's top-left corner
    int sequenceIndex = -1; // position in a Macro PDF417 sequence (0-based), -1 when alone
    int sequenceCount = 0;

    bool isNull() const { return bars.isEmpty(); }
};

// A symbol and the page rectangle (millimetres from the page's top-left) it is drawn into. A
// turned symbol is drawn a quarter turn clockwise (its rows run down the page): rectMm is still
// the area it covers on the page.
struct PlacedBarcode
{
    BarcodeSymbol symbol;
    QRectF rectMm;
    bool turned = false;

    // Width and height of the symbol along its own rows and columns.
    QSizeF symbolSizeMm() const { return turned ? rectMm.size().transposed() : rectMm.size(); }
};

// Paints the bars of a symbol stretched over a rectangle in the painter's device coordinates.
void paintSymbol(QPainter& painter, const BarcodeSymbol& symbol, const QRectF& deviceRect);

// The symbol alone, as it comes out at dpi when drawn into a rectangle of sizeMm, with a white
// quiet zone of quietMm around it (8-bit grey).
QImage renderSymbol(const BarcodeSymbol& symbol, const QSizeF& sizeMm, qreal dpi, qreal quietMm);

}
