#pragma once

#include <QString>

// Every text the monthly declaration, its new-period dialog and its registers show, as the
// program words them.
namespace ventrix::sid3::msg {

// Declaration record and procedure.
inline QString errorAcceso()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}
inline QString tasasIncompatibles()
{
    return QStringLiteral(
        "Tabla de tasas incompatible con las liquidaciones del contribuyente seleccionado...\n"
        "Verifique que tenga todas las tasas ingresadas...");
}
inline QString errorCargarDatos()
{
    return QStringLiteral("Error al cargar datos...");
}
inline QString liquidarNuevoPeriodo()
{
    return QStringLiteral("Desea liquidar un nuevo período...");
}
inline QString ingreseNuevoTramite()
{
    return QStringLiteral("Ingrese un nuevo trámite...");
}
inline QString seleccioneContribuyente()
{
    return QStringLiteral("Seleccione un contribuyente...");
}
inline QString ingresandoDatos()
{
    return QStringLiteral("Ingresando datos...");
}
inline QString actualizando()
{
    return QStringLiteral("Actualizando...");
}
inline QString actualizandoDatos()
{
    return QStringLiteral("Actualizando datos...");
}
inline QString mesFueraDeRango()
{
    return QStringLiteral("El mes debe ser un número comprendido entre 1 y 12...");
}
inline QString porAnticipado()
{
    return QStringLiteral("Ud. no puede liquidar el CP03 por anticipado...");
}
inline QString sinIndiceMesPago()
{
    return QStringLiteral("Ud. no puede liquidar un período sin tener ingresada la tasa correspondiente...\n"
                          "Ud. debe cargar el índice correspondiente al mes de pago...");
}
inline QString seleccioneTramite()
{
    return QStringLiteral("Seleccione el trámite...");
}
inline QString anticipoExistente(int month, int year)
{
    return QStringLiteral("Ud. ya tiene ingresado un anticipo para el período ") + QString::number(month)
        + u'/' + QString::number(year) + QStringLiteral("...");
}
inline QString sinAnticipo(int month, int year)
{
    return QStringLiteral("Ud. no tiene ingresado el anticipo para el período ") + QString::number(month)
        + u'/' + QString::number(year)
        + QStringLiteral("...\nNo puede realizar rectificativa en éstas condiciones...");
}
inline QString sinTasaPeriodo(int month, int year)
{
    return QStringLiteral("No tiene la tasa correspondiente al periodo ") + QString::number(month)
        + QStringLiteral(" del ") + QString::number(year) + QStringLiteral("...");
}
inline QString errorGuardar()
{
    return QStringLiteral("Error al guardar los datos...");
}
inline QString sinTasas()
{
    return QStringLiteral("No se encuentran tasas cargadas...");
}
inline QString soloDesdeCp01()
{
    return QStringLiteral("Estos datos solo pueden modificarse a través del CP01 ...");
}
inline QString borrarDeclaracion(const QString& name, int month, int year, const QString& procedure)
{
    return QStringLiteral("Está seguro que desea borrar los datos del contribuyente ") + name
        + QStringLiteral("\ndel período ") + QString::number(month) + QStringLiteral(" del año ")
        + QString::number(year) + QStringLiteral(" del trámite ") + procedure;
}
inline QString datosBorrados()
{
    return QStringLiteral("Datos Borrados...");
}
inline QString anticipo()
{
    return QStringLiteral("Anticipo");
}
inline QString rectificativa()
{
    return QStringLiteral("Rectificativa");
}

// Activities and tax.
inline QString sinActividades()
{
    return QStringLiteral(
        "Ud. no tiene actividades declaradas \no están informadas como cesadas en el CP01 ...");
}
inline QString errorLeerActividades()
{
    return QStringLiteral("Error al abrir acceder a las actividades...");
}
inline QString errorGuardarActividades()
{
    return QStringLiteral("Error al actualizar las actividades...");
}
inline QString sinCp02(int year)
{
    const QString y = QString::number(year);
    return QStringLiteral("No se encontraron declaraciones juradas \"CP02\" del período ") + y
        + QStringLiteral("\n\n\nLe corresponde a Ud. tener ingresada la DDJJ Anual \"CP02\" del período ") + y
        + QStringLiteral("...?");
}
inline QString completeCp02(int year)
{
    return QStringLiteral("Complete el período ") + QString::number(year)
        + QStringLiteral(" en el formulario \"CP02\"...");
}

