#include "common/keyfilters.h"

#include "common/regional.h"

namespace ventrix {
namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

FilteredKey pass(QChar key)
{
    return { FilteredKey::Pass, key };
}

FilteredKey drop()
{
    return { FilteredKey::Drop, QChar() };
}

// Enter and Backspace behave alike in every filter.
bool commonKey(QChar key, FilteredKey* out)
{
    if (key == QChar(KeyEnter)) {
        *out = { FilteredKey::NextField, QChar() };
        return true;
    }
    if (key == QChar(KeyBackspace) || isAsciiDigit(key)) {
        *out = pass(key);
        return true;
    }
    return false;
}

}

FilteredKey Tecla_Numerica(QChar key)
{
    FilteredKey out;
    if (commonKey(key, &out))
        return out;
    return key == u' ' || key == u'-' ? pass(key) : drop();
}

FilteredKey Tecla_Fecha(QChar key)
{
    FilteredKey out;
    if (commonKey(key, &out))
        return out;
    return key == regional::DateSeparator ? pass(key) : drop();
}

FilteredKey teclaDecimal(QChar key)
{
    FilteredKey out;
    if (commonKey(key, &out))
        return out;
    if (key == u'-' || key == regional::DecimalSeparator)
        return pass(key);
    return key == u'.' ? pass(regional::DecimalSeparator) : drop();
}

FilteredKey teclaImporte(QChar key)
{
    FilteredKey out;
    if (commonKey(key, &out))
        return out;
    if (key == u'-' || key == regional::DecimalSeparator || key == regional::GroupSeparator)
        return pass(key);
    return drop();
}

FilteredKey filterKey(FieldKeys kind, QChar key)
{
    switch (kind) {
    case FieldKeys::Integer:
        return Tecla_Numerica(key);
    case FieldKeys::Date:
        return Tecla_Fecha(key);
    case FieldKeys::Decimal:
        return teclaDecimal(key);
    case FieldKeys::Amount:
        return teclaImporte(key);
    case FieldKeys::Text:
        break;
    }
    return key == QChar(KeyEnter) ? FilteredKey { FilteredKey::NextField, QChar() } : pass(key);
}

}
