#include "data/backupstore.h"

#include "data/backuparchive.h"
#include "data/backupsnapshot.h"
#include "data/backupverify.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ventrix {
namespace {

// Maps a step's own percentage onto its share [from, to] of the whole operation.
BackupProgress stage(const BackupProgress& progress, int from, int to)
{
    if (!progress)
        return {};
    progress(from, 0);
    return [progress, from, to](int, int file) { progress(from + (to - from) * file / 100, file); };
}

}

PreparedRestore::~PreparedRestore()
{
    if (!m_path.isEmpty())
        backupfiles::removeWithCompanions(m_path);
}

PreparedRestore& PreparedRestore::operator=(PreparedRestore&& other) noexcept
{
    if (this != &other) {
        if (!m_path.isEmpty())
            backupfiles::removeWithCompanions(m_path);
        m_path = std::exchange(other.m_path, {});
    }
    return *this;
}

BackupStore::BackupStore(DataFolder folder, Database* database)
    : m_folder(std::move(folder)), m_database(database)
{
}

bool BackupStore::databaseOpen() const
{
    return m_database && m_database->connection().isOpen();
}

QString BackupStore::databaseFileName() const
{
    return QString::fromUtf16(DatabaseFileName);
}

QString BackupStore::hardDiskCopyPath() const
{
    return QDir(m_folder.archivosPath()).filePath(databaseFileName());
}

bool BackupStore::backupTo(const QString& zipPath, const BackupProgress& progress, QString* error) const
{
    if (!databaseOpen()) {
        *error = QStringLiteral("La base de datos no está abierta.");
        return false;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = work.errorString();
        return false;
    }
    const QString snapshot = work.filePath(databaseFileName());
    const QString temporaryZip = backupfiles::temporarySibling(zipPath);
    const bool ok = snapshotDatabase(m_database->connection(), snapshot, stage(progress, 0, 40), error)
        && backuparchive::write(temporaryZip, snapshot, databaseFileName(), stage(progress, 40, 90), error)
        && backuparchive::verify(temporaryZip, error)
        && backupfiles::replaceFile(temporaryZip, zipPath, error);
    if (!ok)
        QFile::remove(temporaryZip);
    else if (progress)
        progress(100, 100);
    return ok;
}

bool BackupStore::copyToHardDisk(const BackupProgress& progress, QString* error) const
{
    if (!databaseOpen()) {
        *error = QStringLiteral("La base de datos no está abierta.");
        return false;
    }
    if (!QDir().mkpath(m_folder.archivosPath())) {
        *error = QStringLiteral("No se pudo crear la carpeta ") + m_folder.archivosPath();
        return false;
    }
    const bool ok = snapshotDatabase(m_database->connection(), hardDiskCopyPath(), stage(progress, 0, 100), error);
    if (ok && progress)
        progress(100, 100);
    return ok;
}

PreparedRestore BackupStore::prepareRestore(const QString& zipPath, const BackupProgress& progress,
                                            QString* error) const
{
    PreparedRestore prepared(backupfiles::temporarySibling(m_folder.databasePath()));
    if (!backuparchive::extractOnly(zipPath, prepared.path(), stage(progress, 0, 70), error))
        return {};
    const OpenResult check = verifyBackupDatabase(prepared.path());
    if (!check.ok()) {
        *error = check.reason;
        return {};
    }
    if (progress)
        progress(80, 100);
    return prepared;
}

bool BackupStore::keepPrevious(QString* error) const
{
    const QString current = m_folder.databasePath();
    const QString previous = m_folder.previousDatabasePath();
    if (!QFileInfo::exists(current))
        return true;
    if (!backupfiles::copyFileAtomically(current, previous, error))
        return false;
    // Changes not yet folded into the file live in its write-ahead log; they belong with it.
    const QString log = current + QStringLiteral("-wal");
    QFile::remove(previous + QStringLiteral("-wal"));
    if (QFileInfo(log).size() > 0 && !backupfiles::copyFileAtomically(log, previous + QStringLiteral("-wal"), error))
        return false;
    return true;
}

bool BackupStore::applyRestore(PreparedRestore restore, QString* error) const
{
    const bool wasOpen = databaseOpen();
    if (wasOpen)
        m_database->close();   // folds the log into the file and lets go of it
    const QString current = m_folder.databasePath();
    bool ok = keepPrevious(error);
    if (ok) {
        // A log left beside the old file would be replayed into the restored one.
        QFile::remove(current + QStringLiteral("-wal"));
        QFile::remove(current + QStringLiteral("-shm"));
        ok = backupfiles::syncFile(restore.path(), error) && backupfiles::replaceFile(restore.path(), current, error);
        if (ok)
            restore.take();
    }
    if (ok) {
        QString markerError;
        m_folder.markDatabaseCreated(&markerError);
    }
    if (wasOpen) {
        const OpenResult reopened = m_database->open(current);
        if (ok && !reopened.ok()) {
            *error = reopened.reason;
            return false;
        }
    }
    return ok;
}

}
