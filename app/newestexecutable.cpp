#include "app/newestexecutable.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace ventrix::app {
namespace {

bool isProgramCopy(const QFileInfo& file)
{
    return file.isExecutable() && !file.fileName().startsWith(QStringLiteral("ventrix-cli"), Qt::CaseInsensitive);
}

}

std::optional<QString> newerCopyOf(const QString& runningExecutable)
{
    const QFileInfo running(runningExecutable);
    if (running.baseName().toUpper() == QStringLiteral("KORVEL"))
        return std::nullopt;
    const QDir folder = running.absoluteDir();
    const QFileInfoList candidates = folder.entryInfoList({QStringLiteral("ventrix*")},
                                                          QDir::Files, QDir::Name);
    QDateTime newestTime;
    QFileInfo newest;
    for (const QFileInfo& file : candidates) {
        if (!isProgramCopy(file))
            continue;
        const QDateTime modified = file.lastModified();
        if (!newestTime.isValid() || modified > newestTime) {
            newestTime = modified;
            newest = file;
        }
    }
    // When nothing matches (the program was renamed), this copy simply goes on.
    if (!newestTime.isValid() || newest.fileName().compare(running.fileName(), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return newest.absoluteFilePath();
}

}
