#pragma once

#include "cp02/cp02record.h"

#include <optional>

namespace ventrix::cp02 {

// The checks before storing a declaration, in the authority's order; the message of the first
// that fails, nullopt when it may be stored.
std::optional<QString> storingChecks(const Cp02Record& record);

}
