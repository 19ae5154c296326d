#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace ventrix::data {

// Where the database and the "Archivos" folder live: "--data-dir DIR" on the command line,
// else the environment variable VENTRIX_DATA_DIR, else the per-user data folder.
class DataFolder
{
public:
    // Takes "--data-dir DIR" (or "--data-dir=DIR") out of args when present.
    static DataFolder resolve(QStringList& args);
    explicit DataFolder(QString path)
        : m_path(std::move(path))
    {
    }

    // The folder that holds the database file at databasePath.
    static DataFolder ofDatabase(const QString& databasePath);

    QString path() const { return m_path; }
    QString databasePath() const;
    QString archivosPath() const; // the "Archivos" folder of delivery files and copies
    // Creates the folder and "Archivos" when missing; false with the reason when it cannot.
    bool ensureExists(QString* error) const;

    // The lock that keeps a second copy of the program from using the same folder.
    QString lockPath() const;
    // The database as it was before a restore made at `when`: "Impuest.db.anterior-20261206-214500.123".
    QString previousDatabasePath(const QDateTime& when) const;
    // The copies kept by earlier restores, newest first.
    QStringList previousDatabases() const;
    // How many of those copies a restore keeps.
    static constexpr int KeptPreviousDatabases = 3;

    // True when path names one of the folder's working files (the database, its log, the
    // copies kept by restores, the lock) or a file that is the database under another name.
    bool isWorkingFile(const QString& path) const;
    // Removes the half-written files an interrupted restore, backup or copy left in the folder
    // and in "Archivos". Only for the holder of the folder's lock.
    void removeLeftovers() const;
    // Written once a database has been created here: a later missing database is a loss,
    // not a first start.
    QString createdMarkerPath() const;
    bool hadDatabase() const;
    bool markDatabaseCreated(QString* error) const;

private:
    QString m_path;
};

}
