#pragma once

#include "common/print/barcodesymbol.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace ventrix::print {

class PageCanvas;

// Where a form wants its PDF417 "mancha": top-left corner in millimetres from the page's top-left,
// the scale of the module (1 = 0.01 inch) and the space the symbol may take (empty: the standard
// symbol's size at that scale).
struct ManchaPlacement
{
    QPointF topLeftMm;
    qreal scale = 1.0;
    QSizeF spaceMm;
    // Drawn a quarter turn clockwise: the space is given along the symbol's own rows and columns
    // and the symbols cover, from topLeftMm, the space turned.
    bool turned = false;

    // The monthly declaration: 24 cm from the left, 1.4 cm from the top, x1.7 below 300 dpi, else x1.2.
    static ManchaPlacement monthlyDeclaration(qreal printerDpi);
};

// How a record was laid out; ok() false means nothing may be printed and error says why.
struct ManchaLayout
{
    QList<PlacedBarcode> symbols;
    int errorLevel = 0;
    int columns = 0;
    int rows = 0;
    QString error;

    bool ok() const { return error.isEmpty() && !symbols.isEmpty(); }
};

// The record's text as the barcode carries it: á é í ó ú Á É Í Ó Ú lose their accent, ñ and Ñ
// become "#", ü and Ü become u and U. Everything else is kept as it is.
QString manchaText(const QString& record);

// Lays out the PDF417 symbol(s) of a record. The rule, in order, first that fits the space:
//  1. error-correction level 4, 7 data columns, 27 rows (the authority's standard symbol);
//  2. level 4 with the fewest data columns (7 up to what the space's width allows, at most 30)
//     whose automatic row count (at most 90) fits the space's height;
//  3. the same with level 3, then level 2 (never lower);
//  4. a Macro PDF417 sequence of 2 to 9 symbols (structured append) holding consecutive pieces of
//     the record, tiled left to right and top to bottom in the space, each at level 4 (3, then 2
//     when needed); readers join the pieces back into the record.
// Module width 0.01 inch times the scale, row height 3.4 modules. When nothing fits, the layout
// carries an error and no symbol.
ManchaLayout layoutMancha(const QString& record, const ManchaPlacement& placement);

// Lays out the record's barcode and draws it on the canvas; the caller must stop printing the form
// when the result is not ok() (the error is the message to show). The page is marked as not
// printable then, so it cannot leave the program even if the caller goes on.
[[nodiscard]] ManchaLayout Imp_Mancha(
    PageCanvas& canvas, const QString& record, const ManchaPlacement& placement);

}
