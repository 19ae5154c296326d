#include "data/backupvolumes.h"

#include "common/removablevolumes.h"

#include <QDir>

namespace ventrix::data {

BackupVolumes::BackupVolumes() : m_probe(true) {}

QStringList BackupVolumes::volumes() const
{
    // Probed on every call: a stick may be plugged in while the window is open.
    const QStringList candidates = m_probe ? removableVolumes() : m_candidates;
    QStringList found;
    for (const QString& volume : candidates) {
        // "Can be listed" is the test the program always used for a drive in place.
        const QDir dir(volume);
        if (dir.exists() && dir.isReadable())
            found << volume;
    }
    return found;
}

QString BackupVolumes::first() const
{
    const QStringList all = volumes();
    return all.isEmpty() ? QString() : all.first();
}

}
