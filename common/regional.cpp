#include "common/regional.h"

#include <array>

namespace ventrix::regional {

QString numberGrouping()
{
    return QStringLiteral("3;0");
}

QString numberDecimals()
{
    return QStringLiteral("2");
}

QString currencyGrouping()
{
    return numberGrouping();
}

QString currencyDecimals()
{
    return numberDecimals();
}

QString decimalSeparator()
{
    return DecimalSeparator;
}

QString dateSeparator()
{
    return DateSeparator;
}

QString monthName(int month)
{
    static const std::array<const char16_t*, 12> names { u"enero", u"febrero", u"marzo", u"abril", u"mayo",
        u"junio", u"julio", u"agosto", u"septiembre", u"octubre", u"noviembre", u"diciembre" };
    if (month < 1 || month > 12)
        return {};
    return QString::fromUtf16(names[static_cast<size_t>(month - 1)]);
}

QString formatDate(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

std::optional<QDate> parseDate(QStringView text)
{
    const auto parts = text.trimmed().split(DateSeparator);
    if (parts.size() != 3)
        return std::nullopt;
    bool okD = false, okM = false, okY = false;
    const int d = parts[0].toInt(&okD);
    const int m = parts[1].toInt(&okM);
    const int y = parts[2].toInt(&okY);
    if (!okD || !okM || !okY || parts[2].size() != 4)
        return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}
