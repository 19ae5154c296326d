#pragma once

#include <QtGlobal>

namespace ventrix {

// The one source of chance (form and receipt numbers); tests install a scripted one.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A number in [low, high], both included.
    static quint64 bounded(quint64 low, quint64 high);

    // Replaces the process-wide source; nullptr restores the system generator.
    static void install(RandomSource* source);

protected:
    virtual quint64 draw(quint64 low, quint64 high) = 0;
};

}
