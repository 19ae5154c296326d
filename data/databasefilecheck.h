#pragma once

#include "common/result.h"
#include "data/database.h"

namespace ventrix::data {

// Looks at a database file's bytes without opening it through the engine, so that an empty,
// truncated or foreign file is refused before anything could write to it.
OpenResult checkDatabaseFile(const QString& path);

// The largest database file the program accepts from an archive.
inline constexpr qint64 MaxDatabaseBytes = qint64(4) * 1024 * 1024 * 1024;

// The file size a database header (its first 100 bytes) declares: page size times page count.
// Refused when the header is not a database's or its page count cannot be trusted.
Result<qint64> declaredDatabaseSize(const QByteArray& header);

// For a file that must stand alone (a backup, a restore): no pending log, and exactly the size
// its header declares, so nothing rides after the last page.
OpenResult checkStandaloneDatabaseFile(const QString& path);

}
