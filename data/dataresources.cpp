#include "data/dataresources.h"

#include <QtGlobal>

static void registerDataResources()
{
    Q_INIT_RESOURCE(data);
}

namespace ventrix::data {

void initDataResources()
{
    static const bool registered = (registerDataResources(), true);
    Q_UNUSED(registered);
}

}
