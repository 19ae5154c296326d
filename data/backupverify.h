#pragma once

#include "data/database.h"

#include <QString>

namespace ventrix {

// Tells whether a file is one of the program's databases that can be used as it is: not empty,
// readable by SQLite, passing its integrity check, and of a schema version this program knows.
// Reads only; never upgrades nor repairs the file.
OpenResult checkDatabaseFile(const QString& path);

// Runs SQLite's integrity check on an open connection; empty when it reports "ok".
QString integrityProblem(QSqlDatabase db);

}
