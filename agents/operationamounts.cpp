#include "agents/operationamounts.h"

namespace ventrix::agents {

namespace amounts_detail {

std::optional<qint64> parseUnits(QStringView text, int scale)
{
    text = text.trimmed();
    const qsizetype comma = text.indexOf(u',');
    const qsizetype kept = comma < 0 ? text.size() : std::min(text.size(), comma + 1 + scale);
    const QStringView dropped = text.mid(kept);
    for (QChar c : dropped) {
        if (!c.isDigit() || c.unicode() >= 128)
            return std::nullopt;
    }
    const auto units = fixed_detail::parse(text.left(kept), scale, u',', u'.');
    if (!units)
        return std::nullopt;
    // Only the first dropped place decides a half-away-from-zero rounding of a decimal text.
    if (dropped.isEmpty() || dropped.front() < u'5')
        return units;
    const bool negative = text.startsWith(u'-');
    if (*units == (negative ? INT64_MIN : INT64_MAX))
        return std::nullopt;
    return negative ? *units - 1 : *units + 1;
}

}

Money importeDe(Money base, Fixed<4> alicuota)
{
    return base.percent(alicuota);
}

ComputedAmounts Calc_ImpRetenido(const AmountFields& typed)
{
    ComputedAmounts out;
    out.base = parseAmount<2>(typed.base).value_or(Money());
    out.alicuota = parseAmount<4>(typed.alicuota).value_or(Fixed<4>());
    out.importe = importeDe(out.base, out.alicuota);
    out.shown = { out.base.toDisplay(), out.alicuota.toDisplay(), out.importe.toDisplay() };
    return out;
}

QString normaliseAmountField(const QString& typed, int places)
{
    if (places == 4) {
        const auto v = parseAmount<4>(typed);
        return v ? v->toDisplay() : QString();
    }
    const auto v = parseAmount<2>(typed);
    return v ? v->toDisplay() : QString();
}

bool exceedsField(const QString& typed, int places)
{
    const auto units = amounts_detail::parseUnits(typed, places);
    if (!units)
        return false;
    const qint64 limit = places == 4 ? MaxRate.units() : MaxAmount.units();
    return *units > limit || *units < -limit;
}

bool showsNegative(const QString& fieldText)
{
    const auto units = amounts_detail::parseUnits(fieldText, 2);
    return units && *units < 0;
}

}
