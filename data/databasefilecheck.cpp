#include "data/databasefilecheck.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace ventrix::data {
namespace {

constexpr int HeaderSize = 100;
constexpr char Magic[] = "SQLite format 3"; // 16 bytes with its terminating zero

quint32 pageSizeOf(const uchar* header)
{
    const quint32 raw = qFromBigEndian<quint16>(header + 16);
    return raw == 1 ? 65536u : raw;
}

bool validPageSize(quint32 size)
{
    return size >= 512 && size <= 65536 && (size & (size - 1)) == 0;
}

}

OpenResult checkDatabaseFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { OpenFailure::Other, QStringLiteral("No se puede leer el archivo: ") + file.errorString() };
    const qint64 size = file.size();
    if (size == 0)
        return { OpenFailure::NotADatabase, QStringLiteral("El archivo de la base de datos está vacío.") };
    const QByteArray header = file.read(HeaderSize);
    if (header.size() < HeaderSize || !header.startsWith(QByteArray(Magic, sizeof Magic)))
        return { OpenFailure::NotADatabase, QStringLiteral("El archivo no es una base de datos.") };
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 pageSize = pageSizeOf(bytes);
    if (!validPageSize(pageSize))
        return { OpenFailure::Corrupt, QStringLiteral("La cabecera de la base de datos está dañada.") };
    if (size % pageSize != 0)
        return { OpenFailure::Corrupt, QStringLiteral("El archivo de la base de datos está truncado.") };
    // The page count in the header is only trustworthy when written by the same change, and
    // a pending write-ahead log may still hold pages beyond the file's end.
    const quint32 changeCounter = qFromBigEndian<quint32>(bytes + 24);
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const quint32 validFor = qFromBigEndian<quint32>(bytes + 92);
    const bool walPending = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    if (!walPending && validFor == changeCounter && pages > 0 && size < qint64(pages) * pageSize)
        return { OpenFailure::Corrupt, QStringLiteral("El archivo de la base de datos está truncado.") };
    return {};
}

Result<qint64> declaredDatabaseSize(const QByteArray& header)
{
    if (header.size() < HeaderSize || !header.startsWith(QByteArray(Magic, sizeof Magic)))
        return Error { QStringLiteral("El archivo no es una base de datos.") };
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 pageSize = pageSizeOf(bytes);
    const quint32 changeCounter = qFromBigEndian<quint32>(bytes + 24);
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const quint32 validFor = qFromBigEndian<quint32>(bytes + 92);
    if (!validPageSize(pageSize) || pages == 0 || validFor != changeCounter)
        return Error { QStringLiteral("La cabecera de la base de datos está dañada.") };
    return qint64(pages) * pageSize;
}

OpenResult checkStandaloneDatabaseFile(const QString& path)
{
    if (QFileInfo(path + QStringLiteral("-wal")).size() > 0)
        return { OpenFailure::Corrupt,
            QStringLiteral("La base de datos tiene cambios pendientes en su registro.") };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { OpenFailure::Other, QStringLiteral("No se puede leer el archivo: ") + file.errorString() };
    const Result<qint64> size = declaredDatabaseSize(file.read(HeaderSize));
    if (!size)
        return { OpenFailure::NotADatabase, size.error() };
    if (*size != file.size())
        return { OpenFailure::Corrupt,
            QStringLiteral("El archivo de la base de datos tiene datos sobrantes o le faltan páginas.") };
    return {};
}

}
