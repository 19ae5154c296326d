#include "data/autobackup.h"

#include "common/clock.h"
#include "data/backupfiles.h"
#include "data/backupstore.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace ventrix::data {
namespace {

const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

const QRegularExpression& namePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^Impuest-(\\d{8}-\\d{6}-\\d{3})-([a-z0-9-]+)\\.zip$"));
    return pattern;
}

// Only plain letters, digits and dashes go into a file name.
QString slug(const QString& reason)
{
    QString out;
    for (const QChar c : reason.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            out.append(c);
        else if (c.category() != QChar::Mark_NonSpacing && !out.endsWith(u'-'))
            out.append(u'-');
    }
    while (out.startsWith(u'-'))
        out.remove(0, 1);
    while (out.endsWith(u'-'))
        out.chop(1);
    out.truncate(40);
    return out.isEmpty() ? QStringLiteral("respaldo") : out;
}

// Two backups in the same millisecond (a fixed clock) still get distinct, ordered names.
QDateTime freeMoment(const QDir& folder)
{
    QDateTime when = Clock::now();
    while (!folder
                .entryList({ QStringLiteral("Impuest-") + when.toString(StampFormat) + QStringLiteral("-*") },
                    QDir::Files)
                .isEmpty())
        when = when.addMSecs(1);
    return when;
}

void prune(const DataFolder& folder)
{
    const QList<AutomaticBackup> kept = automaticBackups(folder);
    for (qsizetype i = KeptAutomaticBackups; i < kept.size(); ++i)
        QFile::remove(kept.at(i).path);
}

}

QString AutomaticBackup::label() const
{
    return taken.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QStringLiteral(" - ") + reason;
}

QString automaticBackupFolder(const DataFolder& folder)
{
    return QDir(folder.archivosPath()).filePath(QStringLiteral("respaldos"));
}

QList<AutomaticBackup> automaticBackups(const DataFolder& folder)
{
    const QDir dir(automaticBackupFolder(folder));
    QList<AutomaticBackup> out;
    for (const QString& name : dir.entryList({ QStringLiteral("Impuest-*.zip") }, QDir::Files)) {
        const QRegularExpressionMatch m = namePattern().match(name);
        if (!m.hasMatch())
            continue;
        const QDateTime taken = QDateTime::fromString(m.captured(1), StampFormat);
        if (taken.isValid())
            out.append({ dir.filePath(name), taken, m.captured(2) });
    }
    std::sort(out.begin(), out.end(),
        [](const AutomaticBackup& a, const AutomaticBackup& b) { return a.taken > b.taken; });
    return out;
}

Status takeAutomaticBackup(QSqlDatabase db, const QString& reason)
{
    const QString databasePath = db.isValid() ? db.databaseName() : QString();
    if (!db.isOpen() || databasePath.isEmpty() || databasePath == QStringLiteral(":memory:"))
        return Error { QStringLiteral("La base de datos no está abierta.") };
    const DataFolder folder = DataFolder::ofDatabase(databasePath);
    const QDir dir(automaticBackupFolder(folder));
    if (!QDir().mkpath(dir.path()))
        return Error { QStringLiteral("No se pudo crear la carpeta ")
            + QDir::toNativeSeparators(dir.path()) };
    // Pieces an interrupted earlier backup left (the program was ended halfway through one).
    for (const QString& stale :
        dir.entryList({ QStringLiteral("Impuest-*.tmp-*") }, QDir::Files | QDir::Hidden))
        backupfiles::removeWithCompanions(dir.filePath(stale));
    const QString name = QStringLiteral("Impuest-") + freeMoment(dir).toString(StampFormat) + u'-'
        + slug(reason) + QStringLiteral(".zip");
    QString error;
    if (!writeBackupArchive(db, dir.filePath(name), {}, &error))
        return Error { error };
    prune(folder);
    return {};
}

Status takeAutomaticBackup(const Database& database, const QString& reason)
{
    return takeAutomaticBackup(database.connection(), reason);
}

}
