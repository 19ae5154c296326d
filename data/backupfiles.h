#pragma once

#include <QString>

#include <functional>

namespace ventrix::data {

// Progress of a backup or restore in percent: the whole operation and the current file.
using BackupProgress = std::function<void(int whole, int file)>;

// File steps that keep what is already stored whole: work on a sibling, flush it, then
// rename it over the target in one step.
namespace backupfiles {

// A not yet existing name beside path, in the same folder (so a rename never crosses devices).
QString temporarySibling(const QString& path);
// Flushes the file's contents to the device (a removable volume may be pulled out right after).
bool syncFile(const QString& path, QString* error);
// Renames from over to, replacing it atomically.
bool replaceFile(const QString& from, const QString& to, QString* error);
// Copies a file to a sibling of target and renames it into place.
bool copyFileAtomically(const QString& from, const QString& to, QString* error);
// Removes a file and the -wal/-shm/-journal companions SQLite may have left beside it.
void removeWithCompanions(const QString& path);

// Creates an empty file that only its owner can read and write, whatever the umask; fails
// when the file already exists.
bool createPrivate(const QString& path, QString* error);
// Restricts an existing file to its owner (read and write at most).
bool makePrivate(const QString& path, QString* error);
// The siblings "<name>.tmp-..." an interrupted earlier run left beside path.
QStringList staleSiblings(const QString& path);

}
}
