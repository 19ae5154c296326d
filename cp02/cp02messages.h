#pragma once

#include <QString>

// Every text the annual declaration shows, as the program words them.
namespace ventrix::cp02::msg {

inline QString cargandoDatos()
{
    return QStringLiteral("Cargando Datos...");
}
inline QString titulo(int periodo)
{
    return QStringLiteral("Formulario CP02 Período ") + QString::number(periodo);
}
inline QString tituloNuevo()
{
    return QStringLiteral("Formulario CP02 Ingresando Nuevo Período ");
}
// An entry of the list of stored declarations.
inline QString declaracion(int periodo, const QString& tramite)
{
    return QStringLiteral("Período ") + QString::number(periodo) + u' ' + tramite;
}

// Loading and storing.
inline QString errorActividadesAnuales()
{
    return QStringLiteral("Error al abrir acceder a las actividades del impuesto anual...");
}
inline QString errorActividades()
{
    return QStringLiteral("Error al abrir acceder a las actividades...");
}
inline QString errorGuardarImpAnual()
{
    return QStringLiteral("Error al actualizar impuesto anual...");
}
inline QString errorGuardarAnticipos()
{
    return QStringLiteral("Error al actualizar anticipo y mínimos anuales...");
}
inline QString errorAcceso()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}

// The period card.
inline QString completePeriodo()
{
    return QStringLiteral("Complete el período...");
}
inline QString sinOriginal()
{
    return QStringLiteral("No existe trámite original del período para hacer una rectificativa...");
}
inline QString modificandoPeriodo()
{
    return QStringLiteral("Ud. está modificando la identificación de un período ya almacenado...\n"
                          "Si desea ingresar un nuevo período haga clic en el botón nuevo...\n"
                          "Desea continuar para modificar el período...");
}
inline QString recargarActividades()
{
    return QStringLiteral("Para poder realizar éste cambio de período el sistema tiene que cargar las "
                          "actividades que Ud. tienen definida para el nuevo período. Desea continuar?");
}
inline QString modificacionCancelada()
{
    return QStringLiteral("Modificación cancelada por el sistema...");
}
inline QString periodoFijo()
{
    return QStringLiteral("No se puede modificar el período ni el tipo de trámite una vez almacenado...");
}

// The monthly grid.
inline QString fechaNoValida()
{
    return QStringLiteral("La fecha ingresada no es válida...");
}
inline QString formatoFecha(const QString& today)
{
    return QStringLiteral("El formato para la fecha es: ") + today;
}

// Storing.
inline QString ingresePeriodo()
{
    return QStringLiteral("Ingrese el período...");
}
inline QString ingreseEmpleados()
{
    return QStringLiteral("Debe ingresar la cantidad de empleados...");
}
inline QString inicioMayorFin()
{
    return QStringLiteral("Error la fecha de Inicio es mayor a la fecha de Finalización...");
}
inline QString empleadosActividad(const QString& codigo, const QString& actividad)
{
    return QStringLiteral("Debe completar el número de empleados de la actividad:\n") + codigo
        + QStringLiteral(" - ") + actividad;
}
inline QString empleadosMenorMaximo()
{
    return QStringLiteral("La cantidad de empleados totales no puede ser menor al máximo número de empleados "
                          "declarado en una actividad...");
}

// Deleting.
inline QString seleccionePeriodo()
{
    return QStringLiteral("Seleccione el período que desea borrar...");
}
inline QString confirmaBorrar(const QString& declaracion)
{
    return QStringLiteral("Está seguro que desea borrar el ") + declaracion + QStringLiteral("...");
}
inline QString periodoBorrado()
{
    return QStringLiteral("Período borrado...");
}
inline QString errorBorrar()
{
    return QStringLiteral("Error al borrar el período selecciondo...");
}

// Printing.
inline QString documento()
{
    return QStringLiteral("Formulario CP02");
}
inline QString imprimiendo()
{
    return QStringLiteral("Imprimiendo...");
}
inline QString errorArchivo(const QString& path, const QString& reason)
{
    return QStringLiteral("No se pudo escribir el archivo ") + path + QStringLiteral(":\n") + reason;
}

}
