#pragma once

#include <QString>

// Every text of the general payment form IB08, as the program words them.
namespace ventrix::plans::msg {

inline QString ib08Titulo()
{
    return QStringLiteral("Formulario IB08");
}
inline QString debeCompletarCp01()
{
    return QStringLiteral("Debe completar el CP01 (Formulario de Inscripción)");
}
inline QString errorBuscarCp01()
{
    return QStringLiteral("Error al buscar formulario CP01...");
}
inline QString faltaCuit()
{
    return QStringLiteral(
        "Falta ingresar el N° de CUIT y/o Ing. Brutos\nIngrese en el último formulario CP01 "
        "tarjeta Información Complementaria...");
}
// The fiscal position refused; the example is a well-formed "mm/aa".
inline QString formatoPosFiscal(const QString& example)
{
    return QStringLiteral("El formato de ingreso es mes/año (") + example + QStringLiteral(")");
}
inline QString completeFecha()
{
    return QStringLiteral("Complete la fecha...");
}
inline QString fechaNoValida()
{
    return QStringLiteral("La fecha ingresada no es válida...");
}
inline QString completeImportes()
{
    return QStringLiteral("Complete los importes...");
}
inline QString confirmaBorrarPago(const QString& fecha)
{
    return QStringLiteral("Está seguro que desea borrar el pago de fecha ") + fecha + QStringLiteral(" ...");
}
inline QString datosBorrados()
{
    return QStringLiteral("Datos Borrados...");
}
inline QString ib08Cancelada()
{
    return QStringLiteral("Operación cancelada...");
}
inline QString ib08CanceladaPorSistema()
{
    return QStringLiteral("Operación cancelada por sistema...");
}
inline QString formularioImpreso()
{
    return QStringLiteral("Formulario impreso...");
}
inline QString formularioEnBlanco()
{
    return QStringLiteral(
        "El formulario se imprimirá en blanco, el mismo debe ser completado por personal de la "
        "A.G.T. del Valdera.");
}
inline QString pagoGuardado()
{
    return QStringLiteral("Pago almacenado...");
}

// The options of the payment's concept, in the order of their digit on the bank barcode.
inline QString conceptoInteres()
{
    return QStringLiteral("Interes");
}
inline QString conceptoMulta()
{
    return QStringLiteral("Multa");
}
inline QString conceptoReinscripcion()
{
    return QStringLiteral("Reinscripción");
}
inline QString conceptoInscripcion()
{
    return QStringLiteral("Inscripción");
}

// The printed stubs.
inline QString talonBanco()
{
    return QStringLiteral("TALON PARA EL BANCO");
}
inline QString talonAgt()
{
    return QStringLiteral("TALON  PARA  LA  A.G.T.");
}
inline QString talonContribuyente()
{
    return QStringLiteral("TALON PARA EL CONTRIBUYENTE");
}
inline QString posicionFiscalImpresa(const QString& posicion)
{
    return QStringLiteral("Posición Fiscal: ") + posicion + QStringLiteral("  (MM/AA)");
}
// The bank's credit note: the authority's collection account the bank credits.
inline QString notaCreditoBanco()
{
    return QStringLiteral("El Banco acreditará el importe depositado en la Cuenta Recaudadora de la A.G.T. "
                          "N° 3-100-0000012345-6");
}

}
