#include "data/crashpoint.h"

namespace ventrix::data::crashpoint {
namespace {

Handler& handler()
{
    static Handler h;
    return h;
}

}

void install(Handler h)
{
    handler() = std::move(h);
}

void reach(const char* step)
{
    if (handler())
        handler()(step);
}

}
