#pragma once

#include "data/backupfiles.h"

#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

// Copies the open database page by page with SQLite's online backup, so the copy is consistent
// even while the program keeps the connection open. The copy is written beside target and
// renamed into place only when complete and checked; on failure target is left as it was.
bool snapshotDatabase(QSqlDatabase source, const QString& target, const BackupProgress& progress,
                      QString* error);

}
