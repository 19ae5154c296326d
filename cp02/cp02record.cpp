#include "cp02/cp02record.h"

#include "common/regional.h"

namespace ventrix::cp02 {

QString col::exempt(int n, const QString& item)
{
    return QStringLiteral("CP02_ActEx_") + item + u'_' + QString::number(n);
}

QString monthName(int month)
{
    static const char16_t* const names[] = { u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio",
        u"Julio", u"Agosto", u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre" };
    return month >= 1 && month <= 12 ? QString::fromUtf16(names[month - 1]) : QString();
}

MonthGrid emptyMonths()
{
    MonthGrid grid;
    for (int m = 1; m <= 12; ++m)
        grid.at(m - 1).mes = monthName(m);
    return grid;
}

qint64 Cp02Record::id() const
{
    return fields.value(col::Id).toLongLong();
}

int Cp02Record::periodo() const
{
    return fields.value(col::Periodo).toInt();
}

std::optional<Money> Cp02Record::money(const QString& column) const
{
    const QVariant v = fields.value(column);
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    return Money::fromDisplay(v.toString());
}

std::optional<qint64> Cp02Record::integer(const QString& column) const
{
    const QVariant v = fields.value(column);
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

QDate Cp02Record::date(const QString& column) const
{
    const QVariant v = fields.value(column);
    if (v.metaType().id() == QMetaType::QDate)
        return v.toDate();
    return regional::parseDate(v.toString().trimmed()).value_or(QDate());
}

void Cp02Record::setMoney(const QString& column, std::optional<Money> value)
{
    fields.insert(column, value ? QVariant::fromValue(*value) : QVariant());
}

}
