#pragma once

#include <QString>

// The texts of the online update, together so they can be read side by side.
namespace ventrix::app::update::msg {

inline QString serverPrompt()
{
    return QStringLiteral("Dirección del servidor WEB");
}
inline QString connectionCancelled()
{
    return QStringLiteral("Conexión cancelada...");
}
inline QString throughProxy(const QString& proxy)
{
    return QStringLiteral("Ud. está accediendo a internet a través de un servidor PROXY ") + proxy;
}
inline QString proxyAddressPrompt()
{
    return QStringLiteral("Ingrese la dirección IP del Proxy");
}
inline QString proxyNotDetected()
{
    return QStringLiteral(
        "Para detectar y utilizar servidor proxy es necesario tener instalado Internet Explorer 5.5 o "
        "posterior...");
}
inline QString connectFailed()
{
    return QStringLiteral("Error al conectar con el servidor WEB...");
}
inline QString connectedWith(const QString& host)
{
    return QStringLiteral("Conectado con ") + host;
}
// "120 Kbytes de 2048 Kbytes 3 seg 40960 bytes/seg"
QString progress(qint64 received, qint64 total, qint64 seconds);
inline QString disconnected()
{
    return QStringLiteral("Desconectado del Servidor WEB...");
}
inline QString error(int code, const QString& text)
{
    return QStringLiteral("Error: ") + QString::number(code) + u' ' + text;
}
inline QString receiveFailed()
{
    return QStringLiteral("Error al recibir archivo...");
}
inline QString damagedArchive()
{
    return QStringLiteral("Archivo dañado...");
}
inline QString unpacked()
{
    return QStringLiteral("Descompresión finalizada...");
}
inline QString unpackIncomplete()
{
    return QStringLiteral("Descompresión incompleta...");
}
inline QString disconnectQuestion()
{
    return QStringLiteral("Desea desconectarse de internet?");
}

// Reasons given on the line after the messages above.
inline QString schemeRefused()
{
    return QStringLiteral("La dirección debe empezar con https:// o http://.");
}
inline QString badSignature()
{
    return QStringLiteral("La firma digital no corresponde al archivo: no fue publicado con la clave de la "
                          "A.G.T. o fue alterado.");
}
inline QString malformedSignature()
{
    return QStringLiteral("La firma digital del archivo no tiene el formato esperado.");
}
inline QString unusableKey()
{
    return QStringLiteral("La clave pública configurada para verificar las actualizaciones no es válida.");
}
inline QString forbiddenPath(const QString& name)
{
    return QStringLiteral("El archivo contiene una ruta no permitida: ") + name;
}
inline QString truncated(qint64 received, qint64 expected)
{
    return QStringLiteral("Se recibieron ") + QString::number(received) + QStringLiteral(" de ")
        + QString::number(expected) + QStringLiteral(" bytes.");
}
inline QString tooLarge()
{
    return QStringLiteral("El archivo supera el tamaño máximo de una actualización.");
}

}
