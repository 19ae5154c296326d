#pragma once

#include <QString>

// Every text the inscription form, its procedure list and the activity editor show, as the
// program words them.
namespace ventrix::cp01::msg {

// Procedure storage.
inline QString errorCargarActividades()
{
    return QStringLiteral("Error al abrir acceder a las actividades...");
}
inline QString errorGuardarActividades()
{
    return QStringLiteral("Error al actualizar las actividades...");
}
inline QString errorAcceso()
{
    return QStringLiteral("Error al acceder a la base de datos...");
}
inline QString nombreIncompletoGuardar()
{
    return QStringLiteral("Para poder almacenar los datos es necesario tener completo el Apellido y Nombre o "
                          "Razón Social del Contribuyente...");
}
inline QString nombreIncompletoImprimir()
{
    return QStringLiteral("Para poder imprimir los datos es necesario tener completo el Apellido y Nombre o "
                          "Razón Social del Contribuyente...");
}
inline QString canceladaPorSistema()
{
    return QStringLiteral("Operación Cancelada por el Sistema...");
}
inline QString fechaCancelada()
{
    return QStringLiteral("Operación cancelada por el sistema...");
}
inline QString aperturaRequerida()
{
    return QStringLiteral(
        "Para poder ingresar un nuevo comercio debe seleccionar el trámite apertura de comercio...");
}
inline QString nuevoComercioRequiereApertura()
{
    return QStringLiteral(
        "Ud. debe seleccionar el trámite apertura de comercio para poder igresar un nuevo comercio...");
}
inline QString confirmaBorrarComercio(const QString& nombre)
{
    return QStringLiteral("Está seguro que desea borrar el comercio ") + nombre + QStringLiteral("...");
}
inline QString datosBorrados()
{
    return QStringLiteral("Datos Borrados...");
}
inline QString errorBorrarDatos()
{
    return QStringLiteral("Error al borrar los datos...");
}
inline QString canceladaPorUsuario()
{
    return QStringLiteral("Operación cancelada por el usuario...");
}
inline QString cargandoDatos()
{
    return QStringLiteral("Cargando datos...");
}
inline QString cargandoDatosInicio()
{
    return QStringLiteral("Cargando Datos...");
}
inline QString verificandoDatos()
{
    return QStringLiteral("Verificando datos...");
}

// Screen of the procedure.
inline QString tituloFormulario(const QString& tramite)
{
    return QStringLiteral("Formulario CP01 ") + tramite;
}
inline QString aperturaSeleccionada()
{
    return QStringLiteral("Ud. seleccionó apertura de comercio, no podrá actualizar otro tipo de datos\n"
                          "que no esté relacionado con la misma...");
}
inline QString opcionSeleccionada(const QString& tramite)
{
    return QStringLiteral("Ud. seleccionó la opción: \n") + tramite;
}
inline QString formatoFecha(const QString& hoy)
{
    return QStringLiteral("El formato para la fecha es: ") + hoy;
}
inline QString seleccioneOpcionLista()
{
    return QStringLiteral("Seleccione una opción de la lista...");
}
inline QString numeroComercioExiste()
{
    return QStringLiteral("Este número de comercio ya existe...");
}
inline QString articulo183()
{
    return QStringLiteral(
        "Ud. deberá complir con los requisitos del artículo 183 inc. \"o\" para estar exento.");
}
inline QString maximoActividades(int rows)
{
    return QStringLiteral("El sistema admite un máximo de ") + QString::number(rows)
        + QStringLiteral(" actividades...");
}
inline QString actividadRepetida(const QString& codigo)
{
    return QStringLiteral("Ud. ya tiene ingresada la actividad ") + codigo + QStringLiteral("...");
}
inline QString actividadRepetidaComercio1(
    const QString& codigo, const QString& nombre, const QString& alicuota)
{
    return QStringLiteral("Ud. ya tiene ingresada la actividad ") + codigo + u' ' + nombre
        + QStringLiteral(" alicuota ") + alicuota + QStringLiteral("...");
}
inline QString companeraSinLugar(const QString& codigo, const QString& companera)
{
    return QStringLiteral("Ud. ha seleccionado la actividad ") + codigo
        + QStringLiteral(" la misma debe ir acompañada por la actividad ") + companera
        + QStringLiteral(
            " el programa permite ingresar solo 6 actividades y Ud. ya tiene seleccionadas 5 "
            "actividades y por limitación del software no puede incorporar éstas dos actividades "
            "por lo tanto la incorporación de las mismas fue cancelada por el sistema...");
}
inline QString seleccioneActividadBorrar()
{
    return QStringLiteral(
        "Seleccione la actividad que desea borrar haciendo click con el mouse en renglón que "
        "corresponda...");
}
inline QString confirmaBorrarActividad(const QString& codigo)
{
    return QStringLiteral("Está seguro que desea borrar la actividad \n") + codigo + QStringLiteral(" ...");
}
inline QString confirmaSalir()
{
    return QStringLiteral("Está seguro que desea salir...");
}

// Checks before storing and printing.
inline QString noSeranAlmacenadas()
{
    return QStringLiteral("Las mismas no pueden ser almacenadas...");
}
inline QString actividadesSinFechaInicio()
{
    return QStringLiteral("Ud. Tiene actividades sin declarar la fecha de inicio...\n")
        + noSeranAlmacenadas();
}
inline QString actividadesInicioPosteriorCese()
{
    return QStringLiteral("Ud. Tiene actividades con fecha de inicio posterior a la de cese...\n")
        + noSeranAlmacenadas();
}
inline QString noSeranAlmacenados()
{
    return QStringLiteral("\nLos datos no serán almacenados...");
}
inline QString cuitEmpresaIgualResponsable()
{
    return QStringLiteral("Error: El N° de CUIT de la empresa es igual al del Responsable 1/2/3...");
}
inline QString cuitResponsablesIguales(int i, int j)
{
    return QStringLiteral("Error: El N° de CUIT del Responsable ") + QString::number(i)
        + QStringLiteral(" es igual al del Responsable ") + QString::number(j) + QStringLiteral("...");
}
// premises: " 2" for a numbered premises, empty for an opened one.
inline QString comercioSinFechaInicio(const QString& premises)
{
    return QStringLiteral("Error: Debe ingresar la fecha de inicio del Comercio") + premises + u' '
        + noSeranAlmacenados();
}
inline QString actividadSinFechaInicio(const QString& codigo)
{
    return QStringLiteral("Error: La actividad ") + codigo + QStringLiteral(" no tiene fecha de inicio ")
        + noSeranAlmacenados();
}
inline QString actividadAnteriorAlComercio(const QString& codigo, const QString& premises)
{
    return QStringLiteral("Error: la fecha de inicio de la actividad ") + codigo
        + QStringLiteral(" es anterior a la fecha de inicio del Comercio") + premises + u' '
        + noSeranAlmacenados();
}
inline QString ceseAnteriorAlComercio(const QString& codigo, const QString& premises)
{
    return QStringLiteral("Error: La fecha de cese de la actividad ") + codigo
        + QStringLiteral(" es anterior a la fecha de inicio del Comercio") + premises + u' '
        + noSeranAlmacenados();
}
inline QString ceseSinInicio(const QString& codigo)
{
    return QStringLiteral("Error: la fecha de inicio de la actividad ") + codigo
        + QStringLiteral(" no está ingresada y tiene fecha de cese ") + noSeranAlmacenados();
}
inline QString inicioPosteriorCese(const QString& codigo)
{
    return QStringLiteral("Error: la fecha de inicio de la actividad ") + codigo
        + QStringLiteral(" es posterior a la de cese ") + noSeranAlmacenados();
}
inline QString sinActividadesImprimir()
{
    return QStringLiteral(
        "Para poder imprimir los datos es necesario tener ingresada al menos una actividad...");
}
inline QString comercioSinNombre(int premises)
{
    return QStringLiteral("Los datos del Comercio ") + QString::number(premises)
        + QStringLiteral(" serán eliminados por estar incompleto el nombre de fantasía...");
}
inline QString comercioAperturaSinNombre()
{
    return QStringLiteral(
        "Los datos del Comercio serán eliminados por estar incompleto el nombre de fantasía...");
}
inline QString presentacionAnterior()
{
    return QStringLiteral("La fecha de presentación no puede ser anterior a la de su sistema...");
}

// Printing.
inline QString imprimiendo()
{
    return QStringLiteral("Imprimiendo...");
}
inline QString impresionCancelada()
{
    return QStringLiteral("Impresión cancelada ...");
}

// Presentation date.
inline QString preguntaFechaPresentacion()
{
    return QStringLiteral("Ingrese la fecha de presentación del\nformulario CP01 en la A.G.T.");
}
inline QString diaNoHabil(const QString& fecha, const QString& dia)
{
    return QStringLiteral("El día ") + fecha + QStringLiteral(" es ") + dia
        + QStringLiteral(" solo se admiten días hábiles de Lunes a Viernes...");
}
inline QString confirmaPresentacion(const QString& fechaLarga)
{
    return QStringLiteral("Ud. presentará el formulario el ") + fechaLarga + QStringLiteral("...");
}

// Procedure list.
inline QString yaInscripto()
{
    return QStringLiteral("Ya está inscripto el contribuyente...");
}
inline QString soloReinscripcion()
{
    return QStringLiteral("Sólo se acepta el trámite Reinscripción luego de un Cese...");
}
inline QString presentacionObligatoria()
{
    return QStringLiteral("Deberá presentar el CP01 en la AGT con carácter obligatorio...");
}
inline QString inscripcionNoEncontrada()
{
    return QStringLiteral("No se encontró el trámite de Inscripción...");
}
inline QString noHayRegistros()
{
    return QStringLiteral("No hay registros...");
}
inline QString seleccioneTramiteBorrar()
{
    return QStringLiteral("Seleccione el trámite que desea borrar...");
}
inline QString advertenciaBorrarInscripcion()
{
    return QStringLiteral(
        "Advertencia: al borrar el trámite de Inscripción se borrarán todos los otros trámites...");
}
inline QString confirmaBorrarTodos(const QString& nombre)
{
    return QStringLiteral("Está seguro que desea borrar todos los trámites del contribuyente ") + nombre
        + QStringLiteral(" ...");
}
inline QString tramitesBorrados()
{
    return QStringLiteral("Trámites borrado...");
}
inline QString confirmaBorrarTramite(const QString& tramite, const QString& nombre)
{
    return QStringLiteral("Está seguro que desea borrar el trámite ") + tramite
        + QStringLiteral(" del contribuyente ") + nombre + QStringLiteral(" ...");
}
inline QString tramiteBorrado()
{
    return QStringLiteral("Trámite borrado...");
}
inline QString errorBorrarTramite()
{
    return QStringLiteral(
        "Error al intentar borrar el trámite...\nEl trámite seleccionado no pudo ser eliminado...");
}
inline QString canceladaPorOperador()
{
    return QStringLiteral("Operación cancelada por el operador...");
}

// Activity editor.
inline QString seleccioneActividad()
{
    return QStringLiteral("Seleccione una actividad...");
}
inline QString tituloFabricacion(int codigo)
{
    return QStringLiteral("Código de Actividad ") + QString::number(codigo) + QStringLiteral("...");
}
inline QString opcionCumpleDecreto()
{
    return QStringLiteral("Cumple con los requisitos del decreto 961/99");
}
inline QString opcionNoCumpleDecreto()
{
    return QStringLiteral("No cumple con los requisitos del decreto 961/99");
}
inline QString opcionConsumidorFinal()
{
    return QStringLiteral("Vende a Consumidor Final");
}
inline QString marcoNoVende()
{
    return QStringLiteral(" No Vende a Consumidor Final ");
}
inline QString opcionNoMatanza()
{
    return QStringLiteral(
        "No es parte de un proceso integrado de matanza, preparación y conservación de carne");
}
inline QString opcionReparacion()
{
    return QStringLiteral("Es Reparación");
}
inline QString avisoVentaConsumidorFinal()
{
    return QStringLiteral(
        "Seleccione la actividad de venta a consumidor final. Si su actividad se encuentra exenta "
        "del impuesto sobre los Ing. Brutos deberá informar sus ingresos en el FORMULARIO CP03 en "
        "la tarjeta LIQUIDACION DEL IMPUESTO opción DISTRIBUCION DE LOS INGRESOS, item EXENTOS...");
}
inline QString avisoExenta()
{
    return QStringLiteral(
        "Esta actividad se encuentra exenta del impuesto sobre los Ing. Brutos por lo que deberá "
        "informar sus ingresos en el FORMULARIO CP03 en la tarjeta LIQUIDACION DEL IMPUESTO "
        "opción DISTRIBUCION DE LOS INGRESOS, item EXENTOS...");
}
inline QString preguntaConsumidorFinal()
{
    return QStringLiteral("Vende a Consumidor Final? ");
}
inline QString preguntaObraNueva()
{
    return QStringLiteral(
        "Es Obra nueva o el valor de la mejora supera el 20 % del valor de la construc. según Ley "
        "Imp. a las Ganancias \nY\nCumple los requisitos del Dto 4757/98\nY ADEMAS\nNO está "
        "vinculado con actividades de exploración y explotación hidrocarburífera?");
}
inline QString preguntaHidrocarburos()
{
    return QStringLiteral("Se vincula con actividades de exploración y explotación hidrocaburífera?");
}
inline QString preguntaHidrocarburifera()
{
    return QStringLiteral("Está vinculado con la actividad Hidrocarburífera...? ");
}
inline QString captionEmpleados()
{
    return QStringLiteral("Número de empleados");
}
inline QString captionHabitaciones()
{
    return QStringLiteral("Cantidad de habitaciones existentes");
}
inline QString captionInmuebles()
{
    return QStringLiteral("Cuantos inmuebles alquila");
}

}
