#pragma once

#include "data/backupstore.h"
#include "data/backupvolumes.h"

#include <functional>
#include <optional>

namespace ventrix::data {

// What the backup window does when each of its buttons is pressed, with every message and
// question, so the whole road can be followed without a window.
class BackupFlow
{
public:
    struct Hooks
    {
        // A folder for the backup when no removable volume is found; nullopt when the user cancels.
        std::function<std::optional<QString>()> chooseFolder;
        // An archive to restore from when none is found on a removable volume.
        std::function<std::optional<QString>()> chooseArchive;
        std::function<void(const QString&)> status;
        BackupProgress progress;
    };

    BackupFlow(BackupStore& store, BackupVolumes volumes, Hooks hooks);

    // Each returns true when it changed something: an archive written, a database restored, a copy made.
    bool CopiarDiskette();
    bool RecupDeDiskette();
    bool Cmd_DiscoRigido();

private:
    std::optional<QString> backupFolder();
    std::optional<QString> archiveToRestore();
    void setStatus(const QString& text) const;
    void resetProgress() const;

    BackupStore& m_store;
    BackupVolumes m_volumes;
    Hooks m_hooks;
};

}
