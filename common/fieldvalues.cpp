#include "common/fieldvalues.h"

#include "common/fixed.h"
#include "common/regional.h"

namespace ventrix {

QString displayText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.metaType() == QMetaType::fromType<Money>())
        return value.value<Money>().toDisplay();
    if (value.metaType() == QMetaType::fromType<Index4>())
        return value.value<Index4>().toDisplay();
    if (value.metaType().id() == QMetaType::QDate)
        return regional::formatDate(value.toDate());
    return value.toString();
}

}
