#pragma once

#include "common/fixed.h"

#include <QString>

#include <optional>

namespace ventrix::agents {

namespace amounts_detail {
// The units of the typed number at the scale: more places are rounded half away from zero.
std::optional<qint64> parseUnits(QStringView text, int scale);
}

// The largest magnitudes the fields hold: the declaration's records carry thirteen whole digits
// of an amount and two of a rate.
inline constexpr Fixed<2> MaxAmount = Fixed<2>::fromUnits(999999999999999);
inline constexpr Fixed<4> MaxRate = Fixed<4>::fromUnits(999999);

// A number typed in the program's format ("1.234,5", "-12", "2,5"); nullopt when the text is not
// a number or is beyond what the field holds, which the field then blanks.
template <int Scale> std::optional<Fixed<Scale>> parseAmount(QStringView text)
{
    const auto units = amounts_detail::parseUnits(text, Scale);
    if (!units)
        return std::nullopt;
    const auto value = Fixed<Scale>::fromUnits(*units);
    const auto limit = Scale == 4 ? MaxRate.rescaled<Scale>() : MaxAmount.rescaled<Scale>();
    if (value > limit || value < -limit)
        return std::nullopt;
    return value;
}

// The three amount fields of an operation as typed, and as they are shown after leaving one.
struct AmountFields
{
    QString base;
    QString alicuota;
    QString importe;
    bool operator==(const AmountFields&) const = default;
};

struct ComputedAmounts
{
    Money base;
    Fixed<4> alicuota;
    Money importe;
    AmountFields shown; // "1.000,00", "2,5000", "25,00"
};

// The amount withheld (or perceived): rate x base / 100, to the cent, half away from zero. An empty
// or non-numeric base or rate counts as 0; whatever the amount field held is replaced.
Money importeDe(Money base, Fixed<4> alicuota);
ComputedAmounts Calc_ImpRetenido(const AmountFields& typed);
inline ComputedAmounts Calc_ImpPercibido(const AmountFields& typed)
{
    return Calc_ImpRetenido(typed);
}

// A numeric field left by the user: the number rewritten with the field's places, or empty when
// it was not a number.
QString normaliseAmountField(const QString& typed, int places);
// A number beyond what the field holds (a base of fifteen whole digits): the field is blanked and
// the user told why, rather than left to wonder where the figure went.
bool exceedsField(const QString& typed, int places);
// Negative amounts are shown in red.
bool showsNegative(const QString& fieldText);

}
