#include "common/fixed.h"

#include <cstdlib>

namespace ventrix::fixed_detail {

qint64 mulDivRound(qint64 a, qint64 b, qint64 d)
{
    __int128 n = static_cast<__int128>(a) * b;
    const bool negative = (n < 0) != (d < 0);
    if (n < 0)
        n = -n;
    __int128 dd = d < 0 ? -static_cast<__int128>(d) : d;
    __int128 q = (n + dd / 2) / dd;
    return static_cast<qint64>(negative ? -q : q);
}

QString toPlain(qint64 units, int scale)
{
    const bool negative = units < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(units) : static_cast<quint64>(units);
    QString digits = QString::number(magnitude).rightJustified(scale + 1, u'0');
    if (scale > 0)
        digits.insert(digits.size() - scale, u'.');
    return negative ? u'-' + digits : digits;
}

QString toDisplay(qint64 units, int scale)
{
    const QString plain = toPlain(units, scale);
    const bool negative = plain.startsWith(u'-');
    const qsizetype start = negative ? 1 : 0;
    const qsizetype point = scale > 0 ? plain.indexOf(u'.') : plain.size();
    QString whole = plain.mid(start, point - start);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u'.');
    QString out = negative ? u'-' + whole : whole;
    if (scale > 0)
        out += u',' + plain.mid(point + 1);
    return out;
}

std::optional<qint64> parse(QStringView text, int scale, QChar decimalPoint, QChar grouping)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    qint64 whole = 0;
    qint64 fraction = 0;
    int places = 0;
    bool inFraction = false;
    bool anyDigit = false;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            anyDigit = true;
            const int digit = c.unicode() - u'0';
            if (inFraction) {
                if (++places > scale)
                    return std::nullopt;
                fraction = fraction * 10 + digit;
            } else {
                if (__builtin_mul_overflow(whole, 10, &whole) || __builtin_add_overflow(whole, digit, &whole))
                    return std::nullopt;
            }
        } else if (c == decimalPoint && !inFraction) {
            inFraction = true;
        } else if (!grouping.isNull() && c == grouping && !inFraction) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    // A number whose units do not fit is refused rather than wrapped round to another amount.
    qint64 units = 0;
    if (__builtin_mul_overflow(whole, pow10(scale), &units)
        || __builtin_add_overflow(units, fraction * pow10(scale - places), &units))
        return std::nullopt;
    return negative ? -units : units;
}

}
