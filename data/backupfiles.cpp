#include "data/backupfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace ventrix::backupfiles {

QString temporarySibling(const QString& path)
{
    return path + QStringLiteral(".tmp-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

bool syncFile(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

bool replaceFile(const QString& from, const QString& to, QString* error)
{
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), ec);
    if (!ec)
        return true;
    *error = QString::fromLocal8Bit(ec.message().c_str());
    return false;
}

bool copyFileAtomically(const QString& from, const QString& to, QString* error)
{
    const QString temporary = temporarySibling(to);
    QFile source(from);
    if (!source.copy(temporary)) {
        *error = source.errorString();
        QFile::remove(temporary);
        return false;
    }
    if (!syncFile(temporary, error) || !replaceFile(temporary, to, error)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

void removeWithCompanions(const QString& path)
{
    QFile::remove(path);
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

}
