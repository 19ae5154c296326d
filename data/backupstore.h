#pragma once

#include "data/backupfiles.h"
#include "data/datafolder.h"

#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

class Database;

// Writes a consistent snapshot of the open connection's database into the zip at zipPath,
// staged beside it and renamed into place only when written and read back whole.
bool writeBackupArchive(
    QSqlDatabase db, const QString& zipPath, const BackupProgress& progress, QString* error);

// A restore read from its archive and checked, waiting in the data folder for the user's
// confirmation; removed again unless it is applied.
class PreparedRestore
{
public:
    PreparedRestore() = default;
    explicit PreparedRestore(QString path)
        : m_path(std::move(path))
    {
    }
    ~PreparedRestore();
    PreparedRestore(PreparedRestore&& other) noexcept
        : m_path(std::exchange(other.m_path, {}))
    {
    }
    PreparedRestore& operator=(PreparedRestore&& other) noexcept;
    PreparedRestore(const PreparedRestore&) = delete;
    PreparedRestore& operator=(const PreparedRestore&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    QString take() { return std::exchange(m_path, {}); }

private:
    QString m_path;
};

// Backup, restore and hard-disk copy of the program's database. The database may be closed
// (start-up offers the restore when it could not open it); backups then have nothing to copy.
class BackupStore
{
public:
    BackupStore(DataFolder folder, Database* database);

    bool databaseOpen() const;
    // The database backed up and replaced; null when the program runs without one.
    const Database* database() const { return m_database; }
    const DataFolder& folder() const { return m_folder; }
    QString databaseFileName() const;
    // "Archivos/Impuest.db".
    QString hardDiskCopyPath() const;

    // Writes a consistent snapshot of the open database into the zip at zipPath (never one of
    // the data folder's working files), staged beside it and readable by the user only.
    bool backupTo(const QString& zipPath, const BackupProgress& progress, QString* error) const;
    // Writes the snapshot to the "Archivos" folder.
    bool copyToHardDisk(const BackupProgress& progress, QString* error) const;

    // Why a restore could not be prepared: the archive (or the database in it) is not sound,
    // or the device could not take the extracted file (full, not writable).
    enum class RestoreProblem { None, Archive, Device };
    // Reads the archive's database beside the program's one and checks it (a sound file of the
    // program's own schema and values); nothing is replaced.
    PreparedRestore prepareRestore(const QString& zipPath, const BackupProgress& progress, QString* error,
        RestoreProblem* problem = nullptr) const;
    // Puts a prepared restore in place of the database and reopens the connection when it was
    // open. The previous database is first made whole (its log folded in) and kept as a dated
    // copy "Impuest.db.anterior-..." (the last few are kept); refused while another process
    // holds the database.
    bool applyRestore(PreparedRestore restore, QString* error) const;

private:
    bool replaceDatabase(PreparedRestore& restore, QString* error) const;
    bool keepPrevious(bool whole, QString* error) const;
    void prunePrevious() const;

    DataFolder m_folder;
    Database* m_database;
};

}
