#pragma once

#include "cli/cli.h"

namespace ventrix::cli {

// scramble / unscramble --key KEY [--utf8] IN OUT: a delivery file's lines, CR LF left plain.
Command scrambleCommand();
Command unscrambleCommand();

}
