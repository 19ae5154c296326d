#pragma once

#include <QString>

// The texts shown while the program starts, together so they can be read side by side.
namespace ventrix::app::startup::msg {

inline QString secondInstance()
{
    return QStringLiteral("Ya existe una aplicación abierta en ésta PC...");
}
inline QString databaseMissing()
{
    return QStringLiteral("Base de datos no econtrada...") + u'\n'
        + QStringLiteral("Recuperar desde el Backup ...");
}
inline QString databaseUnusable(const QString& reason)
{
    return QStringLiteral("Nombre de Usuario y/o Password no válido...") + u'\n' + reason;
}
// A database that cannot be written or is held by another program is not lost: restoring a
// backup over it would not help.
inline QString databaseReadOnly(const QString& reason)
{
    return QStringLiteral(
               "La base de datos no se puede modificar; verifique los permisos del archivo y de la "
               "carpeta de datos.")
        + u'\n' + reason;
}
inline QString databaseBusy(const QString& reason)
{
    return QStringLiteral("La base de datos está en uso por otro programa; ciérrelo e intente de nuevo.")
        + u'\n' + reason;
}
inline QString folderUnwritable(const QString& folder)
{
    return QStringLiteral("No se puede escribir en la carpeta de datos ") + folder + u'\n'
        + QStringLiteral("Verifique que exista y que tenga permiso para modificarla.");
}
inline QString databaseNotCreated(const QString& path, const QString& reason)
{
    return QStringLiteral("No se pudo crear la base de datos ") + path + u'\n' + reason;
}

}
