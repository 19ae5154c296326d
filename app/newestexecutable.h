#pragma once

#include <QString>

#include <optional>

namespace ventrix::app {

// The newest copy of the program in the running executable's folder ("ventrix*" files that can
// be run, the command-line tool apart), when it is not the running executable itself.
// A copy named "korvel" never looks for others. Among copies of equal date the first found
// by name wins.
std::optional<QString> newerCopyOf(const QString& runningExecutable);

}
