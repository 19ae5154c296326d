#pragma once

#include <QString>
#include <QStringList>

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

// The monthly declaration of deposits and register rows ("DDJJ").
inline QString errorMes()
{
    return QStringLiteral("Error en la especificación del mes...");
}
inline QString errorAnio()
{
    return QStringLiteral("Error en la especificación del año...");
}
inline QString recuerdeVencimiento()
{
    return QStringLiteral(
        "Recuerde que ud. está completando una declaración jurada y la fecha de vencimiento "
        "debe coincidir con la que publica la Agencia General Tributaria, que se fijó para el "
        "día 15 de cada mes salvo los días Sábados, Domingos y Feriados...");
}
inline QString soloDiaVencimiento()
{
    return QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                          "aceptada si el día propuesto por el sistema es feriado...");
}
inline QString sinIndiceVto()
{
    return QStringLiteral("Ud. está tratando de ingresar una fecha de vencimiento para la cual no existe el "
                          "índice de actualiazación en el sistema...\nUd. debe tener cargado el índice "
                          "correspondiente al mes de pago...");
}
inline QString sinIndicePago()
{
    return QStringLiteral("Ud. está tratando de ingresar una fecha de pago para la cual no existe el índice "
                          "de actualiazación en el sistema...\nUd. debe tener cargado el índice "
                          "correspondiente al mes de pago...");
}
inline QString sinPagoEnPeriodo()
{
    return QStringLiteral(
        "Ud. debe tener al menos un pago en el período antes de realizar la Declaración Jurada...");
}
// operacion: "Retención" or "Percepción".
inline QString confirmaDDJJ(const QString& periodo, const QString& operacion)
{
    return QStringLiteral("UD. está por confeccionar la DDJJ mensual del período ") + periodo
        + QStringLiteral(".\nUna vez realizado todos los pagos que queden incluídos en ésta DDJJ quedarán "
                         "bloqueados para modificar y/o borrar, el mismo efecto se traslada para todas los "
                         "registros de ")
        + operacion
        + QStringLiteral(
            "...\nSi necesita borrar una DDJJ ingrese en el botón Información (Info.)  .\n\nEstá "
            "seguro que desea realizar la DDJJ...");
}
inline QString ddjjCancelada()
{
    return QStringLiteral("DDJJ cancelada...");
}
inline QString ddjjAntesDe(const QString& periodo, const QString& fecha)
{
    return QStringLiteral("La DDJJ para el período ") + periodo
        + QStringLiteral(" no puede realizarse antes de ") + fecha;
}
inline QString buscandoNumeroDDJJ()
{
    return QStringLiteral("Buscando número de DDJJ...");
}
inline QString procesandoPagos()
{
    return QStringLiteral("Procesando Pagos del período");
}
inline QString procesandoConstancias()
{
    return QStringLiteral("Procesando Constancias...");
}
inline QString ddjjProcesada()
{
    return QStringLiteral("Declaración Jurada procesada correctamente...");
}
inline QString sinDDJJParaBorrar()
{
    return QStringLiteral("No tiene DDJJ para borrar...");
}
inline QString confirmaBorrarMarcas()
{
    return QStringLiteral(
        "Está seguro que desea borrar las marcas de la declaración jurada del período seleccionado?...");
}
inline QString confirmaBorrarDDJJ(const QString& numero, const QString& fechaPres)
{
    return QStringLiteral("Desea borrar la DDJJ que agrupa a todos éstos pagos...?\nLa DDJJ que está borrar "
                          "es el N° ")
        + numero + QStringLiteral(" presentada el día ") + fechaPres
        + QStringLiteral("\nEstá seguro que desea continuar...");
}
inline QString noSeBorroRegistroRetencion()
{
    return QStringLiteral("No se pudo borrar las DDJJ relacionadas con Retención...");
}
inline QString noSeBorroRegistroPercepcion()
{
    return QStringLiteral("No se pudo borrar las DDJJ relacionadas con Percepción...");
}
inline QString noSeBorraronDDJJ()
{
    return QStringLiteral("No se pudo borrar las DDJJ...");
}
inline QString ddjjBorradas()
{
    return QStringLiteral("DDJJ borradas...");
}

