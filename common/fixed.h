#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace ventrix {

namespace fixed_detail {
constexpr qint64 pow10(int n)
{
    qint64 r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}
// a * b / d rounded half away from zero, computed without overflow.
qint64 mulDivRound(qint64 a, qint64 b, qint64 d);
// Digits of the number as "1234.50" (no grouping, "." decimal point).
QString toPlain(qint64 units, int scale);
// "1.234,50": "." groups thousands, "," separates decimals.
QString toDisplay(qint64 units, int scale);
std::optional<qint64> parse(QStringView text, int scale, QChar decimalPoint, QChar grouping);
}

// An exact decimal number with Scale places, kept as an integer count of 10^-Scale units.
// Money uses Scale 2 (cents), the cumulative indices Scale 4. There is no constructor from double.
template <int Scale> class Fixed
{
public:
    static constexpr int scale = Scale;
    static constexpr qint64 factor = fixed_detail::pow10(Scale);

    constexpr Fixed() = default;
    static constexpr Fixed fromUnits(qint64 units) { return Fixed(units); }
    static constexpr Fixed fromInteger(qint64 whole) { return Fixed(whole * factor); }

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    constexpr bool isNegative() const { return m_units < 0; }

    // The same value at another scale; fewer places round half away from zero.
    template <int Other> Fixed<Other> rescaled() const
    {
        if constexpr (Other >= Scale)
            return Fixed<Other>::fromUnits(m_units * fixed_detail::pow10(Other - Scale));
        else
            return Fixed<Other>::fromUnits(
                fixed_detail::mulDivRound(m_units, 1, fixed_detail::pow10(Scale - Other)));
    }

    // this * other, rounded half away from zero to this scale.
    template <int Other> Fixed times(Fixed<Other> other) const
    {
        return Fixed(fixed_detail::mulDivRound(m_units, other.units(), Fixed<Other>::factor));
    }
    // this * percent / 100, rounded half away from zero to this scale.
    template <int Other> Fixed percent(Fixed<Other> rate) const
    {
        return Fixed(fixed_detail::mulDivRound(m_units, rate.units(), Fixed<Other>::factor * 100));
    }
    Fixed timesInteger(qint64 n) const { return Fixed(m_units * n); }

    // "1234.50": for SQL text, records and files.
    QString toPlain() const { return fixed_detail::toPlain(m_units, Scale); }
    // "1.234,50": the program's display format.
    QString toDisplay() const { return fixed_detail::toDisplay(m_units, Scale); }

    // "1234.5" or "-0.05"; more places than Scale are refused.
    static std::optional<Fixed> fromPlain(QStringView text)
    {
        if (auto u = fixed_detail::parse(text, Scale, u'.', QChar()))
            return Fixed(*u);
        return std::nullopt;
    }
    // "1.234,5": the display format; more places than Scale are refused.
    static std::optional<Fixed> fromDisplay(QStringView text)
    {
        if (auto u = fixed_detail::parse(text, Scale, u',', u'.'))
            return Fixed(*u);
        return std::nullopt;
    }

    constexpr Fixed operator-() const { return Fixed(-m_units); }
    constexpr Fixed operator+(Fixed o) const { return Fixed(m_units + o.m_units); }
    constexpr Fixed operator-(Fixed o) const { return Fixed(m_units - o.m_units); }
    constexpr Fixed& operator+=(Fixed o)
    {
        m_units += o.m_units;
        return *this;
    }
    constexpr Fixed& operator-=(Fixed o)
    {
        m_units -= o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Fixed&) const = default;

private:
    constexpr explicit Fixed(qint64 units)
        : m_units(units)
    {
    }
    qint64 m_units = 0;
};

using Money = Fixed<2>;
using Rate = Fixed<2>;
using Index4 = Fixed<4>;

}
