#pragma once

#include "common/result.h"

#include <QString>

namespace ventrix::app {

// True (ok) when the archive is a readable zip whose entries all read back whole (their CRCs
// match) and may be unpacked: relative names without "..", plain files and folders only (no
// links), not encrypted, within the size an update can have. Otherwise the reason.
Status validZIPFile(const QString& zipPath);

// Unpacks a valid archive into folder. Everything is first written into a hidden folder inside
// it and checked; then each file is renamed into place, the program's executables last, so that
// a start never finds a new executable without the files it comes with. A failure puts back
// what was replaced and leaves the folder as it was.
Status unpackUpdate(const QString& zipPath, const QString& folder);

}
