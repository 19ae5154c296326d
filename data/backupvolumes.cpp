#include "data/backupvolumes.h"

#include <QDir>

namespace ventrix {

BackupVolumes::BackupVolumes() : m_roots(defaultRoots()) {}

QStringList BackupVolumes::defaultRoots()
{
    const QString configured = qEnvironmentVariable("VENTRIX_REMOVABLE_ROOTS");
    if (!configured.isEmpty())
        return configured.split(u':', Qt::SkipEmptyParts);
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}

QStringList BackupVolumes::volumes() const
{
    QStringList found;
    for (const QString& root : m_roots) {
        const QDir dir(root);
        const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name);
        for (const QString& name : names) {
            const QString volume = dir.filePath(name);
            // "Can be listed" is the test the program always used for a drive in place.
            if (QDir(volume).isReadable())
                found << volume;
        }
    }
    return found;
}

QString BackupVolumes::first() const
{
    const QStringList all = volumes();
    return all.isEmpty() ? QString() : all.first();
}

}
