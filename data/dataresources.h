#pragma once

namespace ventrix::data {

// Registers the schema and reference-data resources compiled into this static library.
void initDataResources();

}
