#pragma once

#include "data/backupfiles.h"
#include "data/datafolder.h"

#include <QString>

namespace ventrix {

class Database;

// A restore read from its archive and checked, waiting in the data folder for the user's
// confirmation; removed again unless it is applied.
class PreparedRestore
{
public:
    PreparedRestore() = default;
    explicit PreparedRestore(QString path) : m_path(std::move(path)) {}
    ~PreparedRestore();
    PreparedRestore(PreparedRestore&& other) noexcept : m_path(std::exchange(other.m_path, {})) {}
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
    const DataFolder& folder() const { return m_folder; }
    QString databaseFileName() const;
    // "Archivos/Impuest.db".
    QString hardDiskCopyPath() const;

    // Writes a consistent snapshot of the open database into the zip at zipPath.
    bool backupTo(const QString& zipPath, const BackupProgress& progress, QString* error) const;
    // Writes the snapshot to the "Archivos" folder.
    bool copyToHardDisk(const BackupProgress& progress, QString* error) const;

    // Reads the archive's database beside the program's one and checks it; nothing is replaced.
    PreparedRestore prepareRestore(const QString& zipPath, const BackupProgress& progress, QString* error) const;
    // Puts a prepared restore in place of the database, keeping the previous file as
    // "Impuest.db.anterior", and reopens the connection when it was open.
    bool applyRestore(PreparedRestore restore, QString* error) const;

private:
    bool keepPrevious(QString* error) const;

    DataFolder m_folder;
    Database* m_database;
};

}
