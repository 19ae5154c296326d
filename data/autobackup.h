#pragma once

#include "common/result.h"
#include "data/datafolder.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

class Database;

// The words callers give as the reason of an automatic backup; they end up in its file name.
namespace backupreason {
inline QString leaving()
{
    return QStringLiteral("salida");
}
inline QString restore()
{
    return QStringLiteral("recuperacion");
}
inline QString update()
{
    return QStringLiteral("actualizacion");
}
inline QString import()
{
    return QStringLiteral("importacion");
}
inline QString marking()
{
    return QStringLiteral("marcado");
}
}

// One automatic backup found in the folder.
struct AutomaticBackup
{
    QString path;
    QDateTime taken;
    QString reason;
    // "07/12/2026 03:55:00 - salida", for the list the user picks a restore from.
    QString label() const;
};

// How many automatic backups are kept; older ones are removed, oldest first.
inline constexpr int KeptAutomaticBackups = 30;

// "Archivos/respaldos" of the data folder.
QString automaticBackupFolder(const DataFolder& folder);
// The automatic backups of the data folder, newest first.
QList<AutomaticBackup> automaticBackups(const DataFolder& folder);

// Takes a consistent snapshot of the open database (the same online backup the backup window
// makes) into "Archivos/respaldos/Impuest-<date>-<time>-<reason>.zip" and keeps only the newest
// 30. Called before risky steps; the caller decides whether a failure stops them.
Status takeAutomaticBackup(QSqlDatabase db, const QString& reason);
Status takeAutomaticBackup(const Database& database, const QString& reason);

}
