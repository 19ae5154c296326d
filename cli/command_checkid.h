#pragma once

#include "cli/cli.h"

namespace ventrix::cli {

// check-id cuit|isib|agent VALUE: checks an identifier's check digits.
Command checkIdCommand();

}
