#pragma once

#include <QString>

// Every text the agents' registers, their certificate and the agent numbers' screen show, as the
// program words them.
namespace ventrix::agents::msg {

// Both registers.
inline QString cargandoDatos()
{
    return QStringLiteral("Cargando Datos...");
}
inline QString buscando()
{
    return QStringLiteral("Buscando...");
}
inline QString errorAccesoBase()
{
    return QStringLiteral("Error al acceder a la base de dato...");
}
inline QString errorAccesoBaseDatos()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}
inline QString errorGuardar()
{
    return QStringLiteral("Error al guardar los datos...");
}
inline QString errorNumAgenteRetencion()
{
    return QStringLiteral("Error al buscar el Número de Agente de Retención...");
}
inline QString errorNumAgentePercepcion()
{
    return QStringLiteral("Error al buscar el Número de Agente de Percepción...");
}
inline QString incompletoRetencion()
{
    return QStringLiteral(
        "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, "
        "Código Postal, Localidad, Provincia, Fecha Retención, Base Imponible, Alicuota, Importe "
        "Retenido...");
}
inline QString incompletoPercepcion()
{
    return QStringLiteral(
        "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, "
        "Código Postal, Localidad, Provincia, I.Brutos, CUIT, Fecha Percepción, Base Imponible, "
        "Importe Percepción...");
}
inline QString guardarPresentada(const QString& fecha)
{
    return QStringLiteral("El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el ")
        + fecha + QStringLiteral("\nPor tal motivo no puede almacenar las modificaciones...");
}
inline QString guardarPeriodo(const QString& periodo)
{
    return QStringLiteral("El pago que desea almacenar ya está incorporado en la DDJJ mensual del período ")
        + periodo + QStringLiteral("\nPor tal motivo no puede almacenar las modificaciones...");
}
inline QString borrarPresentada(const QString& fecha)
{
    return QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual presentada el ")
        + fecha + QStringLiteral("\nPor tal motivo no puede borrarlo...");
}
inline QString borrarPeriodo(const QString& periodo)
{
    return QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período ")
        + periodo + QStringLiteral("\nPor tal motivo no puede borrarlo...");
}
inline QString confirmaBorrar(const QString& nombre)
{
    return QStringLiteral("Está seguro que desea borrar ") + nombre + QStringLiteral("...");
}
inline QString canceladaPorUsuario()
{
    return QStringLiteral("Operación cancelada por el usuario...");
}
inline QString canceladaPorSistema(const QString& error)
{
    return QStringLiteral("Operación cancelada por el sistema...\n") + error;
}
inline QString autoretencion()
{
    return QStringLiteral("No se puede realizar una autoretención...");
}
inline QString autopercepcion()
{
    return QStringLiteral("No se puede realizar una autopercepción...");
}
// "Ud. ya tiene presentado 1 pago de éste período. ..." for the withholding (or perception) word.
inline QString periodoPresentado(int cantidad, const QString& operacion)
{
    const QString start = QStringLiteral("Ud. ya tiene presentado ") + QString::number(cantidad);
    if (cantidad == 1)
        return start + QStringLiteral(" pago de éste período. Ud. tiene que incluir ésta ") + operacion
            + QStringLiteral(" en el próximo pago.");
    return start + QStringLiteral(" pagos de éste período. Ud. tiene que incluir ésta ") + operacion
        + QStringLiteral(" en el próximo págo.");
}
inline QString fechaNoValida()
{
    return QStringLiteral("La fecha ingresada no es válida...");
}
// The program's own: the authority's check digits refuse what was typed.
inline QString cuitNoValido()
{
    return QStringLiteral("El número de CUIT ingresado no es válido...");
}
inline QString iBrutosNoValido()
{
    return QStringLiteral("El número de Ingresos Brutos ingresado no es válido...");
}
inline QString advertenciaImportar()
{
    return QStringLiteral("No olvide de hacer la copia de seguridad del archivo \"Impuest.MDB\" antes de "
                          "realizar la importación de "
                          "datos.\nAl salir del programa en la ventana \"Backup y Recuperación\" existe un "
                          "botón que permite hacer una "
                          "copia del archivo \"Impuest.Mdb\" en la carpeta \"Archivos\" que está ubicada en "
                          "el mismo directorio en que "
                          "está instalado el programa...");
}
// The program's own: a figure beyond what the field holds is not kept.
inline QString importeExcedido()
{
    return QStringLiteral("El importe ingresado excede el máximo que admite el campo...");
}
inline QString minimoRetencion()
{
    return QStringLiteral("El mínimo no sujeto a retención podrá consultarlo mensualmente a la A.G.T.");
}
inline QString minimoPercepcion()
{
    return QStringLiteral("El mínimo no sujeto a percepción podrá consultarlo mensualmente a la A.G.T.");
}
inline QString tituloRetencion()
{
    return QStringLiteral("Constancia de Retención ");
}
inline QString tituloPercepcion()
{
    return QStringLiteral("Registro de Percepción ");
}
inline QString trabajoImpresion()
{
    return QStringLiteral("Form Agente Retencion");
}

// Agent numbers ("Autorizaciones").
inline QString tituloClaves()
{
    return QStringLiteral("Autorizaciones ");
}
inline QString faltanNumeros()
{
    return QStringLiteral(
        "Debe ingresar el número de agente de retención y/o percepción para poder guardar los datos...");
}
inline QString falteNombre()
{
    return QStringLiteral("Complete el apellido y nombre o razón social del contribuyente...");
}
inline QString errorNumeroRetencion()
{
    return QStringLiteral("Error en el número de agente de retención...");
}
inline QString errorNumeroPercepcion()
{
    return QStringLiteral("Error en el número de agente de percepción...");
}
inline QString errorGrabar()
{
    return QStringLiteral("Error al grabar los registros...");
}
inline QString sinIdentificador()
{
    return QStringLiteral("Error: identificador único no encontrado...");
}
inline QString sinNumeroRetencion()
{
    return QStringLiteral(
        "Ud. no tiene ingresado el número de agente de retención suministrado por la A.G.T.\nEl "
        "mismo deberá ser ingresado a través del botón \"Claves\" del menú...");
}
inline QString sinNumeroPercepcion()
{
    return QStringLiteral(
        "Ud. no tiene ingresado el número de agente de percepción suministrado por la A.G.T.\nEl "
        "mismo deberá ser ingresado a través del botón \"Claves\" del menú...");
}
inline QString sinNumeros()
{
    return QStringLiteral(
        "Ud. necesita ingresar el número de Retención y/o Percepción para poder utilizar éste "
        "módulo...\nLos números son suministrados por la A.G.T. ...");
}

}
