#include "app/update/updateunpack.h"

#include "app/update/updatemessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <memory>

namespace ventrix::app {
namespace {

constexpr zip_uint64_t MaximumTotalBytes = 1024ULL * 1024 * 1024;
constexpr zip_int64_t MaximumEntries = 20000;

struct ZipClose
{
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ZipClose>;

Result<Zip> openZip(const QString& path)
{
    int code = 0;
    Zip z(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!z) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return Error { text };
    }
    return z;
}

bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(QChar(0))
        || (name.size() > 1 && name.at(1) == u':'))
        return false;
    QStringList parts = name.split(u'/');
    if (name.endsWith(u'/'))
        parts.removeLast();
    for (const QString& part : parts) {
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral(".."))
            return false;
    }
    return true;
}

// The Unix file type and permissions an entry carries, when it carries them.
mode_t unixMode(zip_t* z, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(z, index, 0, &system, &attributes) != 0 || system != ZIP_OPSYS_UNIX)
        return 0;
    return static_cast<mode_t>(attributes >> 16);
}

Status checkEntry(zip_t* z, zip_uint64_t index, zip_uint64_t& total)
{
    zip_stat_t st;
    if (zip_stat_index(z, index, 0, &st) != 0)
        return Error { QString::fromUtf8(zip_strerror(z)) };
    const QString name = QString::fromUtf8(st.name);
    if (!isSafeName(name))
        return Error { update::msg::forbiddenPath(name) };
    const mode_t type = unixMode(z, index) & S_IFMT;
    if (type != 0 && type != S_IFREG && type != S_IFDIR)
        return Error { update::msg::forbiddenPath(name) };
    if (st.encryption_method != ZIP_EM_NONE)
        return Error { QStringLiteral("El archivo contiene datos cifrados: ") + name };
    total += st.size;
    if (total > MaximumTotalBytes)
        return Error { update::msg::tooLarge() };
    return {};
}

// Reads an entry to its end, writing it to target when one is given; libzip checks the CRC
// once the last byte is read.
Status readEntry(zip_t* z, zip_uint64_t index, const QString& target)
{
    zip_stat_t st;
    zip_stat_init(&st);
    zip_file_t* f = zip_stat_index(z, index, 0, &st) == 0 ? zip_fopen_index(z, index, 0) : nullptr;
    if (!f)
        return Error { QString::fromUtf8(zip_strerror(z)) };
    QFile out(target);
    if (!target.isEmpty() && !out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        zip_fclose(f);
        return Error { out.errorString() + QStringLiteral(": ") + target };
    }
    char buffer[64 * 1024];
    zip_uint64_t read = 0;
    zip_int64_t n = 0;
    QString problem;
    while ((n = zip_fread(f, buffer, sizeof buffer)) > 0) {
        read += static_cast<zip_uint64_t>(n);
        if (!target.isEmpty() && out.write(buffer, n) != n) {
            problem = out.errorString();
            break;
        }
    }
    if (problem.isEmpty() && n < 0)
        problem = QString::fromUtf8(zip_file_strerror(f));
    zip_fclose(f);
    if (problem.isEmpty() && read != st.size)
        problem = QStringLiteral("Tamaño incorrecto: ") + QString::fromUtf8(st.name);
    if (problem.isEmpty() && !target.isEmpty() && !out.flush())
        problem = out.errorString();
    return problem.isEmpty() ? Status() : Status(Error { problem });
}

struct Staged
{
    QString relative;
    bool program = false; // one of the program's executables, put in place last
};

bool isProgram(const QString& relative, mode_t mode)
{
    return !relative.contains(u'/') && relative.startsWith(QStringLiteral("ventrix"), Qt::CaseInsensitive)
        && (mode & 0111) != 0;
}

Result<QList<Staged>> extractAll(zip_t* z, const QString& staging)
{
    QList<Staged> files;
    const zip_int64_t count = zip_get_num_entries(z, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const QString name = QString::fromUtf8(zip_get_name(z, index, 0));
        const QString target = QDir::cleanPath(QDir(staging).filePath(name));
        // Checked again where it is written, whatever the archive's check let through.
        if (!isSafeName(name) || !target.startsWith(QDir::cleanPath(staging) + u'/'))
            return Error { update::msg::forbiddenPath(name) };
        if (name.endsWith(u'/')) {
            if (!QDir().mkpath(target))
                return Error { QStringLiteral("No se pudo crear la carpeta ") + name };
            continue;
        }
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            return Error { QStringLiteral("No se pudo crear la carpeta de ") + name };
        if (const Status read = readEntry(z, index, target); !read)
            return Error { read.error() };
        const mode_t mode = unixMode(z, index);
        const bool executable = (mode & 0111) != 0;
        QFile::setPermissions(target,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther
                | (executable ? QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther : QFile::Permissions()));
        files.append({ name, isProgram(name, mode) });
    }
    std::stable_partition(files.begin(), files.end(), [](const Staged& s) { return !s.program; });
    return files;
}

