#include "common/print/zintsymbol.h"

#include <zint.h>

namespace ventrix::print {

ZintSymbol::ZintSymbol(int symbology)
    : m_symbol(ZBarcode_Create())
{
    m_symbol->symbology = symbology;
    m_symbol->input_mode = UNICODE_MODE;
    m_symbol->show_hrt = 0;
}

ZintSymbol::~ZintSymbol()
{
    ZBarcode_Delete(m_symbol);
}

bool ZintSymbol::encode(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const int result = ZBarcode_Encode(
        m_symbol, reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    return result < ZINT_ERROR;
}

QString ZintSymbol::errorText() const
{
    return QString::fromUtf8(m_symbol->errtxt);
}

int ZintSymbol::rows() const
{
    return m_symbol->rows;
}

int ZintSymbol::widthModules() const
{
    return m_symbol->width;
}

BarcodeSymbol ZintSymbol::toSymbol(BarcodeSymbol::Kind kind, const QString& data)
{
    BarcodeSymbol out;
    out.kind = kind;
    out.data = data;
    if (ZBarcode_Buffer_Vector(m_symbol, 0) >= ZINT_ERROR || !m_symbol->vector || m_symbol->width <= 0)
        return out;
    const zint_vector* vector = m_symbol->vector;
    // The vector output counts in units of its own; one module is vector width / symbol width.
    const qreal unit = qreal(vector->width) / m_symbol->width;
    out.modules = QSizeF(vector->width / unit, vector->height / unit);
    for (const zint_vector_rect* r = vector->rectangles; r; r = r->next)
        out.bars.append(QRectF(r->x / unit, r->y / unit, r->width / unit, r->height / unit));
    return out;
}

}
