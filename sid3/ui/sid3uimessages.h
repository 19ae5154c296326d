#pragma once

#include <QString>

// Texts of the monthly declaration's screens that the core does not show itself.
namespace ventrix::sid3::msg {

inline QString sinCalculadora()
{
    return QStringLiteral("No se encontró una calculadora instalada en el sistema...");
}
inline QString archivoIlegible(const QString& path)
{
    return QStringLiteral("No se puede leer el archivo ") + path + QStringLiteral("...");
}

}