// Renames the staged files into folder; on failure puts back what it had replaced.
class Placement
{
public:
    Placement(QString staging, QString folder)
        : m_staging(std::move(staging))
        , m_folder(std::move(folder))
        , m_saved(QDir(m_staging).filePath(QStringLiteral(".anterior")))
    {
    }

    Status place(const QList<Staged>& files)
    {
        const QString root = QFileInfo(m_folder).canonicalFilePath();
        for (const Staged& file : files) {
            const QString target = QDir(m_folder).filePath(file.relative);
            const QString parent = QFileInfo(target).absolutePath();
            // A folder of the program that is a link elsewhere must not carry files out of it.
            if (!QDir().mkpath(parent) || !isInside(QFileInfo(parent).canonicalFilePath(), root)) {
                rollBack();
                return Error { update::msg::forbiddenPath(file.relative) };
            }
            if (const Status moved = move(file.relative, target); !moved) {
                rollBack();
                return moved;
            }
        }
        return {};
    }

private:
    struct Done
    {
        QString target;
        QString saved; // empty when nothing was there before
    };

    static bool isInside(const QString& path, const QString& root)
    {
        return !root.isEmpty() && (path == root || path.startsWith(root + u'/'));
    }

    static bool rename(const QString& from, const QString& to)
    {
        std::error_code ec;
        std::filesystem::rename(
            QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), ec);
        return !ec;
    }

    Status move(const QString& relative, const QString& target)
    {
        const QFileInfo existing(target);
        Done done { target, {} };
        if (existing.exists() || existing.isSymLink()) {
            if (existing.isDir() && !existing.isSymLink())
                return Error { QStringLiteral("Ya existe una carpeta con el nombre ") + relative };
            done.saved = QDir(m_saved).filePath(relative);
            if (!QDir().mkpath(QFileInfo(done.saved).absolutePath()) || !rename(target, done.saved))
                return Error { QStringLiteral("No se pudo reemplazar ") + relative };
        }
        if (!rename(QDir(m_staging).filePath(relative), target)) {
            if (!done.saved.isEmpty())
                rename(done.saved, target);
            return Error { QStringLiteral("No se pudo reemplazar ") + relative };
        }
        m_done.append(done);
        return {};
    }

    void rollBack()
    {
        for (auto it = m_done.rbegin(); it != m_done.rend(); ++it) {
            QFile::remove(it->target);
            if (!it->saved.isEmpty())
                rename(it->saved, it->target);
        }
        m_done.clear();
    }

    QString m_staging;
    QString m_folder;
    QString m_saved;
    QList<Done> m_done;
};

}

Status validZIPFile(const QString& zipPath)
{
    Result<Zip> z = openZip(zipPath);
    if (!z)
        return Error { z.error() };
    const zip_int64_t count = zip_get_num_entries(z->get(), 0);
    if (count <= 0)
        return Error { QStringLiteral("El archivo no contiene ningún archivo.") };
    if (count > MaximumEntries)
        return Error { update::msg::tooLarge() };
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const Status entry = checkEntry(z->get(), static_cast<zip_uint64_t>(i), total); !entry)
            return entry;
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const Status read = readEntry(z->get(), static_cast<zip_uint64_t>(i), {}); !read)
            return read;
    }
    return {};
}

Status unpackUpdate(const QString& zipPath, const QString& folder)
{
    if (const Status valid = validZIPFile(zipPath); !valid)
        return valid;
    if (!QDir().mkpath(folder))
        return Error { QStringLiteral("No se pudo crear la carpeta ") + folder };
    // Inside the folder, so that every rename stays on one device; removed with what it holds.
    QTemporaryDir staging(QDir(folder).filePath(QStringLiteral(".actualizacion-XXXXXX")));
    if (!staging.isValid())
        return Error { staging.errorString() };
    Result<Zip> z = openZip(zipPath);
    if (!z)
        return Error { z.error() };
    Result<QList<Staged>> files = extractAll(z->get(), staging.path());
    if (!files)
        return Error { files.error() };
    return Placement(staging.path(), QFileInfo(folder).absoluteFilePath()).place(*files);
}

}
