#include "common/removablevolumes.h"

#include <QDir>
#include <QStorageInfo>

namespace ventrix {

QStringList removableVolumes()
{
    const QString configured = qEnvironmentVariable("VENTRIX_REMOVABLE_ROOTS");
    if (!configured.isEmpty())
        return configured.split(u':', Qt::SkipEmptyParts);

    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty())
        return {};
    const QStringList prefixes { QStringLiteral("/media/") + user + u'/',
        QStringLiteral("/run/media/") + user + u'/' };
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = volume.rootPath();
        for (const QString& prefix : prefixes) {
            if (root.startsWith(prefix) && root.size() > prefix.size())
                roots.append(root);
        }
    }
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

QString volumeDisplayPath(const QString& root)
{
    QString path = QDir::toNativeSeparators(QDir::cleanPath(root));
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

}
