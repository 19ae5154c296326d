#include "plans/ib08checks.h"

#include "common/clock.h"
#include "common/fieldchecks.h"
#include "plans/ib08messages.h"

namespace ventrix::plans {
namespace {

// A part of the position: one or two digits, nothing else.
std::optional<int> twoDigits(QStringView part)
{
    if (part.isEmpty() || part.size() > 2)
        return std::nullopt;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return part.toInt();
}

QString positionText(int month, int year)
{
    return QStringLiteral("%1/%2").arg(month, 2, 10, QChar(u'0')).arg(year, 2, 10, QChar(u'0'));
}

QString refusal()
{
    const QDate today = Clock::today();
    return msg::formatoPosFiscal(positionText(today.month(), today.year() % 100));
}

}

Result<QString> posicionFiscal(QStringView typed)
{
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return Error { refusal() };
    const auto month = twoDigits(text.left(slash));
    const auto year = twoDigits(text.mid(slash + 1));
    if (!month || !year || *month < 1 || *month > 12)
        return Error { refusal() };
    return positionText(*month, *year);
}

Result<std::optional<QDate>> ib08PaymentDate(QStringView typed)
{
    const QString text = typed.trimmed().toString();
    if (text.isEmpty())
        return std::optional<QDate>();
    const bool digitsOnlyTyped = text.size() == 8 && digitsOnly(text) == text;
    const QString dated = digitsOnlyTyped ? text.left(2) + u'/' + text.mid(2, 2) + u'/' + text.mid(4) : text;
    if (auto date = dateWithinLimits(dated))
        return std::optional<QDate>(*date);
    return Error { msg::fechaNoValida() };
}

std::optional<QString> ib08SaveCheck(const Ib08Payment& p)
{
    if (!p.fechaPago.isValid())
        return msg::completeFecha();
    if (!p.importe && !p.actualizacion && !p.interes)
        return msg::completeImportes();
    if (auto position = posicionFiscal(p.posFiscal); !position)
        return position.error();
    return std::nullopt;
}

QString ib08AmountOnLeaving(QStringView typed)
{
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    return Money::fromDisplay(text).value_or(Money()).toDisplay();
}

}
