#include "common/print/barcodecheck.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace ventrix::print {
namespace {

constexpr qreal kQuietMm = 3.0;

ZXing::ImageView view(const QImage& grey)
{
    return { grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
        int(grey.bytesPerLine()) };
}

QString text(const ZXing::Result& r)
{
    return QString::fromStdString(r.text());
}

ZXing::BarcodeFormat formatOf(BarcodeSymbol::Kind kind)
{
    return kind == BarcodeSymbol::Kind::Pdf417 ? ZXing::BarcodeFormat::PDF417 : ZXing::BarcodeFormat::ITF;
}

QString checkOne(const PlacedBarcode& placed, qreal dpi)
{
    const BarcodeSymbol& s = placed.symbol;
    const QImage image = renderSymbol(s, placed.symbolSizeMm(), dpi, kQuietMm);
    // The image holds only black and white dots, upright: a fixed threshold and no rotation do.
    ZXing::DecodeHints hints;
    hints.setFormats(formatOf(s.kind));
    hints.setIsPure(true);
    hints.setTryHarder(false);
    hints.setTryRotate(false);
    hints.setTryDownscale(false);
    hints.setBinarizer(ZXing::Binarizer::FixedThreshold);
    ZXing::Result r = ZXing::ReadBarcode(view(image), hints);
    if (!r.isValid()) {
        // A pure-image read can miss an otherwise readable symbol; try the full search once. (The
        // many-line search of linear symbols trips an assertion in this reader, so not for them.)
        hints.setIsPure(false);
        hints.setTryHarder(s.kind == BarcodeSymbol::Kind::Pdf417);
        hints.setBinarizer(ZXing::Binarizer::LocalAverage);
        r = ZXing::ReadBarcode(view(image), hints);
    }
    if (!r.isValid())
        return QStringLiteral("no se pudo leer");
    if (text(r) != s.data)
        return QStringLiteral("se leyó un texto distinto del esperado");
    if (s.sequenceCount > 0 && (r.sequenceIndex() != s.sequenceIndex || r.sequenceSize() != s.sequenceCount))
        return QStringLiteral("la secuencia de símbolos está incompleta");
    return {};
}

}

QStringList readBarcodes(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QStringList out;
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417);
    ZXing::Results found = ZXing::ReadBarcodes(view(grey), hints);
    // The multi-symbol search of this reader misses some symbols the single search finds.
    const ZXing::Result single = ZXing::ReadBarcode(view(grey), hints);
    const auto sameText = [&](const ZXing::Result& r) { return r.bytes() == single.bytes(); };
    if (single.isValid() && std::none_of(found.begin(), found.end(), sameText))
        found.push_back(single);
    for (const ZXing::Result& r : found) {
        if (r.isValid() && !r.isPartOfSequence())
            out << text(r);
    }
    // Only the joined sequences come back from the merge, not the lone symbols.
    for (const ZXing::Result& r : ZXing::MergeStructuredAppendSequences(found)) {
        if (r.isValid())
            out << text(r);
    }
    // Linear symbols one at a time: the multi-symbol search of this reader is for 2-D codes.
    hints.setFormats(ZXing::BarcodeFormat::ITF);
    const ZXing::Result linear = ZXing::ReadBarcode(view(grey), hints);
    if (linear.isValid())
        out << text(linear);
    return out;
}

QString checkBarcodes(const QList<PlacedBarcode>& barcodes, qreal dpi)
{
    for (const PlacedBarcode& placed : barcodes) {
        const QString problem = checkOne(placed, dpi);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

}
