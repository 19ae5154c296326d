#pragma once

#include <QString>

// Texts of the CP01 screens that the core does not show itself.
namespace ventrix::cp01::msg {

inline QString impresionNoDisponible()
{
    return QStringLiteral("La impresión del CP01 todavía no está disponible en esta versión.");
}

}
