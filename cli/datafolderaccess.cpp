#include "cli/cli.h"

#include <QDir>

namespace ventrix::cli {

std::unique_ptr<data::DataFolderLock> lockDataFolder(Context& context)
{
    const QString folder = QDir::toNativeSeparators(context.folder.path());
    QString error;
    if (!context.folder.ensureExists(&error)) {
        context.err << error << '\n';
        return nullptr;
    }
    auto lock = std::make_unique<data::DataFolderLock>(context.folder.lockPath());
    switch (lock->acquire()) {
    case data::DataFolderLock::Result::Acquired:
        context.folder.removeLeftovers();
        return lock;
    case data::DataFolderLock::Result::HeldByAnother:
        context.err << "La carpeta de datos " << folder
                    << " está en uso por el programa o por otra orden de ventrix-cli; ciérrelo e intente de "
                       "nuevo.\n";
        return nullptr;
    case data::DataFolderLock::Result::Unwritable:
        break;
    }
    context.err << "No se puede escribir en la carpeta de datos " << folder << ".\n";
    return nullptr;
}

void explainUnusable(Context& context, const QString& path, const data::OpenResult& result)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (result.failure) {
    case data::OpenFailure::Missing:
        context.err << "No existe la base de datos " << name << ".\nCréela con: ventrix-cli init\n";
        return;
    case data::OpenFailure::ReadOnly:
        context.err << "La base de datos " << name << " no se puede modificar:\n" << result.reason << '\n';
        return;
    case data::OpenFailure::FutureVersion:
        context.err << "La base de datos " << name << " no se puede usar:\n"
                    << result.reason << "\nUse la versión del programa que la creó.\n";
        return;
    case data::OpenFailure::Other:
        if (result.reason.contains(QStringLiteral("locked"), Qt::CaseInsensitive)
            || result.reason.contains(QStringLiteral("busy"), Qt::CaseInsensitive)) {
            context.err << "La base de datos " << name
                        << " está en uso por otro programa; intente de nuevo.\n"
                        << "Detalle: " << result.reason << '\n';
            return;
        }
        context.err << "La base de datos " << name << " no se puede abrir:\n" << result.reason << '\n';
        return;
    case data::OpenFailure::NotADatabase:
    case data::OpenFailure::Corrupt:
    case data::OpenFailure::None:
        break;
    }
    context.err << "La base de datos " << name << " no se puede usar:\n"
                << result.reason << '\n'
                << "Recupérela desde un Backup con: ventrix-cli restore ARCHIVO.zip --yes\n";
}

}
