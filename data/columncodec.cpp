#include "data/columncodec.h"

#include "common/fixed.h"
#include "common/regional.h"

#include <QDate>

#include <algorithm>

namespace ventrix::data::columncodec {
namespace {

// "yyyy-MM-dd" as the columns store it, read directly: a month's declaration reads hundreds of
// thousands of them. Anything else takes the general reading.
QDate isoDate(const QString& text)
{
    const auto digit = [&text](qsizetype i) {
        const char16_t c = text[i].unicode();
        return c >= u'0' && c <= u'9' ? c - u'0' : -1;
    };
    if (text.size() == 10 && text[4] == u'-' && text[7] == u'-') {
        const int parts[8]
            = { digit(0), digit(1), digit(2), digit(3), digit(5), digit(6), digit(8), digit(9) };
        if (std::all_of(std::begin(parts), std::end(parts), [](int d) { return d >= 0; }))
            return QDate(parts[0] * 1000 + parts[1] * 100 + parts[2] * 10 + parts[3],
                parts[4] * 10 + parts[5], parts[6] * 10 + parts[7]);
    }
    return QDate::fromString(text, Qt::ISODate);
}

bool isEmpty(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return true;
    return value.metaType().id() == QMetaType::QString && value.toString().trimmed().isEmpty();
}

bool isWholeNumber(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

template <int Scale> std::optional<qint64> fixedUnits(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<Fixed<2>>())
        return value.value<Fixed<2>>().template rescaled<Scale>().units();
    if (value.metaType() == QMetaType::fromType<Fixed<4>>())
        return value.value<Fixed<4>>().template rescaled<Scale>().units();
    if (isWholeNumber(value))
        return Fixed<Scale>::fromInteger(value.toLongLong()).units();
    if (value.metaType().id() == QMetaType::QString) {
        if (auto f = Fixed<Scale>::fromDisplay(value.toString().trimmed()))
            return f->units();
    }
    return std::nullopt;
}

std::optional<QDate> dateOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().isValid() ? std::optional(value.toDate()) : std::nullopt;
    const QString text = value.toString().trimmed();
    if (auto d = regional::parseDate(text))
        return d;
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    return iso.isValid() ? std::optional(iso) : std::nullopt;
}

std::optional<qint64> integerOf(const QVariant& value)
{
    if (isWholeNumber(value))
        return value.toLongLong();
    bool ok = false;
    const qint64 n = value.toString().trimmed().toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

QString invalid(const ColumnInfo& column)
{
    return QStringLiteral("Valor no válido para el campo ") + column.name + QStringLiteral(".");
}

}

QVariant fromStorage(ColumnKind kind, const QVariant& stored)
{
    if (stored.isNull())
        return {};
    switch (kind) {
    case ColumnKind::Integer:
        return stored.toLongLong();
    case ColumnKind::Text:
        return stored.toString();
    case ColumnKind::Fixed2:
        return QVariant::fromValue(Money::fromUnits(stored.toLongLong()));
    case ColumnKind::Fixed4:
        return QVariant::fromValue(Index4::fromUnits(stored.toLongLong()));
    case ColumnKind::Date: {
        const QDate d = isoDate(stored.toString());
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case ColumnKind::Other:
        break;
    }
    return stored;
}

std::optional<QVariant> toStorage(const ColumnInfo& column, const QVariant& value, QString* error)
{
    if (isEmpty(value))
        return QVariant();
    std::optional<QVariant> out;
    switch (column.kind) {
    case ColumnKind::Integer:
        if (auto n = integerOf(value))
            out = QVariant(*n);
        break;
    case ColumnKind::Fixed2:
        if (auto u = fixedUnits<2>(value))
            out = QVariant(*u);
        break;
    case ColumnKind::Fixed4:
        if (auto u = fixedUnits<4>(value))
            out = QVariant(*u);
        break;
    case ColumnKind::Date:
        if (auto d = dateOf(value))
            out = QVariant(d->toString(Qt::ISODate));
        break;
    case ColumnKind::Text:
        // Widths limit what screens accept; the engine keeps longer values (a stored password
        // hash is longer than its declared column), so they are not refused here.
        out = QVariant(value.toString());
        break;
    case ColumnKind::Other:
        out = value;
        break;
    }
    if (!out)
        *error = invalid(column);
    return out;
}

}
