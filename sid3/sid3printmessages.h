#pragma once

#include <QString>

// Every text the printing of the monthly declaration shows, as the program words them.
namespace ventrix::sid3::msg {

inline QString ingreseImporte()
{
    return QStringLiteral("Ingrese el importe que desea depositar...");
}
inline QString ingreseFechaPagoImprimir()
{
    return QStringLiteral("Ingrese la fecha de pago para imprimir el formulario...");
}
inline QString fechaPagoAnterior()
{
    return QStringLiteral("La fecha de pago es anterior a la de su sistema...");
}
inline QString imprimirConFechaAnterior()
{
    return QStringLiteral("Desea imprimir el formulario CP03/SID3 con fecha anterior a la de su sistema");
}
inline QString importeDistinto()
{
    return QStringLiteral("Está seguro que desea depositar un importe distinto al \"Total a Depositar\"...");
}
inline QString impresionCancelada()
{
    return QStringLiteral("Impresión cancelada ...");
}
inline QString imprimiendo()
{
    return QStringLiteral("Imprimiendo...");
}
inline QString imprimirTitulo()
{
    return QStringLiteral("Imprimir Formulario CP03");
}
inline QString previewCaption()
{
    return QStringLiteral("Formulario CP03");
}

// Refusals of the print record: a value that does not fit is never cut.
inline QString valorNoCabe(const QString& key, const QString& label, const QString& digits, int width)
{
    return QStringLiteral("El valor de \"%1\" (clave %2) tiene %3 dígitos y el formulario admite %4: "
                          "%5.\nNo se imprimió el formulario.")
        .arg(label, key)
        .arg(digits.size())
        .arg(width)
        .arg(digits);
}
inline QString valorNegativo(const QString& key, const QString& label)
{
    return QStringLiteral("El valor de \"%1\" (clave %2) es negativo y el formulario no admite signo.\n"
                          "No se imprimió el formulario.")
        .arg(label, key);
}
inline QString demasiadasAlicuotas(int count)
{
    return QStringLiteral("Las actividades tienen %1 alícuotas distintas y el formulario admite 6 renglones "
                          "agrupados por alícuota.\nNo se imprimió el formulario.")
        .arg(count);
}
inline QString declaracionAjena(qint64 sidId, qint64 cmdId)
{
    return QStringLiteral("La declaración %1 no pertenece al contribuyente %2.").arg(sidId).arg(cmdId);
}
inline QString archivoNoEscrito(const QString& path, const QString& reason)
{
    return QStringLiteral("No se pudo escribir el archivo de entrega %1:\n%2\nNo se entregó el formulario.")
        .arg(path, reason);
}

}