// Payments-on-account registers.
inline QString debeIngresarPeriodoContinuar()
{
    return QStringLiteral("Debe ingresar un nuevo período para poder continuar...");
}
inline QString debeIngresarPeriodo()
{
    return QStringLiteral("Debe ingresar un nuevo período...");
}
inline QString fechaPosterior(const QString& limit)
{
    return QStringLiteral("Error la fecha debe ser anterior a ") + limit + QStringLiteral("...");
}
inline QString ingreseCuit()
{
    return QStringLiteral("Ingrese el número de CUIT...");
}
inline QString borrarConcepto(const QString& concepto, const QString& date)
{
    return QStringLiteral("Está seguro que desea borrar el concepto ") + concepto
        + QStringLiteral(" de fecha ") + date + QStringLiteral("...");
}
inline QString registroBorrado()
{
    return QStringLiteral("Registro borrado...");
}
inline QString operacionCancelada()
{
    return QStringLiteral("Operación cancelada...");
}
inline QString borrarTodos()
{
    return QStringLiteral("Está seguro que desea borrar todos los registros ...");
}
inline QString todosBorrados()
{
    return QStringLiteral("Se borraron todos los registros...");
}
inline QString errorBorrarTodos()
{
    return QStringLiteral("Error al intentar borrar los registros...");
}
inline QString deseaContinuar()
{
    return QStringLiteral("Desea continuar...");
}
inline QString importados(int count, bool cancelled, int rejected)
{
    QString text = QString::number(count) + QStringLiteral(" registros ingresados...\n")
        + (cancelled ? QStringLiteral("Transferencia cancelada...")
                     : QStringLiteral("Importación de datos finalizada satisfactoriamente..."));
    if (rejected > 0)
        text += QStringLiteral("\nSe rechazaron ") + QString::number(rejected)
            + QStringLiteral(" registros...");
    return text;
}
inline QString origen(const QString& path)
{
    return QStringLiteral("Orígen: ") + path;
}
inline QString muestra(int count, bool limitReached)
{
    const QString counted = QString::number(count) + QStringLiteral(" registros...");
    return limitReached ? QStringLiteral("Primeros ") + counted : counted;
}
inline QString cifrasArchivo(int count, qint64 averageLength, qint64 size)
{
    return QStringLiteral("Total de registros = ") + QString::number(count)
        + QStringLiteral("\nLong. Promedio Reg. = ") + QString::number(averageLength)
        + QStringLiteral(" caracteres\nLong. Archivo = ") + QString::number(size) + QStringLiteral(" bytes ");
}

// Balance, interest and due date.
inline QString recuerdeVencimiento()
{
    return QStringLiteral(
        "Recuerde que ud. está completando una declaración jurada y la fecha de vencimiento debe coincidir "
        "con "
        "la que publica la Agencia General Tributaria, que se fijó para el día 15 de cada mes salvo los días "
        "Sábados, Domingos y Feriados...");
}
inline QString soloDiaVencimiento()
{
    return QStringLiteral(
        "Ud. solo puede modificar el día de vencimiento.\n"
        "La modificación de la fecha es aceptada si el día propuesto por el sistema es feriado...");
}
inline QString vencimientoInvalido()
{
    return QStringLiteral("Ingrese una fecha de vencimiento válida...");
}
inline QString formatoFecha(const QString& today)
{
    return QStringLiteral("El formato para la fecha es: ") + today;
}
inline QString errorCalculoFechas()
{
    return QStringLiteral("Error calculo de fechas...");
}
inline QString pagoPosteriorATasas(const QString& newest)
{
    return QStringLiteral("La fecha de Pago debe ser menor al ") + newest
        + QStringLiteral(" según las tasas ingresadas...");
}
inline QString errorTablaTasas()
{
    return QStringLiteral("Error en la apertura de la tabla de tasas...");
}
inline QString ingreseFechaPago()
{
    return QStringLiteral("Ingrese fecha de pago...");
}
inline QString sinIndiceVencimiento()
{
    return QStringLiteral(
        "Ud. está tratando de ingresar una fecha de vencimiento para la cual no existe el índice "
        "de actualiazación en el sistema...\n"
        "Ud. debe tener cargado el índice correspondiente al mes de pago...");
}
inline QString sinIndicePago()
{
    return QStringLiteral(
        "Ud. está tratando de ingresar una fecha de pago para la cual no existe el índice de "
        "actualiazación en el sistema...\n"
        "Ud. debe tener cargado el índice correspondiente al mes de pago...");
}
inline QString errorActualizarIntereses()
{
    return QStringLiteral("Error al actualizar los intereses...");
}

}
