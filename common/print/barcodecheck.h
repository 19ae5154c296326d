#pragma once

#include "common/print/barcodesymbol.h"

#include <QImage>
#include <QList>
#include <QString>

namespace ventrix::print {

// What a reader gets from one image: the texts of every symbol found, Macro PDF417 pieces joined.
QStringList readBarcodes(const QImage& image);

// Reads back every barcode of a page as it would come out at the output resolution. Returns an
// empty string when each symbol reads exactly its data, else a description of the first that does not.
QString checkBarcodes(const QList<PlacedBarcode>& barcodes, qreal dpi);

}
