#include "data/backupflow.h"

#include "common/messages.h"
#include "common/removablevolumes.h"
#include "data/autobackup.h"
#include "data/backupmessages.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

namespace ventrix::data {
namespace {

QString withReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + u'\n' + reason;
}

template <typename Step> bool guarded(Step step)
{
    try {
        return step();
    } catch (const std::exception&) {
        fail(msg::unexpectedError());
        return false;
    }
}

}

BackupFlow::BackupFlow(BackupStore& store, BackupVolumes volumes, Hooks hooks)
    : m_store(store)
    , m_volumes(std::move(volumes))
    , m_hooks(std::move(hooks))
{
}

void BackupFlow::setStatus(const QString& text) const
{
    if (m_hooks.status)
        m_hooks.status(text);
}

void BackupFlow::resetProgress() const
{
    if (m_hooks.progress)
        m_hooks.progress(0, 0);
}

std::optional<QString> BackupFlow::backupFolder()
{
    const QString volume = m_volumes.first();
    if (!volume.isEmpty()) {
        setStatus(msg::backingUpOn(volumeDisplayPath(volume)));
        return volume;
    }
    inform(msg::noDiskette());
    const auto folder = m_hooks.chooseFolder ? m_hooks.chooseFolder() : std::nullopt;
    if (folder)
        setStatus(msg::backingUpIn(*folder));
    return folder;
}

bool BackupFlow::CopiarDiskette()
{
    return guarded([this] {
        if (!m_store.databaseOpen()) {
            warn(withReason(msg::backupFailed(), msg::databaseNotOpen()));
            return false;
        }
        const auto folder = backupFolder();
        if (!folder)
            return false;
        resetProgress();
        QString error;
        const bool ok
            = m_store.backupTo(QDir(*folder).filePath(msg::archiveName()), m_hooks.progress, &error);
        setStatus({});
        if (ok)
            inform(msg::backupDone());
        else
            warn(withReason(msg::backupFailed(), error));
        return ok;
    });
}

std::optional<QString> BackupFlow::archiveToRestore()
{
    const QStringList volumes = m_volumes.volumes();
    for (const QString& volume : volumes) {
        const QString archive = QDir(volume).filePath(msg::archiveName());
        if (QFileInfo::exists(archive))
            return archive;
    }
    if (volumes.isEmpty())
        inform(msg::noDiskette());
    else
        warn(msg::noFirstDisk());
    return m_hooks.chooseArchive ? m_hooks.chooseArchive() : std::nullopt;
}

bool BackupFlow::RecupDeDiskette()
{
    return guarded([this] {
        const auto archive = archiveToRestore();
        if (!archive)
            return false;
        resetProgress();
        QString error;
        BackupStore::RestoreProblem problem = BackupStore::RestoreProblem::None;
        PreparedRestore prepared = m_store.prepareRestore(*archive, m_hooks.progress, &error, &problem);
        const QString name = m_store.databaseFileName();
        if (!prepared.isValid()) {
            resetProgress();
            // A full or read-only disk is not a damaged archive.
            if (problem == BackupStore::RestoreProblem::Device)
                warn(withReason(msg::restoreIncomplete(), error));
            else
                warn(withReason(msg::damagedArchive(), error));
            return false;
        }
        if (QFileInfo::exists(m_store.folder().databasePath())
            && !askYesNo(
                msg::overwriteQuestion(name), MessageIcon::Question, false, 0, msg::confirmationTitle())) {
            warn(msg::restoreCancelled(), msg::warningTitle());
            inform(msg::notRestored(name));
            resetProgress();
            return false;
        }
        // The database about to be replaced goes among the automatic backups, where the
        // restore list offers it; the restore also keeps it beside the new one, so a backup
        // that fails (a nearly full disk) is told but does not stop the user's restore.
        if (m_store.databaseOpen()) {
            if (const Status taken = takeAutomaticBackup(*m_store.database(), backupreason::restore());
                !taken)
                warn(withReason(msg::backupFailed(), taken.error()), msg::warningTitle());
        }
        if (!m_store.applyRestore(std::move(prepared), &error)) {
            warn(withReason(msg::notRestored(name), error));
            warn(msg::restoreIncomplete());
            return false;
        }
        if (m_hooks.progress)
            m_hooks.progress(100, 100);
        inform(msg::restoreDone());
        return true;
    });
}

bool BackupFlow::Cmd_DiscoRigido()
{
    return guarded([this] {
        if (!askYesNo(msg::hardDiskQuestion(), MessageIcon::Question, false)) {
            inform(msg::operationCancelled());
            return false;
        }
        resetProgress();
        QString error;
        if (!m_store.copyToHardDisk(m_hooks.progress, &error)) {
            fail(msg::copyFailed(error));
            return false;
        }
        inform(msg::fileCopied());
        return true;
    });
}

}
