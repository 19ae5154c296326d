#pragma once

#include "data/database.h"

#include <QString>

namespace ventrix::data {

// Tells whether a file taken from or written for a backup is one of the program's databases
// that can be put in place as it is: a whole file with nothing after its last page, passing
// SQLite's full integrity check, of a schema version this program knows, holding exactly the
// tables, columns and indexes the program creates for it (no trigger, no view) and values of the
// right kinds. Reads only; never upgrades nor repairs the file.
OpenResult verifyBackupDatabase(const QString& path);

// Runs SQLite's integrity check on an open connection; empty when it reports "ok".
QString integrityProblem(QSqlDatabase db);

}
