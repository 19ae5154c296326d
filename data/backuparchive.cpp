#include "data/backuparchive.h"

#include <QFile>
#include <QSaveFile>

#include <zip.h>

#include <memory>

namespace ventrix::backuparchive {
namespace {

constexpr zip_int64_t ChunkSize = 64 * 1024;

QString zipErrorText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

QString archiveError(zip_t* archive)
{
    return QString::fromUtf8(zip_strerror(archive));
}

struct ArchiveCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

Archive openForReading(const QString& zipPath, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!archive)
        *error = zipErrorText(code);
    return Archive(archive);
}

void reportProgress(zip_t*, double done, void* state)
{
    const auto* progress = static_cast<const BackupProgress*>(state);
    if (*progress)
        (*progress)(-1, static_cast<int>(done * 100));
}

// Reads one entry to its end (libzip checks the CRC there), handing each chunk to sink.
template <typename Sink>
bool readEntry(zip_t* archive, zip_uint64_t index, const BackupProgress& progress, Sink sink,
               QString* error)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0) {
        *error = archiveError(archive);
        return false;
    }
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (!file) {
        *error = archiveError(archive);
        return false;
    }
    QByteArray chunk(ChunkSize, Qt::Uninitialized);
    zip_uint64_t total = 0;
    zip_int64_t n = 0;
    bool ok = true;
    while ((n = zip_fread(file, chunk.data(), ChunkSize)) > 0) {
        total += static_cast<zip_uint64_t>(n);
        if (!sink(chunk.constData(), n)) {
            ok = false;
            break;
        }
        if (progress && stat.size > 0)
            progress(-1, static_cast<int>(100 * total / stat.size));
    }
    if (ok && n < 0) {
        *error = QString::fromUtf8(zip_file_strerror(file));
        ok = false;
    }
    zip_fclose(file);
    if (ok && (stat.valid & ZIP_STAT_SIZE) && total != stat.size) {
        *error = QStringLiteral("El archivo comprimido está incompleto.");
        ok = false;
    }
    return ok;
}

bool onlyEntry(zip_t* archive, QString* error)
{
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    if (entries == 1)
        return true;
    *error = entries == 0 ? QStringLiteral("El archivo comprimido está vacío.")
                          : QStringLiteral("El archivo comprimido contiene %1 archivos; se esperaba uno.")
                                .arg(entries);
    return false;
}

}

bool write(const QString& zipPath, const QString& file, const QString& entryName,
           const BackupProgress& progress, QString* error)
{
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        *error = zipErrorText(code);
        return false;
    }
    zip_source_t* source = zip_source_file(archive, QFile::encodeName(file).constData(), 0, -1);
    if (!source || zip_file_add(archive, entryName.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        *error = archiveError(archive);
        if (source)
            zip_source_free(source);
        zip_discard(archive);
        return false;
    }
    zip_register_progress_callback_with_state(archive, 0.01, reportProgress, nullptr,
                                              const_cast<BackupProgress*>(&progress));
    if (zip_close(archive) != 0) {
        *error = archiveError(archive);
        zip_discard(archive);
        return false;
    }
    return backupfiles::syncFile(zipPath, error);
}

bool verify(const QString& zipPath, QString* error)
{
    Archive archive = openForReading(zipPath, error);
    if (!archive)
        return false;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        if (!readEntry(archive.get(), static_cast<zip_uint64_t>(i), {},
                       [](const char*, zip_int64_t) { return true; }, error))
            return false;
    }
    return true;
}

bool extractOnly(const QString& zipPath, const QString& destination, const BackupProgress& progress,
                 QString* error)
{
    Archive archive = openForReading(zipPath, error);
    if (!archive || !onlyEntry(archive.get(), error))
        return false;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    const bool read = readEntry(archive.get(), 0, progress, [&out, error](const char* data, zip_int64_t n) {
        if (out.write(data, n) == n)
            return true;
        *error = out.errorString();
        return false;
    }, error);
    if (!read) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

}
