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

// The monthly declaration screen.
inline QString tituloArp()
{
    return QStringLiteral("Formulario ARP ");
}
inline QString periodoInvertido()
{
    return QStringLiteral("Error el período Desde es posterior al Hasta...");
}
inline QString periodoInicialMayor()
{
    return QStringLiteral("El valor inicial del período es mayor al final...");
}
inline QString cambiarOperacion()
{
    return QStringLiteral("No se pueden modificar pagos almacenados...\nUd. debe borrarlo y volverlo a "
                          "ingresar...\n¿Desea cambiar de Operación Percepción/Retención...?");
}
inline QString totalRetenido()
{
    return QStringLiteral("Total Retenido");
}
inline QString totalPercibido()
{
    return QStringLiteral("Total Percibido");
}
inline QString notaMinimo()
{
    return QStringLiteral(
        "El mínimo no sujeto a retención/percepción podrá consultarlo mensualmente a la A.G.T.");
}
inline QString botonPagoRetencion()
{
    return QStringLiteral("Formulario de Pago Agentes de Retención AR01");
}
inline QString botonPagoPercepcion()
{
    return QStringLiteral("Formulario de Pago Agentes de Percepción AP01");
}
inline QString botonDDJJRetencion()
{
    return QStringLiteral("Declaración Jurada Mensual de Agentes de Retención IB16");
}
inline QString botonDDJJPercepcion()
{
    return QStringLiteral("Declaración Jurada Mensual de Agentes de Percepción AP02");
}
inline QString encripExternoTooltip()
{
    return QStringLiteral(
        "Esta opción es para mantener compatibilidad con contribuyentes de versiones anteriores");
}
// The program's own: no desktop calculator was found to start.
inline QString sinCalculadora()
{
    return QStringLiteral("No se encontró una calculadora instalada en el sistema...\nPuede instalar "
                          "gnome-calculator, kcalc, galculator, mate-calc o xcalc.");
}
inline QString imprimiendoPago()
{
    return QStringLiteral("Imprimiendo formulario de pago...");
}
// The control of a month's declaration.
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
