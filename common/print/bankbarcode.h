#pragma once

#include "common/print/barcodesymbol.h"

#include <QRectF>
#include <QString>

namespace ventrix::print {

class PageCanvas;

// The linear bank barcode (Interleaved 2 of 5) of a digit string, as zint lays it out. An odd
// number of digits gets a leading "0", as the symbology requires pairs. Null when the text is not
// made of digits only.
BarcodeSymbol bankBarcode(const QString& digits);

// Draws the bank barcode scaled into the box (millimetres), the digits printed centred under the
// bars in the canvas's current font. Returns false, drawing nothing and marking the page as not
// printable, when the text is not digits.
[[nodiscard]] bool drawBankBarcode(PageCanvas& canvas, const QString& digits, const QRectF& boxMm);

}
