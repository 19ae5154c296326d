#include "data/datafolder.h"

#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ventrix {

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

QString DataFolder::previousDatabasePath() const
{
    return databasePath() + QStringLiteral(".anterior");
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
    if (marker.open(QIODevice::WriteOnly)
        && marker.write("Ventrix\n") > 0 && marker.commit())
        return true;
    *error = marker.errorString();
    return false;
}

}
