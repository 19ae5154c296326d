#include "app/update/updatesettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

static void registerUpdateResources()
{
    Q_INIT_RESOURCE(update);
}

namespace ventrix::app {

UpdateSettings UpdateSettings::load()
{
    UpdateSettings s;
    const QSettings stored(QStringLiteral("Ventrix"), QStringLiteral("Ventrix"));
    s.defaultServer = stored.value(QStringLiteral("actualizacion/servidor"), s.defaultServer).toString();
    s.publicKeyPath = stored.value(QStringLiteral("actualizacion/clavePublica")).toString();
    s.updateFolder = QCoreApplication::applicationDirPath();
    return s;
}

Result<QByteArray> UpdateSettings::publicKey() const
{
    static const bool registered = (registerUpdateResources(), true);
    Q_UNUSED(registered);
    const QString path
        = publicKeyPath.isEmpty() ? QStringLiteral(":/update/claveactualizacion.pem") : publicKeyPath;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { QStringLiteral("No se pudo leer la clave pública ") + path + QStringLiteral(": ")
            + file.errorString() };
    return file.read(64 * 1024);
}

QString updateArchivePath()
{
    return QStringLiteral("/Aplicativos/Ventrix/ActualizaWeb/ActualVentrix.zip");
}

QString updateSignaturePath()
{
    return updateArchivePath() + QStringLiteral(".sig");
}

}
