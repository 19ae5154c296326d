#include "cp01/cp01pagerecord.h"

#include "common/randomsource.h"

namespace ventrix::cp01 {

QString drawReceiptNumber()
{
    return receiptText(RandomSource::bounded(1, 9999999999ULL));
}

QString receiptText(quint64 number)
{
    return QStringLiteral("%1").arg(number, 9, 10, QChar(u'0'));
}

QString recordDate(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("d-M-yyyy")) : QString();
}

QString printedValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate)
        return recordDate(value.toDate());
    if (value.typeId() == QMetaType::QDateTime)
        return recordDate(value.toDateTime().date());
    return value.toString().trimmed();
}

}
