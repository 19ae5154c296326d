#pragma once

#include "common/result.h"

#include <QSqlDatabase>

namespace ventrix::data {

// Tells whether a database file holds the program's own schema and nothing else, so that a
// file placed by hand or brought back from an archive cannot smuggle in a trigger, a view in
// place of a table or columns the program does not know.
namespace schemaguard {

// Compares every table, column, key, relation and index with what this program creates for
// that schema version; any object it did not create itself is refused. Reads the catalogue
// only: cheap enough for every start.
Status checkShape(QSqlDatabase db, int version);

// Reads the stored values: numeric columns hold numbers, dates hold dates, the indices
// history is whole and the reference lists are present, access passwords are well formed.
// Meant for a database about to replace the program's own (a restore).
Status checkValues(QSqlDatabase db);

// The highest number of hashing rounds a stored access password may ask for; more would
// stall the program at every password check.
inline constexpr qint64 MaxPasswordIterations = 1000000;

}
}
