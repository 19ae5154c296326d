#include "data/datafolder.h"

#include "data/backupfiles.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>

namespace ventrix::data {

DataFolder DataFolder::resolve(QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QStringLiteral("--data-dir") && i + 1 < args.size()) {
            const QString dir = args.at(i + 1);
            args.remove(i, 2);
            return DataFolder(QDir(dir).absolutePath());
        }
        if (a.startsWith(QStringLiteral("--data-dir="))) {
            const QString dir = a.mid(11);
            args.remove(i);
            return DataFolder(QDir(dir).absolutePath());
        }
    }
    const QString env = qEnvironmentVariable("VENTRIX_DATA_DIR");
    if (!env.isEmpty())
        return DataFolder(QDir(env).absolutePath());
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return DataFolder(QDir(base).filePath(QStringLiteral("Ventrix")));
}

QString DataFolder::databasePath() const
{
    return QDir(m_path).filePath(QString::fromUtf16(DatabaseFileName));
}

DataFolder DataFolder::ofDatabase(const QString& databasePath)
{
    return DataFolder(QFileInfo(databasePath).absolutePath());
}

QString DataFolder::archivosPath() const
{
    return QDir(m_path).filePath(QStringLiteral("Archivos"));
}

bool DataFolder::ensureExists(QString* error) const
{
    if (QDir().mkpath(archivosPath()))
        return true;
    *error = QStringLiteral("No se pudo crear la carpeta ") + archivosPath();
    return false;
}

QString DataFolder::lockPath() const
{
    return QDir(m_path).filePath(QStringLiteral("ventrix.lock"));
}

QString DataFolder::previousDatabasePath(const QDateTime& when) const
{
    return databasePath() + QStringLiteral(".anterior-")
        + when.toString(QStringLiteral("yyyyMMdd-HHmmss.zzz"));
}

QStringList DataFolder::previousDatabases() const
{
    const QDir folder(m_path);
    QStringList names = folder.entryList(
        { QString::fromUtf16(DatabaseFileName) + QStringLiteral(".anterior-*") }, QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return name.contains(QStringLiteral(".tmp-")); });
    std::reverse(names.begin(), names.end());
    QStringList paths;
    for (const QString& name : names)
        paths.append(folder.filePath(name));
    return paths;
}

bool DataFolder::isWorkingFile(const QString& path) const
{
    const QFileInfo target(path);
    const QString folder = QFileInfo(m_path).canonicalFilePath();
    if (!folder.isEmpty() && QFileInfo(target.absolutePath()).canonicalFilePath() == folder
        && (target.fileName().startsWith(QString::fromUtf16(DatabaseFileName))
            || target.fileName() == u"ventrix.lock" || target.fileName() == u".base-creada"))
        return true;
    // The same file under another name (a link) is the database all the same.
    struct stat wanted
    {
    };
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &wanted) != 0)
        return false;
    for (const char* suffix : { "", "-wal", "-shm" }) {
        struct stat working
        {
        };
        const QByteArray name = QFile::encodeName(databasePath() + QLatin1String(suffix));
        if (::stat(name.constData(), &working) == 0 && working.st_dev == wanted.st_dev
            && working.st_ino == wanted.st_ino)
            return true;
    }
    return false;
}

void DataFolder::removeLeftovers() const
{
    const QString pattern = QString::fromUtf16(DatabaseFileName) + QStringLiteral("*.tmp-*");
    for (const QString& path : { m_path, archivosPath() }) {
        const QDir folder(path);
        for (const QString& name : folder.entryList({ pattern }, QDir::Files | QDir::Hidden))
            backupfiles::removeWithCompanions(folder.filePath(name));
    }
}

QString DataFolder::createdMarkerPath() const
{
    return QDir(m_path).filePath(QStringLiteral(".base-creada"));
}

bool DataFolder::hadDatabase() const
{
    return QFileInfo::exists(createdMarkerPath());
}

bool DataFolder::markDatabaseCreated(QString* error) const
{
    if (hadDatabase())
        return true;
    QSaveFile marker(createdMarkerPath());
    if (marker.open(QIODevice::WriteOnly) && marker.write("Ventrix\n") > 0 && marker.commit())
        return true;
    *error = marker.errorString();
    return false;
}

}
