#pragma once

#include <QString>

// The texts of the agent's credit notes: the register of credits, the credit dialog and the NCARP
// form, as the program words them.
namespace ventrix::agents::msg {

inline QString tituloCreditos()
{
    return QStringLiteral("Registro de Notas de Crédito ");
}
inline QString tituloCreditoAdd()
{
    return QStringLiteral("Nota de Crédito");
}
inline QString seleccioneRegistro()
{
    return QStringLiteral("Seleccione un registro...");
}
inline QString creditoMayor()
{
    return QStringLiteral("El crédito no puede ser mayor al importe Ret/Per...");
}
// The program's own: a credit note gives something back.
inline QString creditoSinImporte()
{
    return QStringLiteral("El importe del crédito debe ser mayor a cero...");
}
inline QString operacionCancelada()
{
    return QStringLiteral("Operación Cancelada...");
}
inline QString guardandoDatos()
{
    return QStringLiteral("Guardando datos...");
}
// fila: the line of the new credits that failed, counted from 1.
inline QString noSeAlmacenaron(int fila)
{
    return QStringLiteral("No se pudieron almacenar los datos...\nError al ingresar la fila ")
        + QString::number(fila);
}
inline QString confirmaBorrarCredito(const QString& factura)
{
    return QStringLiteral("Está seguro que desea borrar el crédito de la factura n°") + factura
        + QStringLiteral("...");
}
inline QString confirmaFiltroFactura(const QString& numero)
{
    return QStringLiteral("Desea seleccionar solamente aquellas facturas que contengan el número ") + numero
        + QStringLiteral("...");
}
inline QString habiliteImprimir()
{
    return QStringLiteral("Seleccione \"Ver registros no impresos\" para habilitar éste botón...");
}
// The program's own: nothing is marked in the list of credits.
inline QString sinCreditosMarcados()
{
    return QStringLiteral("No hay créditos marcados para imprimir...");
}
// The program's own: credits added to the list are only kept once stored.
inline QString salirSinGuardar()
{
    return QStringLiteral("Hay créditos ingresados que no fueron guardados.\nDesea salir sin guardarlos...?");
}
inline QString trabajoNcarp()
{
    return QStringLiteral("Formulario NCARP");
}
inline QString verNoImpresos()
{
    return QStringLiteral("Ver registros no impresos");
}
inline QString verTodos()
{
    return QStringLiteral("Ver todos los registros");
}

}
