#pragma once

#include <QString>

// The printing platform's own messages, kept together so they can be read side by side.
namespace ventrix::print::msg {

inline QString cancelledByUser() { return QStringLiteral("Operación cancelada por el usuario..."); }
inline QString notA4Question()
{
    return QStringLiteral("Verifique que tiene seleccionado en la impresora papel tamaño A4 (210mm x 297mm) "
                          "Orientación Vertical...\n\nDesea continuar...?");
}
inline QString notA4Warning()
{
    return QStringLiteral("Se detectó un formato de hoja diferente al A4.\n"
                          "Verifique que la impresión esté completa en hoja tamaño A4.");
}
inline QString askPrintScreen() { return QStringLiteral("Desea imprimir..."); }
inline QString barcodeUnreadable(int page, const QString& detail)
{
    return QStringLiteral("El código de barras de la página %1 no se puede leer correctamente (%2).\n"
                          "La impresión se ha detenido: no se envió nada a la impresora.")
        .arg(page)
        .arg(detail);
}
inline QString manchaTooLong(int length)
{
    return QStringLiteral("Los datos del formulario (%1 caracteres) no caben en el código de barras "
                          "del espacio disponible. No se imprimió el formulario.")
        .arg(length);
}
inline QString bankCodeNotDigits(const QString& code)
{
    return QStringLiteral("El código de barras bancario \"%1\" debe tener sólo dígitos. No se imprimió el formulario.")
        .arg(code);
}
inline QString pdfNotWritten(const QString& path)
{
    return QStringLiteral("No se pudo guardar el archivo PDF \"%1\"...").arg(path);
}

}
