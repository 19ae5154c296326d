#include "common/numerosql.h"

#include "common/regional.h"

namespace ventrix {
namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Takes a leading or trailing sign off the trimmed text; answers the sign character or none.
QChar takeSign(QStringView& text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    QChar sign;
    if (text.front() == u'-' || text.front() == u'+') {
        sign = text.front();
        text = text.sliced(1).trimmed();
    } else if (text.back() == u'-' || text.back() == u'+') {
        sign = text.back();
        text = text.chopped(1).trimmed();
    }
    return sign;
}

bool hasNonZeroDigit(QStringView text)
{
    for (QChar c : text) {
        if (c > u'0' && c <= u'9')
            return true;
    }
    return false;
}

}

bool isRegionalNumber(QStringView text)
{
    takeSign(text);
    bool anyDigit = false;
    bool inDecimals = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            anyDigit = true;
        } else if (c == regional::GroupSeparator && !inDecimals) {
            // Grouping only between digits.
            if (i == 0 || !isAsciiDigit(text[i - 1]) || i + 1 == text.size() || !isAsciiDigit(text[i + 1]))
                return false;
        } else if (c == regional::DecimalSeparator && !inDecimals) {
            inDecimals = true;
        } else {
            return false;
        }
    }
    return anyDigit;
}

QString Numero_SQL(QStringView typed, int decimals, const QString& defaultText)
{
    if (!isRegionalNumber(typed))
        return defaultText;
    QStringView body = typed;
    const bool negative = takeSign(body) == u'-' && hasNonZeroDigit(body);

    QString integerPart;
    QString decimalPart;
    bool inDecimals = false;
    for (QChar c : typed) {
        if (c == regional::DecimalSeparator) {
            inDecimals = true;
        } else if (isAsciiDigit(c)) {
            if (!inDecimals)
                integerPart += c;
            else if (decimals < 0 || decimalPart.size() < decimals)
                decimalPart += c;
        }
    }
    while (integerPart.size() > 1 && integerPart.front() == u'0')
        integerPart.remove(0, 1);
    if (integerPart.isEmpty())
        integerPart = QStringLiteral("0");

    QString out = negative ? QStringLiteral("-") + integerPart : integerPart;
    if (decimals == 0)
        return out;
    if (decimals > 0)
        decimalPart = decimalPart.leftJustified(decimals, u'0');
    return out + u'.' + decimalPart;
}

}
