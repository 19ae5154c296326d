#include "data/backupstore.h"

#include "data/backuparchive.h"
#include "data/backupsnapshot.h"
#include "data/backupverify.h"
#include "data/crashpoint.h"
#include "data/database.h"
#include "data/exclusivedatabase.h"

#include "common/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace ventrix::data {
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

bool writeBackupArchive(
    QSqlDatabase db, const QString& zipPath, const BackupProgress& progress, QString* error)
{
    // Pieces of an earlier backup to the same place that was interrupted.
    for (const QString& stale : backupfiles::staleSiblings(zipPath))
        backupfiles::removeWithCompanions(stale);
    // Staged beside the target: the same device, which must hold the archive anyway, and
    // nothing of the taxpayers' data left in a shared temporary folder.
    const QString snapshot = backupfiles::temporarySibling(zipPath);
    const QString temporaryZip = backupfiles::temporarySibling(zipPath);
    const bool ok = snapshotDatabase(db, snapshot, stage(progress, 0, 40), error)
        && backuparchive::write(
            temporaryZip, snapshot, QString::fromUtf16(DatabaseFileName), stage(progress, 40, 90), error)
        && backuparchive::verify(temporaryZip, error)
        && backupfiles::replaceFile(temporaryZip, zipPath, error);
    backupfiles::removeWithCompanions(snapshot);
    if (!ok)
        QFile::remove(temporaryZip);
    else if (progress)
        progress(100, 100);
    return ok;
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
    : m_folder(std::move(folder))
    , m_database(database)
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
    if (m_folder.isWorkingFile(zipPath)) {
        *error = QStringLiteral(
                     "El Backup no puede guardarse sobre los archivos de trabajo de la base de datos: ")
            + QDir::toNativeSeparators(zipPath);
        return false;
    }
    return writeBackupArchive(m_database->connection(), zipPath, progress, error);
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
    const bool ok
        = snapshotDatabase(m_database->connection(), hardDiskCopyPath(), stage(progress, 0, 100), error);
    if (ok && progress)
        progress(100, 100);
    return ok;
}

PreparedRestore BackupStore::prepareRestore(
    const QString& zipPath, const BackupProgress& progress, QString* error, RestoreProblem* problem) const
{
    RestoreProblem unused = RestoreProblem::None;
    RestoreProblem& kind = problem ? *problem : unused;
    kind = RestoreProblem::None;
    PreparedRestore prepared(backupfiles::temporarySibling(m_folder.databasePath()));
    bool deviceFailed = false;
    if (!backuparchive::extractOnly(zipPath, prepared.path(), stage(progress, 0, 70), error, &deviceFailed)) {
        kind = deviceFailed ? RestoreProblem::Device : RestoreProblem::Archive;
        return {};
    }
    const OpenResult check = verifyBackupDatabase(prepared.path());
    if (!check.ok()) {
        *error = check.reason;
        kind = RestoreProblem::Archive;
        return {};
    }
    if (progress)
        progress(80, 100);
    return prepared;
}

bool BackupStore::keepPrevious(bool whole, QString* error) const
{
    const QString current = m_folder.databasePath();
    QDateTime when = Clock::now();
    while (QFileInfo::exists(m_folder.previousDatabasePath(when)))
        when = when.addMSecs(1);
    const QString previous = m_folder.previousDatabasePath(when);
    if (!backupfiles::copyFileAtomically(current, previous, error))
        return false;
    // A file that could not be held whole (a damaged one) keeps its log beside its copy.
    const QString log = current + QStringLiteral("-wal");
    if (!whole && QFileInfo(log).size() > 0
        && !backupfiles::copyFileAtomically(log, previous + QStringLiteral("-wal"), error))
        return false;
    return true;
}

void BackupStore::prunePrevious() const
{
    const QStringList kept = m_folder.previousDatabases();
    for (qsizetype i = DataFolder::KeptPreviousDatabases; i < kept.size(); ++i)
        backupfiles::removeWithCompanions(kept.at(i));
}

bool BackupStore::replaceDatabase(PreparedRestore& restore, QString* error) const
{
    const QString current = m_folder.databasePath();
    std::optional<ExclusiveDatabase> held;
    if (QFileInfo::exists(current)) {
        held.emplace(current);
        if (held->state() == ExclusiveDatabase::State::InUse) {
            *error = QStringLiteral(
                         "La base de datos está en uso por otro programa; ciérrelo antes de recuperar "
                         "un Backup.\nDetalle: ")
                + held->reason();
            return false;
        }
        if (!keepPrevious(held->state() == ExclusiveDatabase::State::Held, error))
            return false;
    }
    crashpoint::reach("restore:previous-kept");
    // A log left beside the old file would be replayed into the restored one; what it held is
    // in the file (when held whole) or in the copy just kept.
    QFile::remove(current + QStringLiteral("-wal"));
    QFile::remove(current + QStringLiteral("-shm"));
    crashpoint::reach("restore:log-removed");
    if (!backupfiles::syncFile(restore.path(), error)
        || !backupfiles::replaceFile(restore.path(), current, error))
        return false;
    restore.take();
    crashpoint::reach("restore:replaced");
    prunePrevious();
    return true;
}

bool BackupStore::applyRestore(PreparedRestore restore, QString* error) const
{
    const bool wasOpen = databaseOpen();
    if (wasOpen)
        m_database->close(); // folds the log into the file and lets go of it
    const QString current = m_folder.databasePath();
    const bool ok = replaceDatabase(restore, error);
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
