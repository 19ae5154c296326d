#include "cli/cli.h"
#include "cli/deliveryformats.h"

#include <QFile>
#include <QFileInfo>

namespace ventrix::cli {
namespace {

// Delivery files are a few lines, an agent's declaration one line per operation of the month;
// anything larger is not one.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

int refuse(Context& context, const QString& path, const QString& reason)
{
    context.err << "El archivo " << path << " no es un archivo de entrega válido: " << reason << ".\n";
    return ExitRefused;
}

int checkDelivery(Context& context, const QStringList& args)
{
    if (args.size() != 1 || args.front().startsWith(QStringLiteral("--"))) {
        context.err << "Uso: ventrix-cli check-delivery ARCHIVO\n";
        return ExitUsage;
    }
    const QString path = args.front();
    const QString name = QFileInfo(path).fileName();
    const DeliveryFormat* format = nullptr;
    QString key;
    for (const DeliveryFormat& f : deliveryFormats()) {
        const auto match = f.fileName.match(name);
        if (match.hasMatch()) {
            format = &f;
            key = match.captured(1);
            break;
        }
    }
    if (!format)
        return refuse(context, path, QStringLiteral("su nombre no es el de ningún formulario conocido"));
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(context, path, QStringLiteral("no se pudo leer"));
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        return refuse(context, path, QStringLiteral("es demasiado grande"));
    const auto fields = format->read(bytes, key);
    if (!fields)
        return refuse(context, path, fields.error());
    context.out << "Archivo de entrega " << format->title << ": " << name << '\n';
    for (const DeliveryField& f : *fields)
        context.out << "  " << f.label << ": " << f.value << '\n';
    context.out << "El archivo es correcto.\n";
    return ExitOk;
}

}

Command checkDeliveryCommand()
{
    return { QStringLiteral("check-delivery"),
        QStringLiteral("check-delivery ARCHIVO       muestra un archivo de entrega"), checkDelivery };
}

}
