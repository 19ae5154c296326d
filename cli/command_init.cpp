#include "cli/cli.h"
#include "data/backupfiles.h"
#include "data/database.h"
#include "rates/deliveredindices.h"

#include <QFileInfo>

namespace ventrix::cli {
namespace {

int init(Context& c, const QStringList& args)
{
    if (!args.isEmpty()) {
        c.err << "La orden init no lleva argumentos.\nUso: ventrix-cli [--data-dir CARPETA] init\n";
        return ExitUsage;
    }
    const auto lock = lockDataFolder(c);
    if (!lock)
        return ExitRefused;
    QString error;
    const QString path = c.folder.databasePath();
    data::Database database;
    if (!QFileInfo::exists(path)) {
        const data::OpenResult created = database.create(path, rates::loadDeliveredIndices);
        if (!created.ok()) {
            database.close();
            data::backupfiles::removeWithCompanions(path);
            c.err << "No se pudo crear la base de datos " << path << '\n' << created.reason << '\n';
            return ExitRefused;
        }
        c.folder.markDatabaseCreated(&error);
        c.out << "Base de datos creada: " << path << '\n';
        return ExitOk;
    }
    const data::OpenResult result = database.open(path);
    if (!result.ok()) {
        explainUnusable(c, path, result);
        return ExitRefused;
    }
    c.folder.markDatabaseCreated(&error);
    c.out << "Base de datos al día (versión " << database.schemaVersion() << "): " << path << '\n';
    return ExitOk;
}

}

Command initCommand()
{
    return { QStringLiteral("init"),
        QStringLiteral("init                      crea la base de datos o la pone al día"), init };
}

}