// The deposits of a month.
inline QString pagoGuardarPresentado(const QString& periodo, const QString& fecha)
{
    return QStringLiteral("El pago que desea guardar ya está incorporado en la DDJJ mensual del período ")
        + periodo + QStringLiteral(" presentada el ") + fecha
        + QStringLiteral("\nPor tal motivo no puede almacenar las modificaciones...");
}
inline QString pagoGuardarOtroPeriodo(const QString& periodoOut, const QString& periodo)
{
    return QStringLiteral("El pago que desea guardar ya está incorporado en la DDJJ mensual del período ")
        + periodoOut + QStringLiteral(" aunque fue realizado en el período ") + periodo
        + QStringLiteral("\nPor tal motivo no puede almacenar las modificaciones...");
}
inline QString pagoBorrarPresentado(const QString& periodo, const QString& fecha)
{
    return QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período ")
        + periodo + QStringLiteral(" presentada el ") + fecha
        + QStringLiteral("\nPor tal motivo no puede borrarlo...");
}
inline QString pagoBorrarOtroPeriodo(const QString& periodoOut, const QString& periodo)
{
    return QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período ")
        + periodoOut + QStringLiteral(" aunque fue realizado en el período ") + periodo
        + QStringLiteral("\nPor tal motivo no puede borrarlo...");
}
inline QString errorGuardarArp()
{
    return QStringLiteral("Error al guardar los datos del formulario ARP...");
}
inline QString ok()
{
    return QStringLiteral("O.K");
}
inline QString ingreseImporteDepositar()
{
    return QStringLiteral("Ingrese el importe a depositar...");
}
inline QString incompletoArp()
{
    return QStringLiteral("Para poder almacenar los datos es necesario tener completo todos los campos...");
}
inline QString incompletoArpImprimir()
{
    return QStringLiteral(
        "Para poder almacenar e imprimir los datos es necesario tener completo todos los campos...");
}
inline QString pagoSuperiorAlSaldo()
{
    return QStringLiteral("Está seguro que desea pagar un importe superior al saldo actual...?");
}
// importe: the amount with 2 decimals, as the field shows it.
inline QString confirmaPago(const QString& importe)
{
    return QStringLiteral("Está seguro que desea pagar $") + importe + QStringLiteral("...");
}

// The payment form of a deposit (AR01, AP01).
inline QString trabajoFormularioPago()
{
    return QStringLiteral("Formulario IB08");
}
inline QStringList talonesPago()
{
    return { QStringLiteral("TALON   PARA   LA   A.G.T."), QStringLiteral("TALON    PARA    EL    BANCO"),
        QStringLiteral("TALON   PARA  EL  CONTRIBUYENTE") };
}
inline QString agenteImpuesto(bool retencion)
{
    return retencion ? QStringLiteral("AGENTE DE RETENCION DE IMP. S/LOS ING. BRUTOS")
                     : QStringLiteral("AGENTE DE PERCEPCION DE IMP. S/LOS ING. BRUTOS");
}
inline QString notaCreditoCuenta()
{
    return QStringLiteral("NOTA DE CREDITO PARA LA CUENTA ");
}
inline QString datosDelAgente(bool retencion)
{
    return retencion ? QStringLiteral("DATOS DEL AGENTE DE RETENCION")
                     : QStringLiteral("DATOS DEL AGENTE DE PERCEPCION");
}
inline QString numeroDeAgente(bool retencion)
{
    return retencion ? QStringLiteral("N° AGENTE DE RETENCION :")
                     : QStringLiteral("N° AGENTE DE PERCEPCION :");
}
inline QString pagoPeriodo()
{
    return QStringLiteral("PERIODO :");
}
inline QString pagoRazonSocial()
{
    return QStringLiteral("APELLIDO Y NOMBRE O RAZON SOCIAL");
}
inline QString pagoFecha()
{
    return QStringLiteral("FECHA  DE  PAGO :");
}
inline QString pagoImporte()
{
    return QStringLiteral("IMPORTE DEPOSITADO : ");
}
inline QString pagoSon()
{
    return QStringLiteral("SON :");
}
inline QStringList pagoMedios()
{
    return { QStringLiteral("EFECTIVO"), QStringLiteral("CHEQUE                N°:"),
        QStringLiteral("C/BANCO:"), QStringLiteral("SUCURSAL :") };
}
inline QString pagoFirma()
{
    return QStringLiteral("FIRMA");
}
inline QString pagoCodigoBarras()
{
    return QStringLiteral("CODIGO  DE  BARRAS");
}
inline QString pagoSellar()
{
    return QStringLiteral("SELLAR  AL  DORSO");
}
// The program's own: a value that does not fit its place in the bank's code is not printed.
inline QString codigoPagoExcedido(const QString& campo)
{
    return QStringLiteral("El valor de \"") + campo
        + QStringLiteral("\" no cabe en el código de barras del formulario de pago...");
}
inline QString importePagoNegativo()
{
    return QStringLiteral("El importe a depositar no puede ser negativo...");
}
// The printed declaration and its delivery file.
inline QString debeIngresarPeriodo()
{
    return QStringLiteral("Debe tener ingresado el período que desea informar...");
}
inline QString generandoDisquette()
{
    return QStringLiteral("Generando Disquette...");
}
inline QString campoNumAgente()
{
    return QStringLiteral("N° de Agente");
}
inline QString campoNumDDJJ()
{
    return QStringLiteral("N° de DDJJ");
}
inline QString campoTotalRetenido()
{
    return QStringLiteral("Total Retenido");
}
inline QString campoIBrutos()
{
    return QStringLiteral("N° de I.S.I.B.");
}
inline QString campoCuit()
{
    return QStringLiteral("C.U.I.T.");
}
inline QString campoNumFactura()
{
    return QStringLiteral("N° de Factura");
}
inline QString campoAlicuota()
{
    return QStringLiteral("Alícuota");
}
inline QString campoImporteRetenido()
{
    return QStringLiteral("Importe Retenido");
}
inline QString campoBaseImponible()
{
    return QStringLiteral("Base Imponible");
}
inline QString campoImportePercibido()
{
    return QStringLiteral("Importe Percibido");
}
// who: the counterpart of the row, or the agent for the header.
inline QString campoExcedido(
    const QString& campo, const QString& valor, int ancho, const QString& archivo, const QString& who)
{
    return QStringLiteral("El campo ") + campo + QStringLiteral(" (") + valor + QStringLiteral(") de ") + who
        + QStringLiteral(" no cabe en las ") + QString::number(ancho)
        + QStringLiteral(" posiciones del archivo ") + archivo
        + QStringLiteral("...\nNo se generó el archivo de la DDJJ.");
}
inline QString campoNegativo(
    const QString& campo, const QString& valor, const QString& archivo, const QString& who)
{
    return QStringLiteral("El campo ") + campo + QStringLiteral(" (") + valor + QStringLiteral(") de ") + who
        + QStringLiteral(" es negativo y el archivo ") + archivo
        + QStringLiteral(" no admite signo en él...\nNo se generó el archivo de la DDJJ.");
}
inline QString errorArchivoDDJJ(const QString& path, const QString& reason)
{
    return QStringLiteral("No se pudo escribir el archivo ") + path + QStringLiteral(":\n") + reason;
}

