#include "data/backuparchive.h"

#include "data/databasefilecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <zip.h>

#include <memory>
#include <utility>

namespace ventrix::data::backuparchive {
namespace {

constexpr zip_uint32_t FastestDeflate = 1;

constexpr zip_int64_t ChunkSize = 64 * 1024;
// Room left on the device after a restore, for the log the program writes next.
constexpr qint64 SpareBytes = 16 * 1024 * 1024;

// The program's own words for the library's error, with the library's words as a detail line.
QString spanishZipError(int code, const QString& detail)
{
    QString text;
    switch (code) {
    case ZIP_ER_NOZIP:
        text = QStringLiteral("El archivo no es un archivo comprimido zip.");
        break;
    case ZIP_ER_INCONS:
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_EOF:
        text = QStringLiteral("El archivo comprimido está dañado.");
        break;
    case ZIP_ER_NOENT:
        text = QStringLiteral("No existe el archivo comprimido.");
        break;
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        text = QStringLiteral("No se pudo leer el archivo comprimido.");
        break;
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_WRITE:
    case ZIP_ER_RENAME:
    case ZIP_ER_CLOSE:
        text = QStringLiteral(
            "No se pudo escribir el archivo comprimido (verifique el espacio libre y los permisos "
            "del destino).");
        break;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_MULTIDISK:
        text = QStringLiteral("El archivo comprimido usa un formato que el programa no lee.");
        break;
    case ZIP_ER_MEMORY:
        text = QStringLiteral("No hay memoria suficiente para leer el archivo comprimido.");
        break;
    default:
        text = QStringLiteral("Error en el archivo comprimido.");
        break;
    }
    return detail.isEmpty() ? text : text + QStringLiteral("\nDetalle: ") + detail;
}

QString zipErrorText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = spanishZipError(code, QString::fromUtf8(zip_error_strerror(&e)));
    zip_error_fini(&e);
    return text;
}

QString archiveError(zip_t* archive)
{
    return spanishZipError(
        zip_error_code_zip(zip_get_error(archive)), QString::fromUtf8(zip_strerror(archive)));
}

QString fileError(zip_file_t* file)
{
    return spanishZipError(
        zip_error_code_zip(zip_file_get_error(file)), QString::fromUtf8(zip_file_strerror(file)));
}

QString writeError(const QString& detail)
{
    return QStringLiteral("No se pudo escribir la base de datos recuperada (verifique el espacio libre del "
                          "disco).\nDetalle: ")
        + detail;
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
bool readEntry(zip_t* archive, zip_uint64_t index, const BackupProgress& progress, Sink sink, QString* error)
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
        // An entry that inflates beyond the size its header declares is refused before it fills the disk.
        if ((stat.valid & ZIP_STAT_SIZE) && total > stat.size) {
            *error = QStringLiteral("El archivo comprimido contiene más datos de los que declara.");
            ok = false;
            break;
        }
        if (!sink(chunk.constData(), n)) {
            ok = false;
            break;
        }
        if (progress && stat.size > 0)
            progress(-1, static_cast<int>(100 * total / stat.size));
    }
    if (ok && n < 0) {
        *error = fileError(file);
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
    *error = entries == 0
        ? QStringLiteral("El archivo comprimido está vacío.")
        : QStringLiteral("El archivo comprimido contiene %1 archivos; se esperaba uno.").arg(entries);
    return false;
}

// The entry's declared size must be one a database can have and must fit on the device.
bool fitsOnDevice(zip_t* archive, const QString& destination, QString* error, bool* noRoom)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, 0, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        *error = QStringLiteral("El archivo comprimido no declara el tamaño de su contenido.");
        return false;
    }
    if (stat.size > zip_uint64_t(MaxDatabaseBytes)) {
        *error = QStringLiteral(
            "El contenido del archivo comprimido (%1 MB) excede el tamaño máximo de una base de "
            "datos (%2 MB).")
                     .arg(stat.size / (1024 * 1024))
                     .arg(MaxDatabaseBytes / (1024 * 1024));
        return false;
    }
    const QStorageInfo device(QFileInfo(destination).absolutePath());
    if (device.isValid() && device.bytesAvailable() >= 0
        && qint64(stat.size) + SpareBytes > device.bytesAvailable()) {
        *error
            = QStringLiteral("No hay espacio suficiente en el disco para recuperar la base de datos (%1 MB "
                             "necesarios, %2 MB libres).")
                  .arg((qint64(stat.size) + SpareBytes) / (1024 * 1024))
                  .arg(device.bytesAvailable() / (1024 * 1024));
        *noRoom = true;
        return false;
    }
    return true;
}

// The first bytes of the entry: a database whose header gives a size other than the entry's
// carries data after its last page (or lacks pages) and is refused before the rest is read.
bool headerMatchesSize(const char* data, zip_int64_t n, zip_uint64_t entrySize, QString* error)
{
    const auto expected = declaredDatabaseSize(QByteArray::fromRawData(data, int(qMin<zip_int64_t>(n, 100))));
    if (!expected) {
        *error = expected.error();
        return false;
    }
    if (zip_uint64_t(*expected) != entrySize) {
        *error = QStringLiteral("El archivo de la base de datos tiene datos sobrantes o le faltan páginas.");
        return false;
    }
    return true;
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
    zip_int64_t entry = -1;
    if (!source
        || (entry = zip_file_add(
                archive, entryName.toUtf8().constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8))
            < 0) {
        *error = archiveError(archive);
        if (source)
            zip_source_free(source);
        zip_discard(archive);
        return false;
    }
    // The fastest deflate: a database of a million rows is copied in seconds, not half a minute,
    // for an archive a fifth larger; every unzip tool reads it alike.
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(entry), ZIP_CM_DEFLATE, FastestDeflate);
    zip_register_progress_callback_with_state(
        archive, 0.01, reportProgress, nullptr, const_cast<BackupProgress*>(&progress));
    if (zip_close(archive) != 0) {
        *error = archiveError(archive);
        zip_discard(archive);
        return false;
    }
    return backupfiles::makePrivate(zipPath, error) && backupfiles::syncFile(zipPath, error);
}

bool verify(const QString& zipPath, QString* error)
{
    Archive archive = openForReading(zipPath, error);
    if (!archive)
        return false;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        if (!readEntry(
                archive.get(), static_cast<zip_uint64_t>(i), {},
                [](const char*, zip_int64_t) { return true; }, error))
            return false;
    }
    return true;
}

bool extractOnly(const QString& zipPath, const QString& destination, const BackupProgress& progress,
    QString* error, bool* writeFailed)
{
    bool unused = false;
    bool& deviceFailed = writeFailed ? *writeFailed : unused;
    deviceFailed = false;
    Archive archive = openForReading(zipPath, error);
    if (!archive || !onlyEntry(archive.get(), error))
        return false;
    if (!fitsOnDevice(archive.get(), destination, error, &deviceFailed))
        return false;
    zip_stat_t stat;
    zip_stat_init(&stat);
    zip_stat_index(archive.get(), 0, 0, &stat);
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = writeError(out.errorString());
        deviceFailed = true;
        return false;
    }
    bool first = true;
    const bool read = readEntry(
        archive.get(), 0, progress,
        [&](const char* data, zip_int64_t n) {
            if (std::exchange(first, false) && !headerMatchesSize(data, n, stat.size, error))
                return false;
            if (out.write(data, n) == n)
                return true;
            *error = writeError(out.errorString());
            deviceFailed = true;
            return false;
        },
        error);
    if (!read) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = writeError(out.errorString());
        deviceFailed = true;
        return false;
    }
    return backupfiles::makePrivate(destination, error);
}

}
