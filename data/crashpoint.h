#pragma once

#include <functional>

// Named points between the steps of operations that replace files, where a test can stop the
// process as a crash or a power cut would, then check that nothing committed was lost.
namespace ventrix::data::crashpoint {

using Handler = std::function<void(const char* step)>;

// Tests only: called at every point reached until replaced by an empty handler.
void install(Handler handler);
void reach(const char* step);

}
