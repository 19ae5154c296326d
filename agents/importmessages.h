#pragma once

#include "agents/agentsmessages.h"

#include <QString>

// Texts of the import of operations, as the user reads them.
namespace ventrix::agents::msg {

inline QString importarCaption(bool retenciones)
{
    return retenciones ? QStringLiteral("Agentes de Retención [Importar datos]")
                       : QStringLiteral("Agentes de Percepción [Importar datos]");
}
inline QString requerido()
{
    return QStringLiteral("Requerido");
}
inline QString errorValor()
{
    return QStringLiteral("Error");
}
inline QString errorCalculo()
{
    return QStringLiteral("Error Cálculo");
}
inline QString cuitNoValido(const QString& value)
{
    return QStringLiteral("CUIT no Válido - ") + value;
}
inline QString ibNoValido(const QString& value)
{
    return QStringLiteral("N°IB no Válido - ") + value;
}
inline QString fechaNoValida(const QString& value)
{
    return QStringLiteral(" Fecha no Válida - ") + value;
}
inline QString numeroNoValido(const QString& value)
{
    return QStringLiteral(" Número no Válido - ") + value;
}
inline QString calculoDifiere()
{
    return QStringLiteral("Cálculo de Importe difiere de (Alicuota * BaseImp) / 100 ");
}
// Beyond the authority's checks: what else makes a record unusable.
inline QString campoRequerido(const QString& column)
{
    return QStringLiteral(" Campo Requerido - ") + column;
}
inline QString textoNoValido(const QString& column)
{
    return QStringLiteral(" Texto no Válido - ") + column;
}
inline QString textoExcedido(const QString& column, int width)
{
    return QStringLiteral(" Texto excede ") + QString::number(width) + QStringLiteral(" caracteres - ")
        + column;
}
inline QString cantidadCampos(qsizetype found, qsizetype expected)
{
    return QStringLiteral(" Cantidad de campos no válida - ") + QString::number(found)
        + QStringLiteral(" de ") + QString::number(expected);
}
inline QString registroExcedido(qint64 bytes, qint64 limit)
{
    return QStringLiteral(" Registro demasiado largo - ") + QString::number(bytes)
        + QStringLiteral(" bytes (máximo ") + QString::number(limit) + u')';
}
inline QString registroNoValido(qint64 line, const QStringList& errors)
{
    return QStringLiteral("Registro=") + QString::number(line) + u'\n' + errors.join(u'\n')
        + QStringLiteral(" no válido...") + u'\n' + QStringLiteral(" Desea continuar...");
}
inline QString errorTransaccion()
{
    return QStringLiteral("Error al iniciar la transacción, operación cancelada...");
}
inline QString lecturaCancelada()
{
    return QStringLiteral("Lectura cancelada...");
}
inline QString rechazados(qint64 rejected, qint64 read)
{
    return QStringLiteral("Se rechazaron ") + QString::number(rejected) + QStringLiteral(" registros de ")
        + QString::number(read) + QStringLiteral(" registros leídos...");
}
inline QString lecturaFinalizada()
{
    return QStringLiteral("Lectura de datos finalizada satisfactoriamente...");
}
inline QString erroresDetectados()
{
    return QStringLiteral("Se detectaron errores...");
}
inline QString confirmarTitulo()
{
    return QStringLiteral("Confirmar Transferencia...");
}
inline QString confirmarIncorporar(qint64 n)
{
    return QStringLiteral("Desea Incorporar Definitivamente los ") + QString::number(n)
        + QStringLiteral(" Registros Leídos a la Base...?");
}
inline QString datosIncorporados()
{
    return QStringLiteral("Datos Incorporados Satisfactoriamente en la Base...");
}
inline QString transferenciaCancelada()
{
    return QStringLiteral("Transferencia de datos cancelada...");
}
inline QString primerosRegistros(qsizetype n)
{
    return QStringLiteral("Primeros ") + QString::number(n) + QStringLiteral(" registros...");
}
inline QString archivoActualizado(const QString& date)
{
    return QStringLiteral("   Archivo actualizado el ") + date;
}
inline QString informacion(qint64 records, qint64 averageLength, qint64 fileSize)
{
    return QStringLiteral("Total de registros = ") + QString::number(records) + u'\n'
        + QStringLiteral("Long. Promedio Reg. = ") + QString::number(averageLength)
        + QStringLiteral(" caracteres") + u'\n' + QStringLiteral("Long. Archivo = ")
        + QString::number(fileSize) + QStringLiteral(" bytes ");
}
// Seconds left, at least two digits: "07 seg.".
inline QString segundosRestantes(qint64 seconds)
{
    return QString::number(seconds).rightJustified(2, u'0') + QStringLiteral(" seg.");
}
inline QString archivoNoLegible(const QString& path)
{
    return QStringLiteral("No se puede leer el archivo ") + path + QStringLiteral("...");
}
inline QString rechazosNoEscritos(const QString& path)
{
    return QStringLiteral("No se pudo escribir el archivo de registros rechazados ") + path
        + QStringLiteral("...");
}
inline QString sinInscripcion()
{
    return QStringLiteral(
        "El contribuyente no tiene un formulario CP01 al que incorporar las operaciones...");
}

}
