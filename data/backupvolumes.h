#pragma once

#include <QString>
#include <QStringList>

namespace ventrix::data {

// The removable volumes a backup can go to or come from, in the order they are offered: by
// default the ones mounted for the user (as delivery copies probe them); tests pass folders.
class BackupVolumes
{
public:
    BackupVolumes();
    explicit BackupVolumes(QStringList candidates) : m_candidates(std::move(candidates)) {}

    // The candidates whose folder can be listed, in order.
    QStringList volumes() const;
    // The first volume found, or an empty text when there is none.
    QString first() const;

private:
    QStringList m_candidates;
    bool m_probe = false;
};

}
