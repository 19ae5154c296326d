#pragma once

#include "data/database.h"

namespace ventrix {

// Looks at a database file's bytes without opening it through the engine, so that an empty,
// truncated or foreign file is refused before anything could write to it.
OpenResult checkDatabaseFile(const QString& path);

}
