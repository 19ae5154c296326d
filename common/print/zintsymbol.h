#pragma once

#include "common/print/barcodesymbol.h"

#include <QString>

struct zint_symbol;

namespace ventrix::print {

// Owns one libzint symbol for a single encoding and turns its vector output into a BarcodeSymbol.
class ZintSymbol
{
public:
    explicit ZintSymbol(int symbology);
    ~ZintSymbol();
    ZintSymbol(const ZintSymbol&) = delete;
    ZintSymbol& operator=(const ZintSymbol&) = delete;

    zint_symbol* raw() { return m_symbol; }

    // Encodes the text (UTF-8); false with errorText() filled when the encoder refuses it.
    bool encode(const QString& text);
    QString errorText() const;
    int rows() const;
    int widthModules() const;

    // The vector output in module units.
    BarcodeSymbol toSymbol(BarcodeSymbol::Kind kind, const QString& data);

private:
    zint_symbol* m_symbol;
};

}
