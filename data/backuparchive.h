#pragma once

#include "data/backupfiles.h"

#include <QString>

namespace ventrix::data {

// The backup archive: a zip holding exactly one file, the database.
namespace backuparchive {

// Writes a zip at zipPath holding file under entryName. libzip writes it beside zipPath and
// renames it into place when complete; the result is then flushed to the device.
bool write(const QString& zipPath, const QString& file, const QString& entryName,
    const BackupProgress& progress, QString* error);

// Reads the archive's only entry into destination (replacing it atomically, readable by the user
// only), checking that the archive opens, holds exactly one file of a size a database can have
// and that fits on the device, whose header gives that same size, and whose contents match their
// CRC. *writeFailed tells a failure of the device (full, not writable) from a bad archive.
bool extractOnly(const QString& zipPath, const QString& destination, const BackupProgress& progress,
    QString* error, bool* writeFailed = nullptr);

// Reads every entry to its end, which checks each CRC; false with the reason when one fails.
bool verify(const QString& zipPath, QString* error);

}
}
