#include "data/backupfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ventrix::data::backupfiles {
namespace {

// The program's words for a failed file step, with the system's words as a detail line.
QString fileError(const char* what, const QString& path, const QString& detail)
{
    return QString::fromUtf8(what) + u' ' + path + QStringLiteral(".\nDetalle: ") + detail;
}

QString systemError(const char* what, const QString& path)
{
    return fileError(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

}

QString temporarySibling(const QString& path)
{
    return path + QStringLiteral(".tmp-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

bool syncFile(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        *error = systemError("No se pudo guardar en el disco el archivo", path);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

bool replaceFile(const QString& from, const QString& to, QString* error)
{
    // The new file is never more open than the one it replaces.
    struct stat existing
    {
    };
    if (::stat(QFile::encodeName(to).constData(), &existing) == 0
        && ::chmod(QFile::encodeName(from).constData(), existing.st_mode & 0600) != 0) {
        *error = systemError("No se pudieron ajustar los permisos del archivo", from);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), ec);
    if (!ec)
        return true;
    *error = fileError("No se pudo reemplazar el archivo", to, QString::fromLocal8Bit(ec.message().c_str()));
    return false;
}

bool copyFileAtomically(const QString& from, const QString& to, QString* error)
{
    const QString temporary = temporarySibling(to);
    QFile source(from);
    if (!source.copy(temporary)) {
        *error = fileError("No se pudo copiar el archivo", from, source.errorString());
        QFile::remove(temporary);
        return false;
    }
    if (!makePrivate(temporary, error) || !syncFile(temporary, error) || !replaceFile(temporary, to, error)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

void removeWithCompanions(const QString& path)
{
    QFile::remove(path);
    for (const char* suffix : { "-wal", "-shm", "-journal" })
        QFile::remove(path + QLatin1String(suffix));
}

bool createPrivate(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = systemError("No se pudo crear el archivo", path);
        return false;
    }
    // The umask can only narrow 0600 further; set it exactly.
    const bool ok = ::fchmod(fd, 0600) == 0;
    if (!ok)
        *error = systemError("No se pudieron ajustar los permisos del archivo", path);
    ::close(fd);
    return ok;
}

bool makePrivate(const QString& path, QString* error)
{
    struct stat st
    {
    };
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &st) != 0 || ::chmod(name.constData(), st.st_mode & 0600) != 0) {
        *error = systemError("No se pudieron ajustar los permisos del archivo", path);
        return false;
    }
    return true;
}

QStringList staleSiblings(const QString& path)
{
    const QFileInfo target(path);
    QStringList out;
    const QDir folder = target.absoluteDir();
    const QStringList names = folder.entryList(
        { target.fileName() + QStringLiteral(".tmp-*") }, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        out.append(folder.filePath(name));
    return out;
}

}
