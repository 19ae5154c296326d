#pragma once

#include <QString>
#include <QStringList>

namespace ventrix {

// The removable volumes a backup can go to, in the order they are offered: every folder
// mounted under the probed roots. The roots default to the user's removable mounts
// (/media/USER, /run/media/USER) and can be set with VENTRIX_REMOVABLE_ROOTS
// (colon-separated) or by the caller, so tests can use plain folders.
class BackupVolumes
{
public:
    BackupVolumes();
    explicit BackupVolumes(QStringList roots) : m_roots(std::move(roots)) {}

    static QStringList defaultRoots();
    QStringList roots() const { return m_roots; }

    // Every volume whose root can be listed, in the order of the roots, then by name.
    QStringList volumes() const;
    // The first volume found, or an empty text when there is none.
    QString first() const;

private:
    QStringList m_roots;
};

}
