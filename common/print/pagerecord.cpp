#include "common/print/pagerecord.h"

#include "common/version.h"

namespace ventrix::print {

QString versionField()
{
    return u'V' + QString::number(VersionMajor) + u'.' + QString::number(VersionMinor) + u'|';
}

QString closePageRecord(const QString& record)
{
    if (record.size() < PageRecordLimit)
        return record + versionField() + QStringLiteral("|OK");
    return record.left(PageRecordLimit) + QStringLiteral("|FDat") + versionField();
}

}
