#pragma once

#include "common/fixed.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace ventrix {

// Whether the text is a number as the program's regional format writes it: an optional sign
// (leading or trailing), digits with "." grouping, an optional "," and decimals, blanks around.
bool isRegionalNumber(QStringView text);

// The typed number as SQL text: "-" when negative, the integer digits, "." and the decimals.
// decimals > 0: exactly that many (padded with "0" or cut, never rounded); 0: no decimal part;
// < 0: every decimal digit typed. Text that is not a number gives defaultText unchanged.
QString Numero_SQL(QStringView typed, int decimals, const QString& defaultText);

// The typed amount as an exact decimal by the same rules (decimals beyond Scale are cut);
// nullopt when the text is not a number.
template <int Scale> std::optional<Fixed<Scale>> typedAmount(QStringView typed)
{
    const QString plain = Numero_SQL(typed, Scale, QString());
    if (plain.isEmpty())
        return std::nullopt;
    return Fixed<Scale>::fromPlain(plain);
}

}
