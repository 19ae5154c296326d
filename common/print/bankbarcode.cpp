#include "common/print/bankbarcode.h"

#include "common/print/pagecanvas.h"
#include "common/print/printtexts.h"
#include "common/print/zintsymbol.h"

#include <zint.h>

namespace ventrix::print {
namespace {

bool digitsOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

}

BarcodeSymbol bankBarcode(const QString& digits)
{
    if (!digitsOnly(digits))
        return {};
    const QString even = digits.size() % 2 ? QStringLiteral("0") + digits : digits;
    ZintSymbol zint(BARCODE_C25INTER);
    if (!zint.encode(even))
        return {};
    return zint.toSymbol(BarcodeSymbol::Kind::Interleaved2of5, even);
}

bool drawBankBarcode(PageCanvas& canvas, const QString& digits, const QRectF& boxMm)
{
    const BarcodeSymbol symbol = bankBarcode(digits);
    if (symbol.isNull()) {
        canvas.reportProblem(msg::bankCodeNotDigits(digits));
        return false;
    }
    const qreal textHeight = canvas.lineHeight();
    const QRectF bars(boxMm.left(), boxMm.top(), boxMm.width(), std::max(boxMm.height() - textHeight, 1.0));
    canvas.barcode({ symbol, bars });
    canvas.text(QRectF(boxMm.left(), bars.bottom(), boxMm.width(), textHeight), symbol.data,
        Qt::AlignHCenter | Qt::AlignTop);
    return true;
}

}
