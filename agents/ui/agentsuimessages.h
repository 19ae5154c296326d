#pragma once

#include <QString>

// The texts only the agents' screens show: captions of the module's menu and the notice of what
// this version does not do yet.
namespace ventrix::agents::msg {

inline QString tituloMenuAgentes()
{
    return QStringLiteral("Agentes de Retención/Percepción ");
}
inline QString botonConstRetencion()
{
    return QStringLiteral("Constancia de Retención");
}
inline QString botonConstPercepcion()
{
    return QStringLiteral("Constancia de Percepción");
}
inline QString botonClaves()
{
    return QStringLiteral("&Claves");
}
inline QString errorModuloClaves()
{
    return QStringLiteral("Error no se puede acceder al módulo...");
}
inline QString importacionNoDisponible()
{
    return QStringLiteral("La importación de datos no está disponible en esta versión del programa...");
}
inline QString cancelarImpresion()
{
    return QStringLiteral("Cancelar Impresión");
}

// The control of a month's declaration.
inline QString periodoInvertido()
{
    return QStringLiteral("El valor inicial del período es mayor al final...");
}
inline QString botonImprimirControl()
{
    return QStringLiteral("&Imprimir");
}
inline QString botonBorrarControl()
{
    return QStringLiteral("&Borrar");
}
inline QString botonSalirControl()
{
    return QStringLiteral("&Salir");
}
inline QString totalBaseControl(const QString& suma)
{
    return QStringLiteral("Total Base Imponible: ") + suma;
}
inline QString totalImporteControl(bool retenciones, const QString& suma)
{
    return (retenciones ? QStringLiteral("Total Retenido: ") : QStringLiteral("Total Percibido: ")) + suma;
}

}
