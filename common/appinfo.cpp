#include "common/appinfo.h"

#include "common/version.h"

namespace ventrix {

QString productName()
{
    return QStringLiteral("Ventrix");
}

QString mainCaption()
{
    return productName() + QStringLiteral(" - Versión ") + QString::number(VersionMajor) + u'.'
        + QString::number(VersionMinor) + u'.' + QString::number(VersionPatch) + QStringLiteral(" -");
}

}
