#pragma once

namespace ventrix {

// Registers the schema and reference-data resources compiled into this static library.
void initDataResources();

}