// A declaration file made outside the program, scrambled for delivery.
inline QString archivoExternoIlegible(const QString& path, const QString& reason)
{
    return QStringLiteral("No se pudo leer el archivo ") + path + QStringLiteral(":\n") + reason;
}
inline QString archivoExternoVacio(const QString& path)
{
    return QStringLiteral("El archivo ") + path + QStringLiteral(" no tiene registros...");
}
inline QString numeroDDJJExterno()
{
    return QStringLiteral("Ingrese el número de la DDJJ (7 dígitos):");
}
inline QString numeroDDJJInvalido()
{
    return QStringLiteral("El número de DDJJ debe tener entre 1 y 7 dígitos...");
}
inline QString archivoEncriptado(const QString& path)
{
    return QStringLiteral("Se generó el archivo ") + path;
}

// A declaration's delivery file read back (the command line's check).
inline QString archivoSinFinDeLinea()
{
    return QStringLiteral("no termina en un fin de línea CR LF");
}
inline QString registroAncho(int linea, qsizetype ancho, int esperado)
{
    return QStringLiteral("el registro %1 tiene %2 caracteres y debe tener %3")
        .arg(linea)
        .arg(ancho)
        .arg(esperado);
}
inline QString registroNoNumerico(int linea, int desde, int ancho)
{
    return QStringLiteral("el registro %1 no tiene dígitos en las posiciones %2 a %3")
        .arg(linea)
        .arg(desde)
        .arg(desde + ancho - 1);
}
inline QString registroCabecera()
{
    return QStringLiteral("el primer registro no es una cabecera de tipo 1");
}
inline QString registroTipo(int linea)
{
    return QStringLiteral("el registro %1 no es de tipo 2").arg(linea);
}
inline QString registroOtroNumero(int linea, const QString& numero, const QString& esperado)
{
    return QStringLiteral("el registro %1 es de la DDJJ %2 y el archivo de la %3")
        .arg(linea)
        .arg(numero, esperado);
}
inline QString registroOtroAgente(int linea)
{
    return QStringLiteral("el registro %1 es de otro agente").arg(linea);
}

}
