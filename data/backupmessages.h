#pragma once

#include <QString>

// The texts of the backup and restore, together so they can be read side by side.
namespace ventrix::data::msg {

inline QString windowTitle()
{
    return QStringLiteral("Respaldo y Recuperación de datos");
}
inline QString archiveName()
{
    return QStringLiteral("Impuest.zip");
}

inline QString noDiskette()
{
    return QStringLiteral("No se encontro disquete en la/s disquetera/s...");
}
inline QString backingUpOn(const QString& volume)
{
    return QStringLiteral("Realizando Backup en disquetera ") + volume;
}
inline QString backingUpIn(const QString& folder)
{
    return QStringLiteral("Realizando Backup en ") + folder;
}
inline QString backupFailed()
{
    return QStringLiteral("No se pudo realizar el BackUp...");
}
inline QString backupDone()
{
    return QStringLiteral("Backup finalizado con éxito...");
}
inline QString unexpectedError()
{
    return QStringLiteral("Se ha detectado un error .... ");
}

inline QString noFirstDisk()
{
    return QStringLiteral("No se encontró el disco número 1");
}
inline QString damagedArchive()
{
    return QStringLiteral("Archivo dañado...");
}
inline QString overwriteQuestion(const QString& file)
{
    return QStringLiteral("Se está por sobreescribir el archivo ") + file + u'\n'
        + QStringLiteral("Quiere reemplazarlo...");
}
inline QString confirmationTitle()
{
    return QStringLiteral("El sistema necesita confimación del usuario");
}
inline QString restoreCancelled()
{
    return QStringLiteral("Recuperación Cancelada por el programa...");
}
inline QString warningTitle()
{
    return QStringLiteral("Advertencia del sistema");
}
inline QString notRestored(const QString& file)
{
    return QStringLiteral("Archivo ") + file + QStringLiteral(" no recuperado...");
}
inline QString restoreDone()
{
    return QStringLiteral("Descompresión finalizada...");
}
inline QString restoreIncomplete()
{
    return QStringLiteral("Descompresión incompleta...");
}

inline QString hardDiskQuestion()
{
    return QStringLiteral("Está seguro que desea sobreescribir el archivo \"Impuest.db\" que está ubicado en "
                          "la carpeta \"Archivos\"?...");
}
inline QString operationCancelled()
{
    return QStringLiteral("Operación cancelada...");
}
inline QString fileCopied()
{
    return QStringLiteral("Archivo copiado...");
}
inline QString copyFailed(const QString& reason)
{
    return QStringLiteral("Se produjo el siguiente error: ") + u'\n' + reason + u'\n'
        + QStringLiteral("El archivo no pudo copiarse...");
}
inline QString disconnectQuestion()
{
    return QStringLiteral("Desea desconectarse de internet?");
}
inline QString automaticBackupsTitle()
{
    return QStringLiteral("Recuperar un respaldo");
}

inline QString databaseNotOpen()
{
    return QStringLiteral("La base de datos no está abierta.");
}

}
